// Checking a design by simulation: the netlist text each window gives (a golden file:
// the netlist is an interface), numbers written with '.' whatever the locale, the
// worked examples simulated, faulty designs recognised, cancel and the time limit,
// and the result window driven from the calculator's action.

#include "Unit2.h"
#include "check.h"
#include "decimal_separator.h"
#include "error_reporting.h"
#include "gui_support.h"
#include "simulation_window.h"
#include "spice_number.h"
#include "window_circuits.h"
#include "simulation/worked_examples.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QShortcut>
#include <algorithm>
#include <clocale>
#include <cmath>
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

// A locale with a comma, when the machine has it generated.
bool useCommaLocale()
{
    return std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
}

} // namespace

class SimulationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }
    void cleanup() { std::setlocale(LC_ALL, "C.UTF-8"); }

    void numbersAlwaysWithAPoint_data();
    void numbersAlwaysWithAPoint();
    void e24WithinTheLimit_data();
    void e24WithinTheLimit();
    void netlistsMatchTheirGoldenFiles_data();
    void netlistsMatchTheirGoldenFiles();
    void emptyOrBadFieldNamesItAndRunsNothing_data();
    void emptyOrBadFieldNamesItAndRunsNothing();
    void workedExamples_data();
    void workedExamples();
    void faultyDesignsAreRecognised_data();
    void faultyDesignsAreRecognised();
    void outputRestingLowIsNoPulseAtPowerUp();
    void sameNumbersUnderEveryLocale();
    void cancelStopsARun();
    void timeLimitStopsARun();
    void resultWindowFromTheAction();
};

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
    QTest::newRow("empty supply") << "Edit17="
                                  << "Моделирование не запущено: поле «Примем |Ек1| = В» пусто";
    QTest::newRow("unit typed after a resistance")
        << "Edit22=240 кОм" << "Моделирование не запущено: поле «Rб2 = Ом» не число: '240 кОм'";
    QTest::newRow("point under a comma separator")
        << "Edit13=50.5" << "Моделирование не запущено: поле «коэффициент передачи тока Т1 (минимальное значение) =» "
                            "не число: '50.5'";
}

void SimulationTest::emptyOrBadFieldNamesItAndRunsNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TForm2 form;
    typeAll(&form, exampleOf(u"Form2"_qs).typed);
    typeAll(&form, {typed});
    addSimulationCheck(&form, designOfForm2);
    ModalBoxes boxes;
    button(&form, "ButtonSimulate")->click();
    QCOMPARE(boxes.take(), QStringList{takton::withClosingFullStop(message)});
    const SimulationWindow* window = simulationWindowOf(&form);
    QVERIFY(!window || (!window->running() && !window->isVisible()));
}

// Each window's worked example, simulated: an astable oscillates, a monostable fires
// once for each of at least three triggers. The period (or the output pulse) and the
// amplitudes are pinned to what the generic transistor pair gives, within 2 %; an
// astable's must also stay within 35 % of the targets typed in the window.
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
    const Measurement m = run(design).measurement;
    const bool astable = design.kind == Kind::Astable;
    const double time = astable ? m.period : m.pulseLength;
    qInfo("%s: %.3f s, %s %.2f us, Um1 %.3f V, Um2 %.3f V, %d pulses for %d triggers, recovery %.1f us",
          example.form, clock.elapsed() / 1e3, astable ? "period" : "pulse", time * 1e6, m.amplitude1,
          m.amplitude2, m.pulses, m.triggers, m.recovery * 1e6);
    if (astable) {
        QCOMPARE(m.verdict, Verdict::Oscillates);
        QVERIFY(relative(m.period, design.targets.period) < 0.35);
        QVERIFY(relative(m.amplitude1, design.targets.amplitude1) < 0.35);
        QVERIFY(relative(m.amplitude2, design.targets.amplitude2) < 0.35);
    } else {
        // Form11's worked example runs free at the typed minimum β instead of waiting for
        // its trigger (see the README): a known failure, kept visible.
        const auto knownFailure = [&] {
            if (form == u"Form11")
                QEXPECT_FAIL("Form11", "the emitter-coupled worked example runs free at the minimum β", Continue);
        };
        knownFailure();
        QCOMPARE(m.verdict, Verdict::FiresOncePerTrigger);
        knownFailure();
        QCOMPARE(m.pulses, m.triggers);
        QVERIFY(m.triggers >= 3);
    }
    QVERIFY(relative(time, example.time) < 0.02);
    QVERIFY(relative(m.amplitude1, example.amplitude1) < 0.02);
    QVERIFY(relative(m.amplitude2, example.amplitude2) < 0.02);
}

void SimulationTest::faultyDesignsAreRecognised_data()
{
    QTest::addColumn<QString>("designator");
    QTest::addColumn<double>("value");
    QTest::addColumn<Verdict>("verdict");
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
    addSimulationCheck(&form, designOfForm2);
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
    QVERIFY(window->findChild<QLabel*>(u"Notes"_qs)->text().contains(u"взято 39000 Ом"_qs));
    QCOMPARE(window->netlistText(), netlist(window->design().circuit, 1));
}

QTEST_MAIN(SimulationTest)
#include "test_simulation.moc"
