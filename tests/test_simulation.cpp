// Checking a design by simulation: the netlist text each window gives (a golden file:
// the netlist is an interface), numbers written with '.' whatever the locale, the
// worked examples simulated, faulty designs recognised, cancel and the time limit,
// and the result window driven from the calculator's action. The simulator's worker
// process: no init file runs, a worker that stops or hangs is reported and the next run
// works, closing a window ends its run, runs in two windows go at once, and values the
// simulator cannot take are refused before anything runs.

#include "Unit11.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit7.h"
#include "Unit8.h"
#include "check.h"
#include "decimal_separator.h"
#include "error_reporting.h"
#include "gui_support.h"
#include "simulation_window.h"
#include "saved_values.h"
#include "spice_number.h"
#include "window_circuits.h"
#include "simulation/worked_examples.h"

#include <QChartView>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QShortcut>
#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <csignal>
#include <thread>

using namespace takton::testing;
using namespace takton::simulation;

namespace {

QString golden(const QString& name)
{
    QFile file(QStringLiteral(TAKTON_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

const WorkedExample& exampleOf(const QString& form)
{
    for (const WorkedExample& example : workedExamples)
        if (qName(example.form) == form)
            return example;
    qFatal("%s has no worked example", qPrintable(form));
}

// The design the registered window gives for its worked example: the window is
// created once, as start-up creates it, and typed into.
Design exampleDesign(const QString& form)
{
    const takton::RegisteredWindow& row = registered(form);
    if (!row.window()) {
        row.create();
        typeAll(row.window(), exampleOf(form).typed);
    }
    return row.circuit(*row.window());
}

Design example2()
{
    return exampleDesign(u"Form2"_qs);
}

void addExampleRows()
{
    QTest::addColumn<QString>("form");
    for (const WorkedExample& example : workedExamples)
        QTest::newRow(example.form) << qName(example.form);
}

CheckResult run(const Design& design, double betaScale = 1)
{
    return check(design, betaScale, RunControl{});
}

double relative(double measured, double target)
{
    return std::abs(measured - target) / target;
}

void setValue(Design& design, const QString& designator, double value)
{
    for (Component& c : design.circuit.components)
        if (c.designator == designator)
            c.value = value;
}

// A part of 0 is refused before anything runs; a circuit without the part is what
// such a design means.
void removePart(Design& design, const QString& designator)
{
    std::erase_if(design.circuit.components, [&](const Component& c) { return c.designator == designator; });
}

// The worked examples run a thousand times longer: minutes of work if nothing stops it.
template <Design (*designOf)(takton::TableWindow&)>
Design slowly(takton::TableWindow& window)
{
    Design d = designOf(window);
    d.circuit.stopTime *= 1000;
    return d;
}

// A process that has ended (a zombie waiting to be reaped has ended too).
bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

QString shownText(const SimulationWindow* window, const char* name)
{
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}

int plottedSeries(const SimulationWindow* window)
{
    return int(window->findChild<QChartView*>()->chart()->series().size());
}

// The worked example typed into the registered window, whose action checks it.
takton::TableWindow* exampleWindow(const QString& form)
{
    exampleDesign(form);
    takton::TableWindow* window = registered(form).window();
    typeAll(window, exampleOf(form).typed);
    return window;
}

SimulationWindow* clickCheck(takton::TableWindow* window)
{
    button(window, "ButtonSimulate")->click();
    return simulationWindowOf(window);
}

// Resident memory of this process, in KiB.
long residentKiB()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// A locale with a comma, when the machine has it generated.
bool useCommaLocale()
{
    return std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
}

} // namespace

class SimulationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM)); }
    void init() { takton::setDecimalSeparator(','); }
    void cleanup() { std::setlocale(LC_ALL, "C.UTF-8"); }

    void numbersAlwaysWithAPoint_data();
    void numbersAlwaysWithAPoint();
    void e24WithinTheLimit_data();
    void e24WithinTheLimit();
    void partsNoFieldAccepts_data();
    void partsNoFieldAccepts();
    void netlistsMatchTheirGoldenFiles_data();
    void netlistsMatchTheirGoldenFiles();
    void emptyOrBadFieldNamesItAndRunsNothing_data();
    void emptyOrBadFieldNamesItAndRunsNothing();
    void ratingsNoStepReadsMayBeLeftEmpty_data();
    void ratingsNoStepReadsMayBeLeftEmpty();
    void everyCalculatorCanBeChecked();
    void workedExamples_data();
    void workedExamples();
    void valuesNoStepReads_data();
    void valuesNoStepReads();
    void faultyDesignsAreRecognised_data();
    void faultyDesignsAreRecognised();
    void outputRestingLowIsNoPulseAtPowerUp();
    void sameNumbersUnderEveryLocale();
    void cancelStopsARun();
    void timeLimitStopsARun();
    void resultWindowFromTheAction();
    void initFilesAreNotRun_data();
    void initFilesAreNotRun();
    void failuresCarryTheSimulatorsMessages_data();
    void failuresCarryTheSimulatorsMessages();
    void stoppedWorkerIsReported_data();
    void stoppedWorkerIsReported();
    void endingARunEndsItsWorker_data();
    void endingARunEndsItsWorker();
    void closingTheMainWindowEndsTheProgram();
    void valuesTheSimulatorCannotTakeAreRefused_data();
    void valuesTheSimulatorCannotTakeAreRefused();
    void twoWindowsCheckedAtOnceBothFinish();
    void rerunThatDoesNotEndWellLeavesNoOldResult_data();
    void rerunThatDoesNotEndWellLeavesNoOldResult();
    void savedNetlistIsTheShownRuns();
    void triggerFollowsTheDesign_data();
    void triggerFollowsTheDesign();
    void hundredChecksKeepResidentMemory();
    void resultsThatMoveWithTheStepAreNotConverged_data();
    void resultsThatMoveWithTheStepAreNotConverged();
    void checkFromTheCommandLine_data();
    void checkFromTheCommandLine();
};

// Two runs at a step and half of it agree only with the same verdict and pulse count
// and every figure within 2 %; a figure neither run measured agrees with itself.
void SimulationTest::resultsThatMoveWithTheStepAreNotConverged_data()
{
    QTest::addColumn<Measurement>("finer");
    QTest::addColumn<bool>("same");
    Measurement base;
    base.verdict = Verdict::Oscillates;
    base.period = 1000e-6;
    base.amplitude1 = 10;
    base.amplitude2 = 8;
    Measurement m = base;
    QTest::newRow("identical") << m << true;
    m.period = 1015e-6;
    QTest::newRow("period 1.5 % longer") << m << true;
    m.period = 1025e-6;
    QTest::newRow("period 2.5 % longer") << m << false;
    m = base;
    m.amplitude2 = 7.7;
    QTest::newRow("Um2 moved 3.8 %") << m << false;
    m = base;
    m.verdict = Verdict::Latches;
    QTest::newRow("verdict changed") << m << false;
    m = base;
    m.pulses = 9;
    QTest::newRow("pulse count changed") << m << false;
    m = base;
    m.period = notMeasured;
    QTest::newRow("period no longer measured") << m << false;
}

void SimulationTest::resultsThatMoveWithTheStepAreNotConverged()
{
    QFETCH(Measurement, finer);
    QFETCH(bool, same);
    Measurement coarser;
    coarser.verdict = Verdict::Oscillates;
    coarser.period = 1000e-6;
    coarser.amplitude1 = 10;
    coarser.amplitude2 = 8;
    QCOMPARE(sameResult(coarser, finer), same);
    // What the user reads of a result that did not converge says so plainly.
    const QString text = convergenceText({.converged = false, .step = 0, .finest = 0.5e-6, .reason = u"причина"_qs});
    QVERIFY2(text.startsWith(u"Результат не сошёлся: причина"_qs), qPrintable(text));
}

// takton --check FILE: the worked example saved from its window, checked without a
// display; a damaged file and a file whose step fails give status 2 and the message.
void SimulationTest::checkFromTheCommandLine_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("astable that oscillates") << "Form2" << QStringList{} << QStringList{} << 0 << "Генерирует";
    QTest::newRow("as JSON") << "Form3" << QStringList{} << QStringList{"--json"} << 0 << "\"converged\": true";
    QTest::newRow("monostable that runs free") << "Form11" << QStringList{} << QStringList{} << 1
                                               << "Срабатывает неправильно";
    QTest::newRow("β ×0,2: the astable no longer works")
        << "Form2" << QStringList{} << QStringList{"--beta-scale", "0.2"} << 1 << "Результат";
    QTest::newRow("step that fails") << "Form2" << QStringList{"Edit1=десять"} << QStringList{} << 2
                                     << "'десять' is not a valid floating point value";
    QTest::newRow("damaged file") << "" << QStringList{} << QStringList{} << 2 << "повреждён";
    QTest::newRow("β scale not a number") << "Form2" << QStringList{} << QStringList{"--beta-scale", "x"} << 2
                                          << "--beta-scale";
}

void SimulationTest::checkFromTheCommandLine()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, said);
    if (!useCommaLocale()) // the worked examples are typed with a comma
        QSKIP("ru_RU.UTF-8 is not generated on this machine");
    QTemporaryDir folder;
    const QString path = folder.filePath(u"design.takton"_qs);
    if (form.isEmpty()) {
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"form\": ");
    } else {
        exampleDesign(form);
        QWidget* window = registered(form).window();
        typeAll(window, typed);
        takton::saveValuesFile(*registered(form).window(), path);
        typeAll(window, exampleOf(form).typed);
    }
    QProcess takton;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_qs);
    environment.remove(u"QT_QPA_PLATFORM"_qs);
    // The fields were typed with this process's separator; the program reads them with its own.
    environment.insert(u"LC_ALL"_qs, QString::fromLatin1(std::setlocale(LC_NUMERIC, nullptr)));
    takton.setProcessEnvironment(environment);
    takton.start(QStringLiteral(TAKTON_PROGRAM), QStringList{u"--check"_qs, path} + options);
    QVERIFY(takton.waitForFinished(60000));
    const QString out = QString::fromUtf8(takton.readAllStandardOutput());
    const QString err = QString::fromUtf8(takton.readAllStandardError());
    QVERIFY2(takton.exitCode() == status, qPrintable(QString::number(takton.exitCode()) + u'\n' + out + err));
    QVERIFY2((status == 2 ? err : out).contains(said), qPrintable(out + err));
}

void SimulationTest::numbersAlwaysWithAPoint_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer ohms") << 1100.0 << "1100";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("negative supply") << -11.0 << "-11";
    QTest::newRow("nanofarads") << 4.7e-9 << "4.7e-09";
    QTest::newRow("shortest round trip") << 0.1 + 0.2 << "0.30000000000000004";
}

void SimulationTest::numbersAlwaysWithAPoint()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    if (!useCommaLocale())
        QSKIP("ru_RU.UTF-8 is not generated on this machine");
    QCOMPARE(spiceNumber(value), text);
    QCOMPARE(spiceNumber(value).toDouble(), value);
}

void SimulationTest::e24WithinTheLimit_data()
{
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("value");
    QTest::newRow("R of the astable's example") << 39927.2727 << 39000.0;
    QTest::newRow("exactly a series value") << 1000.0 << 1000.0;
    QTest::newRow("just below a decade") << 999.99 << 910.0;
    QTest::newRow("below one") << 0.475 << 0.47;
    QTest::newRow("between 9.1 and 10") << 9.5 << 9.1;
    QTest::newRow("no positive limit") << -5.0 << 0.0;
}

void SimulationTest::e24WithinTheLimit()
{
    QFETCH(double, limit);
    QFETCH(double, value);
    QVERIFY2(std::abs(e24AtMost(limit) - value) <= 1e-9 * std::abs(value),
             qPrintable(QString::number(e24AtMost(limit), 'g', 17)));
}

// A part the window accepts in no field, taken from what its step computes: Form7's C1
// (Step 8 gives a value it must stay below) and Form8's C1 (Step 7 gives one it is to be
// slightly above), each with the note that says so. Typed over the worked example.
void SimulationTest::partsNoFieldAccepts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("note");
    QTest::newRow("Form7: below the limit")
        << "Form7" << QStringList{} << 120e-9 << "взята 120 нФ, ближайшая из ряда E24 менее 127,256205673759 нФ (шаг 8)";
    QTest::newRow("Form7: a limit that is a series value is not taken")
        << "Form7" << QStringList{"Edit17=1000", "Edit18=1200", "Edit19=28800", "Edit20=149000", "Edit21=30000"}
        << 91e-9 << "взята 91 нФ, ближайшая из ряда E24 менее 100 нФ (шаг 8)";
    // R = 0 no longer reaches the circuit: Step 8 refuses it (see test_one_source).
    QTest::newRow("Form7: a negative limit leaves no C1")
        << "Form7" << QStringList{"Edit20=-200000"} << 0.0 << "С1 не ставится: значение шага 8 (-167,51329787234 нФ) не положительное число";
    QTest::newRow("Form8: not below Step 7's value")
        << "Form8" << QStringList{} << 0.24e-9 << "взята 0,24 нФ, ближайшая из ряда E24 не менее 0,221607439388907 нФ (шаг 7)";
    QTest::newRow("Form8: a series value is taken itself")
        << "Form8" << QStringList{"Edit17=1000", "Edit18=1000", "Edit19=19000", "Edit20=19000", "Edit21=10"}
        << 10e-9 << "взята 10 нФ, ближайшая из ряда E24 не менее 10 нФ (шаг 7)";
}

void SimulationTest::partsNoFieldAccepts()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(double, value);
    QFETCH(QString, note);
    TForm7 form7;
    TForm8 form8;
    takton::TableWindow* window = form == u"Form7" ? static_cast<takton::TableWindow*>(&form7) : &form8;
    typeAll(window, exampleOf(form).typed + typed);
    const Design design = form == u"Form7" ? designOf<TForm7>(*window) : designOf<TForm8>(*window);
    const auto c1 = std::find_if(design.circuit.components.begin(), design.circuit.components.end(),
                                 [](const Component& c) { return c.designator == u"C1"; });
    QVERIFY(c1 != design.circuit.components.end());
    QVERIFY2(std::abs(c1->value - value) <= 1e-9 * value, qPrintable(QString::number(c1->value, 'g', 17)));
    QVERIFY2(std::any_of(design.notes.begin(), design.notes.end(), [&](const QString& n) { return n.endsWith(note); }),
             qPrintable(design.notes.join(u'\n')));
}

void SimulationTest::netlistsMatchTheirGoldenFiles_data()
{
    addExampleRows();
}

void SimulationTest::netlistsMatchTheirGoldenFiles()
{
    QFETCH(QString, form);
    const QString file = form.toLower() + u".cir"_qs;
    const bool comma = useCommaLocale(); // the text may not depend on it
    const QString text = netlist(exampleDesign(form).circuit, 1);
    if (qEnvironmentVariableIsSet("TAKTON_WRITE_GOLDEN")) {
        QFile out(QStringLiteral(TAKTON_GOLDEN_DIR "/") + file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
    }
    QCOMPARE(text, golden(file));
    if (!comma)
        QSKIP("compared under the C locale only: ru_RU.UTF-8 is not generated here");
}

void SimulationTest::emptyOrBadFieldNamesItAndRunsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    // A field a step reads stops the check with that step's own message, as pressing the
    // step does; a field no step reads, with a message naming it.
    QTest::newRow("empty supply: Step 4's message") << "Edit17=" << "'' is not a valid floating point value";
    QTest::newRow("unit typed after a resistance: Step 7's message")
        << "Edit22=240 кОм" << "'240 кОм' is not a valid floating point value";
    QTest::newRow("point under a comma separator: Step 5's message")
        << "Edit13=50.5" << "'50.5' is not a valid floating point value";
    QTest::newRow("unit typed after R, which no step reads")
        << "Edit23=39 кОм" << "Моделирование не запущено: поле «Примем R = Ом» не число: '39 кОм'";
}

void SimulationTest::emptyOrBadFieldNamesItAndRunsNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TForm2 form;
    typeAll(&form, exampleOf(u"Form2"_qs).typed);
    typeAll(&form, {typed});
    addSimulationCheck(&form, designOf<TForm2>);
    ModalBoxes boxes;
    button(&form, "ButtonSimulate")->click();
    QCOMPARE(boxes.take(), QStringList{takton::withClosingFullStop(message)});
    const SimulationWindow* window = simulationWindowOf(&form);
    QVERIFY(!window || (!window->running() && !window->isVisible()));
}

// Form4's collector-base ratings are read by no step: typed, they are checked; left
// empty, the check runs without them and its note says which one is missing.
void SimulationTest::ratingsNoStepReadsMayBeLeftEmpty_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("rating1");
    QTest::addColumn<double>("rating2");
    QTest::addColumn<QString>("note");
    QTest::newRow("both typed") << "Edit4=" << 30.0 << 25.0 << QString();
    QTest::newRow("T1's left empty") << "Edit7=" << 0.0 << 25.0
                                     << "Допустимое напряжение коллектор-база Т1 не введено (поле «максимально "
                                        "допустимое напряжение коллектор-база Т1 = В» пусто): не проверяется";
    QTest::newRow("T2's left empty") << "Edit8=" << 30.0 << 0.0
                                     << "Допустимое напряжение коллектор-база Т2 не введено (поле «максимально "
                                        "допустимое напряжение коллектор-база Т2 = В» пусто): не проверяется";
    QTest::newRow("bad text is still refused") << "Edit7=30 В" << 0.0 << 0.0 << "не число: '30 В'";
}

void SimulationTest::ratingsNoStepReadsMayBeLeftEmpty()
{
    QFETCH(QString, typed);
    QFETCH(double, rating1);
    QFETCH(double, rating2);
    QFETCH(QString, note);
    TForm4 form;
    typeAll(&form, exampleOf(u"Form4"_qs).typed);
    typeAll(&form, {typed});
    if (note.startsWith(u"не число"_qs)) {
        try {
            designOf<TForm4>(form);
            QFAIL("a rating that is not a number was taken");
        } catch (const takton::Exception& e) {
            QVERIFY2(e.message().endsWith(note), qPrintable(e.message()));
        }
        return;
    }
    const Design design = designOf<TForm4>(form);
    QCOMPARE(design.circuit.t1.collectorBaseMax, rating1);
    QCOMPARE(design.circuit.t2.collectorBaseMax, rating2);
    const QStringList missing = design.notes.filter(u"не введено"_qs);
    QCOMPARE(missing, note.isEmpty() ? QStringList{} : QStringList{note});
}

// Every calculator window has its circuit, and a worked example that runs it.
void SimulationTest::everyCalculatorCanBeChecked()
{
    for (const takton::RegisteredWindow& row : takton::registeredWindows()) {
        if (row.menuButton.empty())
            continue;
        const QString form = qName(row.form);
        QVERIFY2(row.circuit, qPrintable(form + u" has no circuit"_qs));
        QVERIFY2(std::any_of(std::begin(takton::testing::workedExamples), std::end(takton::testing::workedExamples),
                             [&](const WorkedExample& e) { return qName(e.form) == form; }),
                 qPrintable(form + u" has no worked example"_qs));
    }
}

// Each window's worked example, simulated: an astable oscillates, a monostable fires
// once for each of at least three triggers. The period (or the output pulse) and the
// amplitudes are pinned to what the generic transistor pair gives, within 2 %; an
// astable's must also stay within 35 % of the targets typed in the window, unless its
// worked example names the figure the circuit keeps away from its target (an expected
// failure, shown with its reason in every run).
void SimulationTest::workedExamples_data()
{
    addExampleRows();
}

void SimulationTest::workedExamples()
{
    QFETCH(QString, form);
    const WorkedExample& example = exampleOf(form);
    const Design design = exampleDesign(form);
    QElapsedTimer clock;
    clock.start();
    const CheckResult result = run(design);
    const Measurement& m = result.measurement;
    const bool astable = design.kind == Kind::Astable;
    const double time = astable ? m.period : m.pulseLength;
    qInfo("%s: %.3f s, %s %.2f us, Um1 %.3f V, Um2 %.3f V, %d pulses for %d triggers, recovery %.1f us, %s",
          example.form, clock.elapsed() / 1e3, astable ? "period" : "pulse", time * 1e6, m.amplitude1,
          m.amplitude2, m.pulses, m.triggers, m.recovery * 1e6, qPrintable(convergenceText(result.convergence)));
    // Every worked example converges: a run at half a step agrees with it (Form10 and
    // Form11 only below the design's own step, which the result then states).
    QVERIFY(result.convergence.converged);
    QVERIFY(result.convergence.step <= design.circuit.maxStep);
    const auto knownMiss = [&](const char* quantity) {
        return example.farFromTarget && qstrcmp(example.farFromTarget, quantity) == 0;
    };
    if (astable) {
        QCOMPARE(m.verdict, Verdict::Oscillates);
        if (knownMiss("period"))
            QEXPECT_FAIL("", example.why, Continue);
        QVERIFY(relative(m.period, design.targets.period) < 0.35);
        if (knownMiss("Um1"))
            QEXPECT_FAIL("", example.why, Continue);
        QVERIFY(relative(m.amplitude1, design.targets.amplitude1) < 0.35);
        if (knownMiss("Um2"))
            QEXPECT_FAIL("", example.why, Continue);
        QVERIFY(relative(m.amplitude2, design.targets.amplitude2) < 0.35);
    } else {
        if (knownMiss("verdict"))
            QEXPECT_FAIL("", example.why, Continue);
        QCOMPARE(m.verdict, Verdict::FiresOncePerTrigger);
        if (m.verdict == Verdict::FiresOncePerTrigger || m.verdict == Verdict::FollowsTrigger)
            QCOMPARE(m.pulses, m.triggers);
        QVERIFY(m.triggers >= 3);
    }
    QVERIFY(relative(time, example.time) < 0.02);
    QVERIFY(relative(m.amplitude1, example.amplitude1) < 0.02);
    QVERIFY(relative(m.amplitude2, example.amplitude2) < 0.02);
}

// A part or rating no step reads: typed, it is taken; left empty, the design takes the
// value the window's steps imply and says so in its notes. Each row changes the worked
// example's fields, reads the design, then types the example back.
void SimulationTest::valuesNoStepReads_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("designator");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("note");
    QTest::newRow("Form5: C1 the least E24 value above Step 7's")
        << "Form5" << QStringList{} << "C1" << 6.8e-9 << "взята 6,8 нФ, ближайшая из ряда E24 не менее 6,71655629139073 нФ";
    QTest::newRow("Form5: Ек the sum of the fictitious sources")
        << "Form5" << QStringList{"Edit15=9,5"} << "VEK" << 22.5 << "|Ек1ф| + Ек2ф = 22,5 В";
    QTest::newRow("Form5: a collector-base rating left empty is not checked")
        << "Form5" << QStringList{"Edit10="} << "Rk2" << 1200.0
        << "Допустимое напряжение коллектор-база Т2 не введено";
    QTest::newRow("Form6: R left empty, the E24 value under Step 6's limit")
        << "Form6" << QStringList{"Edit21="} << "R" << 24000.0 << "взято 24000 Ом, ближайшее из ряда E24 не более 24800 Ом";
    QTest::newRow("Form6: R typed is taken as it is")
        << "Form6" << QStringList{"Edit21=20000"} << "R" << 20000.0 << "С взята по расчёту шага 7: 9,93377483443709 нФ";
    QTest::newRow("Form6: C from Step 7, in farads")
        << "Form6" << QStringList{"Edit3=900"} << "C" << 900e-6 / (151000 * 0.9) << "С взята по расчёту шага 7: 6,62251655629139 нФ";
}

void SimulationTest::valuesNoStepReads()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QString, designator);
    QFETCH(double, value);
    QFETCH(QString, note);
    exampleDesign(form);
    QWidget* window = registered(form).window();
    typeAll(window, typed);
    const Design design = exampleDesign(form);
    typeAll(window, exampleOf(form).typed);
    double found = 0;
    for (const Component& c : design.circuit.components)
        if (c.designator == designator)
            found = c.value;
    for (const Supply& s : design.circuit.supplies)
        if (u'V' + s.designator == designator)
            found = s.volts;
    QVERIFY2(std::abs(found - value) <= 1e-9 * value, qPrintable(QString::number(found, 'g', 17)));
    const QString notes = design.notes.join(u'\n');
    QVERIFY2(notes.contains(note), qPrintable(notes));
}

void SimulationTest::faultyDesignsAreRecognised_data()
{
    QTest::addColumn<QString>("designator");
    QTest::addColumn<double>("value");
    QTest::addColumn<Verdict>("verdict");
    // A value of 0 removes the part.
    QTest::newRow("no timing capacitor") << "C" << 0.0 << Verdict::DoesNotStart;
    QTest::newRow("no coupling resistor") << "R" << 0.0 << Verdict::DoesNotStart;
    QTest::newRow("Rб2 that saturates T2 for good") << "Rb2" << 10e3 << Verdict::Latches;
}

void SimulationTest::faultyDesignsAreRecognised()
{
    QFETCH(QString, designator);
    QFETCH(double, value);
    QFETCH(Verdict, verdict);
    Design design = example2();
    if (value == 0)
        removePart(design, designator);
    else
        setValue(design, designator, value);
    QCOMPARE(run(design).measurement.verdict, verdict);
}

// The emitter-coupled monostable's output rests low: the supplies' ramp carries it past
// the middle before T2 conducts, which is the start, not a pulse. With β twice the
// typed minimum its worked example fires once per trigger, with a pulse close to tau.
void SimulationTest::outputRestingLowIsNoPulseAtPowerUp()
{
    const Design design = exampleDesign(u"Form11"_qs);
    const Measurement m = run(design, 2).measurement;
    QCOMPARE(m.verdict, Verdict::FiresOncePerTrigger);
    QCOMPARE(m.pulses, 3);
    QVERIFY2(relative(m.pulseLength, design.targets.pulseLength) < 0.1, qPrintable(QString::number(m.pulseLength)));
}

void SimulationTest::sameNumbersUnderEveryLocale()
{
    std::setlocale(LC_ALL, "C.UTF-8");
    const Measurement plain = run(example2()).measurement;
    if (!useCommaLocale())
        QSKIP("ru_RU.UTF-8 is not generated on this machine");
    const Measurement comma = run(example2()).measurement;
    QCOMPARE(comma.period, plain.period);
    QCOMPARE(comma.amplitude1, plain.amplitude1);
    QCOMPARE(comma.amplitude2, plain.amplitude2);
}

void SimulationTest::cancelStopsARun()
{
    Design design = example2();
    design.circuit.stopTime *= 1000; // minutes of work if nothing stops it
    std::atomic<bool> cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel = true;
    });
    QElapsedTimer clock;
    clock.start();
    QString message;
    try {
        check(design, 1, RunControl{.cancel = &cancel});
    } catch (const takton::Exception& e) {
        message = e.message();
    }
    canceller.join();
    QCOMPARE(message, u"Моделирование отменено"_qs);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    // The simulator is usable again after a cancelled run.
    QCOMPARE(run(example2()).measurement.verdict, Verdict::Oscillates);
}

void SimulationTest::timeLimitStopsARun()
{
    Design design = example2();
    design.circuit.stopTime *= 1000;
    QString message;
    try {
        check(design, 1, RunControl{.timeLimit = std::chrono::milliseconds(200)});
    } catch (const takton::Exception& e) {
        message = e.message();
    }
    QVERIFY2(message.startsWith(u"Моделирование не уложилось в 0"_qs), qPrintable(message));
}

// The action opens the result window; the run does not block the event loop (the
// click returns while it goes), and its figures and verdict appear when it ends.
void SimulationTest::resultWindowFromTheAction()
{
    TForm2 form;
    typeAll(&form, exampleOf(u"Form2"_qs).typed);
    addSimulationCheck(&form, designOf<TForm2>);
    QElapsedTimer clock;
    clock.start();
    QPushButton* action = button(&form, "ButtonSimulate");
    const auto shortcuts = form.findChildren<QShortcut*>();
    QVERIFY(std::any_of(shortcuts.begin(), shortcuts.end(),
                        [](const QShortcut* s) { return s->key() == QKeySequence(u"Ctrl+M"_qs); }));
    action->click();
    SimulationWindow* window = simulationWindowOf(&form);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    qInfo("action to plotted result: %lld ms", clock.elapsed());
    QCOMPARE(window->findChild<QLabel*>(u"Verdict"_qs)->text().section(u'\n', 0, 0),
             verdictText(Verdict::Oscillates));
    const QString figures = window->findChild<QLabel*>(u"Figures"_qs)->text();
    QVERIFY2(figures.contains(u"Период tau"_qs) && figures.contains(u"1000 мкс"_qs), qPrintable(figures));
    const QString notes = window->findChild<QLabel*>(u"Notes"_qs)->text();
    QVERIFY(notes.contains(u"взято 39000 Ом"_qs));
    // Numbers in the notes read with the user's comma, like every number of the window.
    QVERIFY2(notes.contains(QRegularExpression(u"\\d,\\d+ нФ"_qs)) && !notes.contains(QRegularExpression(u"\\d\\.\\d"_qs)),
             qPrintable(notes));
    QCOMPARE(window->netlistText(), netlist(window->design().circuit, 1));
}

// The simulator library sources ".spiceinit" (any command in it) from the folder it is
// started in, or else from the user's home. A folder the program is started in, or a
// HOME, with one that would leave a file behind: the check runs and the file is never
// made. A worker started in a folder that already has one refuses to run at all.
void SimulationTest::initFilesAreNotRun_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("in the folder the program runs in") << "working directory";
    QTest::newRow("in HOME") << "HOME";
    QTest::newRow("in the folder the worker is started in") << "worker folder";
}

void SimulationTest::initFilesAreNotRun()
{
    QFETCH(QString, where);
    QTemporaryDir place;
    const QString marker = place.filePath(u"ran"_qs);
    QFile init(place.filePath(u".spiceinit"_qs));
    QVERIFY(init.open(QIODevice::WriteOnly));
    init.write(("shell touch " + marker + "\n").toUtf8());
    init.close();
    if (where == u"worker folder") {
        QProcess worker;
        worker.setWorkingDirectory(place.path());
        worker.start(QStringLiteral(TAKTON_SIMULATOR_PROGRAM), {});
        worker.write(netlist(example2().circuit, 1).toLatin1());
        worker.closeWriteChannel();
        QVERIFY(worker.waitForFinished(10000));
        QVERIFY2(worker.readAllStandardOutput().startsWith("fatal the working folder is not empty"),
                 "the worker ran beside a foreign .spiceinit");
    } else {
        const QString before = where == u"HOME" ? qEnvironmentVariable("HOME") : QDir::currentPath();
        if (where == u"HOME")
            qputenv("HOME", place.path().toUtf8());
        else
            QDir::setCurrent(place.path());
        const Verdict verdict = run(example2()).measurement.verdict;
        if (where == u"HOME")
            qputenv("HOME", before.toUtf8());
        else
            QDir::setCurrent(before);
        QCOMPARE(verdict, Verdict::Oscillates);
    }
    QVERIFY2(!QFile::exists(marker), "a command of a foreign .spiceinit ran");
}

// A netlist the simulator refuses or runs without a probe: the failure says what is
// missing, followed by the simulator's own lines.
void SimulationTest::failuresCarryTheSimulatorsMessages_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("simulatorSaid");
    QTest::newRow("circuit not parsed") << "C c1 b2" << "C c1 b2 inf" << "Моделирование не началось"
                                        << "Error: circuit not parsed.";
    QTest::newRow("collector current not saved") << ".save" << ".save v(c1) v(b1) v(c2) v(b2)"
                                                  << "Моделирование не дало кривой @q1[ic]"
                                                  << "Circuit: * astable, two supplies";
}

void SimulationTest::failuresCarryTheSimulatorsMessages()
{
    QFETCH(QString, line);
    QFETCH(QString, replacement);
    QFETCH(QString, message);
    QFETCH(QString, simulatorSaid);
    const Design design = example2();
    QStringList lines = netlist(design.circuit, 1).split(u'\n');
    for (QString& l : lines)
        if (l.startsWith(line))
            l = replacement;
    QString failure;
    try {
        simulate(lines.join(u'\n'), design.circuit.stopTime, {});
    } catch (const takton::Exception& e) {
        failure = e.message();
    }
    QVERIFY2(failure.startsWith(message + u"\nСообщения симулятора:\n"_qs) && failure.contains(simulatorSaid),
             qPrintable(failure));
}

// A worker killed, crashed or hung in the middle of a run: the run ends with a message
// saying so, with the simulator's last lines, and the next run works.
void SimulationTest::stoppedWorkerIsReported_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("timeLimit"); // s
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("lastSaid");
    const QString circuitLine = u"Circuit: * astable, two supplies"_qs;
    QTest::newRow("killed") << SIGKILL << 20 << "Симулятор остановился аварийно (сигнал 9)" << circuitLine;
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer built into the worker catches the fault, reports it and exits.
    QTest::newRow("crashed") << SIGSEGV << 20 << "Симулятор остановился, не закончив моделирования (код 1)"
                             << "libngspice.so.0";
#else
    QTest::newRow("crashed") << SIGSEGV << 20 << "Симулятор остановился аварийно (сигнал 11)" << circuitLine;
#endif
    QTest::newRow("hung, at the time limit") << SIGSTOP << 6 << "Моделирование не уложилось в 6 с" << circuitLine;
}

void SimulationTest::stoppedWorkerIsReported()
{
    QFETCH(int, signal);
    QFETCH(int, timeLimit);
    QFETCH(QString, message);
    QFETCH(QString, lastSaid);
    Design design = example2();
    design.circuit.stopTime *= 1000;
    SimulatorRun going(netlist(design.circuit, 1), design.circuit.stopTime, {}, std::chrono::seconds(timeLimit));
    QTRY_VERIFY_WITH_TIMEOUT(going.progress() > 0 || going.isOver(), 5000); // the transient has begun
    QVERIFY(!going.isOver());
    ::kill(pid_t(going.workerId()), signal);
    going.wait();
    const QString failure = going.failure();
    QVERIFY2(failure.startsWith(message) && failure.contains(u"\nСообщения симулятора:\n"_qs)
                 && failure.contains(lastSaid),
             qPrintable(failure));
    QCOMPARE(run(example2()).measurement.verdict, Verdict::Oscillates);
}

// Cancelled or its window closed: the run's worker is gone at once, the window says the
// run was cancelled, and no error box comes up.
void SimulationTest::endingARunEndsItsWorker_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("Отмена pressed") << false;
    QTest::newRow("result window closed") << true;
}

void SimulationTest::endingARunEndsItsWorker()
{
    QFETCH(bool, closeWindow);
    TForm2 form;
    typeAll(&form, exampleOf(u"Form2"_qs).typed);
    addSimulationCheck(&form, slowly<designOf<TForm2>>);
    ModalBoxes boxes;
    SimulationWindow* window = clickCheck(&form);
    QVERIFY(window->running());
    const qint64 worker = window->currentRun()->workerId();
    QVERIFY(alive(worker));
    QElapsedTimer clock;
    clock.start();
    if (closeWindow)
        window->close();
    else
        button(window, "Cancel")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!alive(worker), 1000);
    qInfo("worker gone after %lld ms", clock.elapsed());
    QTRY_VERIFY(!window->running());
    QCOMPARE(shownText(window, "Verdict"), u"Моделирование отменено"_qs);
    QCOMPARE(boxes.take(), QStringList{});
}

// The program built as takton's main, with runs going in two windows: it ends within a
// second of its main window being closed, and leaves no worker behind.
void SimulationTest::closingTheMainWindowEndsTheProgram()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(TAKTON_QUIT_WITH_RUNS), {});
    QList<qint64> workers;
    QElapsedTimer sinceClose;
    while (!sinceClose.isValid() && program.waitForReadyRead(20000)) {
        while (program.canReadLine()) {
            const QByteArray line = program.readLine().trimmed();
            if (line.startsWith("workers "))
                for (const QByteArray& pid : line.mid(8).split(' '))
                    workers << pid.toLongLong();
            else if (line == "closing")
                sinceClose.start();
        }
    }
    QVERIFY2(sinceClose.isValid(), "the program did not get as far as closing its main window with runs going");
    QVERIFY(program.waitForFinished(5000));
    const qint64 took = sinceClose.elapsed();
    qInfo("program ended %lld ms after its main window closed", took);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(took < 1000, qPrintable(QString::number(took)));
    QCOMPARE(workers.size(), 2);
    for (const qint64 worker : workers)
        QVERIFY2(!alive(worker), qPrintable(QString::number(worker)));
}

// A part, supply or β the simulator cannot take, typed over the worked example: the
// check is refused with the value and the field or step it came from, and nothing runs.
void SimulationTest::valuesTheSimulatorCannotTakeAreRefused_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    const auto refused = [](const char* what) { return u"Моделирование не запущено: "_qs + QString::fromUtf8(what); };
    // A value a step refuses (division by zero) stops the check with the step's own
    // message, as pressing the step does: it never reaches the netlist as inf.
    const QString stepDividesByZero = u"Floating point division by zero"_qs;
    QTest::newRow("Form2: Rк1 = 0")
        << "Form2" << QStringList{"Edit19=0"}
        << refused("Rк1 = 0 Ом (поле «Примем Rк1 = Ом»): сопротивление должно быть конечным и больше нуля");
    QTest::newRow("Form2: Rб2 = −Rк1, Step 7 divides by zero")
        << "Form2" << QStringList{"Edit22=-1100"} << stepDividesByZero;
    QTest::newRow("Form2: Ек1 = 0, Step 6 divides by zero") << "Form2" << QStringList{"Edit17=0"} << stepDividesByZero;
    QTest::newRow("Form2: β of T1 = 0")
        << "Form2" << QStringList{"Edit13=0"}
        << refused("β Т1 = 0 (поле «коэффициент передачи тока Т1 (минимальное значение) =»): коэффициент передачи "
                   "тока должен быть конечным и больше нуля");
    QTest::newRow("Form5: C2 = −11 нФ, before the C1 computed from it")
        << "Form5" << QStringList{"Edit21=-11"}
        << refused("C2 = -11 нФ (поле «Примем С2 = нФ»): ёмкость должна быть конечной и больше нуля");
    QTest::newRow("Form11: I'к1 = I'к2, Step 6 divides by zero")
        << "Form11" << QStringList{"Edit15=0,01"} << stepDividesByZero;
    QTest::newRow("Form11: I'к2 = 0, Step 6 divides by zero") << "Form11" << QStringList{"Edit14=0"} << stepDividesByZero;
    QTest::newRow("Form2: tau = 0")
        << "Form2" << QStringList{"Edit4=0"} << refused("длительность (tau) должна быть больше нуля");
}

void SimulationTest::valuesTheSimulatorCannotTakeAreRefused()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    takton::TableWindow* window = exampleWindow(form);
    typeAll(window, typed);
    ModalBoxes boxes;
    SimulationWindow* result = clickCheck(window);
    typeAll(window, exampleOf(form).typed);
    QCOMPARE(boxes.take(), QStringList{takton::withClosingFullStop(message)});
    QVERIFY(!result->running() && !result->currentRun());
    QCOMPARE(result->netlistText(), QString());
}

// Form2 and Form11 checked at once: each has a worker of its own, both run at the same
// time, and both show their worked example's figures.
void SimulationTest::twoWindowsCheckedAtOnceBothFinish()
{
    const QString forms[] = {u"Form2"_qs, u"Form11"_qs};
    SimulationWindow* windows[2];
    for (int i = 0; i < 2; ++i)
        windows[i] = clickCheck(exampleWindow(forms[i]));
    QVERIFY(windows[0]->running() && windows[1]->running());
    QVERIFY(windows[0]->currentRun()->workerId() != windows[1]->currentRun()->workerId());
    QTRY_VERIFY_WITH_TIMEOUT(!windows[0]->running() && !windows[1]->running(), 20000);
    QVERIFY(relative(windows[0]->measurement().period, exampleOf(forms[0]).time) < 0.02);
    QVERIFY(relative(windows[1]->measurement().pulseLength, exampleOf(forms[1]).time) < 0.02);
}

// After a good run, a rerun that is cancelled, refused or whose worker dies: the old
// figures, plot and notes are gone, and what can be saved is the rerun's circuit (none
// for a refused one). Only a failure raises the error box.
void SimulationTest::rerunThatDoesNotEndWellLeavesNoOldResult_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("boxes");
    QTest::newRow("cancelled") << "cancel" << "Моделирование отменено" << 0;
    QTest::newRow("refused") << "Edit19=0" << "Моделирование не запущено" << 1;
    QTest::newRow("worker killed") << "kill" << "Симулятор остановился аварийно (сигнал 9)" << 1;
}

void SimulationTest::rerunThatDoesNotEndWellLeavesNoOldResult()
{
    QFETCH(QString, how);
    QFETCH(QString, verdict);
    QFETCH(int, boxes);
    takton::TableWindow* form = exampleWindow(u"Form2"_qs);
    SimulationWindow* window = clickCheck(form);
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    QVERIFY(!shownText(window, "Figures").isEmpty() && plottedSeries(window) == 4);
    const QString before = window->netlistText();
    ModalBoxes shown;
    if (how.startsWith(u"Edit"_qs))
        typeAll(form, {how});
    else
        typeAll(form, {u"Edit20=2000"_qs}); // a design of its own
    button(window, "Run")->click();
    typeAll(form, exampleOf(u"Form2"_qs).typed);
    if (how == u"cancel")
        button(window, "Cancel")->click();
    else if (how == u"kill")
        ::kill(pid_t(window->currentRun()->workerId()), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    QCOMPARE(shown.take().size(), boxes);
    QVERIFY2(shownText(window, "Verdict").startsWith(verdict), qPrintable(shownText(window, "Verdict")));
    QCOMPARE(shownText(window, "Figures"), QString());
    QCOMPARE(shownText(window, "Notes"), QString());
    QCOMPARE(plottedSeries(window), 0);
    if (how.startsWith(u"Edit"_qs))
        QCOMPARE(window->netlistText(), QString());
    else
        QVERIFY(window->netlistText() != before && window->netlistText().contains(u"Rk2 c2 ek2 2000"_qs));
}

// β changed after a run: what is saved is still the circuit whose results are shown.
void SimulationTest::savedNetlistIsTheShownRuns()
{
    SimulationWindow* window = clickCheck(exampleWindow(u"Form2"_qs));
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    window->findChild<QDoubleSpinBox*>(u"BetaScale"_qs)->setValue(2);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"form2.cir"_qs);
    window->saveNetlist(path);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), golden(u"form2.cir"_qs));
    window->findChild<QDoubleSpinBox*>(u"BetaScale"_qs)->setValue(1);
}

// The trigger pulse of a monostable follows its design: the user's amplitude holds while
// the design stays the same, a changed design brings its own default, and a default
// beyond the box's range is run as it is, not clamped.
void SimulationTest::triggerFollowsTheDesign_data()
{
    QTest::addColumn<double>("userAmplitude"); // 0: left as shown
    QTest::addColumn<QStringList>("typedBetween");
    QTest::addColumn<double>("amplitude");
    QTest::newRow("same design keeps the user's amplitude") << 3.0 << QStringList{} << 3.0;
    QTest::newRow("Ек2 changed brings its default back") << 3.0 << QStringList{"Edit13=20"} << 10.0;
    QTest::newRow("a default beyond the box is not clamped") << 0.0 << QStringList{"Edit13=1000000"} << 500000.0;
}

void SimulationTest::triggerFollowsTheDesign()
{
    QFETCH(double, userAmplitude);
    QFETCH(QStringList, typedBetween);
    QFETCH(double, amplitude);
    TForm11 form;
    typeAll(&form, exampleOf(u"Form11"_qs).typed);
    addSimulationCheck(&form, designOf<TForm11>);
    SimulationWindow* window = clickCheck(&form);
    window->cancel();
    QTRY_VERIFY(!window->running());
    auto* box = window->findChild<QDoubleSpinBox*>(u"TriggerAmplitude"_qs);
    QCOMPARE(box->value(), 6.0); // Ек2 / 2
    if (userAmplitude > 0)
        box->setValue(userAmplitude);
    typeAll(&form, typedBetween);
    button(window, "Run")->click();
    window->cancel();
    QTRY_VERIFY(!window->running());
    QCOMPARE(window->design().circuit.trigger->amplitude, amplitude);
    QCOMPARE(box->value(), amplitude);
    QVERIFY2(window->netlistText().contains(u"PULSE(0 "_qs + spiceNumber(amplitude) + u' '),
             qPrintable(window->netlistText()));
}

// A hundred checks in a row leave the program's resident memory within 5 MiB of where
// it was after the first few (the plots' and the libraries' first allocations).
void SimulationTest::hundredChecksKeepResidentMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizer's own bookkeeping grows with every allocation");
#endif
    SimulationWindow* window = clickCheck(exampleWindow(u"Form2"_qs));
    const auto checkOnce = [&] {
        QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
        button(window, "Run")->click();
    };
    for (int i = 0; i < 5; ++i)
        checkOnce();
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    const long before = residentKiB();
    for (int i = 0; i < 100; ++i)
        checkOnce();
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 10000);
    const long after = residentKiB();
    qInfo("resident memory: %ld KiB after 5 checks, %ld KiB after 100 more (%+ld KiB)", before, after,
          after - before);
    QCOMPARE(shownText(window, "Verdict").section(u'\n', 0, 0), verdictText(Verdict::Oscillates));
    QVERIFY2(after - before < 5 * 1024, qPrintable(QString::number(after - before)));
}

QTEST_MAIN(SimulationTest)
#include "test_simulation.moc"
