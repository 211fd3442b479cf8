#pragma once
// A window whose steps and focus order name their controls by strings that the
// compiler checks against the window's layout table: a misspelt name, or a label
// named where a field is read, fails the build instead of failing in front of the
// user.
//
// The unit that defines the table makes it known next to it:
//     consteval const auto& layoutOf(const TForm2*) { return controls; }

#include "table_window.h"

#include <QLineEdit>
#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace takton {

template <class Form, Kind... kinds>
struct ControlName {
    std::string_view name;

    // Implicit, so that a step reads `read("Edit1")`; evaluated while compiling.
    consteval ControlName(const char* text) : name(text)
    {
        for (const auto& row : layoutOf(static_cast<const Form*>(nullptr)))
            if (row.name == name && ((row.kind == kinds) || ...))
                return;
        throw "no control of this name and kind in the window's layout table";
    }
};

// Every result label that accepts its value somewhere names a field of its own table.
template <class Form>
consteval bool acceptedFieldsExist()
{
    const auto& rows = layoutOf(static_cast<const Form*>(nullptr));
    for (const auto& row : rows) {
        if (row.accepts.empty())
            continue;
        bool found = false;
        for (const auto& field : rows)
            found = found || (field.name == row.accepts && field.kind == Kind::Edit);
        if (row.kind != Kind::Label || !found)
            return false;
    }
    return true;
}

template <class Form>
class TableWindowOf : public TableWindow {
public:
    using TableWindow::TableWindow;

    // Presses every step ("Шаг N") in the order of its number, as the user would, by
    // running its handler: the window's state is then the one its fields give. A step
    // that fails throws its own exception out of here; the steps after it do not run.
    void pressEveryStep()
    {
        for (const auto& step : steps)
            (static_cast<Form*>(this)->*step.second)();
    }

protected:
    template <std::size_t N>
    void build(const Control<Form> (&layout)[N])
    {
        static_assert(acceptedFieldsExist<Form>(), "a result label accepts into no field of the window's layout table");
        TableWindow::build(layout);
        for (const Control<Form>& row : layout)
            if (row.kind == Kind::Button && row.onClick && row.caption.startsWith(u"Шаг "))
                steps.emplace_back(row.caption.mid(4).toInt(), row.onClick);
        std::stable_sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    using Field = ControlName<Form, Kind::Edit>;
    using Result = ControlName<Form, Kind::Label>;
    using Focusable = ControlName<Form, Kind::Edit, Kind::Button>;

    double read(Field edit) const { return TableWindow::read(edit.name); }
    // An input field itself, for what reads it beyond the steps (a value no step reads,
    // the name the field is known by).
    const QLineEdit& field(Field edit) const { return *static_cast<const QLineEdit*>(control(edit.name)); }
    void write(Result label, X value, QStringView suffix) { TableWindow::write(label.name, value, suffix); }
    void writeRange(Result label, X lower, X upper, QStringView suffix)
    {
        TableWindow::writeRange(label.name, lower, upper, suffix);
    }

    void setFocusOrder(std::initializer_list<Focusable> names)
    {
        std::vector<std::string_view> order;
        for (const Focusable& name : names)
            order.push_back(name.name);
        TableWindow::setFocusOrder(order);
    }

private:
    std::vector<std::pair<int, void (Form::*)()>> steps; // by step number, from the layout table
};

// Every calculator window: a table-built window whose steps read fields and write
// results.
template <class Form>
class Calculator : public TableWindowOf<Form> {
public:
    using TableWindowOf<Form>::TableWindowOf;
};

} // namespace takton
