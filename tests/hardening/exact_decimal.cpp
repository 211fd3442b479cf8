#include "exact_decimal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace takton::reference {
namespace {

using Limbs = std::vector<std::uint32_t>; // least significant first

// ---- Decimal big integers, base 10^9: the exact expansion of a binary value ----

constexpr std::uint64_t decimalBase = 1'000'000'000;
constexpr std::uint32_t fivePow13 = 1'220'703'125;
constexpr std::uint32_t twoPow29 = 1u << 29;

void multiplyDecimal(Limbs& a, std::uint64_t factor) // factor < 2^32
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : a) {
        const std::uint64_t t = limb * factor + carry;
        limb = std::uint32_t(t % decimalBase);
        carry = t / decimalBase;
    }
    for (; carry; carry /= decimalBase)
        a.push_back(std::uint32_t(carry % decimalBase));
}

Limbs multiplyDecimal(const Limbs& a, const Limbs& b)
{
    Limbs r(a.size() + b.size() + 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::uint64_t carry = 0;
        std::size_t j = 0;
        for (; j < b.size(); ++j) {
            const std::uint64_t t = r[i + j] + std::uint64_t(a[i]) * b[j] + carry;
            r[i + j] = std::uint32_t(t % decimalBase);
            carry = t / decimalBase;
        }
        for (std::size_t k = i + j; carry; ++k) {
            const std::uint64_t t = r[k] + carry;
            r[k] = std::uint32_t(t % decimalBase);
            carry = t / decimalBase;
        }
    }
    while (!r.empty() && r.back() == 0)
        r.pop_back();
    return r;
}

// base^(step x j), kept as they are first needed: the expansions of the extreme
// exponents then cost one multiplication by the mantissa each.
const Limbs& cachedPower(std::vector<Limbs>& cache, std::uint32_t base, std::size_t j)
{
    if (cache.empty())
        cache.push_back(Limbs{1});
    while (cache.size() <= j) {
        Limbs next = cache.back();
        multiplyDecimal(next, base);
        cache.push_back(std::move(next));
    }
    return cache[j];
}

Limbs decimalOf(unsigned __int128 value)
{
    Limbs r;
    for (; value; value /= decimalBase)
        r.push_back(std::uint32_t(value % decimalBase));
    return r;
}

std::string digitsOf(const Limbs& a)
{
    if (a.empty())
        return {};
    std::string s = std::to_string(a.back());
    for (std::size_t i = a.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(a[i]);
        s += std::string(9 - part.size(), '0') + part;
    }
    return s;
}

// ---- Binary big integers, base 2^32: comparing a decimal number with a binary one ----

void multiplyBinary(Limbs& a, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : a) {
        const std::uint64_t t = std::uint64_t(limb) * factor + carry;
        limb = std::uint32_t(t);
        carry = t >> 32;
    }
    if (carry)
        a.push_back(std::uint32_t(carry));
}

void addBinary(Limbs& a, std::uint32_t addend)
{
    std::uint64_t carry = addend;
    for (std::size_t i = 0; carry && i < a.size(); ++i) {
        const std::uint64_t t = a[i] + carry;
        a[i] = std::uint32_t(t);
        carry = t >> 32;
    }
    if (carry)
        a.push_back(std::uint32_t(carry));
}

void multiplyByPowerOfFive(Limbs& a, long long n)
{
    for (; n >= 13; n -= 13)
        multiplyBinary(a, fivePow13);
    std::uint32_t rest = 1;
    for (; n > 0; --n)
        rest *= 5;
    multiplyBinary(a, rest);
}

void shiftLeft(Limbs& a, long long bits)
{
    if (a.empty() || bits == 0)
        return;
    const std::size_t limbs = std::size_t(bits / 32);
    const unsigned rest = unsigned(bits % 32);
    if (rest) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : a) {
            const std::uint32_t next = limb >> (32 - rest);
            limb = (limb << rest) | carry;
            carry = next;
        }
        if (carry)
            a.push_back(carry);
    }
    a.insert(a.begin(), limbs, 0);
}

void trim(Limbs& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

int compare(Limbs a, Limbs b)
{
    trim(a);
    trim(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

Limbs binaryOfDigits(const std::string& digits)
{
    Limbs a;
    std::size_t i = 0;
    const std::size_t head = digits.size() % 9;
    auto chunk = [&](std::size_t length) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < length; ++k)
            v = v * 10 + std::uint32_t(digits[i + k] - '0');
        i += length;
        return v;
    };
    if (head) {
        addBinary(a, chunk(head));
    }
    while (i < digits.size()) {
        multiplyBinary(a, std::uint32_t(decimalBase));
        addBinary(a, chunk(9));
    }
    return a;
}

Limbs binaryOf(unsigned __int128 value)
{
    Limbs r;
    for (; value; value >>= 32)
        r.push_back(std::uint32_t(value));
    return r;
}

// Sign of digits x 10^p - mantissa x 2^e.
int compareWithBinary(const Scaled& x, unsigned __int128 mantissa, long long e)
{
    Limbs a = binaryOfDigits(x.digits);
    Limbs b = binaryOf(mantissa);
    if (x.exponent10 >= 0)
        multiplyByPowerOfFive(a, x.exponent10);
    else
        multiplyByPowerOfFive(b, -x.exponent10);
    const long long twos = x.exponent10 - e;
    if (twos >= 0)
        shiftLeft(a, twos);
    else
        shiftLeft(b, -twos);
    return compare(a, b);
}

// The spacing of extended values is 2^-16445 from zero up to the smallest normal.
constexpr int leastExponent = LDBL_MIN_EXP - LDBL_MANT_DIG; // -16445
constexpr std::uint64_t hiddenBit = std::uint64_t(1) << 63;

// c = m x 2^e with e no lower than the denormal spacing.
void split(long double c, std::uint64_t& m, int& e)
{
    if (c == 0) {
        m = 0;
        e = leastExponent;
        return;
    }
    int k = 0;
    const long double f = std::frexp(c, &k);
    m = std::uint64_t(std::ldexp(f, 64));
    e = k - 64;
    if (e < leastExponent) {
        m >>= (leastExponent - e);
        e = leastExponent;
    }
}

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

} // namespace

Decimal exactExpansion(unsigned __int128 mantissa, int exponent)
{
    if (mantissa == 0)
        return {};
    static std::vector<Limbs> fives, twos;
    Limbs n;
    long long shift = 0;
    if (exponent >= 0) {
        n = cachedPower(twos, twoPow29, std::size_t(exponent / 29));
        multiplyDecimal(n, std::uint64_t(1) << (exponent % 29));
    } else {
        const int k = -exponent;
        n = cachedPower(fives, fivePow13, std::size_t(k / 13));
        std::uint64_t rest = 1;
        for (int i = 0; i < k % 13; ++i)
            rest *= 5;
        multiplyDecimal(n, rest);
        shift = k; // m x 2^-k = m x 5^k / 10^k
    }
    n = multiplyDecimal(n, decimalOf(mantissa));
    const std::string digits = digitsOf(n);
    return normalised(digits, static_cast<long long>(digits.size()) - shift);
}

Decimal exactExpansion(long double v)
{
    std::uint64_t m = 0;
    int e = 0;
    split(std::fabs(v), m, e);
    return exactExpansion(m, e);
}

Decimal roundedHalfEven(const Decimal& d, int significant)
{
    if (d.digits.size() <= std::size_t(significant))
        return d;
    std::string kept = d.digits.substr(0, std::size_t(significant));
    const char next = d.digits[std::size_t(significant)];
    const bool moreAfter = d.digits.size() > std::size_t(significant) + 1; // no trailing zeros
    const bool up = next > '5' || (next == '5' && (moreAfter || (kept.back() - '0') % 2 == 1));
    long long point = d.point;
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
            ++point;
        } else {
            ++kept[i - 1];
        }
    }
    return normalised(kept, point);
}

Decimal labelDecimal(long double v)
{
    return roundedHalfEven(exactExpansion(v), 15);
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
    std::uint64_t m = 0;
    int e = 0;
    split(c, m, e);
    const unsigned __int128 wide = m;
    const bool even = m % 2 == 0;
    // Halfway to the next value up.
    const int above = compareWithBinary(number, 2 * wide + 1, e - 1L);
    if (above > 0 || (above == 0 && !even))
        return false;
    if (m == 0)
        return true;
    // Halfway to the next value down: a quarter step below a power of two.
    const int below = (m == hiddenBit && e > leastExponent)
                          ? compareWithBinary(number, 4 * wide - 1, e - 2L)
                          : compareWithBinary(number, 2 * wide - 1, e - 1L);
    return below > 0 || (below == 0 && even);
}

bool beyondExtended(const Scaled& number)
{
    std::uint64_t m = 0;
    int e = 0;
    split(LDBL_MAX, m, e);
    // The midpoint above the largest value rounds to the even neighbour, which is
    // beyond the range.
    return compareWithBinary(number, 2 * (unsigned __int128)m + 1, e - 1L) >= 0;
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
