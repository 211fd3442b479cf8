#pragma once
// `takton --check FILE --spread [--runs N] [--seed S] [--json]`: the design's tolerance
// and temperature spread simulated without a display, as the result window's
// "Разброс параметров" does it with its default tolerances.

#include "command_line.h"
#include "design_fields.h"

namespace takton {

// Runs the spread of `design` and prints its summary (text, or JSON). Returns 0 when
// every run does what the design intends, 1 when not; throws like the result window
// when the design has a value the simulator cannot take.
int checkSpread(const simulation::Design& design, const CheckRequest& request);

} // namespace takton
