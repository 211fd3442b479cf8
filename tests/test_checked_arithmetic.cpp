// Formulas run in extended precision and fail where a calculator must not show a
// number: division by zero, 0/0, and results a double cannot hold.

#include "extended.h"

#include <QTest>
#include <cfloat>
#include <cmath>

using namespace takton;

namespace {
enum class Failure { None, ZeroDivide, InvalidOp, Overflow };

Failure failureOf(auto&& computation)
{
    try {
        computation();
        return Failure::None;
    } catch (const EZeroDivide&) {
        return Failure::ZeroDivide;
    } catch (const EInvalidOp&) {
        return Failure::InvalidOp;
    } catch (const EOverflow&) {
        return Failure::Overflow;
    }
}
} // namespace

Q_DECLARE_METATYPE(Failure)

class CheckedArithmetic : public QObject {
    Q_OBJECT
private slots:
    void divisions_data();
    void divisions();
    void overflowAtStoreKeepsOldValue();
    void roundingToLargestDoubleIsNoOverflow();
    void underflowIsSilent();
    void extendedIntermediatesDifferFromDouble();
    void messages();
};

void CheckedArithmetic::divisions_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("non-zero by zero") << 5.0 << 0.0 << Failure::ZeroDivide;
    QTest::newRow("negative by zero") << -5.0 << 0.0 << Failure::ZeroDivide;
    QTest::newRow("non-zero by negative zero") << 5.0 << -0.0 << Failure::ZeroDivide;
    QTest::newRow("zero by zero") << 0.0 << 0.0 << Failure::InvalidOp;
    QTest::newRow("negative zero by zero") << -0.0 << 0.0 << Failure::InvalidOp;
    QTest::newRow("zero by negative zero") << 0.0 << -0.0 << Failure::InvalidOp;
    QTest::newRow("zero by non-zero") << 0.0 << 3.0 << Failure::None;
    QTest::newRow("quotient beyond double, stored") << DBL_MAX << 1e-10 << Failure::Overflow;
    QTest::newRow("denormal divisor") << 1.0 << 4.9406564584124654e-324 << Failure::Overflow;
}

void CheckedArithmetic::divisions()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(Failure, failure);
    QCOMPARE(failureOf([&] { store(X(dividend) / divisor); }), failure);
}

void CheckedArithmetic::overflowAtStoreKeepsOldValue()
{
    double variable = 42.0;
    QCOMPARE(failureOf([&] { variable = store(X(DBL_MAX) * 2); }), Failure::Overflow);
    QCOMPARE(variable, 42.0);
    QCOMPARE(failureOf([&] { variable = store(1e400L); }), Failure::Overflow);
    QCOMPARE(failureOf([&] { variable = store(-1e400L); }), Failure::Overflow);
    QCOMPARE(variable, 42.0);
}

void CheckedArithmetic::roundingToLargestDoubleIsNoOverflow()
{
    // Just above DBL_MAX but nearer to it than to 2^1024: rounds down.
    const long double slightlyAbove = (long double)DBL_MAX * (1.0L + 1e-18L);
    QCOMPARE(store(slightlyAbove), DBL_MAX);
    QCOMPARE(store(-slightlyAbove), -DBL_MAX);
    // The last extended value below the halfway point still fits; the halfway point
    // itself rounds to even, which is 2^1024, and overflows.
    QCOMPARE(store(std::nextafter(doubleOverflowThreshold, 0.0L)), DBL_MAX);
    QCOMPARE(failureOf([] { store(doubleOverflowThreshold); }), Failure::Overflow);
    QCOMPARE(failureOf([] { store(-doubleOverflowThreshold); }), Failure::Overflow);
}

void CheckedArithmetic::underflowIsSilent()
{
    QCOMPARE(store(X(1e-300) * 1e-300), 0.0);
    const double denormal = store(X(1e-300) * 1e-10);
    QVERIFY(denormal > 0 && denormal < DBL_MIN);
}

void CheckedArithmetic::extendedIntermediatesDifferFromDouble()
{
    // 1,1 x 3 in double arithmetic lands one ulp above 3,3; held in extended and
    // rounded once, it is the double nearest to 3,3.
    const double three = 3.0;
    QVERIFY(1.1 * three != 3.3);
    QCOMPARE(store(1.1L * X(three)), 3.3);
    // A sum whose double evaluation loses the small term entirely.
    const double big = 1e16, one = 1.0;
    QCOMPARE(store((X(big) + one + one) - big), 2.0);
}

void CheckedArithmetic::messages()
{
    QCOMPARE(EZeroDivide().message(), QStringLiteral("Floating point division by zero"));
    QCOMPARE(EInvalidOp().message(), QStringLiteral("Invalid floating point operation"));
    QCOMPARE(EOverflow().message(), QStringLiteral("Floating point overflow"));
}

QTEST_APPLESS_MAIN(CheckedArithmetic)
#include "test_checked_arithmetic.moc"
