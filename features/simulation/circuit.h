#pragma once
// A circuit as a calculator window describes it for the simulator: the parts of its
// schematic with the values the user accepted, the two transistors' typed data, the
// supplies and, for a monostable, the trigger. `netlist` turns it into the text the
// simulator reads (and the user may save as a .cir file).
//
// Node names are shared by every window: T1 is Q1 (collector c1, base b1), T2 is Q2
// (c2, b2); an emitter is on the common wire 0 or on a node of its own circuit (an
// emitter supply, a shared emitter resistor). The supplies drive their own nodes.

#include <QString>
#include <optional>
#include <vector>

namespace takton::simulation {

enum class Part { Resistor, Capacitor, Pnp, Npn };

struct Component {
    QString designator;         // "Rk1", "C", "Q1": its first letter is its kind
    Part part;
    std::vector<QString> nodes; // two for R and C; collector, base, emitter for Q
    double value = 0;           // ohms or farads; unused for transistors
    QString source = {};        // where the value came from: "поле «Примем Rк1 = Ом»", "расчёт шага 7"
};

// What the user typed about a transistor (in the window's units converted to SI).
struct Transistor {
    double betaMin = 0;
    QString betaSource = {};        // the field it was typed in
    double collectorCurrentMax = 0; // A
    double collectorBaseMax = 0;    // V
    double reverseBaseEmitter = 0;  // V: the least reverse base-emitter rating the window asked for
};

// A supply ramped from 0 to `volts` (signed, relative to the common wire).
struct Supply {
    QString designator;
    QString node;
    double volts = 0;
    QString source = {}; // where the value came from, as for a component
};

// Rectangular pulses from 0 to `amplitude` into `node`, repeated every `period`.
struct Trigger {
    QString node;
    double amplitude = 0; // V
    double width = 0;     // s
    double delay = 0;     // s, the first pulse's start
    double period = 0;    // s
    int count = 0;        // pulses scheduled within the run; pulse k starts at delay + k period
    // Typed by the user: applied as it is. Otherwise `amplitude` is only the default
    // shown, and the check applies the least amplitude that fires the circuit, with a
    // margin (trigger_search.h).
    bool amplitudeChosen = false;
};

// The trigger generator's output resistance: the 50 Ом of an ordinary laboratory pulse
// generator. It is small beside what the pulse works into (the transistor's own base
// resistance, kilo-ohm collector resistors, base resistors of tens of kilo-ohms), so the
// amplitude that fires the circuit is the circuit's need and not a loss in the source,
// and it still bounds the current each edge drives through the coupling capacitor.
inline constexpr double triggerSourceResistance = 50; // Ом

// A trigger no longer than a tenth of the pulse it starts, so that an output pulse that
// outlasts it is the circuit's own.
inline constexpr double triggersPerTau = 10;

// When pulse k of `trigger` (its start `start`) is over: its width, its 10 ns edges and
// a fifth of the width allowed for what the falling edge drives.
inline double triggerOver(const Trigger& trigger, double start)
{
    return start + trigger.width * 1.2 + 20e-9;
}

struct Circuit {
    QString title;
    std::vector<Supply> supplies;
    std::vector<Component> components;
    Transistor t1, t2;
    std::optional<Trigger> trigger;
    double stopTime = 0; // s
    double maxStep = 0;  // s
    std::optional<double> temperature = {}; // °C; none: the simulator's room temperature, 27 °C
};

// An astable runs for six target periods: the first two settle, the rest are measured.
void runForSixPeriods(Circuit& circuit, double period);

// A monostable gets rectangular pulses of `amplitude` (the default the check starts
// from), a tenth of `tau` wide, into the generator node "gen": the first after `settle`
// (the rest state), then one every `spacing`; the run ends one spacing after the third.
void triggerThreeTimes(Circuit& circuit, double amplitude, double tau, double settle, double spacing);

// The transient run of `circuit` with both transistors' β scaled by `betaScale`.
QString netlist(const Circuit& circuit, double betaScale);

// The node T1's (Q1) or T2's (Q2) emitter is wired to; "0" when the circuit has no such
// transistor.
QString emitterOf(const Circuit& circuit, const QString& transistor);

// The generic transistor model the netlist uses for a part of this polarity and β.
QString transistorModel(const QString& name, Part polarity, double beta);

// The ramp of the supplies from 0, long before any period of interest.
inline constexpr double supplyRamp = 2e-6; // s

} // namespace takton::simulation
