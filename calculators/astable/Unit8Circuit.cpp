// The circuit of the astable with one emitter supply and capacitive coupling, as drawn
// in its schematic: T1 (p-n-p) with its emitter on +Еэ, T2 (n-p-n) with its emitter on
// the common wire, Rк1, Rб1, Rб2 and Rк2 hanging from one top wire that no supply holds,
// C1 from T1's collector to T2's base and C2 from T2's collector to T1's base.

#include "Unit8.h"
#include "Unit8Layout.h"
#include "window_circuits.h"

using namespace takton::simulation;

Design TForm8::circuit() const
{
    Design d = designWithTargets(Kind::Astable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit4"));

    Circuit& c = d.circuit;
    c.title = u"Astable, one emitter supply, capacitive coupling"_qs;
    // The reverse currents and gains are numbered across: Edit9, Edit10 are T1's line,
    // Edit11, Edit12 T2's. No step reads the collector-base ratings.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit10")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = typedNumber(field("Edit7")), .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit12")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = typedNumber(field("Edit8")), .reverseBaseEmitter = Um2};

    // Еэ: the sum of the two accepted fictitious sources Step 8 stored.
    d.notes << u"Еэ = Еэ1ф + |Еэ2ф| = "_qs + numberText(Ee) + u" В, как его даёт шаг 8"_qs;
    // C1: the window has no field for it; Step 7 stored the value it is to exceed
    // slightly.
    const ChosenPart c1 = timingCapacitorC1(StepGives::SlightlyMore, C1calc, 7, d.notes);

    c.supplies = {{u"EE"_qs, u"e1"_qs, Ee, u"сумма шага 8"_qs}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"top"_qs}, Rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"top"_qs}, Rb1, typedIn(field("Edit19"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"top"_qs}, Rb2, typedIn(field("Edit20"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"top"_qs}, Rk2, typedIn(field("Edit18"))},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1.value, c1.source},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, 1e-9 * C2, typedIn(field("Edit21"))}, // typed in nanofarads
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e1"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}
