#include "circuit.h"

#include "spice_number.h"

#include <QStringList>

namespace takton::simulation {

// One generic complementary Gummel-Poon pair for every window, a small-signal switching
// transistor of ordinary size (a few hundred milliamperes, tens of volts): the textbook
// design needs only β, and every other parameter is here with its reason. This is the
// only place the model is written.
//  - BF is the typed β (scaled by the user's control), BR 1: the parts are never used
//    inverted.
//  - IS 1e-14 A puts the base-emitter drop of a conducting transistor at 0.6...0.75 V
//    over the milliampere currents these designs use.
//  - RB 100 Ом, the base spreading resistance of a small-signal transistor (tens to a
//    few hundred ohms). Without it a coupling capacitor discharges straight into the
//    base junction, and the collector peaks reach tens of amperes in a few nanoseconds.
//  - IKF 0.1 A: β falls off above about 100 mA, as in a part rated for a few hundred
//    milliamperes. Without it a saturated pair passes any current its capacitors ask.
//  - RC 1 Ом: the collector's bulk resistance, which puts the saturation voltage at
//    0.1...0.2 V over tens of milliamperes instead of nearly nothing.
//  - VAF 100 V: the Early voltage of a small-signal transistor; the collector current
//    grows slowly with the collector voltage, as it does in a real part.
//  - CJE 5 pF, CJC 3 pF and TF 1 ns: the junction capacitance and forward transit time
//    of a small switching transistor. Without them every edge is instantaneous and the
//    solver crawls through them in ever smaller steps.
//  - TR 50 ns: the reverse transit time, which sets how long a saturated transistor
//    takes to come out of saturation (its storage time, tens to hundreds of
//    nanoseconds in a switching part).
//  - No breakdown: a reverse base-emitter or collector-base voltage beyond the rating
//    is reported from the waveforms instead of being clipped by the model.
QString transistorModel(const QString& name, Part polarity, double beta)
{
    return QStringLiteral(".model %1 %2(IS=1e-14 BF=%3 BR=1 RB=100 IKF=0.1 RC=1 VAF=100 CJE=5p CJC=3p TF=1n TR=50n)")
        .arg(name, polarity == Part::Pnp ? u"PNP"_qs : u"NPN"_qs, spiceNumber(beta));
}

namespace {

QString modelName(const Component& q);

QString element(const Component& c)
{
    const QString nodes = c.nodes.size() == 2 ? c.nodes[0] + u' ' + c.nodes[1]
                                              : QStringList(c.nodes.begin(), c.nodes.end()).join(u' ');
    switch (c.part) {
    case Part::Resistor:
    case Part::Capacitor:
        return c.designator + u' ' + nodes + u' ' + spiceNumber(c.value);
    case Part::Pnp:
    case Part::Npn:
        return c.designator + u' ' + nodes + u' ' + modelName(c);
    }
    return {};
}

// T1 is Q1, T2 is Q2; each has its own model, named after the transistor.
QString modelName(const Component& q)
{
    return q.designator == u"Q1" ? u"T1"_qs : u"T2"_qs;
}

const Transistor& dataOf(const Circuit& circuit, const Component& q)
{
    return q.designator == u"Q1" ? circuit.t1 : circuit.t2;
}

} // namespace

void runForSixPeriods(Circuit& circuit, double period)
{
    circuit.stopTime = 6 * period;
    circuit.maxStep = period / 500;
}

void triggerThreeTimes(Circuit& circuit, double amplitude, double tau, double settle, double spacing)
{
    circuit.trigger = Trigger{.node = u"gen"_qs, .amplitude = amplitude, .width = tau / triggersPerTau, .delay = settle,
                              .period = spacing, .count = 3};
    circuit.stopTime = settle + 3 * spacing;
}

QString emitterOf(const Circuit& circuit, const QString& transistor)
{
    for (const Component& c : circuit.components)
        if (c.designator == transistor && c.nodes.size() == 3)
            return c.nodes[2];
    return u"0"_qs;
}

QString netlist(const Circuit& circuit, double betaScale)
{
    QStringList lines;
    lines << u"* "_qs + circuit.title;
    lines << u"* supplies ramped from 0 V over "_qs + spiceNumber(supplyRamp * 1e6) + u" us"_qs;
    for (const Supply& s : circuit.supplies)
        lines << u'V' + s.designator + u' ' + s.node + u" 0 PWL(0 0 "_qs + spiceNumber(supplyRamp) + u' '
                     + spiceNumber(s.volts) + u')';
    if (const auto& t = circuit.trigger)
        lines << u"VTRIG "_qs + t->node + u" 0 PULSE(0 "_qs + spiceNumber(t->amplitude) + u' '
                     + spiceNumber(t->delay) + u" 10n 10n "_qs + spiceNumber(t->width) + u' '
                     + spiceNumber(t->period) + u')';
    for (const Component& c : circuit.components)
        lines << element(c);
    for (const Component& c : circuit.components)
        if (c.part == Part::Pnp || c.part == Part::Npn)
            lines << transistorModel(modelName(c), c.part, dataOf(circuit, c).betaMin * betaScale);
    // Gear integration: the default trapezoidal rule rings on the flat parts between
    // edges. The run starts from all nodes at 0 V (uic) and the supplies' ramp: a DC
    // operating point would sit on the circuit's unstable balance and never leave it.
    lines << u".options method=gear"_qs;
    if (circuit.temperature)
        lines << u".temp "_qs + spiceNumber(*circuit.temperature);
    lines << u".tran "_qs + spiceNumber(circuit.maxStep) + u' ' + spiceNumber(circuit.stopTime) + u" 0 "_qs
                 + spiceNumber(circuit.maxStep) + u" uic"_qs;
    QString probes = u".save v(c1) v(b1) v(c2) v(b2) @q1[ic] @q2[ic]"_qs;
    QStringList emitters;
    for (const QString& q : {u"Q1"_qs, u"Q2"_qs})
        if (const QString e = emitterOf(circuit, q); e != u"0" && !emitters.contains(e))
            emitters << e;
    for (const QString& e : emitters)
        probes += u" v("_qs + e + u')';
    if (const auto& t = circuit.trigger)
        probes += u" v("_qs + t->node + u')'; // drawn beside the output pulse
    lines << probes;
    lines << u".end"_qs;
    return lines.join(u'\n') + u'\n';
}

} // namespace takton::simulation
