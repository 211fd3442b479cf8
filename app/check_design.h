#pragma once
// `takton --check FILE`: a design checked by simulation without a display, for scripts
// and for checking a folder of designs.

#include "command_line.h"

namespace takton {

// Loads the values file into its calculator, presses every step in order as a user
// would, runs the check the result window runs and prints what it shows (text, or JSON).
// Returns 0 when the circuit does what the design intends (an astable oscillates, a
// monostable fires once per trigger) and the result converged, 1 when not, 2 when the
// file cannot be loaded, a step fails or the check cannot run (the message on stderr).
int checkDesign(const CheckRequest& request);

} // namespace takton
