#include "design_fields.h"

#include "errors.h"
#include "numeric_text.h"
#include "standard_values.h"
#include "table_window.h"

#include <QLineEdit>
#include <cmath>

namespace takton::simulation {

Design DesignFields::designWithTargets(Kind kind, const char* tauEdit) const
{
    Design d;
    d.kind = kind;
    d.targets.amplitude1 = number("Edit1");
    d.targets.amplitude2 = number("Edit2");
    const double tau = 1e-6 * number(tauEdit); // typed in microseconds
    (kind == Kind::Astable ? d.targets.period : d.targets.pulseLength) = tau;
    return d;
}

QString DesignFields::nameOf(const char* edit) const
{
    const QWidget* field = window.control(edit);
    const QString name = field->accessibleName().simplified();
    return name.isEmpty() ? QString::fromLatin1(edit) : name;
}

QString DesignFields::source(const char* edit) const
{
    return typedSource.toString() + nameOf(edit) + u'»';
}

QString DesignFields::sourceOr(const char* edit, const QString& step) const
{
    return optionalNumber(edit) ? source(edit) : step;
}

std::optional<double> DesignFields::optionalNumber(const char* edit) const
{
    const auto* field = static_cast<const QLineEdit*>(window.control(edit));
    if (field->text().trimmed().isEmpty())
        return std::nullopt;
    return number(edit);
}

double DesignFields::number(const char* edit) const
{
    const auto* field = static_cast<const QLineEdit*>(window.control(edit));
    try {
        const double value = double(StrToFloat(field->text()));
        if (std::isfinite(value))
            return value;
    } catch (const EConvertError&) {
    }
    throw Exception(QStringLiteral("Моделирование не запущено: поле «%1» %2")
                        .arg(nameOf(edit), field->text().isEmpty() ? u"пусто"_qs
                                                                     : u"не число: '"_qs + field->text() + u'\''));
}

double DesignFields::optionalRating(const char* edit, const QString& transistor, QStringList& notes) const
{
    if (const auto typed = optionalNumber(edit))
        return *typed;
    notes << QStringLiteral("Допустимое напряжение коллектор-база %1 не введено (поле «%2» пусто): не проверяется")
                 .arg(transistor, nameOf(edit));
    return 0;
}

double DesignFields::resistorOrE24AtMost(const char* edit, const QString& designator, double limit,
                                         QStringList& notes) const
{
    if (const auto typed = optionalNumber(edit))
        return *typed;
    const double value = e24AtMost(limit);
    notes << QStringLiteral("%1 не принято (поле «%2» пусто): взято %3 Ом, ближайшее из ряда E24 не более %4 Ом")
                 .arg(designator, nameOf(edit))
                 .arg(value)
                 .arg(limit, 0, 'f', 0);
    return value;
}

double capacitorOfStep7(double tau, double rb2PlusRk1, const QString& designator, QStringList& notes)
{
    const double cap = tau / (rb2PlusRk1 * 0.9);
    notes << QStringLiteral("%1 взята по расчёту шага 7: %2 нФ").arg(designator).arg(cap * 1e9, 0, 'g', 6);
    return cap;
}

double collectorSupplyOfStep8(double ek1f, double ek2f, QStringList& notes)
{
    const double ek = ek1f + ek2f;
    notes << QStringLiteral("Ек взято по расчёту шага 8: |Ек1ф| + Ек2ф = %1 В").arg(ek);
    return ek;
}

double joinedEmitterResistor(QStringList& notes)
{
    const double r1 = 30e3;
    notes << QStringLiteral("R1 не рассчитывается и в окне нет поля: взято %1 Ом, середина "
                            "рекомендованных 20...40 кОм")
                 .arg(r1);
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
