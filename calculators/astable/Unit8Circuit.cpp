// The circuit of the astable with one emitter supply and capacitive coupling, as drawn
// in its schematic: T1 (p-n-p) with its emitter on +Еэ, T2 (n-p-n) with its emitter on
// the common wire, Rк1, Rб1, Rб2 and Rк2 hanging from one top wire that no supply holds,
// C1 from T1's collector to T2's base and C2 from T2's collector to T1's base.

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm8(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");
    const double tau = d.targets.period;

    Circuit& c = d.circuit;
    c.title = u"Astable, one emitter supply, capacitive coupling"_qs;
    // The reverse currents and gains are numbered across: Edit9, Edit10 are T1's line,
    // Edit11, Edit12 T2's.
    c.t1 = {.betaMin = f.number("Edit10"), .betaSource = f.source("Edit10"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.number("Edit7"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit8"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ee1 = f.number("Edit15"), ee2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double c2 = 1e-9 * f.number("Edit21"); // typed in nanofarads

    // Еэ: Step 8's sum of the two accepted fictitious sources.
    const double ee = ee1 + ee2;
    d.notes << QStringLiteral("Еэ = Еэ1ф + |Еэ2ф| = %1 В, как его даёт шаг 8").arg(ee);
    // C1: the window has no field for it; Step 7 says to take it slightly larger than
    // the value it computes, so the least E24 value not below it.
    const double c1calc = (rb1 + rk2) * c2 / (rb2 + rk1);
    const double c1 = e24AtLeast(c1calc);
    if (c1 > 0)
        d.notes << QStringLiteral("С1 в окне не принимается: взята %1 нФ, ближайшее из ряда E24 не менее %2 нФ (шаг 7)")
                       .arg(c1 * 1e9, 0, 'g', 6)
                       .arg(c1calc * 1e9, 0, 'g', 6);
    else
        d.notes << QStringLiteral("С1 не ставится: расчёт шага 7 (%1 нФ) не положительное число").arg(c1calc * 1e9);

    c.supplies = {{u"EE"_qs, u"e1"_qs, ee, u"сумма шага 8"_qs}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"top"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"top"_qs}, rb1, f.source("Edit19")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"top"_qs}, rb2, f.source("Edit20")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"top"_qs}, rk2, f.source("Edit18")},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1, u"ряд E24 по шагу 7"_qs},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c2, f.source("Edit21")},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e1"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, tau);
    return d;
}

} // namespace takton::simulation
