// The pieces every window shares: the closing full stop of messages, the decimal
// separator of a locale, where a window opens, and decoding of the pictures.

#include "decimal_separator.h"
#include "error_reporting.h"
#include "errors.h"
#include "jpeg_image.h"
#include "window_placement.h"

#include <QFile>
#include <QTest>
#include <new>

using namespace takton;

class Framework : public QObject {
    Q_OBJECT
private slots:
    void closingFullStop_data();
    void closingFullStop();
    void messageOfAnyFailure();
    void separatorOfLocale_data();
    void separatorOfLocale();
    void localeVariablesInOrder();
    void placement_data();
    void placement();
    void decodesSchematics();
    void damagedPicturesGiveNoImage_data();
    void damagedPicturesGiveNoImage();
};

void Framework::closingFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a full stop") << "Floating point overflow" << "Floating point overflow.";
    QTest::newRow("quote sorts after full stop") << "'' is not a valid floating point value" << "'' is not a valid floating point value.";
    QTest::newRow("digit") << "code 7" << "code 7.";
    QTest::newRow("question mark") << "why?" << "why?.";
    QTest::newRow("ends in full stop already") << "done." << "done.";
    QTest::newRow("ends in comma, sorts before") << "a," << "a,";
    QTest::newRow("ends in blank") << "a " << "a ";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("Cyrillic letter") << "ошибка" << "ошибка.";
}

void Framework::closingFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(withClosingFullStop(message), shown);
}

void Framework::messageOfAnyFailure()
{
    QCOMPARE(messageOf(std::make_exception_ptr(EZeroDivide())), QStringLiteral("Floating point division by zero"));
    QCOMPARE(messageOf(std::make_exception_ptr(std::bad_alloc())), QStringLiteral("std::bad_alloc"));
    QVERIFY(!messageOf(std::make_exception_ptr(42)).isEmpty());
}

void Framework::separatorOfLocale_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("Russian, UTF-8") << "ru_RU.UTF-8" << QChar(',');
    QTest::newRow("Russian with modifier") << "ru_RU.UTF-8@euro" << QChar(',');
    QTest::newRow("German") << "de_DE" << QChar(',');
    QTest::newRow("US English") << "en_US.UTF-8" << QChar('.');
    QTest::newRow("C") << "C" << QChar('.');
    QTest::newRow("C.UTF-8") << "C.UTF-8" << QChar('.');
    QTest::newRow("POSIX") << "POSIX" << QChar('.');
    QTest::newRow("none") << "" << QChar('.');
    QTest::newRow("unknown name") << "xx_YY" << QChar('.');
}

void Framework::separatorOfLocale()
{
    QFETCH(QString, name);
    QFETCH(QChar, separator);
    QCOMPARE(takton::separatorOfLocale(name), separator);
}

void Framework::localeVariablesInOrder()
{
    qputenv("LANG", "ru_RU.UTF-8");
    qputenv("LC_NUMERIC", "en_US.UTF-8");
    qputenv("LC_ALL", "");
    QCOMPARE(numericLocaleName(), QStringLiteral("en_US.UTF-8"));
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCOMPARE(numericLocaleName(), QStringLiteral("de_DE.UTF-8"));
    qunsetenv("LC_ALL");
    qunsetenv("LC_NUMERIC");
    QCOMPARE(numericLocaleName(), QStringLiteral("ru_RU.UTF-8"));
    refreshDecimalSeparator();
    QCOMPARE(decimalSeparator(), QChar(','));
    qunsetenv("LANG");
    refreshDecimalSeparator();
    QCOMPARE(decimalSeparator(), QChar('.'));
}

void Framework::placement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<bool>("designed");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1920, 1040);
    QTest::newRow("centred") << screen << QSize(1020, 500) << false << QPoint() << QPoint(450, 270);
    QTest::newRow("designed position that fits stays") << screen << QSize(1212, 997) << true << QPoint(369, 20) << QPoint(369, 20);
    QTest::newRow("designed position below the screen moves up") << screen << QSize(1212, 997) << true << QPoint(369, 827) << QPoint(369, 43);
    QTest::newRow("taller than the screen: top edge kept inside") << QRect(0, 0, 1280, 720) << QSize(1212, 997) << true << QPoint(369, 827) << QPoint(68, 0);
    QTest::newRow("centred but larger: corner kept inside") << QRect(0, 0, 1024, 768) << QSize(1458, 822) << false << QPoint() << QPoint(0, 0);
    QTest::newRow("area with an offset (panel on the left)") << QRect(60, 30, 1860, 1010) << QSize(1212, 997) << true << QPoint(0, 827) << QPoint(60, 43);
}

void Framework::placement()
{
    QFETCH(QRect, available);
    QFETCH(QSize, outer);
    QFETCH(bool, designed);
    QFETCH(QPoint, position);
    QFETCH(QPoint, expected);
    QCOMPARE(placeWithin(available, outer, designed ? std::optional(position) : std::nullopt), expected);
}

void Framework::decodesSchematics()
{
    const QImage form2 = loadSchematic(QStringLiteral(":/schematics/form2.jpg"));
    QCOMPARE(form2.size(), QSize(503, 305));
    const QImage form9 = loadSchematic(QStringLiteral(":/schematics/form9.jpg"));
    QCOMPARE(form9.size(), QSize(441, 354));
}

void Framework::damagedPicturesGiveNoImage_data()
{
    QFile file(QStringLiteral(":/schematics/form2.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stream = file.readAll();
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, or anything else");
    QTest::newRow("header only") << stream.left(300);
    QTest::newRow("cut in the middle") << stream.left(stream.size() / 2);
    QByteArray garbled = stream;
    for (qsizetype i = 200; i < garbled.size(); i += 7)
        garbled[i] = char(0xFF);
    QTest::newRow("garbled entropy data") << garbled;
}

void Framework::damagedPicturesGiveNoImage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes, QStringLiteral("test")).isNull());
}

QTEST_MAIN(Framework)
#include "test_framework.moc"
