#include "field_names.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace takton {
namespace {

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// The caption label a field lies on, else the nearest label to its left on its row.
QLabel* captionOf(QLineEdit* field, const QList<QLabel*>& labels)
{
    QLabel* best = nullptr;
    for (QLabel* label : labels) {
        const QRect r = label->geometry();
        if (label->text().trimmed().isEmpty() || !sameRow(r, field->geometry()) || r.left() > field->x())
            continue;
        if (!best || r.left() > best->x())
            best = label;
    }
    return best;
}

QString tidy(QString text)
{
    return text.simplified();
}

// A place in a caption where a field can stand: a run of blanks, or the caption's end
// for a field drawn after it.
struct Gap {
    qsizetype start = 0, end = 0;
};

std::vector<Gap> gapsOf(const QString& text)
{
    static const QRegularExpression blankRun(QStringLiteral(" {3,}"));
    std::vector<Gap> gaps;
    for (auto it = blankRun.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch run = it.next();
        gaps.push_back({run.capturedStart(), run.capturedEnd()});
    }
    if (gaps.empty() || gaps.back().end != text.size())
        gaps.push_back({text.size(), text.size()});
    return gaps;
}

// The gap drawn under `field`: the one its pixels overlap most, or nearest to it.
Gap gapUnder(const QLineEdit* field, const QLabel* caption, const std::vector<Gap>& gaps)
{
    const QFontMetricsF metrics(caption->font());
    const QString text = caption->text();
    const qreal fieldLeft = field->x() - caption->x();
    const qreal fieldRight = fieldLeft + field->width();
    Gap best = gaps.front();
    qreal bestOverlap = -1e9;
    for (const Gap& gap : gaps) {
        const qreal left = metrics.horizontalAdvance(text.left(gap.start));
        const qreal right = gap.end == gap.start ? left + field->width() : metrics.horizontalAdvance(text.left(gap.end));
        const qreal overlap = std::min(right, fieldRight) - std::max(left, fieldLeft);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = gap;
        }
    }
    return best;
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

} // namespace

void nameFieldsAfterCaptions(QWidget* canvas)
{
    const QList<QLabel*> labels = canvas->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const QList<QLineEdit*> fields = canvas->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);

    for (QLabel* caption : labels) {
        std::vector<QLineEdit*> onIt;
        for (QLineEdit* field : fields)
            if (captionOf(field, labels) == caption)
                onIt.push_back(field);
        if (onIt.empty())
            continue;
        std::sort(onIt.begin(), onIt.end(), [](auto* a, auto* b) { return a->x() < b->x(); });

        // Each field takes the gap drawn under it; a run of blanks between two units
        // ("В,   Ек2") is only spacing.
        const QString text = caption->text();
        const std::vector<Gap> gaps = gapsOf(text);
        for (size_t k = 0; k < onIt.size(); ++k) {
            const Gap gap = gapUnder(onIt[k], caption, gaps);
            const Gap previous = k == 0 ? Gap{} : gapUnder(onIt[k - 1], caption, gaps);
            QString before = text.mid(previous.end, gap.start - previous.end);
            if (k > 0)
                before = withoutLeadingUnit(before);
            const Gap next = k + 1 < onIt.size() ? gapUnder(onIt[k + 1], caption, gaps) : Gap{text.size(), text.size()};
            const QString unit = leadingUnit(text.mid(gap.end, next.start - gap.end));
            onIt[k]->setAccessibleName(tidy(before + QLatin1Char(' ') + unit));
        }
    }
}

} // namespace takton
