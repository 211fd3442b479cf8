// The monostable with capacitive coupling, as drawn in its schematic: T1 (p-n-p) with
// Rк1 on -Ек1, T2 (n-p-n) with Rк2 on +Ек2, both emitters and both base resistors Rб1,
// Rб2 on the common wire, C1 from T1's collector to T2's base, C2 from T2's collector
// to T1's base, and the trigger through C3 into T2's base.

#include "window_circuits.h"

#include <algorithm>

namespace takton::simulation {

Design designOfForm10(const TableWindow& window)
{
    const DesignFields f(window);
    Design d = f.designWithTargets(Kind::Monostable, "Edit3");
    const double tau = d.targets.pulseLength;
    // The window gives no recovery time of its own: the result shows the measured one
    // without a target.

    Circuit& c = d.circuit;
    c.title = u"Monostable with capacitive coupling"_qs;
    // The collector-base ratings are typed, but no step reads them: left empty, they are
    // not checked.
    const auto rating = [&](const char* edit) {
        if (const auto typed = f.optionalNumber(edit))
            return *typed;
        d.notes << QStringLiteral("Поле «%1» пусто: это напряжение не проверяется").arg(f.nameOf(edit));
        return 0.0;
    };
    c.t1 = {.betaMin = f.number("Edit11"), .betaSource = f.source("Edit11"),
            .collectorCurrentMax = f.number("Edit5"),
            .collectorBaseMax = rating("Edit7"), .reverseBaseEmitter = d.targets.amplitude1};
    c.t2 = {.betaMin = f.number("Edit12"), .betaSource = f.source("Edit12"),
            .collectorCurrentMax = f.number("Edit6"),
            .collectorBaseMax = rating("Edit8"), .reverseBaseEmitter = d.targets.amplitude2};
    const double ek1 = f.number("Edit15"), ek2 = f.number("Edit16");
    const double rk1 = f.number("Edit17"), rk2 = f.number("Edit18");
    const double rb1 = f.number("Edit19"), rb2 = f.number("Edit20");
    const double c2 = 1e-9 * f.number("Edit21"); // typed in nanofarads
    // C1: the window has no field for it; the value Step 7 computes.
    const double c1 = (rb1 + rk2) * c2 / (rb2 + rk1);
    d.notes << QStringLiteral("С1 взята по расчёту шага 7: %1 нФ").arg(c1 * 1e9, 0, 'g', 6);
    // C3 ten times C2: the trigger reaches T2's base almost undivided.
    const double c3 = 10 * c2;
    d.notes << QStringLiteral("С3 на схеме без номинала: взята %1 нФ (10 × С2)").arg(c3 * 1e9, 0, 'g', 6);

    // The trigger generator's own resistance: without it every edge drives T2's base
    // through C3 with an unbounded current.
    const double triggerSource = triggerSourceResistance; // a pulse generator's output, see circuit.h
    d.notes << QStringLiteral("Запускающий генератор: внутреннее сопротивление %1 Ом").arg(triggerSource);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -ek1, f.source("Edit15")},
                  {u"EK2"_qs, u"ek2"_qs, ek2, f.source("Edit16")}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, rk1, f.source("Edit17")},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"0"_qs}, rb1, f.source("Edit19")},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, rk2, f.source("Edit18")},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"0"_qs}, rb2, f.source("Edit20")},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1, u"расчёт шага 7"_qs},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c2, f.source("Edit21")},
        {u"C3"_qs, Part::Capacitor, {u"b2"_qs, u"trig"_qs}, c3, u"10 × С2"_qs},
        {u"Rtrig"_qs, Part::Resistor, {u"trig"_qs, u"gen"_qs}, triggerSource, u"внутреннее сопротивление генератора"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    // The supplies' step charges C2 through Rк2 and Rб1, and C1 through Rк1 and Rб2
    // together with C3, which hangs on T2's base too: the first trigger waits five of the
    // longer time constant for the rest state, and so does each next one after the
    // output pulse. A default pulse of half Ек2 drives T2's base from the common wire
    // well past conduction through the generator's 50 Ом, and its falling edge, coupled
    // through C3 and C1, does not push T1's collector beyond -Ек1 as a full Ек2 would; its
    // width is a tenth of tau, so that the output pulse shows whether the circuit holds
    // it by itself.
    const double settle = 5 * std::max((rk1 + rb2) * (c1 + c3), (rk2 + rb1) * c2);
    const double spacing = settle + tau;
    triggerThreeTimes(c, ek2 / 2, tau, settle, spacing);
    c.maxStep = tau / 50;
    return d;
}

} // namespace takton::simulation
