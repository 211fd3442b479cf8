// The circuit of the astable with one emitter supply, capacitive and resistive-capacitive
// coupling: T1 (p-n-p) with its emitter on +Еэ, T2 (n-p-n) with its emitter on the
// common wire, and Rк1, Rб1, Rб2, Rк2 hanging from one top wire that no supply holds.
// The timing capacitor C couples T1's collector to T2's base and R with C1 across it
// couples T2's collector to T1's base, as the steps pair them (C with Rб2 and Rк1 in
// Step 7, R with Rб1 and Rк2 in Steps 6 and 8).

#include "Unit7.h"
#include "Unit7Layout.h"
#include "window_circuits.h"

using namespace takton::simulation;

Design TForm7::circuit() const
{
    Design d = designWithTargets(Kind::Astable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit4"));

    Circuit& c = d.circuit;
    c.title = u"Astable, one emitter supply, capacitive and resistive-capacitive coupling"_qs;
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit11")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = Ukb1max, .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit12")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = Ukb2max, .reverseBaseEmitter = Um2};

    // Еэ: the sum of the two accepted fictitious sources Step 9 stored.
    d.notes << u"Еэ = Еэ1ф + |Еэ2ф| = "_qs + numberText(Ee) + u" В, как его даёт шаг 9"_qs;
    d.notes << QStringLiteral("Схема окна рисует пару R и С1 между коллектором Т1 и базой Т2, а шаги 6–8 "
                              "связывают R с Rб1 и Rк2, а С с Rб2 и Rк1: моделируется расстановка по шагам, "
                              "С от коллектора Т1 к базе Т2, R и С1 от коллектора Т2 к базе Т1");
    // C1: the window has no field for it; Step 8 stored the value it must stay below.
    const ChosenPart c1 = timingCapacitorC1(StepGives::UpperLimit, C1calc, 8, d.notes);

    c.supplies = {{u"EE"_qs, u"e1"_qs, Ee, u"сумма шага 9"_qs}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"top"_qs}, Rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"top"_qs}, Rb1, typedIn(field("Edit19"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"top"_qs}, Rb2, typedIn(field("Edit20"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"top"_qs}, Rk2, typedIn(field("Edit18"))},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, 1e-9 * C, typedIn(field("Edit22"))}, // typed in nanofarads
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, R, typedIn(field("Edit21"))},
        {u"C1"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, c1.value, c1.source},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e1"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}
