#pragma once
// The result of checking a calculator window's design by simulation: the collector
// and base voltages plotted, the measured figures beside the window's targets, a plain
// verdict, the β scale and (for a monostable) the trigger pulse, and the netlist to
// save. The run goes on a worker thread with progress and cancel; the window stays
// responsive.

#include "check.h"

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QChartView;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace takton {
class TableWindow;
}

namespace takton::simulation {

using DesignOf = Design (*)(const TableWindow&);

class SimulationWindow : public QWidget {
    Q_OBJECT
public:
    SimulationWindow(TableWindow* calculator, DesignOf designOf);
    ~SimulationWindow() override;

    // Reads the calculator's fields again and runs; a field that is not a number
    // throws before anything runs.
    void start();
    void cancel();
    bool running() const { return worker.joinable(); }

    const Design& design() const { return current; }
    const Measurement& measurement() const { return result.measurement; }
    QString netlistText() const;
    void saveNetlist(const QString& path) const;

private:
    void poll();
    void finish();
    void showResult();
    double betaScale() const;

    TableWindow* calculator;
    DesignOf designOf;
    Design current;
    CheckResult result;
    std::exception_ptr failure;
    std::atomic<bool> cancelled{false}, done{false};
    std::atomic<int> progress{0};
    std::thread worker;

    QLabel* verdict;
    QLabel* figures;
    QLabel* notes;
    QDoubleSpinBox* beta;
    QDoubleSpinBox* triggerAmplitude;
    QDoubleSpinBox* triggerWidth;
    QPushButton* rerun;
    QPushButton* stop;
    QPushButton* save;
    QProgressBar* bar;
    QChartView* chart;
    QTimer* timer;
};

// Adds "Проверить моделированием" (Ctrl+M) to the calculator's row of actions.
void addSimulationCheck(TableWindow* calculator, DesignOf designOf);

// The result window of this calculator, once the check was asked for.
SimulationWindow* simulationWindowOf(const TableWindow* calculator);

} // namespace takton::simulation
