#pragma once
// What a run of the simulator gives back: the probes every netlist saves. Plain data,
// so that the measurements need nothing of the runs themselves.

#include <vector>

namespace takton::simulation {

// The node a monostable's trigger generator drives; the netlist saves it for the plot.
inline constexpr char triggerNode[] = "gen";

// The six probes every netlist saves, sampled at the simulator's own time points.
struct Waveforms {
    std::vector<double> time;   // s
    std::vector<double> c1, b1; // V, T1's collector and base
    std::vector<double> c2, b2; // V, T2's collector and base
    std::vector<double> ic1, ic2; // A, into each collector
    std::vector<double> e1, e2; // V, each emitter (all 0 for an emitter on the common wire)
    std::vector<double> trigger; // V, the trigger generator's output; empty for an astable
};

} // namespace takton::simulation
