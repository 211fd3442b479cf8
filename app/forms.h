#pragma once
// Every window of the program, created once at start-up and kept until exit. The
// registry is the one list of windows: start-up creates them from it, the main
// window's variant buttons show them through it, and the tests walk it.

#include <span>
#include <string_view>

namespace takton {

class TableWindow;
namespace simulation {
struct Design;
}

struct RegisteredWindow {
    std::string_view form;       // objectName of the window, "Form2"
    std::string_view menuButton; // the main window's button that shows it; none for Form1
    void (*create)();
    void (*destroy)();
    TableWindow* (*window)();
    // The design its simulation check runs: its steps pressed in order, then its
    // circuit from what they stored; null for a window without one.
    simulation::Design (*circuit)(TableWindow&) = nullptr;
};

// In creation order: the main window first, then the calculators by form number.
std::span<const RegisteredWindow> registeredWindows();

// Creates every registered window, in order, all hidden; `afterEach`, if given, runs
// after each window is created.
void createForms(void (*afterEach)() = nullptr);
// Destroys them in the reverse order.
void destroyForms();

// The calculator shown by this button of the main window, or null.
TableWindow* calculatorOfButton(std::string_view menuButton);

} // namespace takton
