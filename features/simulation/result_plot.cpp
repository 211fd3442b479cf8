#include "result_plot.h"

#include "axis_ticks.h"

#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace takton::simulation {
namespace {

// About as many ticks as the plot holds with its labels apart.
constexpr int mostTimeSteps = 10, mostVoltageSteps = 8;
// Far more than the plot's width in pixels, far fewer than a long run's samples.
constexpr std::size_t mostPoints = 4000;

double positiveOr(double measured, double otherwise)
{
    return std::isfinite(measured) && measured > 0 ? measured : otherwise;
}

// The samples that cover [from, to]: one either side, so the traces reach both edges.
std::pair<std::size_t, std::size_t> samplesOf(const std::vector<double>& t, TimeSpan span)
{
    const auto begin = std::upper_bound(t.begin(), t.end(), span.from);
    const auto end = std::lower_bound(t.begin(), t.end(), span.to);
    const std::size_t first = begin == t.begin() ? 0 : std::size_t(begin - t.begin()) - 1;
    const std::size_t last = end == t.end() ? t.size() - 1 : std::size_t(end - t.begin());
    return {first, last};
}

// Samples first...last of `v`, at most `mostPoints`: a longer stretch keeps the lowest
// and the highest sample of each part of it, in time order, so that a spike a few
// nanoseconds wide is still drawn where taking every n-th sample would skip it.
QList<QPointF> pointsOf(const std::vector<double>& t, const std::vector<double>& v, std::size_t first,
                        std::size_t last, double perSecond)
{
    QList<QPointF> points;
    const std::size_t count = last - first + 1;
    const auto at = [&](std::size_t i) { return QPointF(t[i] * perSecond, v[i]); };
    if (count <= mostPoints) {
        for (std::size_t i = first; i <= last; ++i)
            points << at(i);
        return points;
    }
    const std::size_t parts = mostPoints / 2;
    for (std::size_t part = 0; part < parts; ++part) {
        const auto begin = v.begin() + std::ptrdiff_t(first + count * part / parts);
        const auto end = v.begin() + std::ptrdiff_t(first + count * (part + 1) / parts);
        const auto [low, high] = std::minmax_element(begin, end);
        const std::size_t lowest = std::size_t(low - v.begin()), highest = std::size_t(high - v.begin());
        const std::size_t earlier = std::min(lowest, highest), later = std::max(lowest, highest);
        points << at(earlier);
        if (later != earlier)
            points << at(later);
    }
    return points;
}

struct Trace {
    QString name;
    const std::vector<double>* values;
};

// The longer of the measured and the designed pulse, and never shorter than the trigger.
double pulseOf(const Design& design, const Measurement& m)
{
    return std::max({design.circuit.trigger->width, positiveOr(m.pulseLength, 0), design.targets.pulseLength});
}

TimeSpan within(const Circuit& c, double from, double to)
{
    return {std::max(0.0, from), std::min(c.stopTime, to)};
}

} // namespace

TimeSpan pulseSpan(const Design& design, const Measurement& m)
{
    const double start = design.circuit.trigger->delay, pulse = pulseOf(design, m);
    return within(design.circuit, start - pulse / 4, start + 2 * pulse);
}

TimeSpan recoverySpan(const Design& design, const Measurement& m)
{
    const double start = design.circuit.trigger->delay, pulse = pulseOf(design, m);
    const double length = pulse + positiveOr(m.recovery, positiveOr(design.targets.recovery, 10 * pulse));
    return within(design.circuit, start - length / 10, start + length * 1.1);
}

ResultPlot::ResultPlot(QWidget* parent) : QWidget(parent)
{
    chartView = new QChartView;
    chartView->setRenderHint(QPainter::Antialiasing);
    choices = new QWidget;
    choice = new QButtonGroup(this);
    auto* row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(u"Показать:"_qs));
    const std::pair<const char*, QString> names[] = {{"ShowPulse", u"Запуск и импульс"_qs},
                                                     {"ShowRecovery", u"Восстановление"_qs},
                                                     {"WholeRun", u"Весь прогон"_qs}};
    for (const auto& [name, caption] : names) {
        auto* button = new QRadioButton(caption);
        button->setObjectName(QLatin1String(name));
        choice->addButton(button, int(choice->buttons().size()));
        row->addWidget(button);
    }
    row->addStretch(1);
    choices->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choices);
    layout->addWidget(chartView, 1);
    connect(choice, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            draw();
    });
}

void ResultPlot::showRun(const Design& design, const CheckResult& result)
{
    waveforms = result.waveforms;
    spans.clear();
    if (design.circuit.trigger && !waveforms.time.empty())
        spans = {pulseSpan(design, result.measurement), recoverySpan(design, result.measurement),
                 {0, waveforms.time.back()}};
    choices->setVisible(!spans.empty());
    if (!choice->checkedButton()) { // the first run opens on its pulse; a rerun keeps the user's choice
        const QSignalBlocker quiet(choice);
        choice->button(0)->setChecked(true);
    }
    draw();
}

void ResultPlot::clear()
{
    waveforms = {};
    spans.clear();
    choices->hide();
    draw();
}

void ResultPlot::draw()
{
    auto* chart = new QChart;
    const Waveforms& w = waveforms;
    if (w.time.size() >= 2) {
        shown = spans.empty() ? TimeSpan{0, w.time.back()} : spans[std::size_t(choice->checkedId())];
        const TimeUnit unit = timeUnitFor(shown.to - shown.from);
        const auto [first, last] = samplesOf(w.time, shown);
        std::vector<Trace> traces{{u"Uк1"_qs, &w.c1}, {u"Uб1"_qs, &w.b1}, {u"Uк2"_qs, &w.c2}, {u"Uб2"_qs, &w.b2}};
        if (!w.trigger.empty())
            traces.push_back({u"Uзап"_qs, &w.trigger});
        double low = 0, high = 0;
        std::vector<QLineSeries*> series;
        for (const Trace& trace : traces) {
            const auto [least, most] = std::minmax_element(trace.values->begin() + std::ptrdiff_t(first),
                                                           trace.values->begin() + std::ptrdiff_t(last) + 1);
            low = std::min(low, *least);
            high = std::max(high, *most);
            auto* line = new QLineSeries;
            line->setName(trace.name);
            line->replace(pointsOf(w.time, *trace.values, first, last, unit.perSecond));
            chart->addSeries(line);
            series.push_back(line);
        }
        if (!w.trigger.empty()) // the generator's pulse, not a node of the circuit's own
            series.back()->setPen(QPen(Qt::darkGray, 1.5, Qt::DashLine));
        const double timeStep = roundStep((shown.to - shown.from) * unit.perSecond, mostTimeSteps);
        auto* time = roundAxis(shown.from * unit.perSecond, shown.to * unit.perSecond, timeStep,
                               u"t, "_qs + unit.name);
        if (high - low < 1e-3) // a flat run still gets an axis of its own
            high = low + 1;
        const double voltageStep = roundStep(high - low, mostVoltageSteps);
        auto* volts = roundAxis(std::floor(low / voltageStep) * voltageStep,
                                std::ceil(high / voltageStep) * voltageStep, voltageStep, u"U, В"_qs);
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(volts, Qt::AlignLeft);
        for (QLineSeries* line : series) {
            line->attachAxis(time);
            line->attachAxis(volts);
        }
    } else {
        shown = {};
    }
    QChart* old = chartView->chart();
    chartView->setChart(chart);
    delete old;
}

} // namespace takton::simulation
