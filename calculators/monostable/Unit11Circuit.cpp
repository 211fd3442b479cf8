// The monostable with emitter coupling, as drawn in its schematic: T1 (p-n-p) with Rк1
// on -Ек1, T2 (n-p-n) with Rк2 and Rб2 on +Ек2, both emitters joined on Rэ to the
// common wire, the divider R1 (to +Ек2) and R2 (to -Ек1) on T1's base, C from T1's
// collector to T2's base, and the trigger through the input capacitor into T1's base.

#include "window_circuits.h"

#include <algorithm>

namespace takton::simulation {

Design designOfForm11(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Monostable, "Edit3");
    const double tau = d.targets.pulseLength;
    // The window gives no recovery time of its own: the result shows the measured one
    // without a target.

    Circuit& c = d.circuit;
    c.title = u"Monostable with emitter coupling"_qs;
    // The window asks for no reverse base-emitter rating: it is not checked.
    c.t1 = {.betaMin = f.number("Edit10"), .betaSource = f.source("Edit10"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit4")};
    c.t2 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit7"),
            .collectorBaseMax = f.number("Edit5")};
    const double ek1 = f.number("Edit12"), ek2 = f.number("Edit13");
    const double ik1 = f.number("Edit15"), ik2 = f.number("Edit14");
    const double ue = f.number("Edit16");
    const double r2 = f.number("Edit17");

    // Rэ, Rк1, Rк2 and Rб2: the window has no fields for them; the values Step 6
    // computes, as Step 9 uses them.
    const double re = ue / (ik2 - ik1);
    const double rk2 = (ek2 - ue) / ik2;
    const double rk1 = (ek1 + ue) / ik1;
    const double rb2 = (ek2 - ue) / (ik2 / c.t2.betaMin);
    d.notes << QStringLiteral("Rэ, Rк1, Rк2 и Rб2 взяты по расчёту шага 6: %1, %2, %3 и %4 Ом")
                   .arg(re, 0, 'g', 6)
                   .arg(rk1, 0, 'g', 6)
                   .arg(rk2, 0, 'g', 6)
                   .arg(rb2, 0, 'g', 6);
    // R1: no step reads an accepted value; the greatest E24 value below the limit Step 8
    // computes, which keeps T1's base above the common wire while T2 is off.
    const double r1max = ek2 * r2 / ek1;
    const double r1 = e24AtMost(r1max);
    d.notes << QStringLiteral("R1 взято %1 Ом, ближайшее из ряда E24 не более %2 Ом (шаг 8)")
                   .arg(r1)
                   .arg(r1max, 0, 'f', 0);
    // C: the window has no field for it; the value Step 9 computes.
    const double cap = tau / (0.7 * (rb2 + rk1));
    d.notes << QStringLiteral("C взята по расчёту шага 9: %1 нФ").arg(cap * 1e9, 0, 'g', 6);
    // The input capacitor three times C: the trigger reaches T1's base through the
    // divider R1, R2 sagging by less than a tenth over its default width, and the
    // capacitor settles within a few pulse lengths.
    const double cin = 3 * cap;
    d.notes << QStringLiteral("Входной конденсатор на схеме без номинала: взята %1 нФ (3 × C)")
                   .arg(cin * 1e9, 0, 'g', 6);
    // The trigger generator's own resistance: without it every edge drives T1's base
    // through the input capacitor with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit12")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit13")}};
    c.components = {
        {u"R1"_qs, Part::Resistor, {u"b1"_qs, u"ek2"_qs}, r1, u"ряд E24 по шагу 8"_qs},
        {u"R2"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, r2, f.source("Edit17")},
        {u"Cin"_qs, Part::Capacitor, {u"b1"_qs, u"trig"_qs}, cin, u"3 × C"_qs},
        {u"Rtrig"_qs, Part::Resistor, {u"trig"_qs, u"gen"_qs}, triggerSource, u"внутреннее сопротивление генератора"_qs},
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, u"расчёт шага 6"_qs},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, u"расчёт шага 9"_qs},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, rb2, u"расчёт шага 6"_qs},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, u"расчёт шага 6"_qs},
        {u"Re"_qs, Part::Resistor, {u"e"_qs, u"0"_qs}, re, u"расчёт шага 6"_qs},
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

} // namespace takton::simulation
