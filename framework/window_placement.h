#pragma once
// Where a window opens the first time it is shown.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace takton {

// The top-left corner of a window of `outer` size: at `designed` when given, else
// centred in `available`; then moved the least needed to fit `available`, and never
// with its top-left corner outside it (a window larger than the screen keeps its size
// and hangs off the right or bottom edge).
QPoint placeWithin(const QRect& available, const QSize& outer, std::optional<QPoint> designed);

} // namespace takton
