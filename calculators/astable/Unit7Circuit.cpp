// The circuit of the astable with one emitter supply, capacitive and resistive-capacitive
// coupling: T1 (p-n-p) with its emitter on +Еэ, T2 (n-p-n) with its emitter on the
// common wire, and Rк1, Rб1, Rб2, Rк2 hanging from one top wire that no supply holds.
// The timing capacitor C couples T1's collector to T2's base and R with C1 across it
// couples T2's collector to T1's base, as the steps pair them (C with Rб2 and Rк1 in
// Step 7, R with Rб1 and Rк2 in Steps 6 and 8).

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm7(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");
    const double tau = d.targets.period;

    Circuit& c = d.circuit;
    c.title = u"Astable, one emitter supply, capacitive and resistive-capacitive coupling"_qs;
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.number("Edit9"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit10"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ee1 = f.number("Edit15"), ee2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double r = f.number("Edit21");
    const double cap = 1e-9 * f.number("Edit22"); // typed in nanofarads

    // Еэ: Step 9's sum of the two accepted fictitious sources.
    const double ee = ee1 + ee2;
    d.notes << QStringLiteral("Еэ = Еэ1ф + |Еэ2ф| = %1 В, как его даёт шаг 9").arg(ee);
    d.notes << QStringLiteral("Схема окна рисует пару R и С1 между коллектором Т1 и базой Т2, а шаги 6–8 "
                              "связывают R с Rб1 и Rк2, а С с Rб2 и Rк1: моделируется расстановка по шагам, "
                              "С от коллектора Т1 к базе Т2, R и С1 от коллектора Т2 к базе Т1");
    // C1: the window has no field for it; Step 8 gives only the value it must stay
    // below, so the greatest E24 value under it.
    const double req = (rb1 + rk2) * r / (rb1 + rk2 + r);
    const double c1max = (rb2 + rk1) * cap / req;
    const double c1 = e24Below(c1max);
    if (c1 > 0)
        d.notes << QStringLiteral("С1 в окне не принимается: взята %1 нФ, ближайшее из ряда E24 менее %2 нФ (шаг 8)")
                       .arg(c1 * 1e9, 0, 'g', 6)
                       .arg(c1max * 1e9, 0, 'g', 6);
    else
        d.notes << QStringLiteral("С1 не ставится: предел шага 8 (%1 нФ) не положительное число").arg(c1max * 1e9);

    c.supplies = {{u"EE"_qs, u"e1"_qs, ee, u"сумма шага 9"_qs}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"top"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"top"_qs}, rb1, f.source("Edit19")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"top"_qs}, rb2, f.source("Edit20")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"top"_qs}, rk2, f.source("Edit18")},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, f.source("Edit22")},
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, r, f.source("Edit21")},
        {u"C1"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c1, u"ряд E24 по шагу 8"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e1"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, tau);
    return d;
}

} // namespace takton::simulation
