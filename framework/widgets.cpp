#include "widgets.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace takton {

QSize WrappingButton::sizeHint() const
{
    return size();
}

QRect WrappingButton::textArea(const QStyleOptionButton& option) const
{
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    return rect().adjusted(margin, margin, -margin, -margin);
}

// Lines wrap at word boundaries and stand the font's line spacing apart (painting
// them as one paragraph packs them closer, so that accents touch descenders).
void WrappingButton::layOutCaption(QTextLayout& layout, const QRect& area) const
{
    const QFontMetricsF metrics(font());
    QTextOption wrapping(Qt::AlignLeft); // each line is centred below
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setFont(font());
    layout.setText(text());
    layout.setTextOption(wrapping);
    layout.beginLayout();
    QList<QTextLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        lines << line;
    }
    layout.endLayout();
    const qreal blockHeight = (lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    const qreal top = area.top() + (area.height() - blockHeight) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].setPosition(QPointF(area.left() + (area.width() - lines[i].naturalTextWidth()) / 2,
                                     top + i * metrics.lineSpacing()));
}

QList<QRectF> WrappingButton::captionLines() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QTextLayout layout;
    layOutCaption(layout, textArea(option));
    QList<QRectF> lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << QRectF(line.position(), QSizeF(line.naturalTextWidth(), line.height()));
    }
    return lines;
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the frame from the style, the caption wrapped by us
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = textArea(option);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    QTextLayout layout;
    layOutCaption(layout, area);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    layout.draw(&painter, QPointF(0, 0));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace takton
