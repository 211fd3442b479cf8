#pragma once
// A calculator window's design as the simulator needs it, read from the window's own
// fields: the accepted values ("Примем ..."), the targets and the transistor data.
// Each window describes its circuit in one function next to its unit, built from these.

#include "circuit.h"

#include <QStringList>
#include <optional>

namespace takton {
class TableWindow;
}

namespace takton::simulation {

enum class Kind { Astable, Monostable };

// How every typed value's source begins (see DesignFields::source); any other source is
// a step's computation.
inline constexpr QStringView typedSource = u"поле «";

// What the window asked for, to set beside what the simulation gives.
struct Targets {
    double period = 0;      // s, astable
    double pulseLength = 0; // s, monostable
    double recovery = 0;    // s, monostable
    double amplitude1 = 0, amplitude2 = 0; // V
};

struct Design {
    Kind kind = Kind::Astable;
    Circuit circuit;
    Targets targets;
    std::optional<double> maxTemperature; // °C, typed in the window's tmax field where it has one
    QStringList notes; // values the window's steps do not read, and where they came from
};

// Reads the window's fields by name. A field that is empty or not a number stops the
// check with a message naming it; nothing runs.
class DesignFields {
public:
    explicit DesignFields(const TableWindow& window) : window(window) {}

    double number(const char* edit) const;
    // A field that may be left empty: then nothing.
    std::optional<double> optionalNumber(const char* edit) const;

    // A design of `kind` with the targets every window states alike: the amplitudes of
    // Edit1 and Edit2, and tau, typed in microseconds in `tauEdit`, as the astable's
    // period or the monostable's pulse length.
    Design designWithTargets(Kind kind, const char* tauEdit) const;

    // The caption a field is known by ("Примем Rк1 = Ом").
    QString nameOf(const char* edit) const;
    // A value's source when it was typed in `edit`: "поле «Примем Rк1 = Ом»".
    QString source(const char* edit) const;
    // The source of a value taken from `edit` when typed, otherwise from `step`.
    QString sourceOr(const char* edit, const QString& step) const;

    // A collector-base rating no step reads: typed, it is checked; left empty, 0 (not
    // checked) and a note saying so for `transistor` ("Т1").
    double optionalRating(const char* edit, const QString& transistor, QStringList& notes) const;

    // A resistor a step only limits: its "Примем" field when typed, otherwise the
    // greatest E24 value within `limit` and a note saying so.
    double resistorOrE24AtMost(const char* edit, const QString& designator, double limit, QStringList& notes) const;

private:
    const TableWindow& window;
};

// Values of the astables that the window has no field for, each with a note saying where
// it came from:
// C as Step 7 computes it, tau / (0.9 (Rб2 + Rк1)); `designator` as the window writes it.
double capacitorOfStep7(double tau, double rb2PlusRk1, const QString& designator, QStringList& notes);
// Ек of the one-collector-supply astables, Step 8's sum of the fictitious sources.
double collectorSupplyOfStep8(double ek1f, double ek2f, QStringList& notes);
// R1 of the joined emitters, which no step computes: the middle of the 20...40 кОм the
// window advises.
double joinedEmitterResistor(QStringList& notes);

// The greatest E24 value not above `limit` (positive), or 0 for no positive limit.
double e24AtMost(double limit);
// The greatest E24 value below `limit`, the limit itself excluded when it is a series
// value; 0 for no positive limit.
double e24Below(double limit);
// The least E24 value not below `value` (positive), or 0 for no positive value.
double e24AtLeast(double value);

} // namespace takton::simulation
