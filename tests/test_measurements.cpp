// What the check measures on a waveform, on waveforms drawn by hand: a glitch is not an
// edge, a spike does not count as amplitude, triggers are counted as scheduled whatever
// the rounding of the run's end, and recovery waits for the slowest node.

#include "analysis.h"

#include <QTest>
#include <cmath>
#include <functional>

using namespace takton::simulation;

namespace {

// Samples every 10 ns of `shape` over [0, end] on every node the measurement reads.
Waveforms drawn(double end, const std::function<double(double)>& collector2,
                const std::function<double(double)>& base2 = [](double) { return 0.0; })
{
    Waveforms w;
    const int n = int(std::lround(end / 10e-9));
    for (int i = 0; i <= n; ++i) {
        const double t = i == n ? end : i * 10e-9;
        w.time.push_back(t);
        w.c2.push_back(collector2(t));
        w.b2.push_back(base2(t));
        w.c1.push_back(-collector2(t));
        w.b1.push_back(0);
        w.ic1.push_back(0);
        w.ic2.push_back(0);
        w.e1.push_back(0);
        w.e2.push_back(0);
    }
    return w;
}

Circuit monostable(double stopTime)
{
    Circuit c;
    c.supplies = {{"Ek1", "ek1", -10}, {"Ek2", "ek2", 10}};
    c.trigger = Trigger{.node = "gen", .amplitude = 5, .width = 0.2e-6, .delay = 20e-6, .period = 30e-6, .count = 3};
    c.stopTime = stopTime;
    return c;
}

// Time since the latest of the three triggers (at 20, 50 and 80 µs); negative before.
double sinceTrigger(double t)
{
    return t < 20e-6 ? -1 : t - (20e-6 + 30e-6 * std::min(2.0, std::floor((t - 20e-6) / 30e-6)));
}

// T2's collector rests at 10 V and falls to 1 V for 2 µs, 0.1 µs after each trigger.
double firesOnce(double t)
{
    const double since = sinceTrigger(t);
    return since >= 0.1e-6 && since < 2.1e-6 ? 1.0 : 10.0;
}

} // namespace

class Measurements : public QObject {
    Q_OBJECT
private slots:
    void edgesNeedBothThresholds_data();
    void edgesNeedBothThresholds();
    void spikesAreNotAmplitude();
    void triggersCountedAsScheduled_data();
    void triggersCountedAsScheduled();
    void recoveryWaitsForTheSlowestNode();
    void monostableVerdicts_data();
    void monostableVerdicts();
};

void Measurements::edgesNeedBothThresholds_data()
{
    QTest::addColumn<double>("glitchDepth"); // V, from 10 V
    QTest::addColumn<int>("edges");
    QTest::newRow("no glitch: two rising edges") << 0.0 << 2;
    QTest::newRow("a 10 ns glitch past the middle but not the far threshold is none") << 6.0 << 2;
    QTest::newRow("a dip past both thresholds is an edge") << 9.5 << 3;
}

void Measurements::edgesNeedBothThresholds()
{
    QFETCH(double, glitchDepth);
    QFETCH(int, edges);
    // A square wave of 100 µs between 0 and 10 V, with a short dip in its high half.
    const Waveforms w = drawn(200e-6, [&](double t) {
        if (t >= 70e-6 && t < 70.01e-6)
            return 10 - glitchDepth;
        return std::fmod(t, 100e-6) >= 50e-6 ? 10.0 : 0.0;
    });
    const std::vector<double> found = takton::simulation::edges(w.time, w.c2, 2.5, 7.5, true);
    QCOMPARE(int(found.size()), edges);
    QVERIFY(std::abs(found.front() - 50e-6) < 20e-9);
}

void Measurements::spikesAreNotAmplitude()
{
    // 0 V and 10 V held, with a 20 V spike of 50 ns at every rising edge.
    Circuit c;
    c.supplies = {{"Ek2", "ek2", 20}};
    const Waveforms w = drawn(600e-6, [](double t) {
        const double phase = std::fmod(t, 100e-6);
        return phase < 50e-6 ? 0.0 : phase < 50.05e-6 ? 20.0 : 10.0;
    });
    const Measurement m = measureAstable(w, c);
    QCOMPARE(m.verdict, Verdict::Oscillates);
    QVERIFY(std::abs(m.period - 100e-6) < 20e-9);
    QCOMPARE(m.amplitude2, 10.0);
    QCOMPARE(m.peakSwing2, 20.0);
}

// The run ends one ulp before or after three trigger periods: three triggers either way.
void Measurements::triggersCountedAsScheduled_data()
{
    QTest::addColumn<double>("stopTime");
    const double three = 20e-6 + 3 * 30e-6;
    QTest::newRow("an ulp short of three periods") << std::nextafter(three, 0.0);
    QTest::newRow("exactly three periods") << three;
    QTest::newRow("an ulp past three periods") << std::nextafter(three, 1.0);
}

void Measurements::triggersCountedAsScheduled()
{
    QFETCH(double, stopTime);
    const Measurement m = measureMonostable(drawn(stopTime, firesOnce), monostable(stopTime));
    QCOMPARE(m.triggers, 3);
    QCOMPARE(m.pulses, 3);
    QCOMPARE(m.verdict, Verdict::FiresOncePerTrigger);
    QVERIFY(std::abs(m.pulseLength - 2e-6) < 20e-9);
    QCOMPARE(m.amplitude2, 9.0);
}

void Measurements::recoveryWaitsForTheSlowestNode()
{
    // The collectors are back with the pulse's end; T2's base, where the timing
    // capacitor shows, returns from -5 V over 10 µs after it.
    const double stop = 110e-6;
    const Waveforms w = drawn(stop, firesOnce, [](double t) {
        const double since = sinceTrigger(t);
        if (since < 2.1e-6)
            return 0.0;
        return since < 12.1e-6 ? -5.0 * (12.1e-6 - since) / 10e-6 : 0.0;
    });
    const Measurement m = measureMonostable(w, monostable(stop));
    QCOMPARE(m.verdict, Verdict::FiresOncePerTrigger);
    // Within 5 % of its 5 V swing once it is 9.5 µs on its way back.
    QVERIFY2(std::abs(m.recovery - 9.5e-6) < 30e-9, qPrintable(QString::number(m.recovery * 1e6)));
}

// What the output does after each trigger (0.2 µs wide), and what the user is told.
void Measurements::monostableVerdicts_data()
{
    QTest::addColumn<double>("pulse"); // s, from 0.1 µs after the trigger; 0: no pulse
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("a pulse of its own, ten triggers long") << 2e-6 << Verdict::FiresOncePerTrigger;
    QTest::newRow("a pulse that ends with the trigger") << 0.15e-6 << Verdict::FollowsTrigger;
    QTest::newRow("the trigger moves nothing") << 0.0 << Verdict::DoesNotFire;
}

void Measurements::monostableVerdicts()
{
    QFETCH(double, pulse);
    QFETCH(Verdict, verdict);
    const double stop = 110e-6;
    const Waveforms w = drawn(stop, [&](double t) {
        const double since = sinceTrigger(t);
        return since >= 0.1e-6 && since < 0.1e-6 + pulse ? 1.0 : 10.0;
    });
    QCOMPARE(measureMonostable(w, monostable(stop)).verdict, verdict);
}

QTEST_APPLESS_MAIN(Measurements)
#include "test_measurements.moc"
