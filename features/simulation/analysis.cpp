#include "analysis.h"

#include <algorithm>
#include <cmath>

namespace takton::simulation {

std::vector<double> crossings(const std::vector<double>& t, const std::vector<double>& v, double level, bool rising)
{
    std::vector<double> found;
    for (std::size_t i = 1; i < t.size() && i < v.size(); ++i) {
        const bool up = v[i - 1] < level && v[i] >= level;
        const bool down = v[i - 1] > level && v[i] <= level;
        if (rising ? up : down)
            found.push_back(t[i - 1] + (t[i] - t[i - 1]) * (level - v[i - 1]) / (v[i] - v[i - 1]));
    }
    return found;
}

namespace {

// The magnitudes of T1's (negative) and T2's (positive) supplies; a circuit with one
// supply uses it for both.
struct Supplies {
    double ek1 = 0, ek2 = 0;
};

Supplies suppliesOf(const Circuit& circuit)
{
    Supplies s;
    for (const Supply& supply : circuit.supplies) {
        if (supply.volts < 0)
            s.ek1 = std::max(s.ek1, -supply.volts);
        else
            s.ek2 = std::max(s.ek2, supply.volts);
    }
    if (s.ek1 == 0)
        s.ek1 = s.ek2;
    if (s.ek2 == 0)
        s.ek2 = s.ek1;
    return s;
}

double valueAt(const std::vector<double>& t, const std::vector<double>& v, double when)
{
    const auto it = std::lower_bound(t.begin(), t.end(), when);
    if (it == t.end())
        return v.back();
    return v[std::size_t(it - t.begin())];
}

// Least and greatest of `v` over [from, to).
std::pair<double, double> span(const std::vector<double>& t, const std::vector<double>& v, double from, double to)
{
    double lo = INFINITY, hi = -INFINITY;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] >= from && t[i] < to) {
            lo = std::min(lo, v[i]);
            hi = std::max(hi, v[i]);
        }
    return {lo, hi};
}

QString volts(double v)
{
    return QString::number(v, 'g', 3) + u" В"_qs;
}

QString amperes(double a)
{
    return QString::number(a * 1e3, 'g', 3) + u" мА"_qs;
}

// Peaks after the supplies came up, against the ratings the user typed.
void checkRatings(const Waveforms& w, const Circuit& circuit, Measurement& m)
{
    for (std::size_t i = 0; i < w.time.size(); ++i) {
        if (w.time[i] < 2 * supplyRamp)
            continue;
        m.collectorCurrent1 = std::max(m.collectorCurrent1, std::abs(w.ic1[i]));
        m.collectorCurrent2 = std::max(m.collectorCurrent2, std::abs(w.ic2[i]));
        m.collectorBase1 = std::max(m.collectorBase1, w.b1[i] - w.c1[i]); // p-n-p: collector below base
        m.collectorBase2 = std::max(m.collectorBase2, w.c2[i] - w.b2[i]); // n-p-n: collector above base
        m.reverseBaseEmitter1 = std::max(m.reverseBaseEmitter1, w.b1[i] - w.e1[i]); // p-n-p: base above emitter
        m.reverseBaseEmitter2 = std::max(m.reverseBaseEmitter2, w.e2[i] - w.b2[i]); // n-p-n: base below emitter
    }
    const auto breach = [&](bool over, const QString& text) {
        if (over)
            m.ratingBreaches << text;
    };
    const Transistor& t1 = circuit.t1;
    const Transistor& t2 = circuit.t2;
    breach(t1.collectorCurrentMax > 0 && m.collectorCurrent1 > t1.collectorCurrentMax,
           u"Ток коллектора Т1 достигает "_qs + amperes(m.collectorCurrent1) + u", больше допустимого "_qs
               + amperes(t1.collectorCurrentMax));
    breach(t2.collectorCurrentMax > 0 && m.collectorCurrent2 > t2.collectorCurrentMax,
           u"Ток коллектора Т2 достигает "_qs + amperes(m.collectorCurrent2) + u", больше допустимого "_qs
               + amperes(t2.collectorCurrentMax));
    breach(t1.collectorBaseMax > 0 && m.collectorBase1 > t1.collectorBaseMax,
           u"Напряжение коллектор-база Т1 достигает "_qs + volts(m.collectorBase1) + u", больше допустимого "_qs
               + volts(t1.collectorBaseMax));
    breach(t2.collectorBaseMax > 0 && m.collectorBase2 > t2.collectorBaseMax,
           u"Напряжение коллектор-база Т2 достигает "_qs + volts(m.collectorBase2) + u", больше допустимого "_qs
               + volts(t2.collectorBaseMax));
    breach(t1.reverseBaseEmitter > 0 && m.reverseBaseEmitter1 > t1.reverseBaseEmitter,
           u"Обратное напряжение база-эмиттер Т1 достигает "_qs + volts(m.reverseBaseEmitter1)
               + u", больше "_qs + volts(t1.reverseBaseEmitter) + u", на которые рассчитан выбор транзистора"_qs);
    breach(t2.reverseBaseEmitter > 0 && m.reverseBaseEmitter2 > t2.reverseBaseEmitter,
           u"Обратное напряжение база-эмиттер Т2 достигает "_qs + volts(m.reverseBaseEmitter2)
               + u", больше "_qs + volts(t2.reverseBaseEmitter) + u", на которые рассчитан выбор транзистора"_qs);
}

// Both transistors conducting at the end of the run: both collectors pulled close to
// their emitters.
bool bothConducting(const Waveforms& w, const Supplies& s)
{
    return std::abs(w.c1.back() - w.e1.back()) < 0.2 * s.ek1 && std::abs(w.c2.back() - w.e2.back()) < 0.2 * s.ek2;
}

} // namespace

Measurement measureAstable(const Waveforms& w, const Circuit& circuit)
{
    Measurement m;
    checkRatings(w, circuit, m);
    const Supplies s = suppliesOf(circuit);
    const double from = w.time.back() / 3, to = w.time.back() + 1;
    const auto [lo2, hi2] = span(w.time, w.c2, from, to);
    const auto [lo1, hi1] = span(w.time, w.c1, from, to);
    const std::vector<double> edges = crossings(w.time, w.c2, (lo2 + hi2) / 2, true);
    std::vector<double> settled;
    std::copy_if(edges.begin(), edges.end(), std::back_inserter(settled), [&](double t) { return t >= from; });
    if (hi2 - lo2 > 0.1 * s.ek2 && settled.size() >= 2) {
        m.verdict = Verdict::Oscillates;
        m.period = (settled.back() - settled.front()) / double(settled.size() - 1);
        m.amplitude1 = hi1 - lo1;
        m.amplitude2 = hi2 - lo2;
    } else {
        m.verdict = bothConducting(w, s) ? Verdict::Latches : Verdict::DoesNotStart;
    }
    return m;
}

Measurement measureMonostable(const Waveforms& w, const Circuit& circuit)
{
    Measurement m;
    checkRatings(w, circuit, m);
    const Supplies s = suppliesOf(circuit);
    const Trigger& trigger = *circuit.trigger;
    const double end = w.time.back();

    // The resting collectors, just before the first trigger.
    const double rest1 = valueAt(w.time, w.c1, 0.98 * trigger.delay);
    const double rest2 = valueAt(w.time, w.c2, 0.98 * trigger.delay);
    // T2's collector leaves its rest towards the other end of its swing; half-way
    // between is an edge of the output pulse.
    const auto [lo2, hi2] = span(w.time, w.c2, trigger.delay, end + 1);
    const double far2 = std::abs(lo2 - rest2) > std::abs(hi2 - rest2) ? lo2 : hi2;
    const bool fallsWhenFired = far2 < rest2;
    if (std::abs(far2 - rest2) < 0.1 * s.ek2) {
        m.verdict = bothConducting(w, s) ? Verdict::Latches : Verdict::DoesNotStart;
        return m;
    }
    const double mid = (rest2 + far2) / 2;
    std::vector<double> leaves = crossings(w.time, w.c2, mid, !fallsWhenFired);
    // While the supplies come up, an output that rests low passes the middle on its way
    // to the supply before its transistor conducts: that is the start, not a pulse.
    std::erase_if(leaves, [](double t) { return t < 2 * supplyRamp; });
    const std::vector<double> returns = crossings(w.time, w.c2, mid, fallsWhenFired);

    bool oncePerTrigger = true;
    for (double start = trigger.delay; start < end; start += trigger.period) {
        ++m.triggers;
        const double next = std::min(start + trigger.period, end);
        const auto n = std::count_if(leaves.begin(), leaves.end(), [&](double t) { return t >= start && t < next; });
        m.pulses += int(n);
        oncePerTrigger = oncePerTrigger && n == 1;
    }
    const bool quietBefore = std::none_of(leaves.begin(), leaves.end(), [&](double t) { return t < trigger.delay; });
    m.pulses += int(std::count_if(leaves.begin(), leaves.end(), [&](double t) { return t < trigger.delay; }));

    const double firstNext = trigger.delay + trigger.period;
    const auto left = std::find_if(leaves.begin(), leaves.end(), [&](double t) { return t >= trigger.delay; });
    const auto back = left == leaves.end() ? returns.end()
                                           : std::find_if(returns.begin(), returns.end(), [&](double t) { return t > *left; });
    if (left == leaves.end() || back == returns.end()) {
        m.verdict = bothConducting(w, s) ? Verdict::Latches : Verdict::FiresIrregularly;
        return m;
    }
    m.verdict = oncePerTrigger && quietBefore ? Verdict::FiresOncePerTrigger : Verdict::FiresIrregularly;
    m.pulseLength = *back - *left;
    const auto [lo1, hi1] = span(w.time, w.c1, trigger.delay, std::min(firstNext, end));
    m.amplitude1 = std::max(std::abs(hi1 - rest1), std::abs(lo1 - rest1));
    m.amplitude2 = std::abs(far2 - rest2);

    // Recovered: both collectors within 5 % of their supply of their resting values
    // from then until the next trigger.
    double lastAway = *back;
    for (std::size_t i = 0; i < w.time.size(); ++i) {
        const double t = w.time[i];
        if (t <= *back || t >= std::min(firstNext, end))
            continue;
        if (std::abs(w.c1[i] - rest1) > 0.05 * s.ek1 || std::abs(w.c2[i] - rest2) > 0.05 * s.ek2)
            lastAway = t;
    }
    m.recovery = lastAway - *back;
    return m;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Oscillates:
        return u"Генерирует: мультивибратор запускается и колеблется"_qs;
    case Verdict::FiresOncePerTrigger:
        return u"Срабатывает: один выходной импульс на каждый запускающий"_qs;
    case Verdict::FiresIrregularly:
        return u"Срабатывает неправильно: не по одному выходному импульсу на каждый запускающий"_qs;
    case Verdict::DoesNotStart:
        return u"Не запускается: после включения питания схема не переключается"_qs;
    case Verdict::Latches:
        return u"Защёлкивается: оба транзистора остаются открытыми"_qs;
    }
    return {};
}

} // namespace takton::simulation
