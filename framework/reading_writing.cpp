// What the steps read from the fields and write into the result labels, and the menu
// a written result offers.

#include "table_window.h"

#include "error_reporting.h"
#include "numeric_text.h"
#include "result_hints.h"
#include "units.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <stdexcept>
#include <string>

namespace takton {

double TableWindow::read(std::string_view edit) const
{
    auto* field = qobject_cast<QLineEdit*>(control(edit));
    if (!field)
        throw std::logic_error("not an input field: " + std::string(edit));
    return store(StrToFloat(field->text()));
}

void TableWindow::setLabelText(std::string_view name, const QString& text, const ShownResult& shown)
{
    auto* label = qobject_cast<QLabel*>(control(name));
    if (!label)
        throw std::logic_error("not a label: " + std::string(name));
    label->setText(text);
    // Result labels grow to the right from their left edge.
    label->resize(label->sizeHint().width(), label->height());
    offerStandardValues(label, name, shown);
}

void TableWindow::offerStandardValues(QLabel* label, std::string_view name, const ShownResult& shown)
{
    // Selecting with the mouse shows nothing until the user drags over the text; the
    // label takes the focus only when clicked, so Tab still visits the fields alone.
    if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse)) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label, name](QPoint at) { showResultMenu(label, name, at); });
    }
    // Written with the text, so the hint always speaks of the value on show.
    const QString hint = standardValuesHint(shown);
    label->setToolTip(hint);
    label->setAccessibleDescription(hint);
    acceptable[name] = valueToAccept(shown);
}

void TableWindow::showResultMenu(QLabel* label, std::string_view name, QPoint at)
{
    std::string_view field;
    for (const ControlRow& row : rows)
        if (row.name == name)
            field = row.accepts;
    const std::optional<StandardValue> value = acceptable[name];
    QMenu* menu = resultMenu(label, value && !field.empty());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* accept = menu->findChild<QAction*>(QStringLiteral("acceptNearest"))) {
        // Only the field changes; the steps read it when the user presses the next one.
        connect(accept, &QAction::triggered, this, [this, field, standard = *value] {
            runReported([&] { qobject_cast<QLineEdit*>(control(field))->setText(FloatToStr(standard.value())); }, this);
        });
    }
    menu->popup(label->mapToGlobal(at));
}

void TableWindow::write(std::string_view label, X value, QStringView suffix)
{
    setLabelText(label, FloatToStr(value.value()) + suffix.toString(), {value.value(), value.value(), suffix});
}

void TableWindow::writeRange(std::string_view label, X lower, X upper, QStringView suffix)
{
    setLabelText(label, FloatToStr(lower.value()) + unit::rangeSeparator.toString() + FloatToStr(upper.value()) + suffix.toString(),
                 {lower.value(), upper.value(), suffix});
}

} // namespace takton
