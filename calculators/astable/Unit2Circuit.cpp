// The circuit of the two-supply astable with resistive and capacitive coupling, as
// drawn in its schematic: T1 (p-n-p) with Rк1 and Rб1 on -Ек1, T2 (n-p-n) with Rк2 and
// Rб2 on +Ек2, C from T1's collector to T2's base, R from T2's collector to T1's base.

#include "Unit2.h"
#include "Unit2Layout.h"
#include "window_circuits.h"

using namespace takton::simulation;

Design TForm2::circuit() const
{
    Design d = designWithTargets(Kind::Astable, Um1, Um2, tau);
    d.maxTemperature = typedTemperature(field("Edit6"));

    Circuit& c = d.circuit;
    c.title = u"Astable, two supplies, resistive and capacitive coupling"_qs;
    c.t1 = {.betaMin = beta1min, .betaSource = typedIn(field("Edit13")), .collectorCurrentMax = Ik1max,
            .collectorBaseMax = Ukb1max, .reverseBaseEmitter = Um1};
    c.t2 = {.betaMin = beta2min, .betaSource = typedIn(field("Edit14")), .collectorCurrentMax = Ik2max,
            .collectorBaseMax = Ukb2max, .reverseBaseEmitter = Um2};

    // R: no step reads its field, only the limit Step 6 stored; typed, it is taken,
    // otherwise the greatest E24 value within the limit.
    const double r = resistorOrE24AtMost(field("Edit23"), u"R"_qs, Rmax, d.notes);
    // C: the window has no field for it; the value Step 7 stored.
    noteStepValue(d.notes, u"C взята"_qs, 7, nanofaradsText(Ccalc));

    c.supplies = {{u"EK1"_qs, u"nek1"_qs, -Ek1, typedIn(field("Edit17"))},
                  {u"EK2"_qs, u"ek2"_qs, Ek2, typedIn(field("Edit18"))}};
    c.components = {
        {u"Rk1"_qs, Part::Resistor, {u"c1"_qs, u"nek1"_qs}, Rk1, typedIn(field("Edit19"))},
        {u"Rb1"_qs, Part::Resistor, {u"b1"_qs, u"nek1"_qs}, Rb1, typedIn(field("Edit21"))},
        {u"Rk2"_qs, Part::Resistor, {u"c2"_qs, u"ek2"_qs}, Rk2, typedIn(field("Edit20"))},
        {u"Rb2"_qs, Part::Resistor, {u"b2"_qs, u"ek2"_qs}, Rb2, typedIn(field("Edit22"))},
        {u"R"_qs, Part::Resistor, {u"c2"_qs, u"b1"_qs}, r, typedInOr(field("Edit23"), u"ряд E24 по шагу 6"_qs)},
        {u"C"_qs, Part::Capacitor, {u"c1"_qs, u"b2"_qs}, Ccalc, u"расчёт шага 7"_qs},
        {u"Q1"_qs, Part::Pnp, {u"c1"_qs, u"b1"_qs, u"0"_qs}},
        {u"Q2"_qs, Part::Npn, {u"c2"_qs, u"b2"_qs, u"0"_qs}},
    };
    runForSixPeriods(c, d.targets.period);
    return d;
}
