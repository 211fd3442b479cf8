// The circuit of the monostable started by a positive pulse, as drawn in its
// schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 on +Ек2 and Rб2
// on -Ек1, C1 from T1's collector to T2's base, C2 from T2's collector to T1's base,
// and the trigger through C3 into T2's base.

#include "Unit9.h"
#include "Unit9Layout.h"
#include "window_circuits.h"

#include <algorithm>

using namespace takton::simulation;

Design TForm9::circuit() const
{
    Design d = designWithTargets(Kind::Monostable, Um1, Um2, tau);
    d.targets.recovery = 1e-6 * trec; // Step 6's recovery time, in microseconds
    d.maxTemperature = typedTemperature(field("Edit4"));

    Circuit& c = d.circuit;
    c.title = u"Monostable started by a positive pulse"_qs;
    // No step reads the collector-base ratings nor T2's gain.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit11")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = typedNumber(field("Edit7")), .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = typedNumber(field("Edit12")), .betaSource = typedIn(field("Edit12")),
            .collectorCurrentMax = Ik2max, .collectorBaseMax = typedNumber(field("Edit8")), .reverseBaseEmitter = Um2};
    // The names the trigger below uses; tau in seconds, where Step 6 stored microseconds.
    const double tau = d.targets.pulseLength, ek1 = Ek1, ek2 = Ek2, rb1 = Rb1;
    // Rб2: the window has no field for it; the value Step 7 stored, Rб1 itself.
    const double rb2 = Rb2calc;
    d.notes << u"Rб2 взято по расчёту шага 7: "_qs + numberText(rb2) + u" Ом"_qs;
    const double c12 = 1e-9 * C12; // typed in nanofarads, read by Step 7

    // C3 equal to C1: T2's base then settles through Rб2 in twice C1's time constant, not
    // eleven times; the trigger reaches it halved, which the least amplitude that fires
    // it allows for.
    const double c3 = c12;
    d.notes << u"С3 на схеме без номинала: взята "_qs + nanofaradsText(c3) + u" (равна С1)"_qs;

    // The trigger generator's own resistance: without it every edge drives the bases
    // through C3 with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, typedIn(field("Edit15"))},
                  {u"EK2"_qs, u"ek2"_qs, ek2, typedIn(field("Edit16"))}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, Rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, rb1, typedIn(field("Edit19"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, Rk2, typedIn(field("Edit18"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"nek1"_qs}, rb2, u"расчёт шага 7"_qs},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c12, typedIn(field("Edit20"))},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c12, typedIn(field("Edit20"))},
        {u"C3"_qs, Part::Capacitor, {u"b2"_qs, u"trig"_qs}, c3, u"равна С1"_qs},
        {u"Rtrig"_qs, Part::Resistor, {u"trig"_qs, u"gen"_qs}, triggerSource, u"внутреннее сопротивление генератора"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    // The supplies' step charges C2 through Rб1, and C1 and C3 (both on T2's base) through
    // Rб2: the first trigger waits five of the longer time constant for the rest state. Then three
    // triggers, each followed by at least three recovery times. A default pulse of
    // Ек1 + Ек2 lifts T2's base from -Ек1 well past conduction; its width is a tenth of
    // tau, so that the output pulse shows whether the circuit holds it by itself.
    const double settle = 5 * std::max(rb1 * c12, rb2 * (c12 + c3));
    const double spacing = std::max(3 * d.targets.recovery, settle) + tau;
    triggerThreeTimes(c, ek1 + ek2, tau, settle, spacing);
    c.maxStep = std::min(tau, d.targets.recovery) / 50;
    return d;
}
