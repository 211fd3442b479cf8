#include "spread_sampling.h"

#include "analysis.h"
#include "check.h"

#include <algorithm>
#include <cmath>

namespace takton::simulation {

double toleranceOf(ResistorClass resistors)
{
    return resistors == ResistorClass::E24 ? 0.05 : 0.01;
}

std::vector<double> temperaturesOf(const Design& design)
{
    if (design.maxTemperature)
        return {coldEnd, *design.maxTemperature};
    return {roomTemperature};
}

double SpreadRandom::unit()
{
    return double(engine() >> 11) * 0x1.0p-53;
}

double SpreadRandom::withinTolerance(double tolerance)
{
    return 1 + tolerance * (2 * unit() - 1);
}

double SpreadRandom::logUniform(double multiple)
{
    return std::exp(std::log(multiple) * unit());
}

std::size_t SpreadRandom::choice(std::size_t count)
{
    return std::min(count - 1, std::size_t(unit() * double(count)));
}

namespace {

// The parameters in the order `parametersOf` gives them, by what varies them.
enum class Varies { Resistor, Capacitor, Beta, Supply, Temperature };

struct Slot {
    Varies varies;
    std::size_t index; // into components, supplies, or 1/2 for T1/T2
};

// A part wired to the trigger generator's own node (its source resistance) belongs to
// the test bench, not to the design: it keeps its value.
bool partOfTheGenerator(const Circuit& c, const Component& part)
{
    return c.trigger && std::find(part.nodes.begin(), part.nodes.end(), c.trigger->node) != part.nodes.end();
}

std::vector<Slot> slotsOf(const Design& design)
{
    std::vector<Slot> varied;
    const Circuit& c = design.circuit;
    for (const Part kind : {Part::Resistor, Part::Capacitor})
        for (std::size_t k = 0; k < c.components.size(); ++k)
            if (c.components[k].part == kind && !partOfTheGenerator(c, c.components[k]))
                varied.push_back({kind == Part::Resistor ? Varies::Resistor : Varies::Capacitor, k});
    for (std::size_t k = 0; k < c.components.size(); ++k)
        if (c.components[k].part == Part::Pnp || c.components[k].part == Part::Npn)
            varied.push_back({Varies::Beta, c.components[k].designator == u"Q1" ? 1u : 2u});
    for (std::size_t k = 0; k < c.supplies.size(); ++k)
        varied.push_back({Varies::Supply, k});
    varied.push_back({Varies::Temperature, 0});
    return varied;
}

Parameter parameterOf(const Design& design, const Slot& slot)
{
    const Circuit& c = design.circuit;
    switch (slot.varies) {
    case Varies::Resistor:
        return {schematicName(c.components[slot.index].designator), u"Ом"_qs, c.components[slot.index].value};
    case Varies::Capacitor:
        return {schematicName(c.components[slot.index].designator), u"нФ"_qs, c.components[slot.index].value, 1e9};
    case Varies::Beta:
        return {slot.index == 1 ? u"β Т1"_qs : u"β Т2"_qs, QString(), (slot.index == 1 ? c.t1 : c.t2).betaMin};
    case Varies::Supply:
        return {schematicName(c.supplies[slot.index].designator), u"В"_qs, c.supplies[slot.index].volts};
    case Varies::Temperature:
        return {u"t"_qs, u"°C"_qs, temperaturesOf(design).back()};
    }
    return {};
}

} // namespace

std::vector<Parameter> parametersOf(const Design& design)
{
    std::vector<Parameter> parameters;
    for (const Slot& slot : slotsOf(design))
        parameters.push_back(parameterOf(design, slot));
    return parameters;
}

// Each sample draws once for every parameter, in the same order: a sample's values do
// not depend on how many runs follow it, so 100 runs are the first 100 of 200.
std::vector<Sample> drawSamples(const Design& design, const SpreadSettings& settings)
{
    SpreadRandom random(settings.seed);
    const std::vector<Slot> varied = slotsOf(design);
    const std::vector<double> temperatures = temperaturesOf(design);
    const double resistorTolerance = toleranceOf(settings.resistors);
    std::vector<Sample> samples;
    for (int k = 1; k <= settings.runs; ++k) {
        Sample sample{.index = k, .values = {}};
        for (const Slot& slot : varied) {
            const double nominal = parameterOf(design, slot).nominal;
            switch (slot.varies) {
            case Varies::Resistor:
                sample.values.push_back(nominal * random.withinTolerance(resistorTolerance));
                break;
            case Varies::Capacitor:
                sample.values.push_back(nominal * random.withinTolerance(settings.capacitorTolerance));
                break;
            case Varies::Beta:
                sample.values.push_back(nominal * random.logUniform(settings.betaMultiple));
                break;
            case Varies::Supply:
                sample.values.push_back(nominal * random.withinTolerance(settings.supplyTolerance));
                break;
            case Varies::Temperature:
                sample.values.push_back(temperatures[random.choice(temperatures.size())]);
                break;
            }
        }
        samples.push_back(std::move(sample));
    }
    return samples;
}

Design sampledDesign(const Design& design, const Sample& sample)
{
    Design d = design;
    Circuit& c = d.circuit;
    const std::vector<Slot> varied = slotsOf(design);
    for (std::size_t k = 0; k < varied.size() && k < sample.values.size(); ++k) {
        const double value = sample.values[k];
        switch (varied[k].varies) {
        case Varies::Resistor:
        case Varies::Capacitor:
            c.components[varied[k].index].value = value;
            break;
        case Varies::Beta:
            (varied[k].index == 1 ? c.t1 : c.t2).betaMin = value;
            break;
        case Varies::Supply:
            c.supplies[varied[k].index].volts = value;
            break;
        case Varies::Temperature:
            // Room temperature is the simulator's own: the netlist stays as the check writes it.
            if (value != roomTemperature)
                c.temperature = value;
            break;
        }
    }
    d.notes.prepend(QStringLiteral("Разброс параметров, выборка %1: %2")
                        .arg(sample.index)
                        .arg(sampleValues(design, sample).join(u", "_qs)));
    return d;
}

QStringList sampleValues(const Design& design, const Sample& sample)
{
    const std::vector<Parameter> parameters = parametersOf(design);
    QStringList texts;
    for (std::size_t k = 0; k < parameters.size() && k < sample.values.size(); ++k) {
        const Parameter& p = parameters[k];
        const double value = sample.values[k];
        QString text = p.name + u" = "_qs + reading(value * p.shownScale) + (p.unit.isEmpty() ? u""_qs : u" "_qs)
                       + p.unit;
        if (p.unit != u"°C" && p.nominal != 0) {
            const double percent = (value / p.nominal - 1) * 100;
            text += QStringLiteral(" (%1%2 %)")
                        .arg(percent >= 0 ? u"+"_qs : u"−"_qs,
                             fixedReading(std::abs(percent), 1));
        }
        texts << text;
    }
    return texts;
}

} // namespace takton::simulation
