#pragma once
// One check of a design: its netlist run as a transient and measured.

#include "analysis.h"
#include "design_fields.h"

namespace takton::simulation {

struct CheckResult {
    Waveforms waveforms;
    Measurement measurement;
};

// Runs on the calling thread (not the GUI's); throws like `simulate`, and refuses a
// design whose run would have no length.
CheckResult check(const Design& design, double betaScale, const RunControl& control);

} // namespace takton::simulation
