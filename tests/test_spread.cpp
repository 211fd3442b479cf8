// The tolerance and temperature spread of a design: samples drawn from a seed stay within
// their tolerances and come again with the seed, a design that works keeps working under
// mild tolerances, one that fails at high β is caught with its failing samples named,
// cancel leaves no worker behind, a worker that crashes, exits or hangs is a failed run
// and not a lost one, the result window's second mode, and `takton --check --spread`.

#include "check.h"
#include "decimal_separator.h"
#include "file_questions.h"
#include "gui_support.h"
#include "numeric_text.h"
#include "saved_values.h"
#include "simulation/worked_examples.h"
#include "simulation_window.h"
#include "spread_panel.h"
#include "spread_results.h"
#include "table_window.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <unistd.h>

using namespace takton::testing;
using namespace takton::simulation;

namespace {

const WorkedExample& exampleOf(const char* form)
{
    for (const WorkedExample& example : workedExamples)
        if (qstrcmp(example.form, form) == 0)
            return example;
    qFatal("%s has no worked example", form);
}

const WorkedExample& example2()
{
    return exampleOf("Form2");
}

takton::TableWindow* form2()
{
    const takton::RegisteredWindow& row = registered(u"Form2"_qs);
    if (!row.window()) {
        row.create();
        typeAll(row.window(), example2().typed);
    }
    return row.window();
}

Design design2()
{
    return registered(u"Form2"_qs).circuit(*form2());
}

// Tolerances a worked example is expected to shrug off.
SpreadSettings mild(int runs)
{
    return {.resistors = ResistorClass::E96, .capacitorTolerance = 0.02, .betaMultiple = 1.2,
            .supplyTolerance = 0.02, .runs = runs, .seed = 7};
}

// Form2 with Rб2 low enough that T2, given three times its β, is held on by Rб2 alone.
Design latchesAtHighBeta()
{
    Design d = design2();
    for (Component& c : d.circuit.components)
        if (c.designator == u"Rb2")
            c.value = 82e3;
    return d;
}

SpreadSummary spread(const Design& design, const SpreadSettings& settings,
                     std::chrono::milliseconds timeLimit = runTimeLimit)
{
    SpreadRun run(design, settings, SpreadRun::defaultParallel(), timeLimit);
    run.wait();
    return summarize(run.design(), run.samples(), run.outcomes());
}

// This process's children that are simulator workers and have not ended.
int workersLeft()
{
    int count = 0;
    for (const QString& pid : QDir(u"/proc"_qs).entryList(QDir::Dirs)) {
        QFile stat(u"/proc/"_qs + pid + u"/stat"_qs);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after[0] != "Z" && after[1].toLongLong() == getpid())
            ++count;
    }
    return count;
}

// A stand-in worker written as a shell script.
QString script(QTemporaryDir& folder, const QByteArray& body)
{
    const QString path = folder.filePath(u"worker.sh"_qs);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("#!/bin/sh\n" + body + '\n');
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path;
}

// A tick label read back as the user typed it; a label in any other format is no number.
double labelValue(const QString& label)
{
    return double(takton::StrToFloat(label));
}

// 1, 2 or 5 × 10^n.
bool isRoundStep(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    return qFuzzyCompare(mantissa, 1.0) || qFuzzyCompare(mantissa, 2.0) || qFuzzyCompare(mantissa, 5.0);
}

} // namespace

class SpreadTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM));
        takton::setDecimalSeparator(',');
    }

    void samplesStayWithinTheirTolerances_data();
    void samplesStayWithinTheirTolerances();
    void theSeedGivesTheSameSamples_data();
    void theSeedGivesTheSameSamples();
    void sameSeedSameHistogram();
    void temperatureReachesTheNetlist();
    void theTriggerGeneratorIsNotVaried();
    void shareOfWorkingRuns_data();
    void shareOfWorkingRuns();
    void cancelEndsEveryWorker();
    void aWorkerThatFailsIsAFailedRun_data();
    void aWorkerThatFailsIsAFailedRun();
    void resultWindowSecondMode();
    void spreadFromTheCommandLine();
};

// Every drawn value lies within the tolerance asked for, and the draws reach both ends
// of it (uniform, not bunched at the nominal).
void SpreadTest::samplesStayWithinTheirTolerances_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("resistor");
    QTest::newRow("E24 resistors, 5 %") << int(ResistorClass::E24) << 0.05;
    QTest::newRow("E96 resistors, 1 %") << int(ResistorClass::E96) << 0.01;
}

void SpreadTest::samplesStayWithinTheirTolerances()
{
    QFETCH(int, series);
    QFETCH(double, resistor);
    Design d = design2();
    d.maxTemperature = 70;
    const SpreadSettings s{.resistors = ResistorClass(series), .runs = 400, .seed = 3};
    const std::vector<Parameter> parameters = parametersOf(d);
    const std::vector<Sample> samples = drawSamples(d, s);
    QCOMPARE(int(samples.size()), 400);
    for (std::size_t p = 0; p < parameters.size(); ++p) {
        const Parameter& param = parameters[p];
        double low = 1e300, high = -1e300;
        for (const Sample& sample : samples) {
            const double v = param.name == u"t" ? sample.values[p] : sample.values[p] / param.nominal;
            low = std::min(low, v);
            high = std::max(high, v);
        }
        double least = 1 - resistor, most = 1 + resistor;
        if (param.name.startsWith(u"β"))
            least = 1, most = s.betaMultiple;
        else if (param.name.startsWith(u'C'))
            least = 1 - s.capacitorTolerance, most = 1 + s.capacitorTolerance;
        else if (param.name.startsWith(u'Е'))
            least = 1 - s.supplyTolerance, most = 1 + s.supplyTolerance;
        else if (param.name == u"t")
            least = coldEnd, most = 70;
        QVERIFY2(low >= least && high <= most, qPrintable(param.name));
        // 400 uniform draws come within 3 % of the band's width of each end.
        const double reach = 0.03 * (most - least);
        QVERIFY2(low - least <= reach && most - high <= reach, qPrintable(param.name));
    }
}

// The same seed gives the same values; another seed others; fewer runs are the first of
// more.
void SpreadTest::theSeedGivesTheSameSamples_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("same");
    QTest::newRow("same seed") << quint64(11) << 30 << true;
    QTest::newRow("fewer runs, the first ones") << quint64(11) << 12 << true;
    QTest::newRow("another seed") << quint64(12) << 30 << false;
}

void SpreadTest::theSeedGivesTheSameSamples()
{
    QFETCH(quint64, seed);
    QFETCH(int, runs);
    QFETCH(bool, same);
    const Design d = design2();
    const std::vector<Sample> first = drawSamples(d, {.runs = 30, .seed = 11});
    const std::vector<Sample> second = drawSamples(d, {.runs = runs, .seed = seed});
    bool equal = true;
    for (std::size_t k = 0; k < second.size(); ++k)
        equal = equal && second[k].values == first[k].values;
    QCOMPARE(equal, same);
    // The netlist of a sample is written from its values alone.
    QCOMPARE(netlist(sampledDesign(d, second[0]).circuit, 1) == netlist(sampledDesign(d, first[0]).circuit, 1), same);
}

// The whole spread twice from one seed: the same outcomes, figures and histogram.
void SpreadTest::sameSeedSameHistogram()
{
    const SpreadSettings settings{.runs = 6, .seed = 5};
    SpreadRun one(design2(), settings), two(design2(), settings);
    one.wait();
    two.wait();
    const SpreadSummary a = summarize(one.design(), one.samples(), one.outcomes());
    const SpreadSummary b = summarize(two.design(), two.samples(), two.outcomes());
    QCOMPARE(a.works + a.doesNotWork + a.notConverged + a.failed, 6);
    QVERIFY(a.works > 0);
    QCOMPARE(a.histogram.counts, b.histogram.counts);
    QCOMPARE(a.histogram.low, b.histogram.low);
    QCOMPARE(a.histogram.high, b.histogram.high);
    QCOMPARE(a.failures, b.failures);
    for (std::size_t k = 0; k < 6; ++k)
        QCOMPARE(figureOf(one.design(), one.outcomes()[k].measurement),
                 figureOf(two.design(), two.outcomes()[k].measurement));
}

// A sample at the cold end or the window's maximum temperature runs at it; room
// temperature leaves the netlist as the single check writes it.
void SpreadTest::temperatureReachesTheNetlist()
{
    Design d = design2();
    d.maxTemperature = 60;
    bool cold = false, hot = false;
    for (const Sample& s : drawSamples(d, {.runs = 20}))
        (s.values.back() == coldEnd ? cold : hot) = true;
    QVERIFY(cold && hot);
    Sample sample = drawSamples(d, {.runs = 1}).front();
    sample.values.back() = 60;
    QVERIFY(netlist(sampledDesign(d, sample).circuit, 1).contains(u"\n.temp 60\n"_qs));
    d.maxTemperature.reset();
    QVERIFY(!netlist(sampledDesign(d, drawSamples(d, {.runs = 1}).front()).circuit, 1).contains(u".temp"_qs));
}

// A monostable's trigger generator is the test bench's: its source resistance keeps its
// value in every sample, while the design's own input capacitor varies.
void SpreadTest::theTriggerGeneratorIsNotVaried()
{
    const takton::RegisteredWindow& row = registered(u"Form11"_qs);
    if (!row.window()) {
        row.create();
        typeAll(row.window(), exampleOf("Form11").typed);
    }
    const Design d = row.circuit(*row.window());
    QStringList names;
    for (const Parameter& p : parametersOf(d))
        names << p.name;
    QVERIFY2(!names.contains(u"Rtrig"_qs) && names.contains(u"Cin"_qs), qPrintable(names.join(u' ')));
    const QString generator = netlist(d.circuit, 1).section(u"\nRtrig "_qs, 1).section(u'\n', 0, 0);
    QVERIFY(!generator.isEmpty());
    for (const Sample& s : drawSamples(d, {.runs = 5}))
        QVERIFY(netlist(sampledDesign(d, s).circuit, 1).contains(u"\nRtrig "_qs + generator + u'\n'));
}

// A design that works keeps working under mild tolerances; one that latches at high β
// is caught, each failure named with its sample's values, and β named as what moves it.
void SpreadTest::shareOfWorkingRuns_data()
{
    QTest::addColumn<bool>("failsAtHighBeta");
    QTest::newRow("Form2's worked example, mild tolerances: all work") << false;
    QTest::newRow("Rб2 that latches T2 at high β: some fail") << true;
}

void SpreadTest::shareOfWorkingRuns()
{
    QFETCH(bool, failsAtHighBeta);
    SpreadSettings settings = mild(10);
    if (failsAtHighBeta)
        settings.betaMultiple = 3;
    const SpreadSummary s = spread(failsAtHighBeta ? latchesAtHighBeta() : design2(), settings);
    QCOMPARE(s.total, 10);
    QCOMPARE(s.notRun, 0);
    if (!failsAtHighBeta) {
        QCOMPARE(s.works, 10);
        QCOMPARE(s.failures, QStringList{});
        QVERIFY(s.shortest && s.longest && s.least <= s.most);
        return;
    }
    QCOMPARE(check(latchesAtHighBeta(), 1, RunControl{}).measurement.verdict, Verdict::Oscillates); // at the typed β
    QVERIFY2(s.works < 10 && s.works > 0, qPrintable(QString::number(s.works)));
    QCOMPARE(s.failures.size(), 10 - s.works);
    for (const QString& failure : s.failures)
        QVERIFY2(failure.startsWith(u"Выборка "_qs) && failure.contains(u"β Т2 = "_qs), qPrintable(failure));
}

// Cancel: every worker of the checks going is gone at once, and the samples not run are
// counted as such.
void SpreadTest::cancelEndsEveryWorker()
{
    Design slow = design2();
    slow.circuit.stopTime *= 1000;
    SpreadRun run(slow, {.runs = 6}, 2);
    QTRY_VERIFY(run.workerIds().size() == 2);
    QCOMPARE(workersLeft(), 2);
    run.cancel();
    run.wait();
    QTRY_COMPARE_WITH_TIMEOUT(workersLeft(), 0, 1000);
    const SpreadSummary s = summarize(run.design(), run.samples(), run.outcomes());
    QCOMPARE(s.notRun, 6);
    QVERIFY(summaryLines(run.design(), s).contains(u"Не моделировались (отменено): 6 из 6"_qs));
}

// A worker that crashes, exits at once or hangs: each run ends as a failed run with the
// reason, none is lost.
void SpreadTest::aWorkerThatFailsIsAFailedRun_data()
{
    QTest::addColumn<QByteArray>("worker");
    QTest::addColumn<QString>("reason");
    QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << "аварийно (сигнал 11)";
    QTest::newRow("exits") << QByteArray("exit 3") << "(код 3)";
    QTest::newRow("hangs") << QByteArray("exec sleep 30") << "не уложилось";
}

void SpreadTest::aWorkerThatFailsIsAFailedRun()
{
    QFETCH(QByteArray, worker);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    setSimulatorProgram(script(folder, worker));
    const SpreadSummary s = spread(design2(), {.runs = 3}, std::chrono::milliseconds(1500));
    QCOMPARE(s.failed, 3);
    QCOMPARE(s.works + s.notRun, 0);
    QCOMPARE(s.failures.size(), 3);
    for (const QString& failure : s.failures)
        QVERIFY2(failure.contains(u"моделирование не удалось: "_qs) && failure.contains(reason), qPrintable(failure));
    QTRY_COMPARE_WITH_TIMEOUT(workersLeft(), 0, 1000);
}

// The result window's "Разброс параметров": run from the window, the summary shown,
// a worst case opened as a single check with its waveforms and saved as .cir.
void SpreadTest::resultWindowSecondMode()
{
    takton::TableWindow* window = form2();
    ModalBoxes boxes;
    button(window, "ButtonSimulate")->click();
    SimulationWindow* result = simulationWindowOf(window);
    QTRY_VERIFY_WITH_TIMEOUT(!result->running(), 20000);
    auto* modes = result->findChild<QTabWidget*>();
    QCOMPARE(modes->tabText(1), u"Разброс параметров"_qs);
    auto* panel = result->findChild<SpreadPanel*>();
    panel->findChild<QSpinBox*>(u"SpreadRuns"_qs)->setValue(4);
    button(panel, "SpreadStart")->click();
    QVERIFY(panel->running());
    QTRY_VERIFY_WITH_TIMEOUT(!panel->running(), 60000);
    QCOMPARE(boxes.take(), QStringList{});
    const QString summary = text(panel, "SpreadSummary");
    QVERIFY2(summary.startsWith(u"Работают как задумано: "_qs), qPrintable(summary));
    QVERIFY2(text(panel, "SpreadTimeLeft").startsWith(u"4 из 4 за "_qs), qPrintable(text(panel, "SpreadTimeLeft")));
    QChart* histogram = panel->findChild<QChartView*>(u"SpreadHistogram"_qs)->chart();
    QVERIFY(!histogram->series().isEmpty());
    // Both axes as the waveforms' plot writes them: round steps, the program's numbers.
    for (QAbstractAxis* axis : histogram->axes()) {
        auto* labelled = qobject_cast<QCategoryAxis*>(axis); // a value axis writes "1125.0" itself
        QVERIFY(labelled);
        const QStringList labels = labelled->categoriesLabels();
        QVERIFY2(labels.size() >= 2, qPrintable(labels.join(u' ')));
        const double step = labelValue(labels[1]) - labelValue(labels[0]);
        QVERIFY2(isRoundStep(step), qPrintable(labels.join(u' ')));
        for (qsizetype k = 1; k < labels.size(); ++k)
            QVERIFY2(qFuzzyCompare(labelValue(labels[k]) - labelValue(labels[k - 1]), step), qPrintable(labels.join(u' ')));
    }

    QTemporaryDir folder;
    const QString saved = folder.filePath(u"worst.cir"_qs);
    takton::answerFileQuestionsWith([&](const takton::FileQuestion&) { return saved; });
    button(panel, "SpreadSaveLongest")->click();
    takton::answerFileQuestionsWith({});
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), checkedNetlist(panel->worstCase(false), 1));

    button(panel, "SpreadOpenLongest")->click();
    QCOMPARE(modes->currentIndex(), 0);
    QVERIFY(result->running());
    QTRY_VERIFY_WITH_TIMEOUT(!result->running(), 20000);
    QCOMPARE(result->netlistText(), checkedNetlist(panel->worstCase(false), 1));
    QVERIFY(result->design().notes.front().startsWith(u"Разброс параметров, выборка "_qs));
    QCOMPARE(boxes.take(), QStringList{});
    result->close();
}

// takton --check FILE --spread: the summary as JSON, the runs and seed as asked.
void SpreadTest::spreadFromTheCommandLine()
{
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) // the worked example is typed with a comma
        QSKIP("ru_RU.UTF-8 is not generated on this machine");
    QTemporaryDir folder;
    const QString path = folder.filePath(u"design.takton"_qs);
    takton::saveValuesFile(*form2(), path);
    QProcess takton;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_qs);
    environment.insert(u"LC_ALL"_qs, u"ru_RU.UTF-8"_qs);
    takton.setProcessEnvironment(environment);
    takton.start(QStringLiteral(TAKTON_PROGRAM),
                 {u"--check"_qs, path, u"--spread"_qs, u"--runs"_qs, u"4"_qs, u"--seed"_qs, u"9"_qs, u"--json"_qs});
    QVERIFY(takton.waitForFinished(120000));
    std::setlocale(LC_ALL, "C.UTF-8");
    const QByteArray out = takton.readAllStandardOutput();
    const QJsonObject json = QJsonDocument::fromJson(out).object();
    QVERIFY2(json.value(u"runs"_qs).toInt() == 4, out.constData());
    QCOMPARE(json.value(u"seed"_qs).toString(), u"9"_qs);
    const int works = json.value(u"works"_qs).toInt();
    QCOMPARE(takton.exitCode(), works == 4 ? 0 : 1);
    QCOMPARE(works + json.value(u"doesNotWork"_qs).toInt() + json.value(u"notConverged"_qs).toInt()
                 + json.value(u"failed"_qs).toInt(),
             4);
}

QTEST_MAIN(SpreadTest)
#include "test_spread.moc"
