#pragma once
// The plot of a check's run: the collector and base voltages over time and, for a
// monostable, the trigger generator's pulse as a trace of its own. Ticks are round
// (1, 2, 5 × 10^n) and labelled in the program's number format, the axes carry their
// units. A monostable's plot opens on its first triggered pulse (the trigger, the output
// pulse), which a run of milliseconds would hide; its recovery, often a hundred times
// longer than the pulse, and the whole run are one click away.

#include "check.h"

#include <QWidget>
#include <vector>

class QChartView;
class QButtonGroup;

namespace takton::simulation {

// A stretch of the run, s.
struct TimeSpan {
    double from = 0, to = 0;
};

// A monostable's first trigger and output pulse, with the resting levels just before
// and as long again after the pulse: the stretch the plot opens on. The longer of the
// measured and the designed pulse counts, so a pulse far off its target still fits.
TimeSpan pulseSpan(const Design& design, const Measurement& m);

// The same pulse and its recovery until the circuit is back at rest (the window's own
// recovery time standing in for one the run did not give).
TimeSpan recoverySpan(const Design& design, const Measurement& m);

class ResultPlot : public QWidget {
    Q_OBJECT
public:
    explicit ResultPlot(QWidget* parent = nullptr);

    // Draws `result`, the run of `design`; a monostable opens on its first pulse, a
    // rerun shows what the user chose for the run before.
    void showRun(const Design& design, const CheckResult& result);
    // Nothing drawn, nothing kept of an earlier run.
    void clear();
    // The stretch of the run drawn now, s.
    TimeSpan shownSpan() const { return shown; }

private:
    void draw();

    QChartView* chartView;
    QWidget* choices; // a monostable's: what to show
    QButtonGroup* choice;
    Waveforms waveforms;
    std::vector<TimeSpan> spans; // a monostable's, one for each of `choice`'s buttons
    TimeSpan shown;
};

} // namespace takton::simulation
