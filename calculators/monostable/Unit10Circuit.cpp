// The monostable with capacitive coupling, as drawn in its schematic: T1 (p-n-p) with
// Rк1 on -Ек1, T2 (n-p-n) with Rк2 on +Ек2, both emitters and both base resistors Rб1,
// Rб2 on the common wire, C1 from T1's collector to T2's base, C2 from T2's collector
// to T1's base, and the trigger through C3 into T2's base.

#include "Unit10.h"
#include "Unit10Layout.h"
#include "window_circuits.h"

#include <algorithm>

using namespace takton::simulation;

Design TForm10::circuit() const
{
    Design d = designWithTargets(Kind::Monostable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit4"));
    // The window gives no recovery time of its own: the result shows the measured one
    // without a target.

    Circuit& c = d.circuit;
    c.title = u"Monostable with capacitive coupling"_qs;
    // The collector-base ratings are typed, but no step reads them: left empty, they are
    // not checked.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit11")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = optionalRating(field("Edit7"), u"Т1"_qs, d.notes), .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit12")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = optionalRating(field("Edit8"), u"Т2"_qs, d.notes), .reverseBaseEmitter = Um2};
    // The names the trigger below uses; tau in seconds, where Step 6 stored microseconds.
    const double tau = d.targets.pulseLength, ek2 = Ek2;
    const double rk1 = Rk1, rk2 = Rk2, rb1 = Rb1, rb2 = Rb2;
    const double c2 = 1e-9 * C2; // typed in nanofarads, read by Step 7
    // C1: the window has no field for it; the value Step 7 stored.
    const ChosenPart timing = timingCapacitorC1(StepGives::Value, C1calc, 7, d.notes);
    const double c1 = timing.value;

    // C3 ten times C2: the trigger reaches T2's base almost undivided.
    const double c3 = 10 * c2;
    d.notes << u"С3 на схеме без номинала: взята "_qs + nanofaradsText(c3) + u" (10 × С2)"_qs;

    // The trigger generator's own resistance: without it every edge drives T2's base
    // through C3 with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -Ek1, typedIn(field("Edit15"))},
                  {u"EK2"_qs, u"ek2"_qs, ek2, typedIn(field("Edit16"))}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"0"_qs}, rb1, typedIn(field("Edit19"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, typedIn(field("Edit18"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"0"_qs}, rb2, typedIn(field("Edit20"))},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1, timing.source},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c2, typedIn(field("Edit21"))},
        {u"C3"_qs, Part::Capacitor, {u"b2"_qs, u"trig"_qs}, c3, u"10 × С2"_qs},
        {u"Rtrig"_qs, Part::Resistor, {u"trig"_qs, u"gen"_qs}, triggerSource, u"внутреннее сопротивление генератора"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    // The supplies' step charges C2 through Rк2 and Rб1, and C1 through Rк1 and Rб2
    // together with C3, which hangs on T2's base too: the first trigger waits five of the
    // longer time constant for the rest state, and so does each next one after the
    // output pulse. A default pulse of half Ек2 drives T2's base from the common wire
    // well past conduction through the generator's 50 Ом, and its falling edge, coupled
    // through C3 and C1, does not push T1's collector beyond -Ек1 as a full Ек2 would; its
    // width is a tenth of tau, so that the output pulse shows whether the circuit holds
    // it by itself.
    const double settle = 5 * std::max((rk1 + rb2) * (c1 + c3), (rk2 + rb1) * c2);
    const double spacing = settle + tau;
    triggerThreeTimes(c, ek2 / 2, tau, settle, spacing);
    c.maxStep = tau / 50;
    return d;
}
