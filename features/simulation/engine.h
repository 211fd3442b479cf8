#pragma once
// The simulator runs in a worker program of its own (takton-simulator), one process per
// run: a crash, a hang or an exit of the simulator library ends that run and never the
// program, a run is stopped at once by killing its worker, and runs in several windows
// go at the same time. The worker starts in a private empty folder and runs no init
// file of the user's or of the folder the program was started in.

#include "waveforms.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <map>
#include <vector>

namespace takton::simulation {

// The nodes the two emitters sit on; "0" is the common wire.
struct Emitters {
    QString t1 = QStringLiteral("0"), t2 = QStringLiteral("0");
};

inline constexpr std::chrono::milliseconds runTimeLimit{20000};

// One run of `netlist`, whose transient ends at `stopTime` seconds. It starts at
// construction and ends by itself, by `cancel` or at its time limit; `ended` is emitted
// once, on the thread that made it (which needs an event loop, or calls `wait`).
class SimulatorRun : public QObject {
    Q_OBJECT
public:
    // Throws takton::Exception when the worker cannot be found or started.
    SimulatorRun(const QString& netlist, double stopTime, const Emitters& emitters,
                 std::chrono::milliseconds timeLimit = runTimeLimit);
    // Kills a worker still going.
    ~SimulatorRun() override;

    // The user's cancel: the worker is killed and the run ends as cancelled.
    void cancel();
    // Waits on the calling thread until the run ends; sets `progress` (0...100) while it
    // goes and cancels when `cancel` becomes true.
    void wait(const std::atomic<bool>* cancel = nullptr, std::atomic<int>* progress = nullptr);

    bool isOver() const { return state != State::Running; }
    bool wasCancelled() const { return state == State::Cancelled; }
    int progress() const { return percent; }
    // The worker's process id while it runs (0 after), to watch it from outside.
    qint64 workerId() const { return process.processId(); }

    // Why the run did not end well, with the simulator's messages; empty while it goes
    // and after it succeeded.
    QString failure() const { return failureText; }
    // The waveforms of a run that ended well; otherwise throws takton::Exception with
    // the reason and the simulator's own messages.
    Waveforms waveforms() const;

signals:
    void progressed(int percent);
    void ended();

private:
    enum class State { Running, Succeeded, Failed, Cancelled };

    void readOutput();
    bool readRecord();
    void readWorkerErrors();
    void workerExited(int code, QProcess::ExitStatus status);
    void decide();
    void overTime();
    void fail(const QString& reason);
    void end(State how);
    QString messages() const;

    QTemporaryDir folder;
    QProcess process;
    double stopTime;
    Emitters emitters;
    std::chrono::milliseconds timeLimit;
    std::chrono::steady_clock::time_point started;

    QByteArray pending; // the worker's output not read yet
    std::map<QByteArray, std::vector<double>> vectors;
    bool vectorsComplete = false, linesComplete = false;
    QStringList errors;    // what the simulator printed as errors
    QStringList lastLines; // its last lines of any kind, and the worker's own
    QString workerFailure; // "fatal", or the simulator's "quit"

    State state = State::Running;
    int percent = 0;
    Waveforms result;
    QString failureText;
};

// Runs on the calling thread until done: throws takton::Exception with the reason when
// the run is cancelled, exceeds its time limit, stops or fails.
struct RunControl {
    std::atomic<bool>* cancel = nullptr;  // set by another thread to stop the run
    std::atomic<int>* progress = nullptr; // 0...100, written while the run goes
    std::chrono::milliseconds timeLimit = runTimeLimit;
};
Waveforms simulate(const QString& netlist, double stopTime, const RunControl& control, const Emitters& emitters = {});

// The worker is looked for next to the program, then in the libexec folder it is
// installed in. Tests and benchmarks, which live elsewhere in the build tree, name it.
void setSimulatorProgram(const QString& path);

} // namespace takton::simulation
