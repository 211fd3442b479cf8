// The two-supply astable calculator with resistive and capacitive coupling, driven
// through its widgets: the whole design, what each failing step leaves behind, the
// decimal separator, and the window as a user and a screen reader meet it.

#include "Unit2.h"
#include "decimal_separator.h"
#include "gui_support.h"

#include <QCoreApplication>
#include <QScrollArea>

using namespace takton::testing;

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void failedStepKeepsWhatItStoredBefore();
    void errorBoxLooksRight();
    void separatorFollowsRegionalSettings();
    void lookAndLayout();
    void captionsKeepTheirLatinLetters();
    void focusOrder();
    void fieldsSitOverTheirCaptionBlanks();
    void resultLabelsGrowToTheRight();
    void fieldsAreNamedAfterTheirCaptions_data();
    void fieldsAreNamedAfterTheirCaptions();

private:
    TForm2 walk;
};

void Form2Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=10", "Edit2=8"}
                            << QStringList{"Label10=20 B", "Label12=16 B", "Label14=10 B", "Label16=8 B"};
    QTest::newRow("Step 2") << "Button2" << QStringList{"Edit7=0,1", "Edit9=2", "Edit8=0,05", "Edit10=1,5"}
                            << QStringList{"Label26=0,07 А", "Label30=20 мкА", "Label28=0,035 А", "Label32=15 мкА"};
    QTest::newRow("Step 3") << "Button3" << QStringList{"Edit11=30", "Edit12=25"}
                            << QStringList{"Label35=10,5...11 B", "Label37=9,2...10 B", "Label40=30 B", "Label42=12,5 B"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit17=11", "Edit18=9", "Edit15=0,01", "Edit16=0,005"}
                            << QStringList{"Label44=1100 Ом", "Label46=1800 Ом"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit19=1100", "Edit13=50", "Edit20=1800", "Edit14=40"}
                            << QStringList{"Label49=55000 Ом", "Label51=216000...360000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit21=51000"} << QStringList{"Label54=39927,2727272727 Ом"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit4=1000", "Edit22=240000"}
                            << QStringList{"Label57=4,60850730448408 нФ"};
    QTest::newRow("Step 7 again, unchanged fields") << "Button7" << QStringList{}
                                                    << QStringList{"Label57=4,60850730448408 нФ"};
}

void Form2Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, presses
// the earlier steps, then presses `step` with every label marked untouched.
void Form2Test::stepOutcomes_data()
{
    addStepOutcomeColumns();

    const QString u = "=" + untouched;

    QTest::newRow("step 1, bad first field changes nothing")
        << QStringList{"Edit1=10 В", "Edit2=8"} << QStringList{} << "Button1"
        << QStringList{"'10 В' is not a valid floating point value."}
        << QStringList{"Label10" + u, "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 1, bad second field stores Um1 but writes nothing")
        << QStringList{"Edit1=10", "Edit2=", "Edit11=1", "Edit12=1"} << QStringList{} << "Button1"
        << QStringList{"'' is not a valid floating point value."}
        << QStringList{"Label10" + u, "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 1, amplitude doubled beyond double")
        << QStringList{"Edit1=1e308", "Edit2=8"} << QStringList{} << "Button1" << QStringList{overflow}
        << QStringList{"Label10" + u, "Label12" + u};
    QTest::newRow("step 1, typed value beyond double")
        << QStringList{"Edit1=1e400", "Edit2=8"} << QStringList{} << "Button1" << QStringList{overflow}
        << QStringList{"Label10" + u};
    QTest::newRow("step 1, negative amplitude used as typed")
        << QStringList{"Edit1=-5", "Edit2=8"} << QStringList{} << "Button1" << QStringList{}
        << QStringList{"Label10=-10 B", "Label14=-5 B"};
    QTest::newRow("step 1, typed amplitude re-formatted")
        << QStringList{"Edit1=10,0", "Edit2= 8 "} << QStringList{} << "Button1" << QStringList{}
        << QStringList{"Label14=10 B", "Label16=8 B"};
    QTest::newRow("step 2, bad third field keeps T2's labels")
        << QStringList{"Edit7=0,1", "Edit9=2", "Edit8=x", "Edit10=1,5"} << QStringList{} << "Button2"
        << QStringList{"'x' is not a valid floating point value."}
        << QStringList{"Label26=0,07 А", "Label30=20 мкА", "Label28" + u, "Label32" + u};
    QTest::newRow("step 3 before step 1 shows zero ranges")
        << QStringList{"Edit11=30", "Edit12=25"} << QStringList{} << "Button3" << QStringList{}
        << QStringList{"Label35=0...0 B", "Label37=0...0 B", "Label40=30 B", "Label42=12,5 B"};
    QTest::newRow("step 3 uses the stored amplitudes, not the fields")
        << QStringList{"Edit1=10", "Edit2=8", "Edit11=30", "Edit12=25"} << QStringList{"Button1", "set Edit1=20"}
        << "Button3" << QStringList{} << QStringList{"Label35=10,5...11 B"};
    QTest::newRow("step 3, bad first field still writes the ranges")
        << QStringList{"Edit1=10", "Edit2=8", "Edit11=", "Edit12=25"} << QStringList{"Button1"} << "Button3"
        << QStringList{"'' is not a valid floating point value."}
        << QStringList{"Label35=10,5...11 B", "Label37=9,2...10 B", "Label40" + u, "Label42" + u};
    QTest::newRow("step 3, bad second field")
        << QStringList{"Edit11=30", "Edit12=25,5,"} << QStringList{} << "Button3"
        << QStringList{"'25,5,' is not a valid floating point value."} << QStringList{"Label40=30 B", "Label42" + u};
    QTest::newRow("step 4, bad last field writes nothing")
        << QStringList{"Edit17=11", "Edit18=9", "Edit15=0,01", "Edit16=abc"} << QStringList{} << "Button4"
        << QStringList{"'abc' is not a valid floating point value."} << QStringList{"Label44" + u, "Label46" + u};
    QTest::newRow("step 4, zero current of T1")
        << QStringList{"Edit17=11", "Edit18=9", "Edit15=0", "Edit16=0,005"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label44" + u, "Label46" + u};
    QTest::newRow("step 4, zero supply over zero current")
        << QStringList{"Edit17=0", "Edit18=9", "Edit15=0", "Edit16=0,005"} << QStringList{} << "Button4"
        << QStringList{invalidOp} << QStringList{"Label44" + u, "Label46" + u};
    QTest::newRow("step 4, negative zero current of T2 after Rк1 written")
        << QStringList{"Edit17=11", "Edit18=9", "Edit15=0,01", "Edit16=-0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label44=1100 Ом", "Label46" + u};
    QTest::newRow("step 5, bad Rк2 keeps the Rб2 range")
        << QStringList{"Edit19=1100", "Edit13=50", "Edit20=1,8к", "Edit14=40"} << QStringList{} << "Button5"
        << QStringList{"'1,8к' is not a valid floating point value."} << QStringList{"Label49=55000 Ом", "Label51" + u};
    QTest::newRow("step 6 before step 4: 0/0")
        << QStringList{"Edit21=51000"} << QStringList{} << "Button6" << QStringList{invalidOp} << QStringList{"Label54" + u};
    QTest::newRow("step 6 with zero Ек1 from step 4")
        << QStringList{"Edit17=0", "Edit18=9", "Edit15=1", "Edit16=1", "Edit21=51000"} << QStringList{"Button4"}
        << "Button6" << QStringList{zeroDivide} << QStringList{"Label54" + u};
    QTest::newRow("step 7 before step 5 uses Rк1 = 0")
        << QStringList{"Edit4=1000", "Edit22=240000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label57=4,62962962962963 нФ"};
    QTest::newRow("step 7 with Rб2 + Rк1 = 0")
        << QStringList{"Edit4=1000", "Edit22=0"} << QStringList{} << "Button7" << QStringList{zeroDivide}
        << QStringList{"Label57" + u};
    QTest::newRow("step 7 with zero period and zero resistance")
        << QStringList{"Edit4=0", "Edit22=0"} << QStringList{} << "Button7" << QStringList{invalidOp} << QStringList{"Label57" + u};
    QTest::newRow("fields no step reads never fail")
        << QStringList{"Edit6=%s%n", "Edit23=", "Edit4=1000", "Edit22=240000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label5" + u};
}

void Form2Test::stepOutcomes()
{
    runStepOutcomeRow<TForm2>();
}

// Step 1 stores Um1 before it fails on Edit2; Step 3 then works from that Um1.
// Step 4 stores both supplies before it fails on a zero current; Step 6 uses them.
void Form2Test::failedStepKeepsWhatItStoredBefore()
{
    TForm2 first;
    runStepOutcome(&first, {"Edit1=10", "Edit2=", "Edit11=30", "Edit12=25"}, {"Button1"}, "Button3",
                   {notANumber("")}, {"Label35=10,5...11 B", "Label37=0...0 B", "Label10=" + untouched});
    TForm2 second;
    runStepOutcome(&second,
                   {"Edit17=11", "Edit18=9", "Edit15=0", "Edit16=0,005", "Edit19=1100", "Edit13=50",
                    "Edit20=1800", "Edit14=40", "Edit21=51000"},
                   {"Button4", "Button5"}, "Button6", {zeroDivide},
                   {"Label44=" + untouched, "Label54=39927,2727272727 Ом"});
}

void Form2Test::errorBoxLooksRight()
{
    TForm2 form;
    ModalBoxes boxes;
    press(&form, "Button1");
    QCOMPARE(boxes.take(), QStringList{notANumber("")});
    QCOMPARE(boxes.lastTitle, QStringLiteral("Тактон"));
    QCOMPARE(boxes.lastIcon, QMessageBox::Critical);
    QCOMPARE(boxes.lastButtons, QStringList{"OK"});
}

void Form2Test::separatorFollowsRegionalSettings()
{
    TForm2 form;
    ModalBoxes boxes;
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    type(&form, "Edit1", "4.7");
    type(&form, "Edit2", "1");
    press(&form, "Button1");
    QCOMPARE(boxes.take(), QStringList{"'4.7' is not a valid floating point value."});
    type(&form, "Edit1", "4,7");
    press(&form, "Button1");
    QCOMPARE(text(&form, "Label10"), QStringLiteral("9,4 B"));

    qputenv("LC_ALL", "en_US.UTF-8");
    QCoreApplication::sendEvent(qApp, &change);
    press(&form, "Button1");
    QCOMPARE(boxes.take(), QStringList{"'4,7' is not a valid floating point value."});
    type(&form, "Edit1", "4.7");
    press(&form, "Button1");
    QCOMPARE(text(&form, "Label10"), QStringLiteral("9.4 B"));
    QCOMPARE(text(&form, "Label14"), QStringLiteral("4.7 B"));
    qputenv("LC_ALL", "C");
}

void Form2Test::lookAndLayout()
{
    QCOMPARE(walk.objectName(), QStringLiteral("Form2"));
    QCOMPARE(walk.windowTitle(), QStringLiteral("С двумя источниками коллекторного питания, резистивной и ёмкостной связями"));
    QVERIFY(walk.windowFlags() & Qt::WindowMaximizeButtonHint);
    walk.show();
    QCOMPARE(walk.frameGeometry().size(), QSize(1212, 997)); // the outer size, frame included
    QCOMPARE(label(&walk, "Image1")->geometry(), QRect(636, 72, 509, 305));
    QCOMPARE(label(&walk, "Image1")->pixmap().size(), QSize(503, 305));
    QCOMPARE(button(&walk, "Button3")->font().pixelSize(), 13);
    QCOMPARE(button(&walk, "Button7")->geometry(), QRect(30, 1084, 56, 28));
    QCOMPARE(edit(&walk, "Edit21")->geometry(), QRect(156, 977, 55, 26));
    QCOMPARE(QFontInfo(edit(&walk, "Edit1")->font()).family(), QStringLiteral("Tahoma"));
    QCOMPARE(QFontInfo(label(&walk, "Label9")->font()).family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(label(&walk, "Label10")->font().bold());
    QVERIFY(!label(&walk, "Label9")->font().bold());
    // The content reaches below the window, so the lower steps are reached by scrolling.
    auto* scroller = walk.findChild<QScrollArea*>();
    QCOMPARE(scroller->widget()->size(), QSize(1157, 1126));
}

void Form2Test::captionsKeepTheirLatinLetters()
{
    QCOMPARE(text(&walk, "Label3").back(), QChar('B'));        // volts, Latin
    QCOMPARE(text(&walk, "Label21").back(), QChar(0x0412));    // В, Cyrillic
    QVERIFY(text(&walk, "Label9").contains(QString("транзистор") + "a T1")); // Latin a and T
    QVERIFY(text(&walk, "Label11").contains(QString("транзистора ") + QChar(0x0422) + "2"));
    QCOMPARE(text(&walk, "Label8").back(), QChar('C'));
    QCOMPARE(text(&walk, "Label34"), QStringLiteral("Напряжение источника питания |Ек1| ="));
    QCOMPARE(text(&walk, "Label38"), QStringLiteral("Примем |Ек1| =          В,   Ек2 =           В"));
    QCOMPARE(text(&walk, "Label33"), QStringLiteral("Примем I'к1 =           А,  I'к2 =           А"));
}

void Form2Test::focusOrder()
{
    const QStringList expected{"Edit1", "Edit2", "Edit4", "Edit6", "Button1", "Button2", "Edit7", "Edit8",
                               "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16",
                               "Button3", "Edit17", "Edit18", "Button4", "Edit19", "Edit20", "Button5",
                               "Edit21", "Edit22", "Button6", "Button7", "Edit23", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

void Form2Test::fieldsSitOverTheirCaptionBlanks()
{
    expectFieldsOnTop(&walk);
}

void Form2Test::resultLabelsGrowToTheRight()
{
    TForm2 form;
    type(&form, "Edit1", "123456,789");
    type(&form, "Edit2", "1");
    press(&form, "Button1");
    QLabel* result = label(&form, "Label10");
    QCOMPARE(result->x(), 740);
    QVERIFY(result->width() >= result->fontMetrics().horizontalAdvance(result->text()));
}

void Form2Test::fieldsAreNamedAfterTheirCaptions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("field with its unit") << "Edit1" << "Амплитуда импульсов, формируемых на коллекторе Т1 Um1 = B";
    QTest::newRow("degrees after a plus sign") << "Edit6" << "Максимальная рабочая температура tmax = + C";
    QTest::newRow("first of two fields on one caption") << "Edit15" << "Примем I'к1 = А";
    QTest::newRow("second of two fields on one caption") << "Edit16" << "I'к2 = А";
    QTest::newRow("caption without a unit") << "Edit13" << "коэффициент передачи тока Т1 (минимальное значение) =";
    QTest::newRow("field beside a caption with no blanks") << "Edit14" << "коэффициент передачи тока Т2 (минимальное значение) =";
    QTest::newRow("the last field") << "Edit23" << "Примем R = Ом";
}

void Form2Test::fieldsAreNamedAfterTheirCaptions()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    QCOMPARE(edit(&walk, field.toLatin1())->accessibleName(), name);
}

TAKTON_GUI_TEST_MAIN(Form2Test)
#include "test_form2.moc"
