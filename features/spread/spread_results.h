#pragma once
// What the checks of a design's samples say together: how many work as intended, how
// the period (or pulse) spreads around the target, the samples at either end, which
// parameter moves it most, and every sample that failed, by its number and values.

#include "spread_run.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace takton::simulation {

inline constexpr int histogramBins = 20;

// The counts of the working samples' figure in equal bins from `low` to `high`, which
// take in the target too.
struct Histogram {
    double low = 0, high = 0; // s
    std::vector<int> counts;
    double target = 0; // s, 0 when the design has none
};

// How the figure follows one parameter over the working samples: the correlation
// coefficient, −1 ... 1.
struct Sensitivity {
    QString parameter;
    double correlation = 0;
};

struct SpreadSummary {
    int total = 0, works = 0, doesNotWork = 0, notConverged = 0, failed = 0, notRun = 0;
    int withinTarget = 0; // working samples whose figure is within targetTolerance of the target
    Histogram histogram;
    std::optional<std::size_t> shortest, longest; // indices of the working samples at either end
    double least = notMeasured, most = notMeasured; // s, their figures
    std::vector<Sensitivity> sensitivity;         // the strongest first; parameters that did not vary left out
    QStringList failures; // "Выборка 17: не запускается ...; β Т1 = 140 (+180,0 %), ..."
};

// The figure the spread is about: an astable's period, a monostable's pulse (s).
double figureOf(const Design& design, const Measurement& m);
// Its name as the result says it: "Период tau" or "Длительность импульса".
QString figureName(const Design& design);

SpreadSummary summarize(const Design& design, const std::vector<Sample>& samples,
                        const std::vector<SampleOutcome>& outcomes);

// The summary in sentences, as the result window and the command line show it.
QStringList summaryLines(const Design& design, const SpreadSummary& summary);

} // namespace takton::simulation
