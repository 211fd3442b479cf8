#include "design_fields.h"

#include "errors.h"
#include "numeric_text.h"
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

double e24AtMost(double limit)
{
    static constexpr double series[] = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                        3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
    if (!(limit > 0) || !std::isfinite(limit))
        return 0;
    double decade = std::pow(10.0, std::floor(std::log10(limit)));
    // Guard the decade against log10's rounding at exact powers of ten.
    if (decade > limit)
        decade /= 10;
    if (decade * 10 <= limit * (1 + 1e-12))
        decade *= 10;
    double best = 0;
    for (double step : series)
        if (step * decade <= limit * (1 + 1e-12))
            best = step * decade;
    return best;
}

} // namespace takton::simulation
