#pragma once
// "Разброс параметров", the result window's second mode: the tolerances, β range,
// supply tolerance, number of runs and seed; the run on every core with progress, the
// time left and cancel; then the share of samples that work as intended, the histogram
// of the period (or pulse) with the target marked, the samples at either end (opened as
// a single check or saved as .cir), which parameter moves the figure most, and every
// failed sample by its number and values.

#include "spread_results.h"

#include <QWidget>
#include <functional>
#include <memory>

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace takton::simulation {

class SpreadPanel : public QWidget {
    Q_OBJECT
public:
    // `designNow` reads the calculator's fields (throwing for one that is not a number);
    // `openAsCheck` shows one sample as a single check with its waveforms.
    SpreadPanel(std::function<Design()> designNow, std::function<void(const Design&)> openAsCheck,
                QWidget* parent = nullptr);
    ~SpreadPanel() override;

    // Reads the design and the settings and starts; throws before anything runs for a
    // field or value the simulator cannot take.
    void start();
    void cancel();
    bool running() const { return run && !run->isOver(); }
    const SpreadRun* currentRun() const { return run.get(); }
    SpreadSettings settings() const;
    const SpreadSummary& summary() const { return result; }

    // The working sample at the short (or long) end, as a design of its own.
    Design worstCase(bool shortest) const;

private:
    void showProgress();
    void finish();
    void showHistogram();
    void showWorstCases();
    void saveWorstCase(bool shortest);

    std::function<Design()> designNow;
    std::function<void(const Design&)> openAsCheck;
    std::unique_ptr<SpreadRun> run;
    SpreadSummary result;

    QComboBox* resistors;
    QDoubleSpinBox* capacitors;
    QDoubleSpinBox* beta;
    QDoubleSpinBox* supplies;
    QLabel* temperatures;
    QSpinBox* runs;
    QSpinBox* seed;
    QPushButton* go;
    QPushButton* stop;
    QProgressBar* bar;
    QLabel* timeLeft;
    QLabel* summaryText;
    QWidget* histogramArea;
    QChartView* histogram = nullptr; // made with the first result: until then the window's one chart is its waveforms'
    QLabel* shortestText;
    QLabel* longestText;
    QPushButton* openShortest;
    QPushButton* saveShortest;
    QPushButton* openLongest;
    QPushButton* saveLongest;
    QPlainTextEdit* failures;
};

} // namespace takton::simulation
