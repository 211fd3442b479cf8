#include "window_placement.h"

#include <algorithm>

namespace takton {
namespace {

int fitAxis(int wanted, int length, int areaStart, int areaLength)
{
    const int lastFitting = areaStart + areaLength - length;
    return std::max(areaStart, std::min(wanted, lastFitting));
}

} // namespace

QPoint placeWithin(const QRect& available, const QSize& outer, std::optional<QPoint> designed)
{
    const QPoint wanted = designed.value_or(
        QPoint(available.x() + (available.width() - outer.width()) / 2,
               available.y() + (available.height() - outer.height()) / 2));
    return {fitAxis(wanted.x(), outer.width(), available.x(), available.width()),
            fitAxis(wanted.y(), outer.height(), available.y(), available.height())};
}

} // namespace takton
