#include "spread_results.h"

#include "analysis.h"

#include <algorithm>
#include <cmath>

namespace takton::simulation {

double figureOf(const Design& design, const Measurement& m)
{
    return design.kind == Kind::Astable ? m.period : m.pulseLength;
}

QString figureName(const Design& design)
{
    return design.kind == Kind::Astable ? u"Период tau"_qs : u"Длительность импульса"_qs;
}

namespace {

double targetOf(const Design& design)
{
    return design.kind == Kind::Astable ? design.targets.period : design.targets.pulseLength;
}

Histogram histogramOf(const std::vector<double>& figures, double target)
{
    Histogram h{.counts = std::vector<int>(histogramBins, 0), .target = target};
    if (figures.empty())
        return h;
    const auto [least, most] = std::minmax_element(figures.begin(), figures.end());
    h.low = *least;
    h.high = *most;
    if (target > 0) {
        h.low = std::min(h.low, target);
        h.high = std::max(h.high, target);
    }
    if (h.high <= h.low) { // one value: a bin around it
        h.low *= 0.99;
        h.high = h.high * 1.01;
    }
    const double width = (h.high - h.low) / histogramBins;
    for (const double f : figures)
        ++h.counts[std::size_t(std::clamp(int((f - h.low) / width), 0, histogramBins - 1))];
    return h;
}

// Pearson's coefficient; 0 when either does not vary.
double correlation(const std::vector<double>& x, const std::vector<double>& y)
{
    const double n = double(x.size());
    double mx = 0, my = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        mx += x[k] / n;
        my += y[k] / n;
    }
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        sxy += (x[k] - mx) * (y[k] - my);
        sxx += (x[k] - mx) * (x[k] - mx);
        syy += (y[k] - my) * (y[k] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

QString percentText(double fraction)
{
    return fixedReading(fraction * 100, 1) + u" %"_qs;
}

} // namespace

SpreadSummary summarize(const Design& design, const std::vector<Sample>& samples,
                        const std::vector<SampleOutcome>& outcomes)
{
    SpreadSummary s;
    s.total = int(outcomes.size());
    const double target = targetOf(design);
    std::vector<double> figures;
    std::vector<std::size_t> working;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        const SampleOutcome& o = outcomes[k];
        switch (o.outcome) {
        case Outcome::NotRun: ++s.notRun; break;
        case Outcome::Works: ++s.works; break;
        case Outcome::DoesNotWork: ++s.doesNotWork; break;
        case Outcome::NotConverged: ++s.notConverged; break;
        case Outcome::Failed: ++s.failed; break;
        }
        if (o.outcome != Outcome::Works && o.outcome != Outcome::NotRun)
            s.failures << QStringLiteral("Выборка %1: %2; %3")
                              .arg(samples[k].index)
                              .arg(outcomeText(o), sampleValues(design, samples[k]).join(u", "_qs));
        const double f = figureOf(design, o.measurement);
        if (o.outcome != Outcome::Works || !std::isfinite(f))
            continue;
        figures.push_back(f);
        working.push_back(k);
        if (target > 0 && std::abs(f - target) <= targetTolerance * target)
            ++s.withinTarget;
    }
    s.histogram = histogramOf(figures, target);
    if (!figures.empty()) {
        s.shortest = working[std::size_t(std::min_element(figures.begin(), figures.end()) - figures.begin())];
        s.longest = working[std::size_t(std::max_element(figures.begin(), figures.end()) - figures.begin())];
        s.least = *std::min_element(figures.begin(), figures.end());
        s.most = *std::max_element(figures.begin(), figures.end());
    }
    const std::vector<Parameter> parameters = parametersOf(design);
    for (std::size_t p = 0; p < parameters.size() && figures.size() > 2; ++p) {
        std::vector<double> values;
        for (const std::size_t k : working)
            values.push_back(samples[k].values[p]);
        if (std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); }))
            continue;
        s.sensitivity.push_back({parameters[p].name, correlation(values, figures)});
    }
    std::stable_sort(s.sensitivity.begin(), s.sensitivity.end(), [](const Sensitivity& a, const Sensitivity& b) {
        return std::abs(a.correlation) > std::abs(b.correlation);
    });
    return s;
}

QStringList summaryLines(const Design& design, const SpreadSummary& s)
{
    const int run = s.total - s.notRun;
    QStringList lines;
    lines << QStringLiteral("Работают как задумано: %1 из %2 (%3)")
                 .arg(s.works)
                 .arg(run)
                 .arg(percentText(run > 0 ? double(s.works) / run : 0));
    if (s.doesNotWork)
        lines << QStringLiteral("Не работают как задумано: %1").arg(s.doesNotWork);
    if (s.notConverged)
        lines << QStringLiteral("Результат не сошёлся: %1").arg(s.notConverged);
    if (s.failed)
        lines << QStringLiteral("Моделирование не удалось (остановилось, не сошлось, не уложилось во время): %1")
                     .arg(s.failed);
    if (s.notRun)
        lines << QStringLiteral("Не моделировались (отменено): %1 из %2").arg(s.notRun).arg(s.total);
    const double target = targetOf(design);
    if (s.shortest && s.longest) {
        lines << QStringLiteral("%1 работающих: от %2 до %3 мкс, расчёт %4 мкс; в пределах ±%5 % от расчёта: %6 из %7")
                     .arg(figureName(design), reading(s.least * 1e6), reading(s.most * 1e6),
                          target > 0 ? reading(target * 1e6) : u"—"_qs)
                     .arg(qRound(targetTolerance * 100))
                     .arg(s.withinTarget)
                     .arg(s.works);
    }
    if (!s.sensitivity.empty()) {
        QStringList strongest;
        for (std::size_t k = 0; k < std::min<std::size_t>(4, s.sensitivity.size()); ++k)
            strongest << s.sensitivity[k].parameter + u" "_qs
                             + fixedReading(s.sensitivity[k].correlation, 2);
        lines << u"Сильнее всего влияет (коэффициент корреляции): "_qs + strongest.join(u", "_qs);
    }
    return lines;
}

} // namespace takton::simulation
