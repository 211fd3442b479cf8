#pragma once
// What a transient run shows about a design: whether it oscillates (or fires once per
// trigger), the measured period or pulse, the amplitudes, and whether a transistor
// leaves what the user typed as its ratings.

#include "circuit.h"
#include "waveforms.h"

#include <QStringList>
#include <functional>
#include <limits>

namespace takton::simulation {

enum class Verdict {
    Oscillates,          // an astable that keeps switching
    FiresOncePerTrigger, // a monostable: one output pulse for each trigger pulse
    FiresIrregularly,    // a monostable: no pulse, or more than one, for some trigger
    DoesNotStart,        // nothing switches after the supplies came up
    Latches,             // stuck with both transistors conducting
    FollowsTrigger,      // a monostable whose output ends with the trigger: nothing holds it on
    DoesNotFire,         // a monostable that the trigger does not switch
};

// What a design is built to do: oscillate, or fire once per trigger with a pulse of its own.
inline bool worksAsIntended(Verdict verdict)
{
    return verdict == Verdict::Oscillates || verdict == Verdict::FiresOncePerTrigger;
}

inline constexpr double notMeasured = std::numeric_limits<double>::quiet_NaN();

struct Measurement {
    Verdict verdict = Verdict::DoesNotStart;
    double period = notMeasured;      // s, astable
    double pulseLength = notMeasured; // s, monostable: the first output pulse
    double recovery = notMeasured;    // s, monostable: from the pulse's end until collectors and bases are back
    double amplitude1 = notMeasured;  // V, T1's collector: between the levels it holds
    double amplitude2 = notMeasured;  // V, T2's collector: between the levels it holds
    double peakSwing1 = notMeasured;  // V, T1's collector: the whole excursion, edge spikes included
    double peakSwing2 = notMeasured;  // V, T2's collector: the whole excursion, edge spikes included
    int triggers = 0, pulses = 0;
    // Peaks over the run after the supplies came up.
    double collectorCurrent1 = 0, collectorCurrent2 = 0;       // A
    double collectorBase1 = 0, collectorBase2 = 0;             // V, reverse
    double reverseBaseEmitter1 = 0, reverseBaseEmitter2 = 0;   // V
    QStringList ratingBreaches; // one sentence each; empty when every peak is within its rating
    // Breaches the trigger alone causes (see checkRatings in analysis.cpp): the test
    // pulse's doing, not the design's.
    QStringList triggerBreaches;
};

// Astable: the period and the amplitudes are measured over the last two thirds of the
// run, after the start-up has settled.
Measurement measureAstable(const Waveforms& w, const Circuit& circuit);

// Monostable: every trigger pulse of `circuit.trigger` within the run is one attempt.
Measurement measureMonostable(const Waveforms& w, const Circuit& circuit);

// What one trigger pulse (the first of `circuit.trigger`) did to a monostable at rest.
enum class TriggerResponse {
    Fires,            // the output switched at least half way and stayed there a while
    DoesNotFire,      // the output stayed on its side of that middle
    SwitchesByItself, // the output was not at rest before the trigger: nothing to measure
};
TriggerResponse triggerResponse(const Waveforms& w, const Circuit& circuit);

// The base the trigger drives ("b1" or "b2"): the first reached from the generator's
// node through resistors and capacitors; empty when there is none.
QString drivenBase(const Circuit& circuit);

// A figure as the result shows it: rounded to `digits` significant digits, in the
// program's number format (the user's separator, no exponent from 0,0001 up: "1200",
// "0,116"); "—" when not measured.
QString reading(double value, int digits = 4);
// A share, a deviation or a correlation with a fixed number of `decimals` and the
// user's separator: "16,7", "-0,47".
QString fixedReading(double value, int decimals);

// What the result says above the breaches the trigger alone causes.
inline constexpr QStringView triggerBreachesHeading =
    u"Только запускающий импульс (не сама схема) выводит транзистор за допустимые режимы:";

// The plain verdict the result window shows, first line.
QString verdictText(Verdict verdict);

// Times of the rising (or falling) edges of `v`: passages from `low` to `high` (or back),
// each timed where it last crossed the middle, linearly interpolated. A glitch that
// turns back before the far threshold is no edge.
std::vector<double> edges(const std::vector<double>& t, const std::vector<double>& v, double low, double high,
                          bool rising);

// The level `v` holds over [from, to) among the samples `counts` accepts: the value it
// stands at for half of that time (the time-weighted median), so that short spikes do
// not move it. NaN when no sample counts.
double steadyLevel(const std::vector<double>& t, const std::vector<double>& v, double from, double to,
                   const std::function<bool(double)>& counts);

} // namespace takton::simulation
