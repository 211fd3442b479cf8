#pragma once
// How a calculator window's design is checked by simulation: its steps pressed in
// order, as the user presses them, then its circuit built from the state they stored.
// Each window's `circuit()` is defined next to its unit (UnitNCircuit.cpp), from the
// same parts as its schematic.

#include "design_fields.h"

namespace takton {
class TableWindow;
}

namespace takton::simulation {

// What the registry, the result window and `--check` call for a window of class Form.
// A step that fails stops here with its own exception: nothing runs, and the window
// shows what the steps before it wrote, as after the user's own clicks.
template <class Form>
Design designOf(TableWindow& window)
{
    Form& form = static_cast<Form&>(window);
    form.pressEveryStep();
    return form.circuit();
}

using DesignOf = Design (*)(TableWindow&);

} // namespace takton::simulation
