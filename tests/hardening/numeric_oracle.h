#pragma once
// The properties every value and every text must have, checked against the exact
// reference. Shared by the sampled tests and the fuzz targets; each returns an
// empty string when all holds and otherwise says what went wrong.

#include "decimal_separator.h"
#include "errors.h"
#include "exact_decimal.h"
#include "numeric_text.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace takton::oracle {

inline QString shortened(const QString& text)
{
    return text.size() > 60 ? text.left(60) + QStringLiteral("...(%1 chars)").arg(text.size()) : text;
}

// A value in 21 digits, for messages only.
inline QString approximately(long double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", v);
    return QString::fromLatin1(text);
}

inline QString bitsOf(long double v)
{
    unsigned char bytes[10];
    std::memcpy(bytes, &v, 10);
    QString hex;
    for (int i = 9; i >= 0; --i)
        hex += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return hex;
}

// FloatToStr of a finite v under this separator: exactly the reference text, which is
// well formed, and which reads back as the extended value nearest to v rounded to 15
// digits.
inline QString writingMismatch(long double v, QChar separator)
{
    setDecimalSeparator(separator);
    const QString written = FloatToStr(v);
    const QString where = QStringLiteral("%1 (bits %2, separator '%3') wrote '%4'")
                              .arg(approximately(v), bitsOf(v), QString(separator), written);
    const QString expected = reference::labelText(v, separator);
    if (written != expected)
        return where + QStringLiteral(", exact rounding gives '%1'").arg(expected);
    if (const QString why = reference::labelGrammarViolation(written, separator); !why.isEmpty())
        return where + QStringLiteral(": ") + why;
    const reference::Decimal rounded = reference::labelDecimal(v);
    if (reference::decimalOfLabel(written, separator) != rounded)
        return where + QStringLiteral(", which is not v rounded to 15 digits");
    try {
        const long double back = StrToFloat(written);
        const reference::Scaled number{rounded.digits, rounded.point - static_cast<long long>(rounded.digits.size())};
        if (std::signbit(back) != (v < 0) || !reference::isNearestExtended(number, std::fabs(back)))
            return where + QStringLiteral(", which reads back as %1").arg(approximately(back));
    } catch (const Exception& e) {
        return where + QStringLiteral(", which does not read back: ") + e.message();
    }
    return {};
}

// StrToFloat of any text under this separator: the extended value nearest to the
// number the text denotes, or EConvertError quoting the text exactly when it denotes
// none or one beyond the extended range. Nothing else is ever thrown.
inline QString readingMismatch(const QString& text, QChar separator)
{
    setDecimalSeparator(separator);
    const auto number = reference::readField(text, separator);
    const bool convertible = number && !reference::beyondExtended(number->magnitude);
    const QString where = QStringLiteral("'%1' (separator '%2')").arg(shortened(text), QString(separator));
    try {
        const long double value = StrToFloat(text);
        if (!convertible)
            return where + QStringLiteral(" read as %1, expected a conversion error").arg(approximately(value));
        if (!std::isfinite(value) || std::signbit(value) != number->negative ||
            !reference::isNearestExtended(number->magnitude, std::fabs(value)))
            return where + QStringLiteral(" read as %1 (bits %2), not the nearest extended value")
                               .arg(approximately(value), bitsOf(value));
    } catch (const EConvertError& e) {
        if (convertible)
            return where + QStringLiteral(" rejected, but it is a number within range");
        if (e.message() != QLatin1Char('\'') + text + QStringLiteral("' is not a valid floating point value"))
            return where + QStringLiteral(" rejected with the message '%1'").arg(shortened(e.message()));
    } catch (...) {
        return where + QStringLiteral(" raised something other than EConvertError");
    }
    return {};
}

// Any finite extended value, with the integer bit set as arithmetic leaves it.
inline long double extendedFromBits(std::uint64_t fraction, unsigned exponent, bool negative)
{
    exponent %= 0x7FFF; // the all-ones exponent is infinity or NaN
    std::uint64_t significand = fraction & ~(std::uint64_t(1) << 63);
    if (exponent != 0)
        significand |= std::uint64_t(1) << 63;
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &significand, 8);
    const std::uint16_t top = std::uint16_t(exponent | (negative ? 0x8000 : 0));
    std::memcpy(bytes + 8, &top, 2);
    long double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

} // namespace takton::oracle
