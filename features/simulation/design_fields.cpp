#include "design_fields.h"

#include "errors.h"
#include "numeric_text.h"
#include "standard_values.h"
#include "table_window.h"

#include <QLineEdit>
#include <cmath>

namespace takton::simulation {

QString DesignFields::nameOf(const char* edit) const
{
    const QWidget* field = window.control(edit);
    const QString name = field->accessibleName().simplified();
    return name.isEmpty() ? QString::fromLatin1(edit) : name;
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
