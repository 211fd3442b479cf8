#pragma once
// One check of a design: its values checked, its netlist run as a transient and measured.

#include "analysis.h"
#include "design_fields.h"
#include "engine.h"
#include "trigger_search.h"

#include <QObject>
#include <memory>

namespace takton::simulation {

// Whether a result holds at a finer time step: the run at the design's maximum step is
// repeated at half that step, and halved again while the verdict changes or a figure
// moves by more than `convergenceTolerance`, as long as the run's time limit allows.
struct Convergence {
    bool converged = false;
    double step = 0;    // s, the coarsest maximum step whose result a run at half of it confirmed
    double finest = 0;  // s, the step of the finest run, the one shown
    QString reason = {}; // why it did not converge; empty when it did
};

inline constexpr double convergenceTolerance = 0.02;

struct CheckResult {
    Waveforms waveforms;
    Measurement measurement;
    Convergence convergence;
    // The design as run: a monostable's trigger with the amplitude applied, and a note
    // saying how it was chosen.
    Design design;
};

// True when `finer` confirms `coarser`: the same verdict and pulse count, and the
// period (or pulse) and both amplitudes within `convergenceTolerance` of each other.
bool sameResult(const Measurement& coarser, const Measurement& finer);

// The sentence the result gives about convergence.
QString convergenceText(const Convergence& convergence);

// The netlist of `design` with both β scaled by `betaScale`, written only once every
// value in it is one the simulator can take: tau, parts and β finite and above zero,
// supplies finite and not zero, a run of finite length. Otherwise throws
// takton::Exception naming the value and the field or step it came from; the values
// typed are checked before those computed from them.
QString checkedNetlist(const Design& design, double betaScale);

// The schematic's name of a netlist designator: Rk1 is Rк1, Rb2 Rб2, Re Rэ, EK1 Ек1, EE Еэ.
QString schematicName(const QString& designator);

// Where the emitters of `circuit` sit, for the run's probes.
Emitters emittersOf(const Circuit& circuit);

// The figures and verdict of a run of `design`.
Measurement measure(const Design& design, const Waveforms& waveforms);

// One row of the result's table: the simulated figure beside the window's target, in
// the unit shown (µs, В); `text`, when set, is shown instead of the numbers.
struct Figure {
    QString name;
    double measured = notMeasured;
    double target = 0; // 0 when the window has none
    QString unit = {};
    QString text = {};
};

// The rows the result shows for `design`'s run.
std::vector<Figure> figuresOf(const Design& design, const Measurement& m);

// "+6,6 %", "—" when there is nothing to compare.
QString deviationText(const Figure& f);

// A figure further than this from its target is said to miss it.
inline constexpr double targetTolerance = 0.10;

// The figures missing their targets by more than `targetTolerance`, each with its
// deviation ("Период tau −31,1 %"); empty when all are met.
QStringList missedTargets(const std::vector<Figure>& figures);

// The runs of one check, one after another: for a monostable whose trigger amplitude the
// user did not set, first the short runs that find the least amplitude that fires it
// (AmplitudeSearch; their first at the design's step: its failure is the check's, and
// the search stops with what it has when half the time limit is gone); then the
// design's step, halved until two agree (see Convergence). Starts at construction (throwing like `checkedNetlist` and
// SimulatorRun's constructor); `ended` is emitted once. The whole check keeps within
// `timeLimit`: a first run that does not end well fails the check, a refining run
// that does not leaves the result standing as not converged.
class CheckRun : public QObject {
    Q_OBJECT
public:
    CheckRun(const Design& design, double betaScale, std::chrono::milliseconds timeLimit = runTimeLimit);
    ~CheckRun() override;

    void cancel();
    void wait(const std::atomic<bool>* cancel = nullptr, std::atomic<int>* progress = nullptr);
    bool isOver() const { return over; }
    bool wasCancelled() const { return cancelled; }
    QString failure() const { return failureText; }
    // The netlist of the first run, at the design's own step (its trigger's default
    // amplitude while the search goes, the amplitude applied once it is over).
    QString netlistText() const { return firstNetlist; }
    // The run going now (nullptr once over), to watch its worker from outside.
    const SimulatorRun* currentRun() const { return over ? nullptr : run.get(); }
    // Throws takton::Exception with the failure when the check did not end well.
    CheckResult result() const;

signals:
    void progressed(int percent);
    void ended();

private:
    void startRun();
    void startProbe();
    void probeEnded();
    void runEnded();
    void finish(const QString& failure = {});

    Design design;
    double betaScale;
    std::chrono::milliseconds timeLimit;
    std::chrono::steady_clock::time_point deadline;
    std::optional<AmplitudeSearch> search; // while it goes
    QString firstNetlist;
    std::unique_ptr<SimulatorRun> run;
    double step;
    std::optional<CheckResult> last; // the finest run measured so far
    bool over = false, cancelled = false;
    QString failureText;
};

// All of it on the calling thread: throws like `checkedNetlist` and `simulate`.
CheckResult check(const Design& design, double betaScale, const RunControl& control);

} // namespace takton::simulation
