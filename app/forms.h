#pragma once
// Every window of the program, created once at start-up and kept until exit.

namespace takton {

// Creates the main window and then each calculator, in order, all hidden.
void createForms();
void destroyForms();

} // namespace takton
