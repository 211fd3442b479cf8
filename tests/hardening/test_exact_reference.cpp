// FloatToStr and StrToFloat against an exact reference: big-integer decimal
// expansion rounded half to even for writing, exact comparison with the midpoints
// between neighbouring extended values for reading. Boundaries are listed row by
// row; a large random sample covers the rest.

#include "decimal_separator.h"
#include "errors.h"
#include "exact_decimal.h"
#include "numeric_oracle.h"
#include "numeric_text.h"
#include "random_seed.h"

#include <QTest>
#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace takton;
namespace ref = takton::reference;

Q_DECLARE_METATYPE(long double)

namespace {

// Under the sanitizers the point is memory and undefined behaviour, not coverage: a
// quarter of the sample keeps that run short.
#if defined(__SANITIZE_ADDRESS__)
constexpr int sample = 1;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int sample = 1;
#else
constexpr int sample = 4;
#endif
#else
constexpr int sample = 4;
#endif

const QChar separators[] = {QLatin1Char(','), QLatin1Char('.')};

// Empty when FloatToStr writes v as the reference does under both separators.
QString writingMismatch(long double v)
{
    for (QChar separator : separators)
        if (QString m = oracle::writingMismatch(v, separator); !m.isEmpty())
            return m;
    return {};
}

using oracle::readingMismatch;

// A plain decimal text (no exponent) for the exact decimal d, so exponents beyond the
// 500 cap of the exponent field can still be written.
QString plainText(const ref::Decimal& d, QChar separator)
{
    const QString digits = QString::fromStdString(d.digits);
    if (d.point <= 0)
        return QStringLiteral("0") + separator + QString(qsizetype(-d.point), QLatin1Char('0')) + digits;
    if (d.point >= digits.size())
        return digits + QString(qsizetype(d.point - digits.size()), QLatin1Char('0'));
    return digits.left(qsizetype(d.point)) + separator + digits.mid(qsizetype(d.point));
}

// The midpoint between c and the next extended value up, as exact decimal.
ref::Decimal midpointAbove(long double c)
{
    int k = 0;
    const long double f = std::frexp(c, &k);
    std::uint64_t m = std::uint64_t(std::ldexp(f, 64));
    int e = k - 64;
    const int least = LDBL_MIN_EXP - LDBL_MANT_DIG;
    if (e < least) {
        m >>= (least - e);
        e = least;
    }
    return ref::exactExpansion(2 * (unsigned __int128)m + 1, e - 1);
}

using oracle::extendedFromBits;

double finiteDoubleFromBits(std::uint64_t bits)
{
    double d = std::bit_cast<double>(bits);
    if (!std::isfinite(d))
        d = std::bit_cast<double>((bits & ~(std::uint64_t(0x7FF) << 52)) | (std::uint64_t(0x7FE) << 52));
    return d;
}

} // namespace

class ExactReference : public QObject {
    Q_OBJECT
private slots:
    void referenceSelfCheck_data();
    void referenceSelfCheck();
    void writesBoundariesExactly_data();
    void writesBoundariesExactly();
    void writesRandomValuesExactly();
    void readsBoundariesExactly_data();
    void readsBoundariesExactly();
    void readsRandomTextsExactly();
};

// The reference itself, against values worked out by hand.
void ExactReference::referenceSelfCheck_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0.7 x 0.01 shows 0,007") << 0.7L * 0.01L << "0,007";
    QTest::newRow("one third") << 1.0L / 3 << "0,333333333333333";
    QTest::newRow("1e14 in full") << 1e14L << "100000000000000";
    QTest::newRow("1e15 in E notation") << 1e15L << "1E15";
    QTest::newRow("0,0001 plain") << 0.0001L << "0,0001";
    QTest::newRow("0,00005 in E notation") << 0.00005L << "5E-5";
    QTest::newRow("tie at the 16th digit goes to even (down)") << 1000000000000000.5L * 2 - 1 << "2E15";
    QTest::newRow("integer tie 100000000000000,5 goes to even") << 100000000000000.5L << "100000000000000";
    QTest::newRow("integer tie 100000000000001,5 goes to even") << 100000000000001.5L << "100000000000002";
    QTest::newRow("negative") << -2.5L << "-2,5";
}

void ExactReference::referenceSelfCheck()
{
    QFETCH(long double, value);
    QFETCH(QString, expected);
    QCOMPARE(ref::labelText(value, QLatin1Char(',')), expected);
}

void ExactReference::writesBoundariesExactly_data()
{
    QTest::addColumn<long double>("value");
    auto row = [](const QString& name, long double v) {
        QTest::newRow(qPrintable(name)) << v;
        QTest::newRow(qPrintable(name + " (negative)")) << -v;
    };
    for (int k = -30; k <= 30; ++k) {
        const long double p = std::pow(10.0L, k);
        row(QStringLiteral("extended nearest 1e%1").arg(k), p);
        row(QStringLiteral("just below extended 1e%1").arg(k), std::nextafter(p, 0.0L));
        row(QStringLiteral("just above extended 1e%1").arg(k), std::nextafter(p, 2 * p));
        const double d = std::pow(10.0, k);
        row(QStringLiteral("double nearest 1e%1").arg(k), d);
        row(QStringLiteral("just below double 1e%1").arg(k), std::nextafter(d, 0.0));
        row(QStringLiteral("just above double 1e%1").arg(k), std::nextafter(d, 2 * d));
    }
    row("999999999999999,5 rounds up into E notation", 999999999999999.5L);
    row("999999999999999,4 stays plain", 999999999999999.4L);
    row("0,0000999999999999999 rounds up to 0,0001", 0.0000999999999999999L);
    row("0,00009999999999999 stays in E notation", 0.00009999999999999L);
    row("16-digit integer tie, even neighbour below", 1000000000000005.0L);
    row("16-digit integer tie, even neighbour above", 1000000000000015.0L);
    row("all nines carry into a new digit", 9999999999999999.0L);
    row("halves at the 15th digit", 12345678901234.5L);
    row("smallest double denormal", std::numeric_limits<double>::denorm_min());
    row("smallest normal double", DBL_MIN);
    row("largest double", DBL_MAX);
    row("largest double shown in nanofarads", DBL_MAX * 1e9L);
    row("smallest double denormal shown in nanofarads", std::numeric_limits<double>::denorm_min() * 1e9L);
    row("smallest extended denormal", std::numeric_limits<long double>::denorm_min());
    row("smallest normal extended", LDBL_MIN);
    row("largest extended", LDBL_MAX);
    row("one ulp above one", std::nextafter(1.0L, 2.0L));
}

void ExactReference::writesBoundariesExactly()
{
    QFETCH(long double, value);
    const QString mismatch = writingMismatch(value);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// Doubles as stored, their nanofarad products, and any extended value.
void ExactReference::writesRandomValuesExactly()
{
    std::mt19937_64 random(testing::runSeed());
    int checked = 0;
    QStringList mismatches;
    auto check = [&](long double v) {
        ++checked;
        const QString m = writingMismatch(v);
        if (!m.isEmpty() && mismatches.size() < 10)
            mismatches << m;
    };
    for (int i = 0; i < 15000 * sample; ++i) {
        const double d = finiteDoubleFromBits(random());
        check(d);
        check(d * 1e9L);
    }
    // Doubles of ordinary size, where the 15th digit matters most often.
    std::uniform_real_distribution<double> exponent(-20, 20);
    for (int i = 0; i < 15000 * sample; ++i)
        check(std::pow(10.0, exponent(random)));
    for (int i = 0; i < 5000 * sample; ++i) {
        const std::uint64_t bits = random();
        check(extendedFromBits(random(), unsigned(bits), bits >> 63));
    }
    QVERIFY2(mismatches.isEmpty(), qPrintable(QStringLiteral("%1 of %2 values:\n").arg(mismatches.size()).arg(checked) +
                                             mismatches.join(QLatin1Char('\n'))));
}

void ExactReference::readsBoundariesExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    auto rows = [](const QString& name, const ref::Decimal& d) {
        for (QChar separator : separators) {
            const QString exact = plainText(d, separator);
            const QString where = name + QStringLiteral(" ('%1' separator)").arg(separator);
            QTest::newRow(qPrintable(where + ", exactly")) << exact << separator;
            QTest::newRow(qPrintable(where + ", a hair above")) << exact + QStringLiteral("000001") << separator;
            // Every midpoint ends in 5: one less, then nines, lies just below it.
            QString below = exact;
            below.back() = QLatin1Char('4');
            QTest::newRow(qPrintable(where + ", a hair below")) << below + QStringLiteral("999999") << separator;
        }
    };
    rows("midpoint above the largest extended (rejected)", midpointAbove(LDBL_MAX));
    rows("midpoint above the largest double", midpointAbove(DBL_MAX));
    rows("midpoint between zero and the least denormal", midpointAbove(0.0L));
    rows("midpoint above the least denormal", midpointAbove(std::numeric_limits<long double>::denorm_min()));
    rows("midpoint above the largest denormal", midpointAbove(std::nextafter(LDBL_MIN, 0.0L)));
    rows("midpoint above the least normal", midpointAbove(LDBL_MIN));
    rows("midpoint above one", midpointAbove(1.0L));
    rows("midpoint above 0,1", midpointAbove(0.1L));
    rows("midpoint above 1e4932", midpointAbove(1e4932L));
    QTest::newRow("1e4932 is within range") << "1e4932" << QChar(',');
    QTest::newRow("1e4933 is beyond range") << "1e4933" << QChar(',');
    QTest::newRow("largest extended written in 20 digits") << "1,1897314953572317650e4932" << QChar(',');
    QTest::newRow("1e-4951 is a denormal") << "1e-4951" << QChar(',');
    QTest::newRow("1e-4952 underflows to zero") << "1e-4952" << QChar(',');
    QTest::newRow("10,000 digits with a fraction") << QString(5000, QLatin1Char('9')) + QLatin1Char(',') + QString(5000, QLatin1Char('3')) << QChar(',');
    QTest::newRow("10,000 fraction digits scaled up by the exponent") << QStringLiteral(".") + QString(10000, QLatin1Char('7')) + QStringLiteral("e999") << QChar('.');
}

void ExactReference::readsBoundariesExactly()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    const QString mismatch = readingMismatch(text, separator);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// Texts from the reading grammar with random parts, and now and then a stray
// character; exponents range across the whole extended range and past the cap.
void ExactReference::readsRandomTextsExactly()
{
    std::mt19937_64 random(testing::runSeed() ^ 0x5eed);
    auto chance = [&](int percent) { return int(random() % 100) < percent; };
    auto digits = [&](int count) {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(char16_t(u'0' + random() % 10));
        return s;
    };
    const QString strays[] = {QStringLiteral("\t"), QStringLiteral("x"), QStringLiteral("е"), QStringLiteral(","),
                              QStringLiteral("."), QStringLiteral("+"), QStringLiteral("e"), QStringLiteral(" ")};
    QStringList mismatches;
    int checked = 0;
    for (int i = 0; i < 10000 * sample; ++i) {
        const QChar separator = separators[random() % 2];
        QString text = QString(qsizetype(chance(20) ? random() % 3 : 0), QLatin1Char(' '));
        if (chance(40))
            text += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
        text += digits(int(chance(10) ? 0 : random() % 25));
        if (chance(60))
            text += separator + digits(int(random() % 25));
        if (chance(70)) {
            text += chance(50) ? QLatin1Char('e') : QLatin1Char('E');
            if (chance(60))
                text += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
            text += QString(qsizetype(chance(10) ? 3 : 0), QLatin1Char('0'));
            text += QString::number(random() % (chance(90) ? 5000 : 100000));
        }
        text += QString(qsizetype(chance(20) ? random() % 3 : 0), QLatin1Char(' '));
        if (chance(5))
            text.insert(qsizetype(random() % (text.size() + 1)), strays[random() % std::size(strays)]);
        ++checked;
        const QString m = readingMismatch(text, separator);
        if (!m.isEmpty() && mismatches.size() < 10)
            mismatches << m;
    }
    QVERIFY2(mismatches.isEmpty(), qPrintable(QStringLiteral("%1 of %2 texts:\n").arg(mismatches.size()).arg(checked) +
                                             mismatches.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(ExactReference)
#include "test_exact_reference.moc"
