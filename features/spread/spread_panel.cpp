#include "spread_panel.h"

#include "axis_ticks.h"
#include "error_reporting.h"
#include "errors.h"
#include "file_questions.h"
#include "user_files.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace takton::simulation {
namespace {

// About as many ticks as the histogram holds with its labels apart.
constexpr int mostHistogramTicks = 8, mostCountTicks = 5;

QDoubleSpinBox* percentBox(double value)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(0, 50);
    box->setDecimals(1);
    box->setSuffix(u" %"_qs);
    box->setPrefix(u"± "_qs);
    box->setValue(value);
    return box;
}

QPushButton* pushButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setEnabled(false);
    return button;
}

QString temperaturesText(const Design& design)
{
    if (design.maxTemperature)
        return QStringLiteral("%1 и %2 °C (холодный край и максимальная рабочая температура)")
            .arg(reading(coldEnd), reading(*design.maxTemperature));
    return QStringLiteral("комнатная, %1 °C (максимальная рабочая температура не задана)").arg(reading(roomTemperature));
}

QString duration(std::chrono::seconds left)
{
    const auto s = left.count();
    return s >= 60 ? QStringLiteral("%1 мин %2 с").arg(s / 60).arg(s % 60) : QStringLiteral("%1 с").arg(s);
}

} // namespace

SpreadPanel::SpreadPanel(std::function<Design()> designNow, std::function<void(const Design&)> openAsCheck,
                         QWidget* parent)
    : QWidget(parent), designNow(std::move(designNow)), openAsCheck(std::move(openAsCheck))
{
    setObjectName(u"Spread"_qs);
    resistors = new QComboBox;
    resistors->setObjectName(u"SpreadResistors"_qs);
    resistors->addItems({u"± 5 % (ряд E24)"_qs, u"± 1 % (ряд E96)"_qs});
    capacitors = percentBox(10);
    capacitors->setObjectName(u"SpreadCapacitors"_qs);
    beta = new QDoubleSpinBox;
    beta->setObjectName(u"SpreadBeta"_qs);
    beta->setRange(1, 10);
    beta->setSingleStep(0.5);
    beta->setDecimals(1);
    beta->setPrefix(u"до × "_qs);
    beta->setValue(3);
    supplies = percentBox(10);
    supplies->setObjectName(u"SpreadSupplies"_qs);
    temperatures = new QLabel(u"—"_qs);
    temperatures->setObjectName(u"SpreadTemperatures"_qs);
    runs = new QSpinBox;
    runs->setObjectName(u"SpreadRuns"_qs);
    runs->setRange(1, 10000);
    runs->setValue(200);
    seed = new QSpinBox;
    seed->setObjectName(u"SpreadSeed"_qs);
    seed->setRange(0, INT_MAX);
    seed->setValue(1);

    auto* settingsForm = new QFormLayout;
    settingsForm->addRow(u"Допуск резисторов:"_qs, resistors);
    settingsForm->addRow(u"Допуск конденсаторов:"_qs, capacitors);
    settingsForm->addRow(u"β транзисторов от введённого минимума:"_qs, beta);
    settingsForm->addRow(u"Допуск источников питания:"_qs, supplies);
    settingsForm->addRow(u"Температура:"_qs, temperatures);
    settingsForm->addRow(u"Число прогонов:"_qs, runs);
    settingsForm->addRow(u"Начальное число выборки:"_qs, seed);

    go = new QPushButton(u"Моделировать разброс"_qs);
    go->setObjectName(u"SpreadStart"_qs);
    stop = pushButton(u"Отмена"_qs, u"SpreadCancel"_qs);
    bar = new QProgressBar;
    bar->setObjectName(u"SpreadProgress"_qs);
    bar->setRange(0, 100);
    timeLeft = new QLabel;
    timeLeft->setObjectName(u"SpreadTimeLeft"_qs);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(go);
    buttons->addWidget(stop);
    buttons->addWidget(bar, 1);
    buttons->addWidget(timeLeft);

    summaryText = new QLabel;
    summaryText->setObjectName(u"SpreadSummary"_qs);
    summaryText->setWordWrap(true);
    summaryText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    histogramArea = new QWidget;
    histogramArea->setMinimumSize(560, 200);
    (new QVBoxLayout(histogramArea))->setContentsMargins(0, 0, 0, 0);

    shortestText = new QLabel;
    shortestText->setObjectName(u"SpreadShortest"_qs);
    longestText = new QLabel;
    longestText->setObjectName(u"SpreadLongest"_qs);
    for (QLabel* label : {shortestText, longestText}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    openShortest = pushButton(u"Открыть"_qs, u"SpreadOpenShortest"_qs);
    saveShortest = pushButton(u"Сохранить .cir…"_qs, u"SpreadSaveShortest"_qs);
    openLongest = pushButton(u"Открыть"_qs, u"SpreadOpenLongest"_qs);
    saveLongest = pushButton(u"Сохранить .cir…"_qs, u"SpreadSaveLongest"_qs);
    auto* ends = new QGridLayout;
    ends->addWidget(shortestText, 0, 0);
    ends->addWidget(openShortest, 0, 1);
    ends->addWidget(saveShortest, 0, 2);
    ends->addWidget(longestText, 1, 0);
    ends->addWidget(openLongest, 1, 1);
    ends->addWidget(saveLongest, 1, 2);
    ends->setColumnStretch(0, 1);

    failures = new QPlainTextEdit;
    failures->setObjectName(u"SpreadFailures"_qs);
    failures->setReadOnly(true);
    failures->setMaximumHeight(110);
    failures->setPlaceholderText(u"Выборки, которые не работают как задумано, с их значениями"_qs);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settingsForm);
    layout->addLayout(buttons);
    layout->addWidget(summaryText);
    layout->addWidget(histogramArea, 1);
    layout->addLayout(ends);
    layout->addWidget(failures);

    connect(go, &QPushButton::clicked, this, [this] { runReported([this] { start(); }, this); });
    connect(stop, &QPushButton::clicked, this, &SpreadPanel::cancel);
    connect(openShortest, &QPushButton::clicked, this,
            [this] { runReported([this] { this->openAsCheck(worstCase(true)); }, this); });
    connect(openLongest, &QPushButton::clicked, this,
            [this] { runReported([this] { this->openAsCheck(worstCase(false)); }, this); });
    connect(saveShortest, &QPushButton::clicked, this, [this] { runReported([this] { saveWorstCase(true); }, this); });
    connect(saveLongest, &QPushButton::clicked, this, [this] { runReported([this] { saveWorstCase(false); }, this); });
}

SpreadPanel::~SpreadPanel() = default; // the checks going are killed with the run

SpreadSettings SpreadPanel::settings() const
{
    return {.resistors = resistors->currentIndex() == 1 ? ResistorClass::E96 : ResistorClass::E24,
            .capacitorTolerance = capacitors->value() / 100,
            .betaMultiple = beta->value(),
            .supplyTolerance = supplies->value() / 100,
            .runs = runs->value(),
            .seed = std::uint64_t(seed->value())};
}

void SpreadPanel::start()
{
    if (running())
        return;
    const Design design = designNow(); // a field that is not a number stops here
    temperatures->setText(temperaturesText(design));
    run.reset();
    result = {};
    summaryText->clear();
    failures->clear();
    showHistogram();
    showWorstCases();
    bar->setValue(0);
    timeLeft->clear();
    run = std::make_unique<SpreadRun>(design, settings()); // a value the simulator cannot take stops here
    connect(run.get(), &SpreadRun::progressed, this, &SpreadPanel::showProgress);
    connect(run.get(), &SpreadRun::ended, this, &SpreadPanel::finish, Qt::QueuedConnection);
    go->setEnabled(false);
    stop->setEnabled(true);
    summaryText->setText(QStringLiteral("Моделирование разброса: %1 прогонов, по %2 одновременно…")
                             .arg(run->total())
                             .arg(SpreadRun::defaultParallel()));
}

void SpreadPanel::cancel()
{
    if (run)
        run->cancel();
}

void SpreadPanel::showProgress()
{
    if (!run || run->isOver())
        return;
    bar->setValue(run->progress());
    const auto left = run->timeLeft();
    timeLeft->setText(QStringLiteral("%1 из %2, осталось %3")
                          .arg(run->finished())
                          .arg(run->total())
                          .arg(left ? u"около "_qs + duration(*left) : u"—"_qs));
}

void SpreadPanel::finish()
{
    if (!run || !run->isOver())
        return;
    go->setEnabled(true);
    stop->setEnabled(false);
    bar->setValue(run->wasCancelled() ? run->progress() : 100);
    timeLeft->setText(QStringLiteral("%1 из %2 за %3")
                          .arg(run->finished())
                          .arg(run->total())
                          .arg(duration(std::chrono::duration_cast<std::chrono::seconds>(run->elapsed()))));
    result = summarize(run->design(), run->samples(), run->outcomes());
    QStringList lines = summaryLines(run->design(), result);
    if (run->wasCancelled())
        lines.prepend(u"Моделирование разброса отменено"_qs);
    summaryText->setText(lines.join(u'\n'));
    const bool allWork = result.works == result.total;
    summaryText->setStyleSheet(allWork ? QString() : u"color: #b03000"_qs);
    failures->setPlainText(result.failures.join(u'\n'));
    showHistogram();
    showWorstCases();
}

void SpreadPanel::showHistogram()
{
    if (!histogram) {
        if (!run)
            return;
        histogram = new QChartView;
        histogram->setObjectName(u"SpreadHistogram"_qs);
        histogram->setRenderHint(QPainter::Antialiasing);
        histogramArea->layout()->addWidget(histogram);
    }
    auto* plot = new QChart;
    const Histogram& h = result.histogram;
    int tallest = 0;
    for (const int c : h.counts)
        tallest = std::max(tallest, c);
    if (tallest > 0) {
        const double width = (h.high - h.low) / double(h.counts.size());
        auto* outline = new QLineSeries;
        for (std::size_t k = 0; k < h.counts.size(); ++k) {
            const double from = (h.low + double(k) * width) * 1e6, to = from + width * 1e6;
            outline->append(from, 0);
            outline->append(from, h.counts[k]);
            outline->append(to, h.counts[k]);
            outline->append(to, 0);
        }
        auto* bars = new QAreaSeries(outline);
        bars->setName(u"прогонов"_qs);
        // Round ticks in the program's number format, as on the waveforms' plot; the
        // counts in whole runs.
        const double low = h.low * 1e6, high = h.high * 1e6;
        auto* x = roundAxis(low, high, roundStep(high - low, mostHistogramTicks),
                            figureName(run->design()) + u", мкс"_qs);
        const double countStep = std::max(1.0, roundStep(tallest, mostCountTicks));
        auto* y = roundAxis(0, std::ceil(tallest / countStep) * countStep, countStep, QString());
        plot->addAxis(x, Qt::AlignBottom);
        plot->addAxis(y, Qt::AlignLeft);
        plot->addSeries(bars);
        bars->attachAxis(x);
        bars->attachAxis(y);
        if (h.target > 0) {
            auto* target = new QLineSeries;
            target->setName(u"расчёт"_qs);
            target->append(h.target * 1e6, 0);
            target->append(h.target * 1e6, tallest);
            QPen pen(QColor(0xb0, 0x30, 0x00));
            pen.setWidth(2);
            target->setPen(pen);
            plot->addSeries(target);
            target->attachAxis(x);
            target->attachAxis(y);
        }
    }
    QChart* old = histogram->chart();
    histogram->setChart(plot);
    delete old;
}

void SpreadPanel::showWorstCases()
{
    const bool have = run && result.shortest && result.longest;
    for (QPushButton* b : {openShortest, saveShortest, openLongest, saveLongest})
        b->setEnabled(have);
    if (!have) {
        shortestText->clear();
        longestText->clear();
        return;
    }
    const Design& d = run->design();
    const auto describe = [&](const QString& end, std::size_t k, double figure) {
        return QStringLiteral("%1: выборка %2, %3 мкс — %4")
            .arg(end)
            .arg(run->samples()[k].index)
            .arg(reading(figure * 1e6), sampleValues(d, run->samples()[k]).join(u", "_qs));
    };
    shortestText->setText(describe(u"Самый короткий"_qs, *result.shortest, result.least));
    longestText->setText(describe(u"Самый длинный"_qs, *result.longest, result.most));
}

Design SpreadPanel::worstCase(bool shortest) const
{
    const std::optional<std::size_t>& k = shortest ? result.shortest : result.longest;
    if (!run || !k)
        throw Exception(u"Разброс параметров ещё не моделировался"_qs);
    return sampledDesign(run->design(), run->samples()[*k]);
}

void SpreadPanel::saveWorstCase(bool shortest)
{
    const Design design = worstCase(shortest);
    const QString path = askForFile(this, {true, u"Сохранить список соединений"_qs, u"SPICE (*.cir)"_qs, u"cir"_qs,
                                           QStringLiteral("spread-%1.cir")
                                               .arg(run->samples()[*(shortest ? result.shortest : result.longest)].index)});
    if (!path.isEmpty())
        saveWholeFile(path, checkedNetlist(design, 1).toUtf8());
}

} // namespace takton::simulation
