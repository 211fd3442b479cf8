// Reading and writing numbers: the grammar a field accepts, the extended value it
// gives, and the 15-digit text a label shows.

#include "decimal_separator.h"
#include "errors.h"
#include "numeric_text.h"

#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace takton;

Q_DECLARE_METATYPE(long double)

class NumericText : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void rejectsText_data();
    void rejectsText();
    void rejectionQuotesTextVerbatim();
    void writesNumbers_data();
    void writesNumbers();
    void writtenTextReadsBack();
};

void NumericText::readsNumbers_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("expected");

    const QChar comma(','), stop('.');
    QTest::newRow("comma locale, decimal comma") << comma << "4,7" << 4.7L;
    QTest::newRow("full-stop locale, decimal point") << stop << "4.7" << 4.7L;
    QTest::newRow("blanks around the number") << comma << "   12  " << 12.0L;
    QTest::newRow("lower-case exponent") << comma << "1e3" << 1000.0L;
    QTest::newRow("upper-case exponent with plus") << comma << "1E+3" << 1000.0L;
    QTest::newRow("negative exponent") << comma << "25e-1" << 2.5L;
    QTest::newRow("lone separator reads as zero") << comma << "," << 0.0L;
    QTest::newRow("trailing separator") << comma << "5," << 5.0L;
    QTest::newRow("leading separator") << comma << ",5" << 0.5L;
    QTest::newRow("separator then exponent") << comma << ",e5" << 0.0L;
    QTest::newRow("explicit plus") << comma << "+7" << 7.0L;
    QTest::newRow("negative") << comma << "-5" << -5.0L;
    QTest::newRow("extended nearest to 0,1, not the double") << comma << "0,1" << 0.1L;
    QTest::newRow("fraction digits shift the exponent") << comma << "1,2345e2" << 123.45L;
    QTest::newRow("beyond double, inside extended") << comma << "1e4932" << 1e4932L;
    QTest::newRow("400-digit integer") << comma << QString("1") + QString(400, '0') << 1e400L;
    QTest::newRow("exponent stops taking digits at 500") << comma << "1e5000" << 1e500L;
    QTest::newRow("huge negative exponent stops at -999") << comma << "1e-99999" << 1e-999L;
    QTest::newRow("below extended range underflows to zero") << comma << "1e-4999" << 0.0L;
    QTest::newRow("zero with huge exponent") << comma << "0e99999" << 0.0L;
    QTest::newRow("extended denormal") << comma << "1e-4940" << 1e-4940L;
    QTest::newRow("leading zeros") << comma << "000,25" << 0.25L;
}

void NumericText::readsNumbers()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(long double, expected);
    setDecimalSeparator(separator);
    const long double value = StrToFloat(text);
    QCOMPARE(value, expected);
    QCOMPARE(std::signbit(value), std::signbit(expected));
}

void NumericText::rejectsText_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    const QChar comma(','), stop('.');
    QTest::newRow("empty") << comma << "";
    QTest::newRow("blanks only") << comma << "   ";
    QTest::newRow("lone plus") << comma << "+";
    QTest::newRow("lone minus") << comma << "-";
    QTest::newRow("comma locale, full stop") << comma << "4.7";
    QTest::newRow("full-stop locale, comma") << stop << "4,7";
    QTest::newRow("trailing unit") << comma << "12 В";
    QTest::newRow("exponent without digits") << comma << "5e";
    QTest::newRow("exponent sign without digits") << comma << "5e+";
    QTest::newRow("exponent alone") << comma << "e5";
    QTest::newRow("leading tab") << comma << "\t5";
    QTest::newRow("trailing tab") << comma << "5\t";
    QTest::newRow("no-break space") << comma << QString("5") + QChar(0x00A0);
    QTest::newRow("inf") << comma << "inf";
    QTest::newRow("nan") << comma << "nan";
    QTest::newRow("hexadecimal") << comma << "0x10";
    QTest::newRow("two separators") << comma << "1,2,3";
    QTest::newRow("blank inside") << comma << "1 2";
    QTest::newRow("thousands separator") << stop << "1,000.5";
    QTest::newRow("sign after blanks then blank") << comma << " - 5";
    QTest::newRow("double sign") << comma << "--5";
    QTest::newRow("Arabic-Indic digit") << comma << QString(QChar(0x0661));
    QTest::newRow("full-width digit") << comma << QString(QChar(0xFF15));
    QTest::newRow("beyond extended range") << comma << "1e4933";
    QTest::newRow("exponent of four digits beyond extended") << comma << "1e4999";
    QTest::newRow("lone surrogate") << comma << QString(QChar(0xD800));
}

void NumericText::rejectsText()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    setDecimalSeparator(separator);
    QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(text));
}

void NumericText::rejectionQuotesTextVerbatim()
{
    setDecimalSeparator(',');
    for (const QString& text : {QString(), QStringLiteral("4.7"), QStringLiteral("%s%n%d"),
                                QStringLiteral("  12 В ")}) {
        try {
            StrToFloat(text);
            QFAIL("accepted");
        } catch (const EConvertError& e) {
            QCOMPARE(e.message(), "'" + text + "' is not a valid floating point value");
        }
    }
}

void NumericText::writesNumbers_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("expected");

    const QChar comma(','), stop('.');
    QTest::newRow("product of stored doubles") << comma << (long double)(0.7 * 0.01) << "0,007";
    QTest::newRow("a third") << comma << (long double)(1.0 / 3.0) << "0,333333333333333";
    QTest::newRow("1e14 in full") << comma << 1e14L << "100000000000000";
    QTest::newRow("1e15 in E notation") << comma << 1e15L << "1E15";
    QTest::newRow("fifteen-digit integer") << comma << 123456789012345.0L << "123456789012345";
    QTest::newRow("smallest plain value") << comma << (long double)0.0001 << "0,0001";
    QTest::newRow("below it in E notation") << comma << (long double)0.00005 << "5E-5";
    QTest::newRow("rounds up into E notation") << comma << (long double)999999999999999.9 << "1E15";
    QTest::newRow("rounds up into plain form") << comma << (long double)9.9999999999999995e-5 << "0,0001";
    QTest::newRow("zero") << comma << 0.0L << "0";
    QTest::newRow("negative zero") << comma << -0.0L << "0";
    QTest::newRow("negative") << comma << -2.5L << "-2,5";
    QTest::newRow("large") << comma << 1e20L << "1E20";
    QTest::newRow("small with fraction") << comma << (long double)1.5e-5 << "1,5E-5";
    QTest::newRow("small negative exponent") << comma << (long double)2.2e-8 << "2,2E-8";
    QTest::newRow("integer padded with zeros") << comma << 4700.0L << "4700";
    QTest::newRow("integer and fraction") << comma << 10.5L << "10,5";
    QTest::newRow("full-stop separator") << stop << 10.5L << "10.5";
    QTest::newRow("tie at 15th digit rounds to even, down") << comma << 1000000000000005.0L << "1E15";
    QTest::newRow("tie at 15th digit rounds to even, up") << comma << 1000000000000015.0L << "1,00000000000002E15";
    QTest::newRow("largest double") << comma << (long double)DBL_MAX << "1,79769313486232E308";
    QTest::newRow("smallest denormal double") << comma << (long double)4.9406564584124654e-324 << "4,94065645841247E-324";
    QTest::newRow("display product beyond double") << comma << (long double)DBL_MAX * 1e9L << "1,79769313486232E317";
    QTest::newRow("infinity") << comma << std::numeric_limits<long double>::infinity() << "INF";
    QTest::newRow("negative infinity") << comma << -std::numeric_limits<long double>::infinity() << "-INF";
    QTest::newRow("NaN") << comma << std::numeric_limits<long double>::quiet_NaN() << "NAN";
}

void NumericText::writesNumbers()
{
    QFETCH(QChar, separator);
    QFETCH(long double, value);
    QFETCH(QString, expected);
    setDecimalSeparator(separator);
    QCOMPARE(FloatToStr(value), expected);
}

void NumericText::writtenTextReadsBack()
{
    setDecimalSeparator(',');
    for (long double v : {1.0L / 3, 2.0L / 3 * 1e-7L, 12345.678L, -9.87654321e200L, 1e-310L}) {
        const long double back = StrToFloat(FloatToStr(v));
        QVERIFY2(std::fabs(back - v) <= std::fabs(v) * 1e-14L, qPrintable(FloatToStr(v)));
    }
}

QTEST_APPLESS_MAIN(NumericText)
#include "test_numeric_text.moc"
