// The circuit of the two-supply astable with capacitive coupling, as drawn in its
// schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 and Rб2 on +Ек2,
// C1 from T1's collector to T2's base, C2 from T2's collector to T1's base.

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm4(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");

    Circuit& c = d.circuit;
    c.title = u"Astable, two supplies, capacitive coupling"_qs;
    // No step reads the collector-base ratings: typed, they are checked; left empty,
    // that check is skipped.
    c.t1 = {.betaMin = f.number("Edit10"), .betaSource = f.source("Edit10"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.optionalRating("Edit7", u"Т1"_qs, d.notes),
            .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.optionalRating("Edit8", u"Т2"_qs, d.notes),
            .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1 = f.number("Edit15"), ek2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double c2 = 1e-9 * f.number("Edit21"); // typed in nanofarads

    // C1: the window has no field for it; Step 7 gives the value it is to exceed
    // slightly, so the least E24 value not below it.
    const double c1min = (rb1 + rk2) * c2 / (rb2 + rk1);
    const double c1 = e24AtLeast(c1min);
    d.notes << QStringLiteral("С1 не имеет поля: взята %1 нФ, ближайшая из ряда E24 не менее %2 нФ (шаг 7)")
                   .arg(c1 * 1e9, 0, 'g', 6)
                   .arg(c1min * 1e9, 0, 'g', 6);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit15")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit16")}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, rb1, f.source("Edit19")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, f.source("Edit18")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, rb2, f.source("Edit20")},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1, u"ряд E24 по шагу 7"_qs},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c2, f.source("Edit21")},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}

} // namespace takton::simulation
