#pragma once
// The spread of a design: copies of it with every resistor, capacitor, β and supply
// drawn within its tolerance, and a working temperature, as real parts and a real
// supply give them. The draws come from a seed alone: the same seed gives the same
// samples on every machine and with every standard library (the generator's sequence
// is fixed by the C++ standard; the distributions are written out here).

#include "design_fields.h"

#include <QString>
#include <cstdint>
#include <random>
#include <vector>

namespace takton::simulation {

// The resistors' tolerance class: the series a resistor of that class is made in.
enum class ResistorClass { E24, E96 };

double toleranceOf(ResistorClass resistors); // 0,05 or 0,01

struct SpreadSettings {
    ResistorClass resistors = ResistorClass::E24;
    double capacitorTolerance = 0.10; // a fraction: ±10 %
    double betaMultiple = 3;          // β from the typed minimum up to this multiple of it
    double supplyTolerance = 0.10;    // a fraction: ±10 %
    int runs = 200;
    std::uint64_t seed = 1;
};

// The coldest working temperature the spread runs at, when the design has a hottest.
inline constexpr double coldEnd = -20;   // °C
inline constexpr double roomTemperature = 27; // °C, the simulator's own

// The temperatures a design's samples run at: the cold end and the design's maximum
// working temperature when it has one, otherwise room temperature alone.
std::vector<double> temperaturesOf(const Design& design);

// One value a sample varies.
struct Parameter {
    QString name;         // as the schematic writes it: "Rк1", "C1", "β Т1", "Ек", "t"
    QString unit;         // "Ом", "нФ", "", "В", "°C": the unit `shown` values are in
    double nominal = 0;   // as designed, in SI (°C for the temperature)
    double shownScale = 1; // nominal × shownScale is the value in `unit`
};

// What one draw changed: the parameters' values, in the order of `parametersOf`.
struct Sample {
    int index = 0;             // 1, 2, ...: how the result names it
    std::vector<double> values; // SI, °C for the temperature
};

// The parameters of `design` that its samples vary: resistors, capacitors, each β,
// supplies, then the temperature.
std::vector<Parameter> parametersOf(const Design& design);

// `settings.runs` samples of `design` drawn from `settings.seed`.
std::vector<Sample> drawSamples(const Design& design, const SpreadSettings& settings);

// `design` with the values of `sample` put in, and a note naming the sample.
Design sampledDesign(const Design& design, const Sample& sample);

// "Rк1 = 1,07 кОм (+2,3 %)" for each parameter; the temperature as "t = −20 °C".
QStringList sampleValues(const Design& design, const Sample& sample);

// The distributions, written out so that no standard library's own is used.
class SpreadRandom {
public:
    explicit SpreadRandom(std::uint64_t seed) : engine(seed) {}
    // Uniform in [0, 1): the 53 high bits of one draw.
    double unit();
    // Uniform within ±`tolerance` around 1.
    double withinTolerance(double tolerance);
    // From 1 up to `multiple`, uniform in the logarithm: each doubling as likely.
    double logUniform(double multiple);
    // One of `count` choices, each as likely.
    std::size_t choice(std::size_t count);

private:
    std::mt19937_64 engine;
};

} // namespace takton::simulation
