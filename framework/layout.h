#pragma once
// A window is declared as a table: one row per control, with its place in pixels
// (relative to the client area), its look, its caption and the handler it runs.

#include <QStringView>
#include <string_view>

namespace takton {

enum class Kind { Label, Edit, Button, Image };

// Which typeface a control uses. `KindDefault` is the default of the control's kind:
// the label face for labels, Tahoma for edits and buttons.
enum class Face { KindDefault, LabelFace, Tahoma };

struct Style {
    Face face = Face::KindDefault;
    int pixelSize = 15;
    bool bold = false;
    bool wordWrap = false; // buttons whose caption runs over two lines
    bool link = false;     // blue text and a pointing-hand cursor
};

namespace style {
inline constexpr Style bold{.bold = true};
inline constexpr Style wordWrap{.wordWrap = true};
inline constexpr Style tahoma13{.face = Face::Tahoma, .pixelSize = 13};
inline constexpr Style tahoma15{.face = Face::Tahoma, .pixelSize = 15};
inline constexpr Style sans15{.face = Face::LabelFace, .pixelSize = 15};
inline constexpr Style link{.face = Face::Tahoma, .pixelSize = 15, .link = true};
} // namespace style

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The parts of a row that do not depend on the window's class.
struct ControlRow {
    std::string_view name;
    Kind kind = Kind::Label;
    Rect rect;
    Style style;
    QStringView caption;
    std::string_view accepts{}; // the field a result label's standard value goes into
};

template <class Form>
struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    Rect rect;
    Style style{};
    QStringView caption{};
    void (Form::*onClick)() = nullptr;
    // For a result label: the field of the same window where the value is accepted
    // ("Примем ..."), which a standard value near the result can be put into.
    std::string_view accepts{};

    constexpr ControlRow untyped() const { return {name, kind, rect, style, caption, accepts}; }
};

} // namespace takton
