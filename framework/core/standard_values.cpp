#include "standard_values.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace takton {
namespace {

// IEC 60063. The coarser series are every second (E12, E48) or fourth (E6) value of
// the finer ones they are drawn from.
constexpr std::array<int, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<int, 192> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

template <std::size_t step, std::size_t N>
constexpr auto everyNth(const std::array<int, N>& finer)
{
    std::array<int, N / step> coarser{};
    for (std::size_t i = 0; i < coarser.size(); ++i)
        coarser[i] = finer[i * step];
    return coarser;
}

constexpr auto e12 = everyNth<2>(e24);
constexpr auto e6 = everyNth<4>(e24);
constexpr auto e96 = everyNth<2>(e192);
constexpr auto e48 = everyNth<4>(e192);

static_assert(e6 == std::array<int, 6>{10, 15, 22, 33, 47, 68});
static_assert(e48.back() == 953 && e96.back() == 976);

// Agreement to this many parts counts as equal: a result is shown to 15 significant
// digits, a standard value has at most three.
constexpr long double sameValue = 1e-12L;

long double tenTo(int exponent)
{
    return std::pow(10.0L, exponent);
}

} // namespace

std::span<const int> decadeValues(ESeries series)
{
    switch (series) {
    case ESeries::E6: return e6;
    case ESeries::E12: return e12;
    case ESeries::E24: return e24;
    case ESeries::E48: return e48;
    case ESeries::E96: return e96;
    case ESeries::E192: return e192;
    }
    throw std::logic_error("unknown E series");
}

long double StandardValue::value() const
{
    // Divided rather than multiplied by a negative power, so 47 · 10^-1 is as near to
    // 4,7 as the arithmetic allows.
    return exponent >= 0 ? mantissa * tenTo(exponent) : mantissa / tenTo(-exponent);
}

Neighbours neighbours(long double value, ESeries series)
{
    if (!(value > 0) || !std::isfinite(value))
        throw std::invalid_argument("a standard value is looked up for a positive value only");
    const std::span<const int> decade = decadeValues(series);
    const int digits = decade.front() >= 100 ? 3 : 2;
    // The decade the logarithm gives may be one off next to a power of ten; looking in
    // the decades on either side as well makes that harmless.
    const int exponent = int(std::floor(std::log10(value))) - (digits - 1);
    StandardValue below, above;
    bool haveBelow = false, haveAbove = false;
    for (int e = exponent - 1; e <= exponent + 1; ++e) {
        for (int mantissa : decade) {
            const StandardValue candidate{mantissa, e};
            const long double v = candidate.value();
            if (std::fabs(v - value) <= sameValue * value)
                return {candidate, candidate};
            if (v < value && (!haveBelow || v > below.value())) {
                below = candidate;
                haveBelow = true;
            }
            if (v > value && (!haveAbove || v < above.value())) {
                above = candidate;
                haveAbove = true;
            }
        }
    }
    return {below, above};
}

StandardValue nearest(long double value, ESeries series)
{
    const Neighbours n = neighbours(value, series);
    return std::fabs(deviationPercent(n.below, value)) < std::fabs(deviationPercent(n.above, value)) ? n.below
                                                                                                      : n.above;
}

std::vector<StandardValue> valuesWithin(long double lower, long double upper, ESeries series)
{
    std::vector<StandardValue> within;
    if (upper < lower)
        return within;
    StandardValue next = neighbours(lower, series).above;
    const std::span<const int> decade = decadeValues(series);
    while (next.value() <= upper * (1 + sameValue)) {
        within.push_back(next);
        // The following value of the series: the next mantissa, or the first of the
        // next decade.
        std::size_t i = 0;
        while (decade[i] != next.mantissa)
            ++i;
        next = i + 1 < decade.size() ? StandardValue{decade[i + 1], next.exponent}
                                     : StandardValue{decade.front(), next.exponent + 1};
    }
    return within;
}

long double deviationPercent(StandardValue standard, long double value)
{
    return (standard.value() - value) / value * 100;
}

} // namespace takton
