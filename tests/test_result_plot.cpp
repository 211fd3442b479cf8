// The result window's plot as a user reads it: round ticks (1, 2, 5 × 10^n) labelled
// with the user's separator and no needless zeros, time in the unit its span suits, a
// monostable opened on its first triggered pulse with the whole run one click away and
// the trigger drawn, and the trigger's controls only where there is a trigger.

#include "axis_ticks.h"
#include "decimal_separator.h"
#include "gui_support.h"
#include "number_box.h"
#include "result_plot.h"
#include "simulation_window.h"
#include "table_window.h"
#include "simulation/worked_examples.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDoubleSpinBox>
#include <QLineSeries>
#include <QRadioButton>
#include <QRegularExpression>
#include <cmath>

using namespace takton::testing;
using namespace takton::simulation;

namespace {

QCategoryAxis* axisOf(const QWidget* plot, Qt::Orientation orientation)
{
    const QList<QAbstractAxis*> axes = plot->findChild<QChartView*>()->chart()->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.front());
}

// The values the axis labels stand for, read back as a user would read them.
std::vector<double> valuesOf(const QStringList& labels)
{
    std::vector<double> values;
    for (QString label : labels)
        values.push_back(label.replace(takton::decimalSeparator(), u'.').toDouble());
    return values;
}

bool isRoundStep(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / decade;
    return std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6;
}

// A run of `stop` seconds on every probe the plot draws: T2's collector low from 40 to
// 60 % of it, T1's the other way round.
CheckResult drawnRun(double stop, bool withTrigger)
{
    CheckResult r;
    Waveforms& w = r.waveforms;
    for (int i = 0; i <= 1000; ++i) {
        const double t = stop * i / 1000;
        const bool low = i >= 400 && i < 600;
        w.time.push_back(t);
        w.c2.push_back(low ? 0.2 : 9.6);
        w.c1.push_back(low ? -9.6 : -0.2);
        w.b1.push_back(-0.7);
        w.b2.push_back(low ? -11.9 : 0.7);
        if (withTrigger)
            w.trigger.push_back(t >= stop / 4 && t < stop / 4 + 0.2e-6 ? 5.0 : 0.0);
    }
    return r;
}

const WorkedExample& exampleOf(const QString& form)
{
    for (const WorkedExample& example : workedExamples)
        if (qName(example.form) == form)
            return example;
    qFatal("%s has no worked example", qPrintable(form));
}

// The registered window with its worked example typed in and its check clicked.
SimulationWindow* checkedExample(const QString& form)
{
    const takton::RegisteredWindow& row = registered(form);
    if (!row.window())
        row.create();
    typeAll(row.window(), exampleOf(form).typed);
    button(row.window(), "ButtonSimulate")->click();
    return simulationWindowOf(row.window());
}

} // namespace

class ResultPlotTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM)); }
    void init() { takton::setDecimalSeparator(','); }

    void ticksAreRoundAndReadAsTheProgramWrites_data();
    void ticksAreRoundAndReadAsTheProgramWrites();
    void timeIsInTheUnitItsSpanSuits_data();
    void timeIsInTheUnitItsSpanSuits();
    void monostableOpensOnItsFirstPulse();
    void boxesReadAsTheProgramWrites_data();
    void boxesReadAsTheProgramWrites();
    void everyWindowsResultReadsRight_data();
    void everyWindowsResultReadsRight();
};

void ResultPlotTest::ticksAreRoundAndReadAsTheProgramWrites_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("most");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("0 to 4 ms in steps of 0,5")
        << 0.0 << 4.0 << 10 << QChar(u',') << QStringList{"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5", "4"};
    QTest::newRow("0 to 1,2 µs in steps of 0,2")
        << 0.0 << 1.2 << 10 << QChar(u',') << QStringList{"0", "0,2", "0,4", "0,6", "0,8", "1", "1,2"};
    QTest::newRow("odd span 1005,2 to 1125: whole tens, no ,0")
        << 1005.2 << 1125.0 << 10 << QChar(u',') << QStringList{"1020", "1040", "1060", "1080", "1100", "1120"};
    QTest::newRow("multiples of 0,1 lose their rounding (0,3 not 0,30000000000000004)")
        << 0.0 << 0.7 << 7 << QChar(u',') << QStringList{"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7"};
    QTest::newRow("volts across zero, no -0")
        << -11.9 << 10.7 << 8 << QChar(u',') << QStringList{"-10", "-5", "0", "5", "10"};
    QTest::newRow("a user with a full stop reads 0.5")
        << 0.0 << 3.0 << 8 << QChar(u'.') << QStringList{"0", "0.5", "1", "1.5", "2", "2.5", "3"};
    QTest::newRow("thousands of µs, no exponent")
        << 0.0 << 24000.0 << 10 << QChar(u',') << QStringList{"0", "5000", "10000", "15000", "20000"};
}

void ResultPlotTest::ticksAreRoundAndReadAsTheProgramWrites()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, most);
    QFETCH(QChar, separator);
    QFETCH(QStringList, labels);
    takton::setDecimalSeparator(separator);
    const double step = roundStep(high - low, most);
    QVERIFY2(isRoundStep(step), qPrintable(QString::number(step)));
    QStringList written;
    for (const double tick : ticksWithin(low, high, step))
        written << tickLabel(tick);
    QCOMPARE(written, labels);
}

// The plot's own axes, on runs drawn by hand: a run of milliseconds is read in мс, one of
// microseconds in мкс, and both axes are labelled with round steps and their units.
void ResultPlotTest::timeIsInTheUnitItsSpanSuits_data()
{
    QTest::addColumn<double>("stop");
    QTest::addColumn<QString>("timeTitle");
    QTest::addColumn<QStringList>("timeLabels");
    QTest::addColumn<QStringList>("voltageLabels");
    const QStringList volts{"-15", "-10", "-5", "0", "5", "10"}; // -11,9 to 9,6 В
    QTest::newRow("a 4 ms run in мс") << 4e-3 << u"t, мс"_qs
                                     << QStringList{"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5", "4"} << volts;
    QTest::newRow("a 120 µs run in мкс") << 120e-6 << u"t, мкс"_qs
                                        << QStringList{"0", "20", "40", "60", "80", "100", "120"} << volts;
}

void ResultPlotTest::timeIsInTheUnitItsSpanSuits()
{
    QFETCH(double, stop);
    QFETCH(QString, timeTitle);
    QFETCH(QStringList, timeLabels);
    QFETCH(QStringList, voltageLabels);
    ResultPlot plot;
    plot.showRun(Design{}, drawnRun(stop, false));
    QCOMPARE(axisOf(&plot, Qt::Horizontal)->titleText(), timeTitle);
    QCOMPARE(axisOf(&plot, Qt::Horizontal)->categoriesLabels(), timeLabels);
    QCOMPARE(axisOf(&plot, Qt::Vertical)->titleText(), u"U, В"_qs);
    QCOMPARE(axisOf(&plot, Qt::Vertical)->categoriesLabels(), voltageLabels);
    QVERIFY(!plot.findChild<QRadioButton*>(u"WholeRun"_qs)->isVisibleTo(&plot)); // an astable is always shown whole
}

// A 1 µs pulse a millisecond into a 4 ms run: the plot opens on the trigger and the
// pulse, read in мкс; its 4 µs recovery and the whole run are a click away, and a rerun
// shows what the user chose.
void ResultPlotTest::monostableOpensOnItsFirstPulse()
{
    Design design;
    design.kind = Kind::Monostable;
    design.circuit.trigger =
        Trigger{.node = "gen", .amplitude = 5, .width = 0.2e-6, .delay = 1e-3, .period = 1e-3, .count = 3};
    design.circuit.stopTime = 4e-3;
    CheckResult run = drawnRun(4e-3, true);
    run.measurement.pulseLength = 1e-6;
    run.measurement.recovery = 4e-6;
    ResultPlot plot;
    plot.showRun(design, run);
    const auto labelsNow = [&] { return axisOf(&plot, Qt::Horizontal)->categoriesLabels(); };
    const auto titleNow = [&] { return axisOf(&plot, Qt::Horizontal)->titleText(); };
    QVERIFY(plot.findChild<QRadioButton*>(u"ShowPulse"_qs)->isChecked());
    QCOMPARE(titleNow(), u"t, мкс"_qs);
    QCOMPARE(labelsNow(), (QStringList{"1000", "1000,5", "1001", "1001,5", "1002"}));
    QCOMPARE(plot.findChild<QChartView*>()->chart()->series().back()->name(), u"Uзап"_qs);

    plot.findChild<QRadioButton*>(u"ShowRecovery"_qs)->click();
    QCOMPARE(titleNow(), u"t, мкс"_qs);
    QCOMPARE(labelsNow(), (QStringList{"1000", "1001", "1002", "1003", "1004", "1005"}));

    plot.findChild<QRadioButton*>(u"WholeRun"_qs)->click();
    QCOMPARE(plot.shownSpan().from, 0.0);
    QCOMPARE(plot.shownSpan().to, 4e-3);
    QCOMPARE(titleNow(), u"t, мс"_qs);

    run.measurement.pulseLength = 2e-6; // a rerun keeps what the user chose to see
    plot.showRun(design, run);
    QVERIFY(plot.findChild<QRadioButton*>(u"WholeRun"_qs)->isChecked());
    QCOMPARE(titleNow(), u"t, мс"_qs);
}

// The result window's boxes (β scale, trigger) write their number as the program does
// and take what the user types with either separator as the user's.
void ResultPlotTest::boxesReadAsTheProgramWrites_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("taken");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("comma: × 1,5, not × 1.50")
        << QChar(u',') << 1.5 << u"× 1,5"_qs << u"2,5"_qs << 2.5 << u"× 2,5"_qs;
    QTest::newRow("comma: a whole number has no ,00")
        << QChar(u',') << 2.0 << u"× 2"_qs << u"3"_qs << 3.0 << u"× 3"_qs;
    QTest::newRow("comma: the keypad's full stop is not dropped (2.5, not 25)")
        << QChar(u',') << 1.5 << u"× 1,5"_qs << u"2.5"_qs << 2.5 << u"× 2,5"_qs;
    QTest::newRow("full stop user") << QChar(u'.') << 1.25 << u"× 1.25"_qs << u"2,5"_qs << 2.5 << u"× 2.5"_qs;
}

void ResultPlotTest::boxesReadAsTheProgramWrites()
{
    QFETCH(QChar, separator);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(double, taken);
    QFETCH(QString, shownAfter);
    takton::setDecimalSeparator(separator);
    NumberBox box;
    box.setRange(0, 100);
    box.setDecimals(2);
    box.setPrefix(u"× "_qs);
    box.setValue(value);
    QCOMPARE(box.text(), shown);
    box.selectAll();
    QTest::keyClicks(&box, typed);
    box.interpretText();
    QCOMPARE(box.value(), taken);
    QCOMPARE(box.text(), shownAfter);
}

// Each window's worked example checked as a user does: the trigger's controls only for
// a monostable, every tick label in the program's format with round steps, and a
// monostable's plot opening on its trigger and first output pulse, the trigger drawn at
// the amplitude it was given.
void ResultPlotTest::everyWindowsResultReadsRight_data()
{
    QTest::addColumn<QString>("form");
    for (const WorkedExample& example : workedExamples)
        QTest::newRow(example.form) << qName(example.form);
}

void ResultPlotTest::everyWindowsResultReadsRight()
{
    QFETCH(QString, form);
    ModalBoxes boxes;
    SimulationWindow* window = checkedExample(form);
    QVERIFY(window);
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 60000);
    QCOMPARE(boxes.take(), QStringList{});
    const Design& design = window->design();
    const bool monostable = design.circuit.trigger.has_value();

    for (const char* name : {"TriggerAmplitude", "TriggerWidth"})
        QCOMPARE(window->findChild<QDoubleSpinBox*>(QLatin1String(name))->isVisibleTo(window), monostable);
    QCOMPARE(window->findChild<QRadioButton*>(u"WholeRun"_qs)->isVisibleTo(window), monostable);

    const auto* plot = window->findChild<ResultPlot*>();
    static const QRegularExpression programNumber(u"^-?\\d+(,\\d*[1-9])?$"_qs);
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QStringList labels = axisOf(plot, orientation)->categoriesLabels();
        QVERIFY2(labels.size() >= 3, qPrintable(labels.join(u' ')));
        for (const QString& label : labels)
            QVERIFY2(programNumber.match(label).hasMatch(), qPrintable(labels.join(u' ')));
        const std::vector<double> values = valuesOf(labels);
        QVERIFY2(isRoundStep(values[1] - values[0]), qPrintable(labels.join(u' ')));
    }

    if (!monostable) { // the whole run
        QCOMPARE(plot->shownSpan().from, 0.0);
        QVERIFY(plot->shownSpan().to >= 0.999 * design.circuit.stopTime);
        return;
    }
    const Trigger& trigger = *design.circuit.trigger;
    const Measurement& m = window->measurement();
    const double pulse = std::isfinite(m.pulseLength) ? m.pulseLength : trigger.width;
    QVERIFY(plot->shownSpan().from <= trigger.delay);
    QVERIFY(plot->shownSpan().to >= trigger.delay + pulse);
    QVERIFY2(plot->shownSpan().to - plot->shownSpan().from < design.circuit.stopTime / 20,
             qPrintable(QString::number(plot->shownSpan().to)));
    const auto* drawnTrigger = qobject_cast<QLineSeries*>(plot->findChild<QChartView*>()->chart()->series().back());
    QCOMPARE(drawnTrigger->name(), u"Uзап"_qs);
    double highest = 0;
    for (const QPointF& p : drawnTrigger->points())
        highest = std::max(highest, p.y());
    QCOMPARE(highest, trigger.amplitude);

    window->findChild<QRadioButton*>(u"ShowRecovery"_qs)->click();
    const double recovered = trigger.delay + pulse + (std::isfinite(m.recovery) ? m.recovery : 0);
    QVERIFY(plot->shownSpan().to >= std::min(recovered, design.circuit.stopTime));
    window->findChild<QRadioButton*>(u"WholeRun"_qs)->click();
    QCOMPARE(plot->shownSpan().from, 0.0);
    QVERIFY(plot->shownSpan().to >= 0.999 * design.circuit.stopTime);
    window->findChild<QRadioButton*>(u"ShowPulse"_qs)->click();
}

QTEST_MAIN(ResultPlotTest)
#include "test_result_plot.moc"
