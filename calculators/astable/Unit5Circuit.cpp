// The circuit of the one-supply astable with capacitive coupling both ways, as drawn in
// its schematic: T1 (p-n-p) and T2 (n-p-n) with their emitters joined and returned to
// the common wire through R1; Rк1 and Rб1 hang from the common wire, Rк2 and Rб2 from
// +Ек; C1 from T1's collector to T2's base, C2 from T2's collector to T1's base.
// Both transistors conduct together, in series from +Ек to the common wire.

#include "Unit5.h"
#include "Unit5Layout.h"
#include "window_circuits.h"

using namespace takton::simulation;

Design TForm5::circuit() const
{
    Design d = designWithTargets(Kind::Astable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit4"));

    Circuit& c = d.circuit;
    c.title = u"Astable, one collector supply, capacitive coupling"_qs;
    // No step reads the collector-base ratings: typed, they are checked, otherwise not.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit11")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = optionalRating(field("Edit9"), u"Т1"_qs, d.notes), .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit12")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = optionalRating(field("Edit10"), u"Т2"_qs, d.notes), .reverseBaseEmitter = Um2};

    // Ек: the window has no field for it; the sum Step 8 stored.
    noteStepValue(d.notes, u"Ек взято"_qs, 8, u"|Ек1ф| + Ек2ф = "_qs + numberText(Ek) + u" В"_qs);
    // C1: the window has no field for it; Step 7 stored the value it is to exceed
    // slightly.
    const ChosenPart c1 = timingCapacitorC1(StepGives::SlightlyMore, C1calc, 7, d.notes);
    const double r1 = joinedEmitterResistor(d.notes);

    c.supplies = {{u"EK"_qs, u"ek"_qs, Ek, u"сумма шага 8"_qs}};
    c.components = {
        {u"R1"_qs, Part::Resistor, {u"e"_qs, u"0"_qs}, r1, u"середина рекомендованных 20...40 кОм"_qs},
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"0"_qs}, Rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"0"_qs}, Rb1, typedIn(field("Edit19"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek"_qs}, Rb2, typedIn(field("Edit20"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek"_qs}, Rk2, typedIn(field("Edit18"))},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1.value, c1.source},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, 1e-9 * C2, typedIn(field("Edit21"))}, // typed in nanofarads
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"e"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"e"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}
