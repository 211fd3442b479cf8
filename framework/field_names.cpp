#include "field_names.h"

#include "layout_links.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <vector>

namespace takton {
namespace {

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

template <class W>
W* child(QWidget* canvas, std::string_view name)
{
    return canvas->findChild<W*>(qName(name), Qt::FindDirectChildrenOnly);
}

// The captions with fields on them, in table order.
std::vector<std::string_view> captionsWithFields(const LayoutLinks& links)
{
    std::vector<std::string_view> captions;
    for (const FieldLink& link : links.fields)
        if (captions.empty() || captions.back() != link.caption)
            captions.push_back(link.caption);
    return captions;
}

// The text less the unit of a field before it ("А,  I'к2 =" -> "I'к2 =").
QString withoutLeadingUnit(const QString& text)
{
    static const QRegularExpression unitEnd(QStringLiteral(",| {3,}"));
    const QRegularExpressionMatch end = unitEnd.match(text);
    return end.hasMatch() ? text.mid(end.capturedEnd()) : text;
}

// A field's unit ends at a comma or at a wide gap before the next caption.
QString leadingUnit(const QString& text)
{
    static const QRegularExpression unitEnd(QStringLiteral(",| {3,}"));
    const QRegularExpressionMatch end = unitEnd.match(text);
    return end.hasMatch() ? text.left(end.capturedStart()) : text;
}

// Where a caption's characters begin, in pixels from its left edge, without its
// letter spacing: the sum of the advances before each (see layout_links.cpp).
std::vector<qreal> advances(const QLabel* caption)
{
    const QFontMetricsF metrics(caption->font());
    const QString text = caption->text();
    std::vector<qreal> x(text.size() + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        x[i + 1] = x[i] + metrics.horizontalAdvance(text[i]);
    return x;
}

} // namespace

void nameFieldsAfterCaptions(QWidget* canvas, const LayoutLinks& links)
{
    for (std::string_view name : captionsWithFields(links)) {
        // Each field takes the gap drawn under it; a run of blanks between two units
        // ("В,   Ек2") is only spacing.
        const QString text = child<QLabel>(canvas, name)->text();
        const std::vector<const FieldLink*> on = links.fieldsOn(name);
        for (size_t k = 0; k < on.size(); ++k) {
            const CaptionGap gap = on[k]->gap;
            const CaptionGap previous = k == 0 ? CaptionGap{} : on[k - 1]->gap;
            QString before = text.mid(previous.end, gap.start - previous.end);
            if (k > 0)
                before = withoutLeadingUnit(before);
            const CaptionGap next = k + 1 < on.size() ? on[k + 1]->gap : CaptionGap{text.size(), text.size()};
            const QString unit = leadingUnit(text.mid(gap.end, next.start - gap.end));
            child<QLineEdit>(canvas, on[k]->field)->setAccessibleName((before + QLatin1Char(' ') + unit).simplified());
        }
    }
}

void clearUnitsOfFields(QWidget* canvas, const LayoutLinks& links)
{
    constexpr qreal clearance = 2; // pixels between a field and the unit after it
    for (std::string_view name : captionsWithFields(links)) {
        QLabel* caption = child<QLabel>(canvas, name);
        QFont font = caption->font();
        const qreal spacing = font.letterSpacing();
        const qsizetype length = caption->text().size();
        const std::vector<qreal> x = advances(caption);
        qreal wanted = spacing;
        for (const FieldLink* link : links.fieldsOn(name)) {
            const QLineEdit* field = child<QLineEdit>(canvas, link->field);
            const CaptionGap gap = link->gap;
            const qreal unitLeft = field->x() + field->width() - caption->x() + clearance;
            if (gap.end < length && x[gap.end] + gap.end * spacing < unitLeft)
                wanted = std::max(wanted, std::ceil((unitLeft - x[gap.end]) / gap.end * 64) / 64);
        }
        if (wanted == spacing)
            continue;
        font.setLetterSpacing(QFont::AbsoluteSpacing, wanted);
        caption->setFont(font);
        caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
    }
}

} // namespace takton
