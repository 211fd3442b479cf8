// The circuit of the monostable started by a positive pulse, as drawn in its
// schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 on +Ек2 and Rб2
// on -Ек1, C1 from T1's collector to T2's base, C2 from T2's collector to T1's base,
// and the trigger through C3 into T2's base.

#include "window_circuits.h"

#include <algorithm>

namespace takton::simulation {

Design designOfForm9(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Monostable, "Edit3");
    const double tau = d.targets.pulseLength;
    d.targets.recovery = tau / 0.05; // Step 6's recovery time

    Circuit& c = d.circuit;
    c.title = u"Monostable started by a positive pulse"_qs;
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = f.number("Edit7"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = f.number("Edit8"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1 = f.number("Edit15"), ek2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19");
    // Step 7 shows Rб2 equal to Rб1; the window has no field for it.
    const double rb2 = rb1;
    d.notes << QStringLiteral("Rб2 взято равным Rб1 (%1 Ом), как его даёт шаг 7").arg(rb1);
    double c12 = 0;
    if (const auto typed = f.optionalNumber("Edit20")) {
        c12 = 1e-9 * *typed; // typed in nanofarads
    } else {
        c12 = d.targets.recovery / (0.7 * (rk2 + rb1));
        d.notes << QStringLiteral("С1 = С2 не приняты (поле «%1» пусто): взяты по расчёту шага 6, %2 нФ")
                       .arg(f.nameOf("Edit20"))
                       .arg(c12 * 1e9, 0, 'g', 6);
    }
    // C3 equal to C1: T2's base then settles through Rб2 in twice C1's time constant, not
    // eleven times; the trigger reaches it halved, which the least amplitude that fires
    // it allows for.
    const double c3 = c12;
    d.notes << QStringLiteral("С3 на схеме без номинала: взята %1 нФ (равна С1)").arg(c3 * 1e9, 0, 'g', 6);

    // The trigger generator's own resistance: without it every edge drives the bases
    // through C3 with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit15")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit16")}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, rb1, f.source("Edit19")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, f.source("Edit18")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"nek1"_qs}, rb2, u"шаг 7: равно Rб1"_qs},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c12, f.sourceOr("Edit20", u"расчёт шага 6"_qs)},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c12, f.sourceOr("Edit20", u"расчёт шага 6"_qs)},
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

} // namespace takton::simulation
