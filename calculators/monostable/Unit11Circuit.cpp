// The monostable with emitter coupling, as drawn in its schematic: T1 (p-n-p) with Rк1
// on -Ек1, T2 (n-p-n) with Rк2 and Rб2 on +Ек2, both emitters joined on Rэ to the
// common wire, the divider R1 (to +Ек2) and R2 (to -Ек1) on T1's base, C from T1's
// collector to T2's base, and the trigger through the input capacitor into T1's base.

#include "Unit11.h"
#include "Unit11Layout.h"
#include "window_circuits.h"

#include <algorithm>

using namespace takton::simulation;

Design TForm11::circuit() const
{
    Design d = designWithTargets(Kind::Monostable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit18"));
    // The window gives no recovery time of its own: the result shows the measured one
    // without a target.

    Circuit& c = d.circuit;
    c.title = u"Monostable with emitter coupling"_qs;
    // The window asks for no reverse base-emitter rating: it is not checked.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit10")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = Ukb1max};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit11")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = Ukb2max};
    // The names the trigger below uses; tau in seconds, where Step 9 stored microseconds.
    const double tau = d.targets.pulseLength, ek2 = Ek2;

    // Rэ, Rк1, Rк2 and Rб2: the window has no fields for them; the values Step 6
    // stored, as Step 9 uses them.
    const double rk1 = Rk1calc, rb2 = Rb2calc;
    d.notes << QStringLiteral("Rэ, Rк1, Rк2 и Rб2 взяты по расчёту шага 6: %1, %2, %3 и %4 Ом")
                   .arg(numberText(Re), numberText(rk1), numberText(Rk2calc), numberText(rb2));
    // R1: no step reads an accepted value; the greatest E24 value within the limit
    // Step 8 stored, which keeps T1's base above the common wire while T2 is off.
    const double r1 = e24AtMost(R1lim), r2 = R2;
    d.notes << QStringLiteral("R1 взято %1 Ом, ближайшее из ряда E24 не более %2 Ом (шаг 8)")
                   .arg(numberText(r1), numberText(R1lim));
    // C: the window has no field for it; the value Step 9 stored.
    const double cap = Ccalc;
    noteStepValue(d.notes, u"C взята"_qs, 9, nanofaradsText(cap));

    // The input capacitor three times C: the trigger reaches T1's base through the
    // divider R1, R2 sagging by less than a tenth over its default width, and the
    // capacitor settles within a few pulse lengths.
    const double cin = 3 * cap;
    d.notes << u"Входной конденсатор на схеме без номинала: взята "_qs + nanofaradsText(cin) + u" (3 × C)"_qs;
    // The trigger generator's own resistance: without it every edge drives T1's base
    // through the input capacitor with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -Ek1, typedIn(field("Edit12"))},
                  {u"EK2"_qs, u"ek2"_qs, ek2, typedIn(field("Edit13"))}};
    c.components = {
        {u"R1"_qs, Part::Resistor, {u"b1"_qs, u"ek2"_qs}, r1, u"ряд E24 по шагу 8"_qs},
        {u"R2"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, r2, typedIn(field("Edit17"))},
        {u"Cin"_qs, Part::Capacitor, {u"b1"_qs, u"trig"_qs}, cin, u"3 × C"_qs},
        {u"Rtrig"_qs, Part::Resistor, {u"trig"_qs, u"gen"_qs}, triggerSource, u"внутреннее сопротивление генератора"_qs},
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, u"расчёт шага 6"_qs},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, u"расчёт шага 9"_qs},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, rb2, u"расчёт шага 6"_qs},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, Rk2calc, u"расчёт шага 6"_qs},
        {u"Re"_qs, Part::Resistor, {u"e"_qs, u"0"_qs}, Re, u"расчёт шага 6"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"e"_qs}},
    };
    // The supplies' step charges C through Rб2 and Rк1 and the input capacitor through
    // the divider: the first trigger waits five of the longer time constant for the rest
    // state, and so does each next one after the output pulse. A default pulse of half
    // Ек2 lifts T1's base well above the emitter voltage U'э; its width is a tenth of
    // tau, so that the output pulse shows whether the circuit holds it by itself.
    const double divider = r1 * r2 / (r1 + r2);
    const double settle = 5 * std::max((rb2 + rk1) * cap, (divider + triggerSource) * cin);
    const double spacing = settle + tau;
    triggerThreeTimes(c, ek2 / 2, tau, settle, spacing);
    c.maxStep = tau / 50;
    return d;
}
