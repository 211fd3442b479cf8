#pragma once
// The simulator, a shared library loaded once for the whole program and used by one
// run at a time. A run blocks its caller (never the GUI thread) until the transient
// is done, cancelled, over its time limit or failed; its results are copied out
// before the library is asked anything else, and the circuit is removed afterwards,
// so that nothing of one run is left for the next.

#include <QString>
#include <atomic>
#include <chrono>
#include <vector>

namespace takton::simulation {

// The six probes every netlist saves, sampled at the simulator's own time points.
struct Waveforms {
    std::vector<double> time;   // s
    std::vector<double> c1, b1; // V, T1's collector and base
    std::vector<double> c2, b2; // V, T2's collector and base
    std::vector<double> ic1, ic2; // A, into each collector
    std::vector<double> e1, e2; // V, each emitter (all 0 for an emitter on the common wire)
};

// The nodes the two emitters sit on; "0" is the common wire.
struct Emitters {
    QString t1 = QStringLiteral("0"), t2 = QStringLiteral("0");
};

struct RunControl {
    std::atomic<bool>* cancel = nullptr;  // set by another thread to stop the run
    std::atomic<int>* progress = nullptr; // 0...100, written while the run goes
    std::chrono::milliseconds timeLimit{20000};
};

// Opens the library and prepares it for the process: numbers are read with a '.',
// whatever the user's regional settings. Call on the GUI thread before the first run;
// later calls do nothing. Throws takton::Exception when the library cannot be opened.
void loadSimulator();

// Runs the transient of `netlist`, which ends at `stopTime` seconds. Throws takton::Exception with the reason when the
// run is cancelled, exceeds its time limit, or the solver gives up before the end.
Waveforms simulate(const QString& netlist, double stopTime, const RunControl& control, const Emitters& emitters = {});

} // namespace takton::simulation
