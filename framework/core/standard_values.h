#pragma once
// The standard series of preferred values for resistors and capacitors: E6 ... E192,
// each as its values per decade written as integers (two significant digits for E6 to
// E24, three for E48 to E192). Any positive value lies between two neighbours of a
// series, whatever its decade.

#include <span>
#include <vector>

namespace takton {

enum class ESeries { E6, E12, E24, E48, E96, E192 };

// The values of one decade, ascending: {10, 15, 22, ...} or {100, 101, 102, ...}.
std::span<const int> decadeValues(ESeries series);

// A value of a series: mantissa · 10^exponent, kept apart so that it is written exactly.
struct StandardValue {
    int mantissa = 0;
    int exponent = 0;
    long double value() const;
    friend bool operator==(const StandardValue&, const StandardValue&) = default;
};

// The largest value of the series not above `value` and the smallest not below it; both
// are the same when `value` is a value of the series (to 12 significant digits, so that
// a value typed or computed in binary still counts as the standard one it shows).
struct Neighbours {
    StandardValue below, above;
};
// `value` must be positive and finite.
Neighbours neighbours(long double value, ESeries series);

// Of the two neighbours, the one whose deviation from `value` is smaller (the upper one
// on a tie).
StandardValue nearest(long double value, ESeries series);

// The values of the series from `lower` to `upper`, both included, ascending.
std::vector<StandardValue> valuesWithin(long double lower, long double upper, ESeries series);

// (standard − value) / value in per cent.
long double deviationPercent(StandardValue standard, long double value);

} // namespace takton
