#pragma once
// The decimal separator of the user's regional settings. One place owns it: numbers
// are read and written with it, and it is looked up again whenever the application
// is told that the settings changed.

#include <QChar>
#include <QString>

namespace takton {

// The separator a POSIX locale name gives: "ru_RU.UTF-8" gives a comma, "C", "POSIX"
// or an empty name a full stop.
QChar separatorOfLocale(const QString& localeName);

// LC_ALL, else LC_NUMERIC, else LANG (an empty variable counts as unset).
QString numericLocaleName();

QChar decimalSeparator();
void setDecimalSeparator(QChar separator);

// Reads the separator from the environment again.
void refreshDecimalSeparator();

} // namespace takton
