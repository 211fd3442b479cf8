#pragma once
// Round ticks for the result's plot: steps of 1, 2 or 5 × 10^n, labelled in the
// program's number format (the user's separator, no needless zeros, no exponent), and
// the unit of time that suits the span shown.

#include <QString>
#include <vector>

QT_BEGIN_NAMESPACE
class QCategoryAxis;
QT_END_NAMESPACE

namespace takton::simulation {

// The finest step of 1, 2 or 5 × 10^n that divides `span` into at most `most` parts;
// 0 for a span that is not finite and positive.
double roundStep(double span, int most);

// The multiples of `step` from `low` to `high`, both ends included when they are ticks.
std::vector<double> ticksWithin(double low, double high, double step);

// A tick's text: "0", "0,5", "1125", with the user's separator.
QString tickLabel(double value);

// Seconds shown in the unit that suits the span: с from a second up, мс from a
// millisecond, мкс below.
struct TimeUnit {
    double perSecond; // 1e3 for мс
    QString name;     // "мс"
};
TimeUnit timeUnitFor(double spanSeconds);

// An axis from `low` to `high` with a labelled tick at every multiple of `step` within.
QCategoryAxis* roundAxis(double low, double high, double step, const QString& title);

} // namespace takton::simulation
