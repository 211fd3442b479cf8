// The circuit of the two-supply astable with resistive and capacitive coupling, as
// drawn in its schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 and
// Rб2 on +Ек2, C from T1's collector to T2's base, R from T2's collector to T1's base.

#include "window_circuits.h"

#include <QLocale>

namespace takton::simulation {

Design designOfForm2(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit4");
    const double tau = d.targets.period;

    Circuit& c = d.circuit;
    c.title = u"Astable, two supplies, resistive and capacitive coupling"_qs;
    c.t1 = {.betaMin = f.number("Edit13"), .betaSource = f.source("Edit13"),
            .collectorCurrentMax = f.number("Edit7"),
            .collectorBaseMax = f.number("Edit11"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit14"), .betaSource = f.source("Edit14"),
            .collectorCurrentMax = f.number("Edit8"),
            .collectorBaseMax = f.number("Edit12"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1 = f.number("Edit17"), ek2 = f.number("Edit18");
    const double rk1 = f.number("Edit19"), rk2 = f.number("Edit20");
    const double rb1 = f.number("Edit21"), rb2 = f.number("Edit22");

    // R: no step reads the field below the limit Step 6 computes; typed, it is taken,
    // otherwise the greatest E24 value within the limit.
    const double r = f.resistorOrE24AtMost("Edit23", u"R"_qs, (ek2 * rb1 - ek1 * rk2) / ek1, d.notes);
    // C: the window has no field for it; the value Step 7 computes.
    const double cap = capacitorOfStep7(tau, rb2 + rk1, u"C"_qs, d.notes);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit17")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit18")}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, f.source("Edit19")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, rb1, f.source("Edit21")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, f.source("Edit20")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, rb2, f.source("Edit22")},
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, r, f.sourceOr("Edit23", u"ряд E24 по шагу 6"_qs)},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, u"расчёт шага 7"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, tau);
    return d;
}

} // namespace takton::simulation
