// The standard series of preferred values, and what a result label of a resistance or
// a capacitance tells about them.

#include "decimal_separator.h"
#include "result_hints.h"
#include "standard_values.h"
#include "units.h"

#include <QTest>
#include <cmath>

using namespace takton;

Q_DECLARE_METATYPE(takton::ESeries)

class StandardValuesTest : public QObject {
    Q_OBJECT
private slots:
    void seriesAreTheStandardOnes_data();
    void seriesAreTheStandardOnes();
    void neighbours_data();
    void neighbours();
    void hintText_data();
    void hintText();
    void valueToAccept_data();
    void valueToAccept();
};

void StandardValuesTest::seriesAreTheStandardOnes_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("tolerance"); // of each value against 10^(i/count)
    QTest::newRow("E6") << ESeries::E6 << 6 << 0.05;
    QTest::newRow("E12") << ESeries::E12 << 12 << 0.05;
    QTest::newRow("E24") << ESeries::E24 << 24 << 0.05;
    QTest::newRow("E48") << ESeries::E48 << 48 << 0.006;
    QTest::newRow("E96") << ESeries::E96 << 96 << 0.006;
    QTest::newRow("E192") << ESeries::E192 << 192 << 0.006;
}

// A mistyped value shows as a value off its geometric place or out of order.
void StandardValuesTest::seriesAreTheStandardOnes()
{
    QFETCH(ESeries, series);
    QFETCH(int, count);
    QFETCH(double, tolerance);
    const std::span<const int> values = decadeValues(series);
    QCOMPARE(int(values.size()), count);
    const double first = values.front();
    QVERIFY(first == 10 || first == 100);
    for (int i = 0; i < count; ++i) {
        const double ideal = first * std::pow(10.0, double(i) / count);
        QVERIFY2(std::fabs(values[i] / ideal - 1) <= tolerance, qPrintable(QString::number(values[i])));
        if (i > 0)
            QVERIFY(values[i] > values[i - 1]);
    }
}

void StandardValuesTest::neighbours_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("below");
    QTest::addColumn<double>("above");
    QTest::newRow("just under a decade, 0,99") << ESeries::E24 << 0.99 << 0.91 << 1.0;
    QTest::newRow("a power of ten, 1, is standard") << ESeries::E24 << 1.0 << 1.0 << 1.0;
    QTest::newRow("9,9 reaches into the next decade") << ESeries::E24 << 9.9 << 9.1 << 10.0;
    QTest::newRow("10 is standard") << ESeries::E24 << 10.0 << 10.0 << 10.0;
    QTest::newRow("a collector resistor") << ESeries::E24 << 4545.45 << 4300.0 << 4700.0;
    QTest::newRow("4700 is standard") << ESeries::E24 << 4700.0 << 4700.0 << 4700.0;
    QTest::newRow("4,7 as a binary double is standard") << ESeries::E24 << 4.7 << 4.7 << 4.7;
    QTest::newRow("0,056 as a binary double is standard") << ESeries::E24 << 0.056 << 0.056 << 0.056;
    QTest::newRow("below 1 Ом") << ESeries::E24 << 0.0123 << 0.012 << 0.013;
    QTest::newRow("above 10 МОм") << ESeries::E24 << 1.23e7 << 1.2e7 << 1.3e7;
    QTest::newRow("far above, 9,5e15") << ESeries::E24 << 9.5e15 << 9.1e15 << 1e16;
    QTest::newRow("picofarads in farads") << ESeries::E6 << 3e-12 << 2.2e-12 << 3.3e-12;
    QTest::newRow("E96 collector resistor") << ESeries::E96 << 4545.45 << 4530.0 << 4640.0;
    QTest::newRow("E96 just under a decade") << ESeries::E96 << 0.99 << 0.976 << 1.0;
    QTest::newRow("E192 just under a decade") << ESeries::E192 << 9.9 << 9.88 << 10.0;
    QTest::newRow("E192 just over a decade") << ESeries::E192 << 100.5 << 100.0 << 101.0;
}

void StandardValuesTest::neighbours()
{
    QFETCH(ESeries, series);
    QFETCH(double, value);
    QFETCH(double, below);
    QFETCH(double, above);
    const Neighbours n = takton::neighbours(value, series);
    QCOMPARE(double(n.below.value()), below);
    QCOMPARE(double(n.above.value()), above);
}

void StandardValuesTest::hintText_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("hint");
    const QString ohms = unit::ohms.toString(), nanofarads = unit::nanofarads.toString();
    QTest::newRow("resistance, comma") << QChar(',') << 4545.45 << 4545.45 << ohms
                                       << "Ближайшие номиналы E24: 4300 Ом (-5,4 %) и 4700 Ом (+3,4 %)\n"
                                          "Ближайшие номиналы E96: 4530 Ом (-0,3 %) и 4640 Ом (+2,1 %)";
    QTest::newRow("small resistance, point") << QChar('.') << 4.54545 << 4.54545 << ohms
                                             << "Ближайшие номиналы E24: 4.3 Ом (-5.4 %) и 4.7 Ом (+3.4 %)\n"
                                                "Ближайшие номиналы E96: 4.53 Ом (-0.3 %) и 4.64 Ом (+2.1 %)";
    QTest::newRow("standard resistance") << QChar(',') << 4700.0 << 4700.0 << ohms
                                         << "Номинал E24: 4700 Ом\n"
                                            "Ближайшие номиналы E96: 4640 Ом (-1,3 %) и 4750 Ом (+1,1 %)";
    QTest::newRow("capacitance: E24 only") << QChar(',') << 1.944 << 1.944 << nanofarads
                                           << "Ближайшие номиналы E24: 1,8 нФ (-7,4 %) и 2 нФ (+2,9 %)";
    QTest::newRow("range") << QChar(',') << 30000.0 << 50000.0 << ohms
                           << "Номиналы E24 в диапазоне: 30000 Ом, 33000 Ом, 36000 Ом, 39000 Ом, 43000 Ом, 47000 Ом";
    QTest::newRow("range across a decade, standard bounds inside") << QChar(',') << 8.2 << 12.0 << ohms
                                                                   << "Номиналы E24 в диапазоне: 8,2 Ом, 9,1 Ом, 10 Ом, 11 Ом, 12 Ом";
    QTest::newRow("range with no standard value") << QChar(',') << 4400.0 << 4600.0 << ohms
                                                  << "Номиналов E24 в диапазоне нет; ближайшие: 4300 Ом и 4700 Ом";
    QTest::newRow("volts: no hint") << QChar(',') << 4545.45 << 4545.45 << unit::volts.toString() << QString();
    QTest::newRow("negative resistance: no hint") << QChar(',') << -4545.45 << -4545.45 << ohms << QString();
    QTest::newRow("zero capacitance: no hint") << QChar(',') << 0.0 << 0.0 << nanofarads << QString();
    QTest::newRow("range from zero: no hint") << QChar(',') << 0.0 << 100.0 << ohms << QString();
    QTest::newRow("infinite: no hint") << QChar(',') << qInf() << qInf() << ohms << QString();
}

void StandardValuesTest::hintText()
{
    QFETCH(QChar, separator);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(QString, suffix);
    QFETCH(QString, hint);
    setDecimalSeparator(separator);
    QCOMPARE(standardValuesHint({lower, upper, suffix}), hint);
}

void StandardValuesTest::valueToAccept_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<double>("accepted"); // 0: nothing to accept
    const QString ohms = unit::ohms.toString();
    QTest::newRow("single value: nearest") << 4545.45 << 4545.45 << ohms << 4700.0;
    QTest::newRow("0,96: 1 is 4,2 % off, 0,91 is 5,2 %") << 0.96 << 0.96 << ohms << 1.0;
    QTest::newRow("4450: 4300 is 3,4 % off, 4700 is 5,6 %") << 4450.0 << 4450.0 << ohms << 4300.0;
    QTest::newRow("range: nearest its geometric middle 38730") << 30000.0 << 50000.0 << ohms << 39000.0;
    QTest::newRow("range with none inside: still the nearest") << 4400.0 << 4600.0 << ohms << 4300.0;
    QTest::newRow("capacitance") << 1.944 << 1.944 << unit::nanofarads.toString() << 2.0;
    QTest::newRow("volts") << 12.0 << 12.0 << unit::volts.toString() << 0.0;
    QTest::newRow("negative") << -5.0 << -5.0 << ohms << 0.0;
}

void StandardValuesTest::valueToAccept()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(QString, suffix);
    QFETCH(double, accepted);
    const std::optional<StandardValue> value = takton::valueToAccept({lower, upper, suffix});
    QCOMPARE(value ? double(value->value()) : 0.0, accepted);
}

QTEST_APPLESS_MAIN(StandardValuesTest)
#include "test_standard_values.moc"
