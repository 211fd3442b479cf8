// The circuit of the one-supply astable with resistive and capacitive coupling, as drawn
// in its schematic: T1 (p-n-p) and T2 (n-p-n) with their emitters joined and returned
// to the common wire through R1; Rк1 and Rб1 hang from the common wire, Rк2 and Rб2
// from +Ек; C from T1's collector to T2's base, the variable resistor R from T2's
// collector to T1's base. Both transistors conduct together, in series from +Ек to the
// common wire.

#include "window_circuits.h"

namespace takton::simulation {

Design designOfForm6(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Astable, "Edit3");
    const double tau = d.targets.period;

    Circuit& c = d.circuit;
    c.title = u"Astable, one supply, resistive and capacitive coupling"_qs;
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.number("Edit9"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit10"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1f = f.number("Edit15"), ek2f = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");

    // Ек: the window has no field for it.
    const double ek = collectorSupplyOfStep8(ek1f, ek2f, d.notes);
    // R: no step reads the field below the limit Step 6 computes; typed, it is taken,
    // otherwise the greatest E24 value within the limit.
    const double r = f.resistorOrE24AtMost("Edit21", u"R"_qs, (ek2f * rb1 - ek1f * rk2) / ek1f, d.notes);
    // C: the window has no field for it; the value Step 7 computes.
    const double cap = capacitorOfStep7(tau, rb2 + rk1, u"С"_qs, d.notes);
    const double r1 = joinedEmitterResistor(d.notes);

    c.supplies = {{u"EK"_qs, u"ek"_qs, ek, u"сумма шага 8"_qs}};
    c.components = {
        {u"R1"_qs, Part::Resistor, {u"e"_qs, u"0"_qs}, r1, u"середина рекомендованных 20...40 кОм"_qs},
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"0"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"0"_qs}, rb1, f.source("Edit19")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek"_qs}, rb2, f.source("Edit20")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek"_qs}, rk2, f.source("Edit18")},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, cap, u"расчёт шага 7"_qs},
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, r, f.sourceOr("Edit21", u"ряд E24 по шагу 6"_qs)},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"e"_qs}},
    };
    runForSixPeriods(c, tau);
    return d;
}

} // namespace takton::simulation
