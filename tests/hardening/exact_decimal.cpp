#include "exact_decimal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include <mpfr.h>

namespace takton::reference {
namespace {

// An MPFR number of a fixed precision that frees itself.
class Number {
public:
    explicit Number(mpfr_prec_t precision) { mpfr_init2(value, precision); }
    ~Number() { mpfr_clear(value); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
    operator mpfr_ptr() { return value; }

private:
    mpfr_t value;
};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

Decimal normalised(std::string digits, long long point)
{
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0')
        ++lead;
    digits.erase(0, lead);
    point -= static_cast<long long>(lead);
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        point = 0;
    return {digits, point};
}

// The first `count` significant digits of x >= 0, rounded to nearest with ties to
// the even digit (exact when x has no more digits than that).
Decimal leadingDigits(mpfr_ptr x, long long count)
{
    if (mpfr_zero_p(x))
        return {};
    mpfr_exp_t point = 0;
    char* text = mpfr_get_str(nullptr, &point, 10, std::size_t(count), x, MPFR_RNDN);
    std::string digits(text);
    mpfr_free_str(text);
    return normalised(std::move(digits), point);
}

// All the digits of x >= 0. With x < 2^top and a multiple of 2^-k, x x 10^k is an
// integer below 2^top x 10^k, so top x log10(2) + k + 1 digits always suffice.
Decimal allDigits(mpfr_ptr x)
{
    if (mpfr_zero_p(x))
        return {};
    const long long top = mpfr_get_exp(x);
    const long long k = std::max(static_cast<long long>(mpfr_min_prec(x)) - top, 0LL);
    // 0,30103 exceeds log10(2) by 4e-9; truncating toward zero keeps the bound for top < 0.
    return leadingDigits(x, top * 30103 / 100000 + k + 2);
}

// The number rounded to the extended format (64-bit significand, ties to even,
// denormals down to 2^-16445), infinity beyond its largest value.
void roundToExtended(mpfr_ptr x, const Scaled& number)
{
    const std::string text = (number.digits.empty() ? std::string("0") : number.digits) + 'e' +
                             std::to_string(number.exponent10);
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    // MPFR significands lie in [1/2, 1): the least denormal is 2^(emin - 1).
    mpfr_set_emin(LDBL_MIN_EXP - LDBL_MANT_DIG + 1);
    mpfr_set_emax(LDBL_MAX_EXP);
    const int inexact = mpfr_strtofr(x, text.c_str(), nullptr, 10, MPFR_RNDN);
    mpfr_subnormalize(x, inexact, MPFR_RNDN);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
}

} // namespace

Decimal exactExpansion(unsigned __int128 mantissa, int exponent)
{
    static_assert(sizeof(unsigned long) == 8);
    Number x(128);
    mpfr_set_ui(x, static_cast<unsigned long>(mantissa >> 64), MPFR_RNDN);
    mpfr_mul_2ui(x, x, 64, MPFR_RNDN);
    mpfr_add_ui(x, x, static_cast<unsigned long>(mantissa), MPFR_RNDN);
    mpfr_mul_2si(x, x, exponent, MPFR_RNDN);
    return allDigits(x);
}

Decimal exactExpansion(long double v)
{
    Number x(LDBL_MANT_DIG);
    mpfr_set_ld(x, std::fabs(v), MPFR_RNDN);
    return allDigits(x);
}

Decimal labelDecimal(long double v)
{
    Number x(LDBL_MANT_DIG);
    mpfr_set_ld(x, std::fabs(v), MPFR_RNDN);
    return leadingDigits(x, 15);
}

QString labelText(long double v, QChar separator)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Decimal r = labelDecimal(v);
    if (r.digits.empty())
        return QStringLiteral("0");
    const QString d = QString::fromStdString(r.digits);
    const long long X = r.point;
    const qsizetype n = d.size();
    QString out = v < 0 ? QStringLiteral("-") : QString();
    if (X > 15 || X < -3) {
        out += d.left(1);
        if (n > 1)
            out += separator + d.mid(1);
        out += QStringLiteral("E") + QString::number(X - 1);
    } else if (X <= 0) {
        out += QStringLiteral("0") + separator + QString(qsizetype(-X), QLatin1Char('0')) + d;
    } else {
        for (qsizetype i = 0; i < X; ++i)
            out += i < n ? d[i] : QLatin1Char('0');
        if (n > X)
            out += separator + d.mid(qsizetype(X));
    }
    return out;
}

bool isNearestExtended(const Scaled& number, long double c)
{
    Number x(LDBL_MANT_DIG);
    roundToExtended(x, number);
    return mpfr_number_p(x) && mpfr_cmp_ld(x, c) == 0;
}

bool beyondExtended(const Scaled& number)
{
    Number x(LDBL_MANT_DIG);
    roundToExtended(x, number);
    return mpfr_inf_p(x);
}

std::optional<ReadNumber> readField(const QString& text, QChar separator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto is = [&](QChar c) { return i < n && text[i] == c; };
    while (is(QLatin1Char(' ')))
        ++i;
    ReadNumber r;
    if (is(QLatin1Char('+')) || is(QLatin1Char('-')))
        r.negative = text[i++] == QLatin1Char('-');
    std::string integer, fraction;
    while (i < n && isDigit(text[i]))
        integer += char(text[i++].unicode());
    bool separated = false;
    if (is(separator)) {
        separated = true;
        ++i;
        while (i < n && isDigit(text[i]))
            fraction += char(text[i++].unicode());
    }
    if (integer.empty() && !separated)
        return std::nullopt;
    long long exponent = 0;
    if (is(QLatin1Char('e')) || is(QLatin1Char('E'))) {
        ++i;
        bool negative = false;
        if (is(QLatin1Char('+')) || is(QLatin1Char('-')))
            negative = text[i++] == QLatin1Char('-');
        if (!(i < n && isDigit(text[i])))
            return std::nullopt;
        for (; i < n && isDigit(text[i]); ++i)
            if (exponent < 500)
                exponent = exponent * 10 + (text[i].unicode() - '0');
        if (negative)
            exponent = -exponent;
    }
    while (is(QLatin1Char(' ')))
        ++i;
    if (i != n)
        return std::nullopt;
    r.magnitude = {integer + fraction, exponent - static_cast<long long>(fraction.size())};
    return r;
}

QString labelGrammarViolation(const QString& text, QChar separator)
{
    QString body = text;
    if (body.startsWith(QLatin1Char('-')))
        body.remove(0, 1);
    if (body == QLatin1String("0"))
        return text == body ? QString() : QStringLiteral("negative zero");
    if (body.isEmpty())
        return QStringLiteral("no digits");
    const qsizetype ePos = body.indexOf(QLatin1Char('E'));
    const QString mantissa = ePos < 0 ? body : body.left(ePos);
    const qsizetype sepPos = mantissa.indexOf(separator);
    const QString integer = sepPos < 0 ? mantissa : mantissa.left(sepPos);
    const QString fraction = sepPos < 0 ? QString() : mantissa.mid(sepPos + 1);
    auto allDigits = [](const QString& s) { return std::all_of(s.begin(), s.end(), isDigit); };
    if (integer.isEmpty() || !allDigits(integer) || !allDigits(fraction))
        return QStringLiteral("characters other than digits and one separator");
    if (sepPos >= 0 && (fraction.isEmpty() || fraction.endsWith(QLatin1Char('0'))))
        return QStringLiteral("separator without digits, or trailing zeros after it");
    long long X = 0;
    QString significant;
    if (ePos >= 0) {
        const QString exponent = body.mid(ePos + 1);
        const QString magnitude = exponent.startsWith(QLatin1Char('-')) ? exponent.mid(1) : exponent;
        if (magnitude.isEmpty() || !allDigits(magnitude) || magnitude.startsWith(QLatin1Char('0')))
            return QStringLiteral("exponent with a plus, leading zeros or no digits");
        if (integer.size() != 1 || integer == QLatin1String("0"))
            return QStringLiteral("E notation needs one non-zero leading digit");
        X = exponent.toLongLong() + 1;
        if (X <= 15 && X >= -3)
            return QStringLiteral("E notation for a value the plain form shows");
        significant = integer + fraction;
    } else if (integer == QLatin1String("0")) {
        qsizetype zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == QLatin1Char('0'))
            ++zeros;
        X = -zeros;
        if (X < -3)
            return QStringLiteral("plain form below 0,0001");
        significant = fraction.mid(zeros);
    } else {
        if (integer.startsWith(QLatin1Char('0')))
            return QStringLiteral("leading zero");
        X = integer.size();
        if (X > 15)
            return QStringLiteral("plain form beyond fifteen integer digits");
        significant = integer + fraction;
        while (significant.endsWith(QLatin1Char('0')))
            significant.chop(1);
    }
    if (significant.size() > 15)
        return QStringLiteral("more than 15 significant digits");
    return {};
}

Decimal decimalOfLabel(const QString& text, QChar separator)
{
    QString body = text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    long long scale = 0;
    if (const qsizetype ePos = body.indexOf(QLatin1Char('E')); ePos >= 0) {
        scale = body.mid(ePos + 1).toLongLong();
        body.truncate(ePos);
    }
    const qsizetype sepPos = body.indexOf(separator);
    const qsizetype integerDigits = sepPos < 0 ? body.size() : sepPos;
    body.remove(separator);
    return normalised(body.toStdString(), integerDigits + scale);
}

} // namespace takton::reference
