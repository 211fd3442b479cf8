#pragma once
// A window built from its layout table. Controls sit at their table positions on a
// canvas that scrolls when it is larger than the window; every control's objectName
// is its name in the table. Calculator steps use `read` and `write`, which hold all
// the conversion, storing and formatting rules, so a step is its list of operations.

#include "designed_palette.h"
#include "extended.h"
#include "layout.h"
#include "layout_links.h"
#include "standard_values.h"

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QKeySequence;
class QLabel;
class QPushButton;
class QLineEdit;
class QScrollArea;

namespace takton {

struct ShownResult;

struct WindowProperties {
    std::string_view objectName;
    QStringView caption;
    QSize outerSize;
    std::optional<QPoint> designedPosition{}; // centred on the desktop when absent
    bool maximizeBox = false;
    QColor background = background::dialogFace;
    QStringView schematic{}; // resource of the picture shown in Image1
};

class TableWindow : public QWidget {
    Q_OBJECT
public:
    explicit TableWindow(const WindowProperties& properties);

    // The control with this objectName; a name missing from the table is a
    // programming error.
    QWidget* control(std::string_view name) const;

    // The rows the window was built from, and the controls Tab visits, in order.
    const std::vector<ControlRow>& layoutRows() const { return rows; }
    // Which caption each field and each result belongs to, recorded when built.
    const LayoutLinks& layoutLinks() const { return links; }
    const std::vector<std::string_view>& focusOrder() const { return focusNames; }
    const WindowProperties& windowProperties() const { return properties; }

    // A row of actions below the window's last step, outside the designed layout:
    // each call adds one button (and its shortcut) to the right of the last. A failure
    // in `handler` is reported like a failing step. The buttons stay out of the Tab
    // order of the designed controls; their shortcuts reach them from the keyboard.
    QPushButton* addAction(const QString& objectName, const QString& caption, const QKeySequence& shortcut,
                           std::function<void()> handler);

    // Shows the window on the screen of `beside` (the first time), restores it if it
    // was minimized, and brings it to the front. Fields, labels and state stay.
    void present(const QWidget* beside);

protected:
    template <class Form, std::size_t N>
    void build(const Control<Form> (&layout)[N])
    {
        auto* self = static_cast<Form*>(this);
        for (const Control<Form>& row : layout) {
            QWidget* widget = addControl(row.untyped());
            if (row.onClick)
                onClick(widget, [self, handler = row.onClick] { (self->*handler)(); });
        }
        fitCanvas();
    }

    // Tab cycles through exactly these controls, in this order.
    void setFocusOrder(std::span<const std::string_view> names);

    // Reading a field: its text converted and rounded to a stored double.
    double read(std::string_view edit) const;
    // Writing a label: the formatted value followed directly by its unit suffix.
    void write(std::string_view label, X value, QStringView suffix);
    // Writing a range: lower bound, "...", upper bound, unit suffix.
    void writeRange(std::string_view label, X lower, X upper, QStringView suffix);

    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Building (table_window.cpp).
    QWidget* addControl(const ControlRow& row);
    void onClick(QWidget* control, std::function<void()> handler);
    void fitCanvas();
    // The row of actions (action_row.cpp): the row of the lowest step button, if any.
    const ControlRow* lastStep() const;
    // Results written and their menus (reading_writing.cpp).
    void setLabelText(std::string_view label, const QString& text, const ShownResult& shown);
    // A written result can be selected and copied; a resistance or a capacitance also
    // tells the standard values around it and offers the nearest for its field.
    void offerStandardValues(QLabel* label, std::string_view name, const ShownResult& shown);
    void showResultMenu(QLabel* label, std::string_view name, QPoint at);
    // Placement (window_placement.cpp).
    void fitFrame();
    QScreen* openingScreen() const;
    QPoint openingPosition() const;

    // Set before any child exists: creating a child already sends events to `event`.
    bool placed = false;
    bool frameFitted = false;
    WindowProperties properties;
    QSize outerSize; // the designed size, shrunk to the screen it first opens on
    QPointer<QScreen> firstScreen; // the menu's screen, when the menu showed it
    std::vector<ControlRow> rows;
    LayoutLinks links;
    std::vector<std::string_view> focusNames;
    std::map<std::string_view, std::optional<StandardValue>> acceptable; // by result label
    QScrollArea* scroller;
    QWidget* canvas;
    QWidget* actionRow = nullptr;
    int designedBottom = 0; // below the last control of the table
};

} // namespace takton
