#pragma once
// A calculator window's design as the simulator needs it. Each window builds its own in
// `circuit()`, next to its unit, after its steps were pressed: from the values the
// steps stored, the fields they read, and the few fields no step reads (reached
// through the window's compile-checked names). Nothing here computes a step's formula.

#include "circuit.h"

#include <QStringList>
#include <optional>

class QLineEdit;

namespace takton::simulation {

enum class Kind { Astable, Monostable };

// How every typed value's source begins (see typedIn); any other source is a step's
// computation.
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

// A design of `kind` with the targets every window states alike: the amplitudes Step 1
// stored and tau as a step stored it, in microseconds: the astable's period or the
// monostable's pulse length.
Design designWithTargets(Kind kind, double um1, double um2, double tauMicroseconds);

// A number as the window writes it: the program's digits, the user's separator.
QString numberText(double value);
// A capacitance in farads as the window writes it in nanofarads: "51 нФ".
QString nanofaradsText(double farads);

// The caption a field is known by ("Примем Rк1 = Ом").
QString fieldName(const QLineEdit& field);
// A value's source when it was typed in `field`: "поле «Примем Rк1 = Ом»".
QString typedIn(const QLineEdit& field);
// The source of a value taken from `field` when typed, otherwise from `step`.
QString typedInOr(const QLineEdit& field, const QString& step);

// A field no step reads, which the circuit needs: its number. Empty or not a number, it
// stops the check with a message naming it; nothing runs.
double typedNumber(const QLineEdit& field);
// The same for a field that may be left empty: then nothing.
std::optional<double> typedOrEmpty(const QLineEdit& field);
// The temperature typed in a tmax field, which no step reads: nothing when the field is
// empty or holds no number.
std::optional<double> typedTemperature(const QLineEdit& field);

// A collector-base rating no step reads: typed, it is checked; left empty, 0 (not
// checked) and a note saying so for `transistor` ("Т1").
double optionalRating(const QLineEdit& field, const QString& transistor, QStringList& notes);

// A resistor a step only limits, with no step reading its "Примем" field: the field when
// typed, otherwise the greatest E24 value within the step's stored `limit` and a note
// saying so.
double resistorOrE24AtMost(const QLineEdit& field, const QString& designator, double limit, QStringList& notes);

// Values no field accepts. One rule for every timing capacitor C1 that the window
// accepts in no field: C1 is what its step says of it. A step that gives C1's value
// gives the value itself; a step that gives a bound gives the nearest E24 value on the
// side the bound allows: not below the value C1 is to exceed slightly ("незначительно
// больше"), below the value it must stay under ("менее", that value itself excluded).
enum class StepGives { Value, SlightlyMore, UpperLimit };
struct ChosenPart {
    double value = 0; // farads; 0 when the step's figure is not positive: no part then
    QString source;   // for the netlist's comment
};
// `stepFarads` is the figure the step stored; a note says what was taken and why.
ChosenPart timingCapacitorC1(StepGives gives, double stepFarads, int step, QStringList& notes);

// A value a step computed and stored, which the circuit takes as it is, with the note
// saying so ("C взята по расчёту шага 7: 9,93 нФ").
void noteStepValue(QStringList& notes, const QString& what, int step, const QString& valueText);

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
