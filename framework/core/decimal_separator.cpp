#include "decimal_separator.h"

#include <QLocale>

namespace takton {
namespace {

QChar current = QLatin1Char('.');
bool initialised = false;

} // namespace

QChar separatorOfLocale(const QString& localeName)
{
    // Drop the codeset and modifier: "ru_RU.UTF-8@euro" -> "ru_RU".
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QLatin1Char('.');
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return QLatin1Char('.');
    const QString point = locale.decimalPoint();
    return point.size() == 1 ? point.front() : QLatin1Char('.');
}

QString numericLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QChar decimalSeparator()
{
    if (!initialised)
        refreshDecimalSeparator();
    return current;
}

void setDecimalSeparator(QChar separator)
{
    current = separator;
    initialised = true;
}

void refreshDecimalSeparator()
{
    setDecimalSeparator(separatorOfLocale(numericLocaleName()));
}

} // namespace takton
