// The circuit of the two-supply astable with capacitive and resistive-capacitive
// coupling, as drawn in its schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n)
// with Rк2 and Rб2 on +Ек2, C from T1's collector to T2's base, R shunted by C1 from
// T2's collector to T1's base.

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm3(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");

    Circuit& c = d.circuit;
    c.title = u"Astable, two supplies, capacitive and resistive-capacitive coupling"_qs;
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.number("Edit9"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit10"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1 = f.number("Edit15"), ek2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double r = f.number("Edit21");
    const double cap = 1e-9 * f.number("Edit22"); // typed in nanofarads

    // C1: the window has no field for it, only the upper limit Step 8 computes from the
    // accepted C and R: there C1's time constant with R ∥ (Rб1 + Rк2) equals C's with
    // Rб2 + Rк1. Near the limit C1 sets the period too, which grows to about twice tau
    // (51 nF in the worked example, against its limit of 54,8 nF); from about half of
    // it down the period is within 5 % of tau. So the greatest E24 value not above
    // half the limit.
    const double rpar = (rb1 + rk2) * r / ((rb1 + rk2) + r);
    const double c1max = (rb2 + rk1) * cap / rpar;
    const double c1 = e24AtMost(c1max / 2);
    d.notes << QStringLiteral("С1 не имеет поля: взята %1 нФ, ближайшая из ряда E24 не более половины "
                              "предела шага 8 (%2 нФ); у самого предела период растёт почти вдвое")
                   .arg(c1 * 1e9, 0, 'g', 6)
                   .arg(c1max * 1e9, 0, 'g', 6);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit15")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit16")}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, rb1, f.source("Edit19")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, f.source("Edit18")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, rb2, f.source("Edit20")},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, f.source("Edit22")},
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, r, f.source("Edit21")},
        {u"C1"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c1, u"ряд E24 по шагу 8"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}

} // namespace takton::simulation
