#pragma once
// What a result label showing a resistance or a capacitance tells beyond its text: the
// standard values around it, and the one a designer would take for the part.

#include "standard_values.h"

#include <QString>
#include <QStringView>
#include <optional>

class QLabel;
class QMenu;

namespace takton {

// A result as a window wrote it: one value or a range, in the unit of its suffix.
struct ShownResult {
    long double lower = 0, upper = 0; // equal for a single value
    QStringView suffix;
};

// The standard values around a resistance (E24 and E96) or a capacitance (E24), each
// with its deviation in per cent; for a range, the E24 values inside it. Written with
// the user's decimal separator in the unit of the result. Empty for any other unit and
// for a value that is not positive and finite.
QString standardValuesHint(const ShownResult& result);

// The E24 value to accept for the result: nearest to the value, or to the geometric
// middle of a range. None where the hint is empty.
std::optional<StandardValue> valueToAccept(const ShownResult& result);

// The context menu of a result label: copying its text (the selection, or all of it
// when nothing is selected), selecting all of it, and `accept` when there is one.
inline constexpr QStringView acceptNearestCaption = u"Принять ближайший номинал E24";
QMenu* resultMenu(QLabel* label, bool withAccept);

} // namespace takton
