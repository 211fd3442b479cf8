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

// The blank run of `caption` drawn under `field`: the one its pixels overlap most.
qsizetype runUnder(QLineEdit* field, QLabel* caption, const std::vector<QRegularExpressionMatch>& runs)
{
    const QFontMetricsF metrics(caption->font());
    const QString text = caption->text();
    const qreal fieldLeft = field->x() - caption->x();
    const qreal fieldRight = fieldLeft + field->width();
    qsizetype best = -1;
    qreal bestOverlap = -1e9;
    for (size_t k = 0; k < runs.size(); ++k) {
        const qreal left = metrics.horizontalAdvance(text.left(runs[k].capturedStart()));
        const qreal right = metrics.horizontalAdvance(text.left(runs[k].capturedEnd()));
        const qreal overlap = std::min(right, fieldRight) - std::max(left, fieldLeft);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = qsizetype(k);
        }
    }
    return best;
}

} // namespace

void nameFieldsAfterCaptions(QWidget* canvas)
{
    const QList<QLabel*> labels = canvas->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const QList<QLineEdit*> fields = canvas->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    static const QRegularExpression blankRun(QStringLiteral(" {3,}"));

    for (QLabel* caption : labels) {
        std::vector<QLineEdit*> onIt;
        for (QLineEdit* field : fields)
            if (captionOf(field, labels) == caption)
                onIt.push_back(field);
        if (onIt.empty())
            continue;
        std::sort(onIt.begin(), onIt.end(), [](auto* a, auto* b) { return a->x() < b->x(); });

        const QString text = caption->text();
        std::vector<QRegularExpressionMatch> runs;
        for (auto it = blankRun.globalMatch(text); it.hasNext();)
            runs.push_back(it.next());
        // Each field takes the run drawn under it; a run between two units ("В,   Ек2")
        // is only spacing.
        std::vector<QRegularExpressionMatch> under;
        for (QLineEdit* field : onIt)
            if (const qsizetype k = runUnder(field, caption, runs); k >= 0)
                under.push_back(runs[size_t(k)]);
        if (under.size() != onIt.size()) {
            // A caption with no room left for its field: the whole caption names it.
            for (QLineEdit* field : onIt)
                field->setAccessibleName(tidy(text));
            continue;
        }
        // A field's unit ends at a comma or at a wide gap before the next caption.
        static const QRegularExpression unitEnd(QStringLiteral(",| {3,}"));
        for (size_t k = 0; k < under.size(); ++k) {
            const qsizetype from = k == 0 ? 0 : under[k - 1].capturedEnd();
            QString before = text.mid(from, under[k].capturedStart() - from);
            if (k > 0) { // drop the unit of the previous field: "А,  I'к2 =" -> "I'к2 ="
                const QRegularExpressionMatch end = unitEnd.match(before);
                if (end.hasMatch())
                    before = before.mid(end.capturedEnd());
            }
            const qsizetype until = k + 1 < under.size() ? under[k + 1].capturedStart() : text.size();
            QString unit = text.mid(under[k].capturedEnd(), until - under[k].capturedEnd());
            unit.truncate(unitEnd.match(unit).hasMatch() ? unitEnd.match(unit).capturedStart() : unit.size());
            onIt[k]->setAccessibleName(tidy(before + QLatin1Char(' ') + unit));
        }
    }
}

} // namespace takton
