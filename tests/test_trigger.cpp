// The monostables' trigger: short (a tenth of tau at most), no stronger than needed (the
// least amplitude that fires each worked example fires and a tenth less does not; what
// is applied is that with its margin, as the result's note says), a trigger too weak
// is told as not firing, and a rating breach the test pulse alone causes is the
// trigger's, not the design's.

#include "Unit10.h"
#include "check.h"
#include "decimal_separator.h"
#include "gui_support.h"
#include "simulation_window.h"
#include "spice_number.h"
#include "table_window.h"
#include "trigger_search.h"
#include "window_circuits.h"
#include "simulation/worked_examples.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace takton::testing;
using namespace takton::simulation;

namespace {

Design exampleDesign(const QString& form)
{
    const takton::RegisteredWindow& row = registered(form);
    if (!row.window()) {
        row.create();
        for (const WorkedExample& example : workedExamples)
            if (qName(example.form) == form)
                typeAll(row.window(), example.typed);
    }
    return row.circuit(*row.window());
}

// What one pulse of `amplitude` does to the design at rest, at the design's step.
TriggerResponse responseTo(const Design& design, double amplitude, double betaScale)
{
    AmplitudeSearch probeOnly(design.circuit);
    Circuit probe = probeOnly.probe();
    probe.trigger->amplitude = amplitude;
    return triggerResponse(simulate(netlist(probe, betaScale), probe.stopTime, RunControl{}, emittersOf(probe)),
                           probe);
}

// The search as the check makes it, each probe in the worker process.
AmplitudeSearch searched(const Design& design, double betaScale)
{
    AmplitudeSearch search(design.circuit);
    while (!search.done()) {
        const Circuit probe = search.probe();
        search.record(simulate(netlist(probe, betaScale), probe.stopTime, RunControl{}, emittersOf(probe)));
    }
    return search;
}

void setValue(Design& design, const QString& designator, double value)
{
    for (Component& c : design.circuit.components)
        if (c.designator == designator)
            c.value = value;
}

// A monostable drawn by hand: the trigger (three 1 µs pulses at 20, 50 and 80 µs)
// through C3 into T2's base, every rating typed.
Circuit drawnMonostable()
{
    Circuit c;
    c.supplies = {{"EK1", "nek1", -6}, {"EK2", "ek2", 10}};
    c.components = {{"Rtrig", Part::Resistor, {"trig", "gen"}, 50},
                    {"C3", Part::Capacitor, {"b2", "trig"}, 10e-9},
                    {"Q1", Part::Pnp, {"c1", "b1", "0"}},
                    {"Q2", Part::Npn, {"c2", "b2", "0"}}};
    c.t1 = {.betaMin = 50, .collectorCurrentMax = 0.02, .collectorBaseMax = 30, .reverseBaseEmitter = 5};
    c.t2 = {.betaMin = 50, .collectorCurrentMax = 0.02, .collectorBaseMax = 30, .reverseBaseEmitter = 5};
    c.trigger = Trigger{.node = "gen", .amplitude = 5, .width = 1e-6, .delay = 20e-6, .period = 30e-6, .count = 3};
    c.stopTime = 110e-6;
    return c;
}

// Time since the latest trigger; negative before the first.
double sinceTrigger(double t)
{
    return t < 20e-6 ? -1 : t - (20e-6 + 30e-6 * std::min(2.0, std::floor((t - 20e-6) / 30e-6)));
}

} // namespace

class TriggerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM)); }
    void init() { takton::setDecimalSeparator(','); }

    void leastAmplitudeFiresAndATenthLessDoesNot_data();
    void leastAmplitudeFiresAndATenthLessDoesNot();
    void triggerTooWeakDoesNotFire_data();
    void triggerTooWeakDoesNotFire();
    void breachOnlyTheTriggerCausesIsTheTriggers_data();
    void breachOnlyTheTriggerCausesIsTheTriggers();
    void strongTriggerThrowsTheDrivenBaseBackwards();
    void resultWindowSaysWhichAmplitudeItApplied_data();
    void resultWindowSaysWhichAmplitudeItApplied();
    void searchEndsWithWhatItFound_data();
    void searchEndsWithWhatItFound();
};

// Each monostable's worked example (Form11 at β ×2, where it is a monostable at all:
// at the typed minimum it switches by itself, and the search says so).
void TriggerTest::leastAmplitudeFiresAndATenthLessDoesNot_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<double>("betaScale");
    QTest::newRow("Form9") << "Form9" << 1.0;
    QTest::newRow("Form10") << "Form10" << 1.0;
    QTest::newRow("Form11 at β ×2") << "Form11" << 2.0;
}

void TriggerTest::leastAmplitudeFiresAndATenthLessDoesNot()
{
    QFETCH(QString, form);
    QFETCH(double, betaScale);
    const Design design = exampleDesign(form);
    const Trigger& trigger = *design.circuit.trigger;
    QVERIFY(trigger.width <= design.targets.pulseLength / 10 * (1 + 1e-12));
    QVERIFY(!trigger.amplitudeChosen);

    const AmplitudeSearch search = searched(design, betaScale);
    QVERIFY2(search.least().has_value(), qPrintable(search.note()));
    const double least = *search.least();
    qInfo("%s: least amplitude that fires %.3f V (ceiling %.3f V)", qPrintable(form), least, search.ceiling());
    QCOMPARE(responseTo(design, least, betaScale), TriggerResponse::Fires);
    QCOMPARE(responseTo(design, 0.9 * least, betaScale), TriggerResponse::DoesNotFire);

    // The check applies it with its margin, and its note says so with the user's separator.
    const CheckResult result = check(design, betaScale, RunControl{});
    const Trigger& applied = *result.design.circuit.trigger;
    QCOMPARE(applied.amplitude, search.applied());
    QVERIFY(std::abs(applied.amplitude - triggerMargin * least) < 0.005 * triggerMargin * least);
    QVERIFY(applied.width <= design.targets.pulseLength / 10 * (1 + 1e-12));
    const QString note = u"Запуск: наименьшая срабатывающая амплитуда "_qs + reading(least, 3) + u" В, подана "_qs
                         + reading(least, 3) + u"×1,5 = "_qs + reading(applied.amplitude, 5) + u" В"_qs;
    QVERIFY2(result.design.notes.contains(note), qPrintable(result.design.notes.join(u'\n')));
    QVERIFY(result.measurement.verdict != Verdict::DoesNotFire);
}

// A trigger that does not fire the circuit is told as such: the user's own amplitude
// too weak (applied as typed, no search), or no amplitude up to the sum of the supplies
// getting through a trigger capacitor of a picofarad.
void TriggerTest::triggerTooWeakDoesNotFire_data()
{
    QTest::addColumn<double>("chosenAmplitude"); // 0: searched
    QTest::addColumn<double>("triggerCapacitor"); // 0: as designed
    QTest::addColumn<QString>("note");
    QTest::newRow("the user's 2 В") << 2.0 << 0.0 << "Запуск: амплитуда 2 В задана в окне проверки";
    QTest::newRow("nothing up to the supplies gets through 1 pF")
        << 0.0 << 1e-12
        << "Запуск: запускающий импульс не переключает схему ни при какой амплитуде до суммы напряжений питания, 17 В";
}

void TriggerTest::triggerTooWeakDoesNotFire()
{
    QFETCH(double, chosenAmplitude);
    QFETCH(double, triggerCapacitor);
    QFETCH(QString, note);
    Design design = exampleDesign(u"Form9"_qs);
    if (chosenAmplitude > 0) {
        design.circuit.trigger->amplitude = chosenAmplitude;
        design.circuit.trigger->amplitudeChosen = true;
    }
    if (triggerCapacitor > 0)
        setValue(design, u"C3"_qs, triggerCapacitor);
    const CheckResult result = check(design, 1, RunControl{});
    QCOMPARE(result.measurement.verdict, Verdict::DoesNotFire);
    QCOMPARE(result.measurement.pulses, 0);
    const QStringList notes = result.design.notes.filter(u"Запуск:"_qs);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.front().startsWith(note), qPrintable(notes.front()));
    if (chosenAmplitude > 0)
        QCOMPARE(result.design.circuit.trigger->amplitude, chosenAmplitude);
}

// Waveforms drawn by hand: a stretch beyond a rating at the transistor whose base the
// trigger drives, beginning while a pulse or its falling edge is applied, is the
// trigger's; the same stretch later, or at the other transistor, is the design's; a
// collector current is the trigger's only while it is over with the pulse.
void TriggerTest::breachOnlyTheTriggerCausesIsTheTriggers_data()
{
    QTest::addColumn<QString>("node");   // what is disturbed: "b1", "b2" or "ic2"
    QTest::addColumn<double>("from");    // µs after each trigger's start
    QTest::addColumn<double>("lasting"); // µs
    QTest::addColumn<QString>("whose");  // "trigger", "design" or "" (no breach)
    QTest::newRow("T2's base thrown 8 В below its emitter by the falling edge: the trigger's")
        << "b2" << 1.0 << 20.0 << "trigger";
    QTest::newRow("the same throw 10 µs after the trigger: the design's") << "b2" << 10.0 << 20.0 << "design";
    QTest::newRow("T1's base thrown at the falling edge: T1 is not driven, the design's")
        << "b1" << 1.0 << 20.0 << "design";
    QTest::newRow("T2's collector current over only while the trigger is applied: the trigger's")
        << "ic2" << 0.1 << 0.9 << "trigger";
    QTest::newRow("T2's collector current over through the output pulse: the design's")
        << "ic2" << 0.1 << 5.0 << "design";
    QTest::newRow("nothing beyond a rating") << "b2" << 1.0 << 0.0 << "";
}

void TriggerTest::breachOnlyTheTriggerCausesIsTheTriggers()
{
    QFETCH(QString, node);
    QFETCH(double, from);
    QFETCH(double, lasting);
    QFETCH(QString, whose);
    const Circuit circuit = drawnMonostable();
    QCOMPARE(drivenBase(circuit), u"b2"_qs);
    // T2's collector falls to 1 В for 5 µs after each trigger: a pulse of the circuit's own.
    const auto disturbed = [&](double t) {
        const double since = sinceTrigger(t) * 1e6;
        if (since < from || since >= from + lasting)
            return 0.0;
        return node == u"ic2" ? 0.05 : 8.0 * (1 - (since - from) / lasting); // relaxing back
    };
    Waveforms w;
    for (int i = 0; i <= 11000; ++i) {
        const double t = i * 10e-9;
        const double since = sinceTrigger(t);
        w.time.push_back(t);
        w.c2.push_back(since >= 0.1e-6 && since < 5e-6 ? 1.0 : 10.0);
        w.c1.push_back(since >= 0.1e-6 && since < 5e-6 ? -6.0 : 0.0);
        w.b2.push_back(node == u"b2" ? -disturbed(t) : 0.0);
        w.b1.push_back(node == u"b1" ? disturbed(t) : 0.0);
        w.ic2.push_back(node == u"ic2" ? disturbed(t) : 0.0);
        w.ic1.push_back(0);
        w.e1.push_back(0);
        w.e2.push_back(0);
    }
    const Measurement m = measureMonostable(w, circuit);
    const QStringList& expected = whose == u"trigger" ? m.triggerBreaches : m.ratingBreaches;
    const QStringList& other = whose == u"trigger" ? m.ratingBreaches : m.triggerBreaches;
    QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    QCOMPARE(expected.size(), whose.isEmpty() ? 0 : 1);
    if (!whose.isEmpty())
        QVERIFY2(expected.front().contains(node == u"b1" ? u"Т1"_qs : u"Т2"_qs), qPrintable(expected.front()));
}

// Form9's worked example with the trigger the user sets at Ек1 + Ек2 = 17 В: its falling
// edge throws T2's base below its emitter beyond the 10 В T2 was chosen for. That is
// the test pulse's doing, reported as the trigger's; the design itself breaches nothing.
void TriggerTest::strongTriggerThrowsTheDrivenBaseBackwards()
{
    Design design = exampleDesign(u"Form9"_qs);
    design.circuit.trigger->amplitude = 17;
    design.circuit.trigger->amplitudeChosen = true;
    const Measurement m = check(design, 1, RunControl{}).measurement;
    qInfo("T2's reverse base-emitter peak %.2f V", m.reverseBaseEmitter2);
    QVERIFY2(m.triggerBreaches.filter(u"Обратное напряжение база-эмиттер Т2"_qs).size() == 1,
             qPrintable(m.triggerBreaches.join(u'\n')));
    QVERIFY2(m.ratingBreaches.filter(u"база-эмиттер Т2"_qs).isEmpty(), qPrintable(m.ratingBreaches.join(u'\n')));
}

// The result window: left as shown, the amplitude box brings the least amplitude that
// fires times the margin, shown in the box, the notes and the netlist to save; set by
// the user, it is applied as typed and the notes say no search was made.
void TriggerTest::resultWindowSaysWhichAmplitudeItApplied_data()
{
    QTest::addColumn<double>("userAmplitude"); // 0: left as shown
    QTest::addColumn<QString>("note");
    QTest::newRow("left as shown: the least that fires, times 1,5")
        << 0.0 << "Запуск: наименьшая срабатывающая амплитуда 0,697 В, подана 0,697×1,5 = 1,0455 В";
    QTest::newRow("the user's 3 В: as typed, no search")
        << 3.0 << "Запуск: амплитуда 3 В задана в окне проверки и подана как есть; наименьшая срабатывающая не искалась";
}

void TriggerTest::resultWindowSaysWhichAmplitudeItApplied()
{
    QFETCH(double, userAmplitude);
    QFETCH(QString, note);
    TForm10 form;
    for (const WorkedExample& example : workedExamples)
        if (qName(example.form) == u"Form10")
            typeAll(&form, example.typed);
    addSimulationCheck(&form, designOf<TForm10>);
    button(&form, "ButtonSimulate")->click();
    SimulationWindow* window = simulationWindowOf(&form);
    auto* box = window->findChild<QDoubleSpinBox*>(u"TriggerAmplitude"_qs);
    if (userAmplitude > 0) {
        window->cancel();
        QTRY_VERIFY(!window->running());
        box->setValue(userAmplitude);
        button(window, "Run")->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window->running(), 30000);
    const double applied = window->design().circuit.trigger->amplitude;
    QCOMPARE(applied, userAmplitude > 0 ? userAmplitude : 1.0455);
    QCOMPARE(box->value(), std::round(applied * 100) / 100); // the box shows two decimals
    QVERIFY2(window->netlistText().contains(u"PULSE(0 "_qs + spiceNumber(applied) + u' '),
             qPrintable(window->netlistText()));
    const QString notes = window->findChild<QLabel*>(u"Notes"_qs)->text();
    QVERIFY2(notes.split(u'\n').contains(note), qPrintable(notes));
}

// The search on drawn responses, without the simulator: the output (resting at Ек2 =
// 10 В) falls to 0 for the pulse's width when the amplitude reaches `threshold`; a
// restless output swings before the trigger whatever comes.
void TriggerTest::searchEndsWithWhatItFound_data()
{
    QTest::addColumn<double>("threshold"); // V
    QTest::addColumn<bool>("restless");
    QTest::addColumn<int>("mostProbes");
    QTest::addColumn<QString>("note");
    QTest::newRow("fires from 4 В: bracketed within 3 %") << 4.0 << false << 12
                                                         << "Запуск: наименьшая срабатывающая амплитуда 4";
    QTest::newRow("nothing up to the supplies fires: one probe")
        << 20.0 << false << 1 << "Запуск: запускающий импульс не переключает схему ни при какой амплитуде до суммы "
                                 "напряжений питания, 16 В; подана 16 В";
    QTest::newRow("fires at any amplitude: stops at the floor")
        << 0.0 << false << 20 << "Запуск: наименьшая срабатывающая амплитуда не более 0,000";
    QTest::newRow("switches by itself: the default, one probe")
        << 4.0 << true << 1
        << "Запуск: схема переключается и без запускающего импульса, наименьшая срабатывающая амплитуда не ищется; "
           "подана амплитуда по умолчанию 5 В";
}

void TriggerTest::searchEndsWithWhatItFound()
{
    QFETCH(double, threshold);
    QFETCH(bool, restless);
    QFETCH(int, mostProbes);
    QFETCH(QString, note);
    Circuit circuit = drawnMonostable();
    AmplitudeSearch search(circuit);
    int probes = 0;
    while (!search.done() && probes <= mostProbes) {
        const Circuit probe = search.probe();
        const Trigger& t = *probe.trigger;
        QCOMPARE(t.count, 1);
        const bool fires = t.amplitude >= threshold;
        Waveforms w;
        for (double time = 0; time <= probe.stopTime; time += 10e-9) {
            const bool low = (fires && time >= t.delay && time < t.delay + t.width)
                             || (restless && std::fmod(time, 4e-6) < 2e-6);
            w.time.push_back(time);
            w.c2.push_back(low ? 0.0 : 10.0);
            for (auto* v : {&w.c1, &w.b1, &w.b2, &w.ic1, &w.ic2, &w.e1, &w.e2})
                v->push_back(0);
        }
        search.record(w);
        ++probes;
    }
    QVERIFY2(search.done() && probes <= mostProbes, qPrintable(QString::number(probes)));
    QVERIFY2(search.note().startsWith(note), qPrintable(search.note()));
    if (threshold > 0 && threshold < search.ceiling() && !restless) {
        QVERIFY(*search.least() >= threshold);
        QVERIFY(*search.least() <= threshold * (1 + searchResolution));
        QCOMPARE(search.applied(), triggerMargin * QString::number(*search.least(), 'g', 3).toDouble());
    }
}

QTEST_MAIN(TriggerTest)
#include "test_trigger.moc"
