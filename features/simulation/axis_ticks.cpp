#include "axis_ticks.h"

#include "numeric_text.h"

#include <QCategoryAxis>
#include <cmath>

namespace takton::simulation {

double roundStep(double span, int most)
{
    if (!std::isfinite(span) || span <= 0 || most < 1)
        return 0;
    double decade = std::pow(10.0, std::floor(std::log10(span / most)));
    for (;; decade *= 10)
        for (const double mantissa : {1.0, 2.0, 5.0})
            if (span / (mantissa * decade) <= most * (1 + 1e-9)) // 0..4 in eight steps of 0,5, however it rounds
                return mantissa * decade;
}

std::vector<double> ticksWithin(double low, double high, double step)
{
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    const double slack = 1e-9 * step; // an end that is a tick up to rounding is one
    // Each tick is its own multiple of the step, not a sum that gathers rounding.
    for (double k = std::ceil((low - slack) / step); k * step <= high + slack; ++k)
        ticks.push_back(k * step + 0.0); // no "-0"
    return ticks;
}

QString tickLabel(double value)
{
    // Fifteen digits drop the rounding of k × step: 3 × 0,2 reads "0,6".
    return FloatToStr(value + 0.0);
}

TimeUnit timeUnitFor(double spanSeconds)
{
    if (spanSeconds >= 1)
        return {1, u"с"_qs};
    if (spanSeconds >= 1e-3)
        return {1e3, u"мс"_qs};
    return {1e6, u"мкс"_qs};
}

// Every label is written here, so that it reads as the rest of the program does; a
// value axis would print its own "1125.0".
QCategoryAxis* roundAxis(double low, double high, double step, const QString& title)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(low, high);
    axis->setStartValue(low);
    for (const double tick : ticksWithin(low, high, step))
        axis->append(tickLabel(tick), tick);
    axis->setTitleText(title);
    return axis;
}

} // namespace takton::simulation
