#include "numeric_text.h"

#include "decimal_separator.h"
#include "errors.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace takton {
namespace {

// The exponent stops taking digits once it reaches this magnitude, so a huge
// exponent cannot overflow the accumulator.
constexpr int exponentDigitCap = 500;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Converts normalised text ("-123e-4") the C way, whatever locale the process runs in.
long double parseNormalised(const std::string& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtold_l(text.c_str(), nullptr, cLocale);
}

} // namespace

long double StrToFloat(const QString& text)
{
    const char16_t separator = decimalSeparator().unicode();
    const qsizetype length = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < length ? text[k].unicode() : char16_t(0); };
    auto notANumber = [&] { return EConvertError(text); };

    while (at(i) == u' ')
        ++i;

    std::string normalised;
    if (at(i) == u'+' || at(i) == u'-') {
        if (at(i) == u'-')
            normalised += '-';
        ++i;
    }

    bool consumed = false;
    long long fractionDigits = 0;
    for (; i < length && isDigit(at(i)); ++i, consumed = true)
        normalised += char(at(i));
    if (i < length && at(i) == separator) {
        ++i;
        consumed = true;
        for (; i < length && isDigit(at(i)); ++i, ++fractionDigits)
            normalised += char(at(i));
    }
    if (!consumed)
        throw notANumber();
    if (normalised.empty() || normalised == "-")
        normalised += '0';

    long long exponent = 0;
    if (at(i) == u'E' || at(i) == u'e') {
        ++i;
        bool negativeExponent = false;
        if (at(i) == u'+' || at(i) == u'-') {
            negativeExponent = at(i) == u'-';
            ++i;
        }
        if (!(i < length && isDigit(at(i))))
            throw notANumber();
        for (; i < length && isDigit(at(i)); ++i) {
            if (exponent < exponentDigitCap)
                exponent = exponent * 10 + (at(i) - u'0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    while (at(i) == u' ')
        ++i;
    if (i != length)
        throw notANumber();

    normalised += 'e';
    normalised += std::to_string(exponent - fractionDigits);
    const long double value = parseNormalised(normalised);
    if (std::isinf(value))
        throw notANumber();
    return value;
}

QString FloatToStr(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0L)
        return QStringLiteral("0");

    // 15 significant digits of the exact binary value, rounded half to even:
    // "d.dddddddddddddde±x". The exponent is that of the rounded value.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view printed(buffer, result.ptr);
    const auto ePos = printed.find('e');
    std::string digits;
    digits += printed[0];
    digits += printed.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const auto exponentText = printed.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    const int X = exponent + 1; // value = 0.d1d2...dn x 10^X

    const QChar separator = decimalSeparator();
    const QString d = QString::fromLatin1(digits.data(), qsizetype(digits.size()));
    const qsizetype n = d.size();
    QString out;
    if (std::signbit(value))
        out += QLatin1Char('-');
    if (X > 15 || X < -3) {
        out += d.front();
        if (n > 1)
            out += separator + d.mid(1);
        out += QLatin1Char('E') + QString::number(X - 1);
    } else if (X <= 0) {
        out += QLatin1Char('0') + QString(separator) + QString(-X, QLatin1Char('0')) + d;
    } else if (n <= X) {
        out += d + QString(X - n, QLatin1Char('0'));
    } else {
        out += d.left(X) + separator + d.mid(X);
    }
    return out;
}

} // namespace takton
