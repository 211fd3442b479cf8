#pragma once
// The result of checking a calculator window's design by simulation: the collector
// and base voltages plotted, the measured figures beside the window's targets, a plain
// verdict, the β scale and (for a monostable) the trigger pulse, and the netlist to
// save. The run goes in a worker process of its own with progress and cancel; the window
// stays responsive, and closing it cancels the run.

#include "check.h"

#include <QWidget>
#include <memory>

class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace takton {
class TableWindow;
}

namespace takton::simulation {

class ResultPlot;
class SpreadPanel;

using DesignOf = Design (*)(TableWindow&);

class SimulationWindow : public QWidget {
    Q_OBJECT
public:
    SimulationWindow(TableWindow* calculator, DesignOf designOf);
    ~SimulationWindow() override;

    // Presses the calculator's steps again and runs; a step that fails, a field no step
    // reads that is not a number, or a value the simulator cannot take throws before
    // anything runs.
    void start();
    // One sample of the spread (its β as drawn, not scaled) checked and shown here.
    void checkSample(const Design& sample);
    // The user's cancel: the run ends at once, without an error box.
    void cancel();
    bool running() const { return busy; }
    // The run going, for watching its worker from outside.
    const SimulatorRun* currentRun() const { return run ? run->currentRun() : nullptr; }

    // The design, figures and netlist of the run the window shows (going, done, failed
    // or cancelled): never those of the fields or controls as they are now.
    const Design& design() const { return current; }
    const Measurement& measurement() const { return result.measurement; }
    QString netlistText() const { return shownNetlist; }
    void saveNetlist(const QString& path) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void followTrigger(Design& next);
    void showTriggerControls(bool shown);
    void startChecking(Design next);
    void finish();
    void showResult();
    void clearResult();
    double betaScale() const;

    TableWindow* calculator;
    DesignOf designOf;
    Design current;
    QString shownNetlist;
    CheckResult result;
    std::unique_ptr<CheckRun> run;
    bool busy = false;
    // The trigger follows the design: the user's values hold until the design changes.
    QString triggeredDesign;
    bool amplitudeEdited = false, widthEdited = false;

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
    QFormLayout* controls;
    ResultPlot* plot;
    QTabWidget* modes;
    SpreadPanel* spread;
};

// Adds "Проверить моделированием" (Ctrl+M) to the calculator's row of actions.
void addSimulationCheck(TableWindow* calculator, DesignOf designOf);

// The result window of this calculator, once the check was asked for.
SimulationWindow* simulationWindowOf(const TableWindow* calculator);

} // namespace takton::simulation
