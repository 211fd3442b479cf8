#include "analysis.h"

#include "decimal_separator.h"
#include "numeric_text.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace takton::simulation {

std::vector<double> edges(const std::vector<double>& t, const std::vector<double>& v, double low, double high,
                          bool rising)
{
    std::vector<double> found;
    const double middle = (low + high) / 2;
    enum class Side { Unknown, Low, High } side = Side::Unknown;
    double upThroughMiddle = 0, downThroughMiddle = 0;
    for (std::size_t i = 0; i < t.size() && i < v.size(); ++i) {
        if (i > 0 && (v[i - 1] < middle) != (v[i] < middle)) {
            const double when = t[i - 1] + (t[i] - t[i - 1]) * (middle - v[i - 1]) / (v[i] - v[i - 1]);
            (v[i] > v[i - 1] ? upThroughMiddle : downThroughMiddle) = when;
        }
        if (v[i] <= low) {
            if (side == Side::High && !rising)
                found.push_back(downThroughMiddle);
            side = Side::Low;
        } else if (v[i] >= high) {
            if (side == Side::Low && rising)
                found.push_back(upThroughMiddle);
            side = Side::High;
        }
    }
    return found;
}

double steadyLevel(const std::vector<double>& t, const std::vector<double>& v, double from, double to,
                   const std::function<bool(double)>& counts)
{
    std::vector<std::pair<double, double>> held; // value, time it stands for
    double total = 0;
    for (std::size_t i = 0; i < t.size() && i < v.size(); ++i) {
        if (t[i] < from || t[i] >= to || !counts(v[i]))
            continue;
        const double before = i > 0 ? t[i] - t[i - 1] : 0;
        const double after = i + 1 < t.size() ? t[i + 1] - t[i] : 0;
        held.emplace_back(v[i], (before + after) / 2);
        total += (before + after) / 2;
    }
    if (held.empty() || total <= 0)
        return notMeasured;
    std::sort(held.begin(), held.end());
    double passed = 0;
    for (const auto& [value, weight] : held) {
        passed += weight;
        if (passed >= total / 2)
            return value;
    }
    return held.back().first;
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
    return reading(v, 3) + u" В"_qs;
}

QString amperes(double a)
{
    return reading(a * 1e3, 3) + u" мА"_qs;
}

// One rated quantity of a transistor, sample by sample.
struct Rated {
    int transistor; // 1 or 2
    bool atBase;    // a voltage the base takes part in, which a trigger edge moves directly
    double rating;
    std::function<double(std::size_t)> value;
    std::function<QString(double)> breach; // the sentence for a peak
};

bool withinTrigger(const Circuit& circuit, double t)
{
    const auto& trigger = circuit.trigger;
    if (!trigger)
        return false;
    for (int k = 0; k < trigger->count; ++k) {
        const double start = trigger->delay + k * trigger->period;
        if (t >= start && t <= triggerOver(*trigger, start))
            return true;
    }
    return false;
}

// Peaks after the supplies came up, against the ratings the user typed. A breach is the
// trigger's alone when it is at the transistor whose base the trigger drives, and
// begins while a trigger pulse or its falling edge is applied: a voltage at that base
// (reverse base-emitter, collector-base) that a capacitor then holds for a while, or a
// collector current that is over again by the end of the pulse. Any other stretch
// beyond the rating, and any at the other transistor, is the design's.
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
    const Transistor& t1 = circuit.t1;
    const Transistor& t2 = circuit.t2;
    const Rated rated[] = {
        {1, false, t1.collectorCurrentMax, [&](std::size_t i) { return std::abs(w.ic1[i]); },
         [&](double peak) {
             return u"Ток коллектора Т1 достигает "_qs + amperes(peak) + u", больше допустимого "_qs
                    + amperes(t1.collectorCurrentMax);
         }},
        {2, false, t2.collectorCurrentMax, [&](std::size_t i) { return std::abs(w.ic2[i]); },
         [&](double peak) {
             return u"Ток коллектора Т2 достигает "_qs + amperes(peak) + u", больше допустимого "_qs
                    + amperes(t2.collectorCurrentMax);
         }},
        {1, true, t1.collectorBaseMax, [&](std::size_t i) { return w.b1[i] - w.c1[i]; },
         [&](double peak) {
             return u"Напряжение коллектор-база Т1 достигает "_qs + volts(peak) + u", больше допустимого "_qs
                    + volts(t1.collectorBaseMax);
         }},
        {2, true, t2.collectorBaseMax, [&](std::size_t i) { return w.c2[i] - w.b2[i]; },
         [&](double peak) {
             return u"Напряжение коллектор-база Т2 достигает "_qs + volts(peak) + u", больше допустимого "_qs
                    + volts(t2.collectorBaseMax);
         }},
        {1, true, t1.reverseBaseEmitter, [&](std::size_t i) { return w.b1[i] - w.e1[i]; },
         [&](double peak) {
             return u"Обратное напряжение база-эмиттер Т1 достигает "_qs + volts(peak) + u", больше "_qs
                    + volts(t1.reverseBaseEmitter) + u", на которые рассчитан выбор транзистора"_qs;
         }},
        {2, true, t2.reverseBaseEmitter, [&](std::size_t i) { return w.e2[i] - w.b2[i]; },
         [&](double peak) {
             return u"Обратное напряжение база-эмиттер Т2 достигает "_qs + volts(peak) + u", больше "_qs
                    + volts(t2.reverseBaseEmitter) + u", на которые рассчитан выбор транзистора"_qs;
         }},
    };
    const QString base = drivenBase(circuit);
    const int driven = base == u"b1" ? 1 : base == u"b2" ? 2 : 0;
    for (const Rated& q : rated) {
        if (!(q.rating > 0))
            continue;
        double designPeak = 0, triggerPeak = 0;
        // The stretch beyond the rating going now: where it began and its peak so far.
        bool over = false;
        double began = 0, peak = 0;
        const auto close = [&](double ended) {
            const bool triggers = q.transistor == driven && withinTrigger(circuit, began)
                                  && (q.atBase || withinTrigger(circuit, ended));
            (triggers ? triggerPeak : designPeak) = std::max(triggers ? triggerPeak : designPeak, peak);
            over = false;
        };
        for (std::size_t i = 0; i < w.time.size(); ++i) {
            if (w.time[i] < 2 * supplyRamp)
                continue;
            const double v = q.value(i);
            if (v > q.rating) {
                if (!over) {
                    over = true;
                    began = w.time[i];
                    peak = v;
                }
                peak = std::max(peak, v);
            } else if (over) {
                close(w.time[i]);
            }
        }
        if (over)
            close(w.time.back() + 1); // still beyond at the end: not over with the trigger
        if (designPeak > 0)
            m.ratingBreaches << q.breach(designPeak);
        if (triggerPeak > 0)
            m.triggerBreaches << q.breach(triggerPeak);
    }
}

// The two levels a switching node stands at, each where it spends half its time on
// its side of the middle of its range, so that the spikes at the edges do not count;
// and the whole range, spikes included.
struct Levels {
    double low = notMeasured, high = notMeasured, peakToPeak = notMeasured;
};

Levels levelsOf(const std::vector<double>& t, const std::vector<double>& v, double from, double to)
{
    const auto [lo, hi] = span(t, v, from, to);
    const double middle = (lo + hi) / 2;
    return {steadyLevel(t, v, from, to, [&](double x) { return x < middle; }),
            steadyLevel(t, v, from, to, [&](double x) { return x >= middle; }), hi - lo};
}

// Both transistors conducting at the end of the run: both collectors pulled close to
// their emitters.
bool bothConducting(const Waveforms& w, const Supplies& s)
{
    return std::abs(w.c1.back() - w.e1.back()) < 0.2 * s.ek1 && std::abs(w.c2.back() - w.e2.back()) < 0.2 * s.ek2;
}

// The output (T2's collector) at rest, just before the first trigger, and the middle
// between that and the level it switches to: its emitter's when it rests off (high),
// its supply's when it rests conducting (low).
struct Output {
    double rest = 0, middle = 0;
    bool restsHigh = true;
};

Output outputOf(const Waveforms& w, const Circuit& circuit)
{
    const double restAt = 0.98 * circuit.trigger->delay;
    const double emitter = valueAt(w.time, w.e2, restAt), supply = suppliesOf(circuit).ek2;
    Output out;
    out.rest = valueAt(w.time, w.c2, restAt);
    out.restsHigh = out.rest > (emitter + supply) / 2;
    out.middle = (out.rest + (out.restsHigh ? emitter : supply)) / 2;
    return out;
}

// Whether the output moved before the first trigger: over the second half of the wait,
// by a tenth of the supply or more, it is not at rest and no trigger can be told from it.
bool restless(const Waveforms& w, const Circuit& circuit)
{
    const double delay = circuit.trigger->delay;
    const auto [lo, hi] = span(w.time, w.c2, delay / 2, delay);
    return hi - lo > 0.1 * suppliesOf(circuit).ek2;
}

// Whether the trigger pulse starting at `start` fired the circuit: before `until`, the
// output went past the middle of its swing and stayed beyond it for at least a quarter
// of the pulse's width (an edge spike coupled through the junctions does not).
bool fires(const Waveforms& w, const Circuit& circuit, const Output& out, double start, double until)
{
    double beyond = 0;
    for (std::size_t i = 1; i < w.time.size(); ++i) {
        if (w.time[i] <= start || w.time[i - 1] >= until)
            continue;
        const double v = (w.c2[i] + w.c2[i - 1]) / 2;
        if (out.restsHigh ? v < out.middle : v > out.middle)
            beyond += std::min(w.time[i], until) - std::max(w.time[i - 1], start);
    }
    return beyond >= circuit.trigger->width / 4;
}

} // namespace

TriggerResponse triggerResponse(const Waveforms& w, const Circuit& circuit)
{
    if (restless(w, circuit))
        return TriggerResponse::SwitchesByItself;
    return fires(w, circuit, outputOf(w, circuit), circuit.trigger->delay, w.time.back() + 1)
               ? TriggerResponse::Fires
               : TriggerResponse::DoesNotFire;
}

QString drivenBase(const Circuit& circuit)
{
    if (!circuit.trigger)
        return {};
    const auto isBase = [](const QString& node) { return node == u"b1" || node == u"b2"; };
    // Breadth first, through two-terminal parts only; never through the common wire.
    QStringList reached{circuit.trigger->node};
    for (qsizetype next = 0; next < reached.size(); ++next) {
        const QString node = reached[next];
        if (isBase(node))
            return node;
        for (const Component& c : circuit.components) {
            if (c.nodes.size() != 2 || std::find(c.nodes.begin(), c.nodes.end(), node) == c.nodes.end())
                continue;
            const QString other = c.nodes[0] == node ? c.nodes[1] : c.nodes[0];
            if (other != u"0" && !reached.contains(other))
                reached << other;
        }
    }
    return {};
}

Measurement measureAstable(const Waveforms& w, const Circuit& circuit)
{
    Measurement m;
    checkRatings(w, circuit, m);
    const Supplies s = suppliesOf(circuit);
    const double from = w.time.back() / 3, to = w.time.back() + 1;
    const auto [lo2, hi2] = span(w.time, w.c2, from, to);
    const Levels levels2 = levelsOf(w.time, w.c2, from, to);
    const Levels levels1 = levelsOf(w.time, w.c1, from, to);
    std::vector<double> settled = edges(w.time, w.c2, levels2.low + 0.25 * (levels2.high - levels2.low),
                                        levels2.high - 0.25 * (levels2.high - levels2.low), true);
    std::erase_if(settled, [&](double t) { return t < from; });
    if (hi2 - lo2 > 0.1 * s.ek2 && levels2.high - levels2.low > 0.1 * s.ek2 && settled.size() >= 2) {
        m.verdict = Verdict::Oscillates;
        m.period = (settled.back() - settled.front()) / double(settled.size() - 1);
        m.amplitude1 = levels1.high - levels1.low;
        m.amplitude2 = levels2.high - levels2.low;
        m.peakSwing1 = levels1.peakToPeak;
        m.peakSwing2 = levels2.peakToPeak;
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
    // Trigger k starts at delay + k period, as scheduled: counted by index, never by
    // adding periods up to the end of the run, which rounding may pass or miss.
    const auto triggerStart = [&](int k) { return trigger.delay + k * trigger.period; };

    // The resting nodes, just before the first trigger.
    const double restAt = 0.98 * trigger.delay;
    const double rest1 = valueAt(w.time, w.c1, restAt), rest2 = valueAt(w.time, w.c2, restAt);
    // T2's collector leaves its rest towards the level where it spends the most time
    // away from it; spikes are too short to count.
    const double away = 0.1 * s.ek2;
    const double above = steadyLevel(w.time, w.c2, trigger.delay, end + 1, [&](double v) { return v > rest2 + away; });
    const double below = steadyLevel(w.time, w.c2, trigger.delay, end + 1, [&](double v) { return v < rest2 - away; });
    const auto timeBeyond = [&](double level, bool over) {
        double spent = 0;
        for (std::size_t i = 1; i < w.time.size(); ++i)
            if (w.time[i] >= trigger.delay && (over ? w.c2[i] > level : w.c2[i] < level))
                spent += w.time[i] - w.time[i - 1];
        return spent;
    };
    // Both transistors conducting may be a monostable's rest: what matters is that the
    // trigger moved nothing.
    if (std::isnan(above) && std::isnan(below)) {
        m.triggers = trigger.count;
        m.verdict = Verdict::DoesNotFire;
        return m;
    }
    // An output at rest that no trigger takes past the middle of its swing was not
    // fired: a twitch of a weak trigger is no pulse.
    if (!restless(w, circuit)) {
        const Output out = outputOf(w, circuit);
        bool anyFired = false;
        for (int k = 0; k < trigger.count && !anyFired; ++k)
            anyFired = fires(w, circuit, out, triggerStart(k), k + 1 < trigger.count ? triggerStart(k + 1) : end + 1);
        if (!anyFired) {
            m.triggers = trigger.count;
            m.verdict = Verdict::DoesNotFire;
            return m;
        }
    }
    const bool fallsWhenFired =
        std::isnan(above) || (!std::isnan(below) && timeBeyond(rest2 - away, false) > timeBeyond(rest2 + away, true));
    const double far2 = fallsWhenFired ? below : above;
    // An edge passes both a quarter and three quarters of the way between the levels.
    const double nearRest = rest2 + 0.25 * (far2 - rest2), nearFar = rest2 + 0.75 * (far2 - rest2);
    const double low = std::min(nearRest, nearFar), high = std::max(nearRest, nearFar);
    std::vector<double> leaves = edges(w.time, w.c2, low, high, !fallsWhenFired);
    // While the supplies come up, an output that rests low passes the middle on its way
    // to the supply before its transistor conducts: that is the start, not a pulse.
    std::erase_if(leaves, [](double t) { return t < 2 * supplyRamp; });
    const std::vector<double> returns = edges(w.time, w.c2, low, high, fallsWhenFired);

    bool oncePerTrigger = true;
    for (int k = 0; k < trigger.count; ++k) {
        ++m.triggers;
        const double start = triggerStart(k), next = k + 1 < trigger.count ? triggerStart(k + 1) : end + 1;
        const auto n = std::count_if(leaves.begin(), leaves.end(), [&](double t) { return t >= start && t < next; });
        m.pulses += int(n);
        oncePerTrigger = oncePerTrigger && n == 1;
    }
    const auto early = std::count_if(leaves.begin(), leaves.end(), [&](double t) { return t < trigger.delay; });
    m.pulses += int(early);

    const double firstNext = trigger.count > 1 ? triggerStart(1) : end;
    const auto left = std::find_if(leaves.begin(), leaves.end(), [&](double t) { return t >= trigger.delay; });
    const auto back = left == leaves.end() ? returns.end()
                                           : std::find_if(returns.begin(), returns.end(), [&](double t) { return t > *left; });
    if (left == leaves.end() || back == returns.end()) {
        m.verdict = bothConducting(w, s) ? Verdict::Latches : Verdict::FiresIrregularly;
        return m;
    }
    m.verdict = oncePerTrigger && early == 0 ? Verdict::FiresOncePerTrigger : Verdict::FiresIrregularly;
    m.pulseLength = *back - *left;
    // A pulse over by the time the trigger is (its edges and a fifth of its width
    // allowed) is the trigger passed through, not a pulse the circuit holds by itself.
    if (m.verdict == Verdict::FiresOncePerTrigger && *back <= triggerOver(trigger, trigger.delay))
        m.verdict = Verdict::FollowsTrigger;
    // The amplitudes between the levels held at rest and during the pulse.
    const auto any = [](double) { return true; };
    m.amplitude1 = std::abs(steadyLevel(w.time, w.c1, *left, *back, any) - rest1);
    m.amplitude2 = std::abs(steadyLevel(w.time, w.c2, *left, *back, any) - rest2);
    const auto [lo1, hi1] = span(w.time, w.c1, trigger.delay, firstNext);
    const auto [lo2, hi2] = span(w.time, w.c2, trigger.delay, firstNext);
    m.peakSwing1 = std::max(hi1 - rest1, rest1 - lo1);
    m.peakSwing2 = std::max(hi2 - rest2, rest2 - lo2);

    // Recovered: the collectors and the bases (where the timing capacitor shows) back
    // within 5 % of their swing from rest, from then until the next trigger.
    struct Node {
        const std::vector<double>& v;
        double rest, swing = 0;
    };
    Node nodes[] = {{w.c1, rest1}, {w.c2, rest2}, {w.b1, valueAt(w.time, w.b1, restAt)},
                    {w.b2, valueAt(w.time, w.b2, restAt)}};
    for (Node& node : nodes) {
        const auto [lo, hi] = span(w.time, node.v, *left, firstNext);
        node.swing = std::max(hi - node.rest, node.rest - lo);
    }
    double lastAway = *back;
    for (std::size_t i = 0; i < w.time.size(); ++i) {
        const double t = w.time[i];
        if (t <= *back || t >= firstNext)
            continue;
        // A node that hardly moves is held to a millivolt, not to 5 % of nothing.
        if (std::any_of(std::begin(nodes), std::end(nodes), [&](const Node& node) {
                return std::abs(node.v[i] - node.rest) > std::max(0.05 * node.swing, 1e-3);
            }))
            lastAway = t;
    }
    m.recovery = lastAway - *back;
    return m;
}

QString reading(double value, int digits)
{
    if (!std::isfinite(value))
        return u"—"_qs;
    return FloatToStr(QString::number(value, 'g', digits).toDouble() + 0.0); // no "-0"
}

QString fixedReading(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', decimalSeparator());
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
    case Verdict::FollowsTrigger:
        return u"Не удерживается: выходной импульс лишь повторяет запускающий, сама схема в возбуждённом состоянии не держится"_qs;
    case Verdict::DoesNotFire:
        return u"Не срабатывает: запускающий импульс не переключает схему"_qs;
    }
    return {};
}

} // namespace takton::simulation
