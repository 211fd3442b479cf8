#include "widgets.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QRawFont>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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

namespace {

// The distance between the baselines of two lines of a face, as the face's designer
// set it for screens: the Windows ascent and descent of its OS/2 table, when larger
// than the metrics Qt reads (Tahoma's give 14 px at 15 px, where accents of a line
// touch the descenders of the line above; its Windows metrics give 18 px).
qreal naturalLineDistance(const QFont& font)
{
    qreal distance = QFontMetricsF(font).lineSpacing();
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= 78 && raw.unitsPerEm() > 0) {
        const auto u16 = [&os2](int at) { return (uchar(os2[at]) << 8) | uchar(os2[at + 1]); };
        distance = std::max(distance, (u16(74) + u16(76)) * raw.pixelSize() / raw.unitsPerEm());
    }
    return std::ceil(distance);
}

} // namespace

// Lines wrap at word boundaries and stand the face's natural line distance apart
// (painted as one paragraph they stand closer).
void WrappingButton::layOutCaption(QTextLayout& layout, const QRect& area) const
{
    const QFontMetricsF metrics(font());
    const qreal distance = naturalLineDistance(font());
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
    const qreal blockHeight = (lines.size() - 1) * distance + metrics.height();
    const qreal top = area.top() + (area.height() - blockHeight) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].setPosition(QPointF(area.left() + (area.width() - lines[i].naturalTextWidth()) / 2,
                                     top + i * distance));
}

QList<WrappingButton::CaptionLine> WrappingButton::captionLines() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QTextLayout layout;
    layOutCaption(layout, textArea(option));
    QList<CaptionLine> lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << CaptionLine{text().mid(line.textStart(), line.textLength()),
                             line.position() + QPointF(0, line.ascent()), line.naturalTextWidth()};
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
