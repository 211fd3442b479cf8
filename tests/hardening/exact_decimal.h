#pragma once
// An exact reference for numeric text, its arithmetic done by GNU MPFR: the decimal
// expansion of a binary value, the 15-digit text a label must show (rounded half to
// even), and whether an extended value is the one nearest to a decimal number. It
// shares nothing with the program's own conversions (no to_chars, no strtold), so a
// fault in those cannot hide in it.

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace takton::reference {

// A non-negative decimal number 0.d1d2...dn x 10^point. The digits carry no leading
// and no trailing zeros; zero has no digits.
struct Decimal {
    std::string digits;
    long long point = 0;
    friend bool operator==(const Decimal&, const Decimal&) = default;
};

// The exact value of mantissa x 2^exponent (every binary fraction ends in decimal).
Decimal exactExpansion(unsigned __int128 mantissa, int exponent);
// The exact value of |v|; v finite.
Decimal exactExpansion(long double v);

// The label text of v: 15 significant digits, plain form from 0,0001 up to fifteen
// integer digits, E notation outside, with this decimal separator.
QString labelText(long double v, QChar separator);

// The decimal that the label text of v stands for (|v| rounded to 15 digits, ties to
// the even digit).
Decimal labelDecimal(long double v);

// |number| = digits x 10^exponent10 (digits may carry leading zeros; empty means zero).
struct Scaled {
    std::string digits;
    long long exponent10 = 0;
};

// Whether c (finite, non-negative) is the extended value nearest to the number, ties
// going to the even significand.
bool isNearestExtended(const Scaled& number, long double c);

// Whether the number rounds beyond the largest finite extended value.
bool beyondExtended(const Scaled& number);

// The number that a field text denotes under the reading rules, or nothing when the
// text is not a number. Written independently of the program's reader.
struct ReadNumber {
    bool negative = false;
    Scaled magnitude;
};
std::optional<ReadNumber> readField(const QString& text, QChar separator);

// Why `text` is not something a label may show as a number (sign, digits, one
// separator, E exponent, at most 15 significant digits, no trailing zeros after the
// separator, E notation exactly when the plain form would not apply); empty if it is.
QString labelGrammarViolation(const QString& text, QChar separator);

// The decimal a well-formed label number stands for (no checks).
Decimal decimalOfLabel(const QString& text, QChar separator);

} // namespace takton::reference
