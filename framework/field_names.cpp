#include "field_names.h"

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
        if (runs.size() != onIt.size()) {
            // A caption with no room left for its field: the whole caption names it.
            for (QLineEdit* field : onIt)
                field->setAccessibleName(tidy(text));
            continue;
        }
        for (size_t k = 0; k < runs.size(); ++k) {
            const qsizetype from = k == 0 ? 0 : runs[k - 1].capturedEnd();
            QString before = text.mid(from, runs[k].capturedStart() - from);
            if (k > 0) // drop the unit of the previous field: "А,  I'к2 =" -> "I'к2 ="
                before = before.section(QLatin1Char(','), 1);
            const qsizetype unitEnd = k + 1 < runs.size() ? runs[k + 1].capturedStart() : text.size();
            const QString unit = text.mid(runs[k].capturedEnd(), unitEnd - runs[k].capturedEnd())
                                     .section(QLatin1Char(','), 0, 0);
            onIt[k]->setAccessibleName(tidy(before + QLatin1Char(' ') + unit));
        }
    }
}

} // namespace takton
