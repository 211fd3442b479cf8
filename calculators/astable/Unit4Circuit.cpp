// The circuit of the two-supply astable with capacitive coupling, as drawn in its
// schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 and Rб2 on +Ек2,
// C1 from T1's collector to T2's base, C2 from T2's collector to T1's base.

#include "Unit4.h"
#include "Unit4Layout.h"
#include "window_circuits.h"

using namespace takton::simulation;

Design TForm4::circuit() const
{
    Design d = designWithTargets(Kind::Astable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit4"));

    Circuit& c = d.circuit;
    c.title = u"Astable, two supplies, capacitive coupling"_qs;
    // No step reads the collector-base ratings: typed, they are checked; left empty,
    // that check is skipped.
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit10")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = optionalRating(field("Edit7"), u"Т1"_qs, d.notes), .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit12")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = optionalRating(field("Edit8"), u"Т2"_qs, d.notes), .reverseBaseEmitter = Um2};

    // C1: the window has no field for it; Step 7 stored the value it is to exceed
    // slightly.
    const ChosenPart c1 = timingCapacitorC1(StepGives::SlightlyMore, C1calc, 7, d.notes);

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -Ek1, typedIn(field("Edit15"))},
                  {u"EK2"_qs, u"ek2"_qs, Ek2, typedIn(field("Edit16"))}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, Rk1, typedIn(field("Edit17"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, Rb1, typedIn(field("Edit19"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, Rk2, typedIn(field("Edit18"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, Rb2, typedIn(field("Edit20"))},
        {u"C1"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, c1.value, c1.source},
        {u"C2"_qs, Part::Capacitor, {u"c2"_qs, u"b1"_qs}, 1e-9 * C2, typedIn(field("Edit21"))}, // typed in nanofarads
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}
