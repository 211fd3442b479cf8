#include "design_fields.h"

#include "errors.h"
#include "numeric_text.h"
#include "standard_values.h"

#include <QLineEdit>
#include <cmath>

namespace takton::simulation {

Design designWithTargets(Kind kind, double um1, double um2, double tauMicroseconds)
{
    Design d;
    d.kind = kind;
    d.targets.amplitude1 = um1;
    d.targets.amplitude2 = um2;
    (kind == Kind::Astable ? d.targets.period : d.targets.pulseLength) = 1e-6 * tauMicroseconds;
    return d;
}

QString numberText(double value)
{
    return FloatToStr(value);
}

QString nanofaradsText(double farads)
{
    // As the steps write a capacitance: the nanofarads formed in extended precision.
    return FloatToStr(1e9L * farads) + u" нФ"_qs;
}

QString fieldName(const QLineEdit& field)
{
    const QString name = field.accessibleName().simplified();
    return name.isEmpty() ? field.objectName() : name;
}

QString typedIn(const QLineEdit& field)
{
    return typedSource.toString() + fieldName(field) + u'»';
}

QString typedInOr(const QLineEdit& field, const QString& step)
{
    return field.text().trimmed().isEmpty() ? step : typedIn(field);
}

std::optional<double> typedOrEmpty(const QLineEdit& field)
{
    if (field.text().trimmed().isEmpty())
        return std::nullopt;
    return typedNumber(field);
}

double typedNumber(const QLineEdit& field)
{
    const QString text = field.text();
    try {
        const double value = double(StrToFloat(text));
        if (std::isfinite(value))
            return value;
    } catch (const EConvertError&) {
        // Told below in the check's own words, naming the field.
    }
    throw Exception(QStringLiteral("Моделирование не запущено: поле «%1» %2")
                        .arg(fieldName(field), text.isEmpty() ? u"пусто"_qs : u"не число: '"_qs + text + u'\''));
}

std::optional<double> typedTemperature(const QLineEdit& field)
{
    try {
        const double value = double(StrToFloat(field.text()));
        if (std::isfinite(value))
            return value;
    } catch (const EConvertError&) {
        // Only informative, and no step reads it: a text that is no number gives none.
    }
    return std::nullopt;
}

double optionalRating(const QLineEdit& field, const QString& transistor, QStringList& notes)
{
    if (const auto typed = typedOrEmpty(field))
        return *typed;
    notes << QStringLiteral("Допустимое напряжение коллектор-база %1 не введено (поле «%2» пусто): не проверяется")
                 .arg(transistor, fieldName(field));
    return 0;
}

double resistorOrE24AtMost(const QLineEdit& field, const QString& designator, double limit, QStringList& notes)
{
    if (const auto typed = typedOrEmpty(field))
        return *typed;
    const double value = e24AtMost(limit);
    notes << QStringLiteral("%1 не принято (поле «%2» пусто): взято %3 Ом, ближайшее из ряда E24 не более %4 Ом")
                 .arg(designator, fieldName(field), numberText(value), numberText(limit));
    return value;
}

ChosenPart timingCapacitorC1(StepGives gives, double stepFarads, int step, QStringList& notes)
{
    ChosenPart c1;
    switch (gives) {
    case StepGives::Value:
        c1 = {stepFarads > 0 ? stepFarads : 0, QStringLiteral("расчёт шага %1").arg(step)};
        break;
    case StepGives::SlightlyMore:
        c1 = {e24AtLeast(stepFarads), QStringLiteral("ряд E24 по шагу %1").arg(step)};
        break;
    case StepGives::UpperLimit:
        c1 = {e24Below(stepFarads), QStringLiteral("ряд E24 по шагу %1").arg(step)};
        break;
    }
    if (!(c1.value > 0)) {
        notes << QStringLiteral("С1 не ставится: значение шага %1 (%2) не положительное число")
                     .arg(step)
                     .arg(nanofaradsText(stepFarads));
        return c1;
    }
    const QString taken = QStringLiteral("С1 в окне не принимается: взята %1, ").arg(nanofaradsText(c1.value));
    switch (gives) {
    case StepGives::Value:
        notes << taken + QStringLiteral("как её даёт шаг %1").arg(step);
        break;
    case StepGives::SlightlyMore:
        notes << taken + QStringLiteral("ближайшая из ряда E24 не менее %1 (шаг %2)").arg(nanofaradsText(stepFarads)).arg(step);
        break;
    case StepGives::UpperLimit:
        notes << taken + QStringLiteral("ближайшая из ряда E24 менее %1 (шаг %2)").arg(nanofaradsText(stepFarads)).arg(step);
        break;
    }
    return c1;
}

void noteStepValue(QStringList& notes, const QString& what, int step, const QString& valueText)
{
    notes << QStringLiteral("%1 по расчёту шага %2: %3").arg(what).arg(step).arg(valueText);
}

double joinedEmitterResistor(QStringList& notes)
{
    const double r1 = 30e3;
    notes << QStringLiteral("R1 не рассчитывается и в окне нет поля: взято %1 Ом, середина "
                            "рекомендованных 20...40 кОм")
                 .arg(numberText(r1));
    return r1;
}

double e24AtMost(double limit)
{
    if (!(limit > 0) || !std::isfinite(limit))
        return 0;
    return double(neighbours(limit, ESeries::E24).below.value());
}

double e24Below(double limit)
{
    if (!(limit > 0) || !std::isfinite(limit))
        return 0;
    // `neighbours` counts a limit equal to 12 digits as the series value itself.
    const Neighbours around = neighbours(limit, ESeries::E24);
    return double((around.below == around.above ? neighbours(0.999L * limit, ESeries::E24).below : around.below).value());
}

double e24AtLeast(double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return 0;
    return double(neighbours(value, ESeries::E24).above.value());
}

} // namespace takton::simulation
