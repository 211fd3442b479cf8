#pragma once
// One check of a design: its values checked, its netlist run as a transient and measured.

#include "analysis.h"
#include "design_fields.h"
#include "engine.h"

namespace takton::simulation {

struct CheckResult {
    Waveforms waveforms;
    Measurement measurement;
};

// The netlist of `design` with both β scaled by `betaScale`, written only once every
// value in it is one the simulator can take: tau, parts and β finite and above zero,
// supplies finite and not zero, a run of finite length. Otherwise throws
// takton::Exception naming the value and the field or step it came from; the values
// typed are checked before those computed from them.
QString checkedNetlist(const Design& design, double betaScale);

// Where the emitters of `circuit` sit, for the run's probes.
Emitters emittersOf(const Circuit& circuit);

// The figures and verdict of a run of `design`.
Measurement measure(const Design& design, const Waveforms& waveforms);

// All of it on the calling thread: throws like `checkedNetlist` and `simulate`.
CheckResult check(const Design& design, double betaScale, const RunControl& control);

} // namespace takton::simulation
