#include "forms.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit9.h"

#include <utility>

namespace takton {
namespace {

// One row of the registry: the window's class and the program-wide reference to it.
template <class Form, Form*& reference>
constexpr RegisteredWindow row(std::string_view form, std::string_view menuButton = {})
{
    return {.form = form,
            .menuButton = menuButton,
            .create = [] { reference = new Form; },
            .destroy = [] { delete std::exchange(reference, nullptr); },
            .window = []() -> TableWindow* { return reference; }};
}

constexpr RegisteredWindow registry[] = {
    row<TForm1, Form1>("Form1"),
    row<TForm2, Form2>("Form2", "Button1"),
    row<TForm9, Form9>("Form9", "Button8"),
};

} // namespace

std::span<const RegisteredWindow> registeredWindows()
{
    return registry;
}

void createForms()
{
    for (const RegisteredWindow& window : registry)
        window.create();
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
