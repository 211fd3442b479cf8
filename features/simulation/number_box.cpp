#include "number_box.h"

#include "decimal_separator.h"
#include "numeric_text.h"

#include <QRegularExpression>

namespace takton::simulation {
namespace {

// The number in the user's notation as the C locale reads it.
double parsed(QString number, bool* ok)
{
    return number.replace(decimalSeparator(), u'.').toDouble(ok);
}

} // namespace

QString NumberBox::textFromValue(double value) const
{
    // Rounded to the box's decimals, then written without the zeros that pad them.
    return FloatToStr(QString::number(value, 'f', decimals()).toDouble() + 0.0);
}

QString NumberBox::numberIn(const QString& text) const
{
    QString number = text.trimmed();
    if (!prefix().isEmpty() && number.startsWith(prefix().trimmed()))
        number.remove(0, prefix().trimmed().size());
    if (!suffix().isEmpty() && number.endsWith(suffix().trimmed()))
        number.chop(suffix().trimmed().size());
    return number.trimmed();
}

double NumberBox::valueFromText(const QString& text) const
{
    bool ok = false;
    const double value = parsed(numberIn(text), &ok);
    return ok ? value : this->value();
}

QValidator::State NumberBox::validate(QString& text, int&) const
{
    // Either separator typed is the user's: the numeric keypad has only one of them, and
    // "2.5" read as 25 with the full stop dropped would be a wrong value.
    const QChar other = decimalSeparator() == u',' ? u'.' : u',';
    text.replace(other, decimalSeparator());
    const QString number = numberIn(text);
    bool ok = false;
    const double value = parsed(number, &ok);
    if (ok)
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    // Half typed: "", "-", "1,".
    const QRegularExpression typing(u"^-?\\d*"_qs + QRegularExpression::escape(QString(decimalSeparator()))
                                    + u"?\\d*$"_qs);
    return typing.match(number).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

// What cannot be read goes back to the value the box holds.
void NumberBox::fixup(QString& text) const
{
    text = prefix() + textFromValue(value()) + suffix();
}

} // namespace takton::simulation
