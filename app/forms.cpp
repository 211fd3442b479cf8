#include "forms.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit11.h"
#include "design_actions.h"
#include "simulation_window.h"
#include "window_circuits.h"

#include <concepts>
#include <type_traits>
#include <utility>

namespace takton {
namespace {

template <auto circuit>
constexpr simulation::Design (*circuitOf())(TableWindow&)
{
    if constexpr (std::is_null_pointer_v<decltype(circuit)>)
        return nullptr;
    else
        return circuit;
}

// One row of the registry: the window's class, the program-wide reference to it, and
// for a calculator whose circuit can be checked by simulation, its circuit.
template <class Form, Form*& reference, auto circuit = nullptr>
constexpr RegisteredWindow row(std::string_view form, std::string_view menuButton = {})
{
    return {.form = form,
            .menuButton = menuButton,
            .create =
                [] {
                    reference = new Form;
                    if constexpr (std::derived_from<Form, Calculator<Form>>)
                        addDesignActions(*reference);
                    if constexpr (!std::is_null_pointer_v<decltype(circuit)>)
                        simulation::addSimulationCheck(reference, circuit);
                },
            .destroy = [] { delete std::exchange(reference, nullptr); },
            .window = []() -> TableWindow* { return reference; },
            .circuit = circuitOf<circuit>()};
}

constexpr RegisteredWindow registry[] = {
    row<TForm1, Form1>("Form1"),
    row<TForm2, Form2, simulation::designOf<TForm2>>("Form2", "Button1"),
    row<TForm3, Form3, simulation::designOf<TForm3>>("Form3", "Button2"),
    row<TForm4, Form4, simulation::designOf<TForm4>>("Form4", "Button3"),
    row<TForm5, Form5, simulation::designOf<TForm5>>("Form5", "Button4"),
    row<TForm6, Form6, simulation::designOf<TForm6>>("Form6", "Button5"),
    row<TForm7, Form7, simulation::designOf<TForm7>>("Form7", "Button6"),
    row<TForm8, Form8, simulation::designOf<TForm8>>("Form8", "Button7"),
    row<TForm9, Form9, simulation::designOf<TForm9>>("Form9", "Button8"),
    row<TForm10, Form10, simulation::designOf<TForm10>>("Form10", "Button9"),
    row<TForm11, Form11, simulation::designOf<TForm11>>("Form11", "Button11"),
};

} // namespace

std::span<const RegisteredWindow> registeredWindows()
{
    return registry;
}

void createForms(void (*afterEach)())
{
    for (const RegisteredWindow& window : registry) {
        window.create();
        if (afterEach)
            afterEach();
    }
}

void destroyForms()
{
    for (auto it = std::rbegin(registry); it != std::rend(registry); ++it)
        it->destroy();
}

TableWindow* calculatorOfButton(std::string_view menuButton)
{
    for (const RegisteredWindow& window : registry)
        if (!window.menuButton.empty() && window.menuButton == menuButton)
            return window.window();
    return nullptr;
}

} // namespace takton
