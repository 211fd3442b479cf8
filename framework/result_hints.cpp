#include "result_hints.h"

#include "numeric_text.h"
#include "units.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <cmath>

namespace takton {
namespace {

struct Part {
    bool known = false;
    bool withE96 = false; // resistors come in E96 as well
};

Part partOf(QStringView suffix)
{
    if (suffix == unit::ohms)
        return {.known = true, .withE96 = true};
    if (suffix == unit::nanofarads)
        return {.known = true};
    return {};
}

bool usable(long double v)
{
    return v > 0 && std::isfinite(v);
}

QString written(StandardValue standard, QStringView suffix)
{
    return FloatToStr(standard.value()) + suffix.toString();
}

// One decimal of a per cent, with its sign.
QString deviation(StandardValue standard, long double value)
{
    const long double tenths = std::round(deviationPercent(standard, value) * 10);
    const QString sign = tenths > 0 ? QStringLiteral("+") : QString();
    return QStringLiteral(" (") + sign + FloatToStr(tenths == 0 ? 0 : tenths / 10) + QStringLiteral(" %)");
}

QString neighboursLine(long double value, ESeries series, QStringView seriesName, QStringView suffix)
{
    const Neighbours n = neighbours(value, series);
    const QString name = seriesName.toString();
    if (n.below == n.above)
        return QStringLiteral("Номинал ") + name + QStringLiteral(": ") + written(n.below, suffix);
    return QStringLiteral("Ближайшие номиналы ") + name + QStringLiteral(": ") + written(n.below, suffix) +
           deviation(n.below, value) + QStringLiteral(" и ") + written(n.above, suffix) + deviation(n.above, value);
}

QString rangeLine(long double lower, long double upper, QStringView suffix)
{
    const std::vector<StandardValue> inside = valuesWithin(lower, upper, ESeries::E24);
    if (inside.empty()) {
        return QStringLiteral("Номиналов E24 в диапазоне нет; ближайшие: ") +
               written(neighbours(lower, ESeries::E24).below, suffix) + QStringLiteral(" и ") +
               written(neighbours(upper, ESeries::E24).above, suffix);
    }
    QStringList values;
    for (StandardValue standard : inside)
        values << written(standard, suffix);
    return QStringLiteral("Номиналы E24 в диапазоне: ") + values.join(QStringLiteral(", "));
}

bool hinted(const ShownResult& result)
{
    return partOf(result.suffix).known && usable(result.lower) && usable(result.upper) && result.lower <= result.upper;
}

} // namespace

QString standardValuesHint(const ShownResult& result)
{
    if (!hinted(result))
        return {};
    if (result.lower != result.upper)
        return rangeLine(result.lower, result.upper, result.suffix);
    QString hint = neighboursLine(result.lower, ESeries::E24, u"E24", result.suffix);
    if (partOf(result.suffix).withE96)
        hint += '\n' + neighboursLine(result.lower, ESeries::E96, u"E96", result.suffix);
    return hint;
}

std::optional<StandardValue> valueToAccept(const ShownResult& result)
{
    if (!hinted(result))
        return std::nullopt;
    return nearest(std::sqrt(result.lower * result.upper), ESeries::E24);
}

QMenu* resultMenu(QLabel* label, bool withAccept)
{
    auto* menu = new QMenu(label);
    menu->setObjectName(QStringLiteral("resultMenu"));
    QAction* copy = menu->addAction(QStringLiteral("Копировать"), label, [label] {
        QApplication::clipboard()->setText(label->hasSelectedText() ? label->selectedText() : label->text());
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setObjectName(QStringLiteral("copy"));
    QAction* all = menu->addAction(QStringLiteral("Выделить всё"), label,
                                   [label] { label->setSelection(0, int(label->text().size())); });
    all->setShortcut(QKeySequence::SelectAll);
    all->setObjectName(QStringLiteral("selectAll"));
    if (withAccept) {
        menu->addSeparator();
        menu->addAction(acceptNearestCaption.toString())->setObjectName(QStringLiteral("acceptNearest"));
    }
    return menu;
}

} // namespace takton
