// The circuit of the one-supply astable with capacitive coupling both ways, as drawn in
// its schematic: T1 (p-n-p) and T2 (n-p-n) with their emitters joined and returned to
// the common wire through R1; Rк1 and Rб1 hang from the common wire, Rк2 and Rб2 from
// +Ек; C1 from T1's collector to T2's base, C2 from T2's collector to T1's base.
// Both transistors conduct together, in series from +Ек to the common wire.

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm5(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");
    const double tau = d.targets.period;

    Circuit& c = d.circuit;
    c.title = u"Astable, one collector supply, capacitive coupling"_qs;
    // No step reads the collector-base ratings: typed, they are checked, otherwise not.
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.optionalRating("Edit9", u"Т1"_qs, d.notes),
            .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.optionalRating("Edit10", u"Т2"_qs, d.notes),
            .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1f = f.number("Edit15"), ek2f = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double c2 = 1e-9 * f.number("Edit21"); // typed in nanofarads

    // Ек: the window has no field for it.
    const double ek = collectorSupplyOfStep8(ek1f, ek2f, d.notes);
    // C1: the window has no field for it; Step 7 asks for slightly more than the value
    // it computes, so the least E24 value not below it.
    const double c1limit = (rb1 + rk2) * c2 / (rb2 + rk1);
    const double c1 = e24AtLeast(c1limit);
    d.notes << QStringLiteral("С1 не принята (в окне нет поля): взята %1 нФ, ближайшая из ряда E24 "
                              "не менее %2 нФ по шагу 7")
                   .arg(c1 * 1e9, 0, 'g', 6)
                   .arg(c1limit * 1e9, 0, 'g', 6);
    const double r1 = joinedEmitterResistor(d.notes);

    c.supplies = {{u"EK"_qs, u"ek"_qs, ek, u"сумма шага 8"_qs}};
    c.components = {
        {u"R1"_qs, Part::Resistor, {u"e"_qs, u"0"_qs}, r1, u"середина рекомендованных 20...40 кОм"_qs},
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"0"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"0"_qs}, rb1, f.source("Edit19")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek"_qs}, rb2, f.source("Edit20")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek"_qs}, rk2, f.source("Edit18")},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1, u"ряд E24 по шагу 7"_qs},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c2, f.source("Edit21")},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"e"_qs}},
    };
    runForSixPeriods(c, tau);
    return d;
}

} // namespace takton::simulation
