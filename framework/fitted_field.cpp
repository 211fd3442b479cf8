#include "fitted_field.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace takton {
namespace {

// QLineEdit keeps this many pixels clear on each side of its text.
constexpr int lineEditMargin = 2;

} // namespace

FittedField::FittedField(const QFont& font, QWidget* parent) : QLineEdit(parent), designed(font)
{
    setFont(designed);
    connect(this, &QLineEdit::textChanged, this, &FittedField::fit);
}

QRect FittedField::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    return contents.adjusted(lineEditMargin, 0, -lineEditMargin, 0);
}

// The text and the one pixel of the cursor after it within the strip. (QLineEdit
// also counts the most any glyph of the face sticks out, 8 px for Tahoma, and shifts
// a text that fits by it; a text beyond that count is drawn from the strip's left
// edge while the cursor is in view, which is the case whenever it fits here.)
bool FittedField::fits(const QFont& font, const QString& text) const
{
    return std::ceil(QFontMetricsF(font).horizontalAdvance(text)) + 1 <= textArea().width();
}

// Letters are condensed just enough for the text to fit, in whole per cent, so equal
// texts in equal fields always look alike.
void FittedField::fit()
{
    const QString shown = displayText();
    QFont font = designed;
    whole = fits(font, shown);
    if (!whole) {
        const qreal natural = QFontMetricsF(designed).horizontalAdvance(shown);
        int stretch = std::min(99, int(std::floor(100 * textArea().width() / natural)));
        for (; stretch >= narrowestStretch && !whole; --stretch) {
            font.setStretch(stretch);
            whole = fits(font, shown);
        }
        // Past the limit the narrowest letters still show the most of the text.
        if (!whole)
            font.setStretch(narrowestStretch);
    }
    if (!(font == this->font()))
        setFont(font);
    // A text that cannot be shown whole is told in full where the user can read it.
    const QString told = whole ? QString() : text();
    setToolTip(told);
    setAccessibleDescription(told);
    if (!whole && !hasFocus())
        setCursorPosition(0);
}

void FittedField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fit();
}

// The user reads a field from its first digit once it is left.
void FittedField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!whole && event->reason() != Qt::PopupFocusReason)
        setCursorPosition(0);
}

} // namespace takton
