// The monostable calculator started by a positive pulse, driven through its widgets:
// the whole design, what each failing step leaves behind, steps pressed out of order,
// and the window as a user meets it.

#include "Unit1.h"
#include "Unit9.h"
#include "decimal_separator.h"
#include "gui_support.h"

#include <QScreen>
#include <QScrollArea>

using namespace takton::testing;

class Form9Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void lookAndLayout();
    void captionsKeepTheirLetters();
    void focusOrder();
    void fieldsSitOverTheirCaptionBlanks();
    void mainWindowShowsThisCalculator();

private:
    TForm9 walk;
};

void Form9Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1: ratings twice the amplitudes")
        << "Button1" << QStringList{"Edit1=5", "Edit2=10"}
        << QStringList{"Label9=10 B", "Label12=20 B", "Label14=5 B", "Label16=10 B"};
    QTest::newRow("Step 2: amperes above, microamperes below")
        << "Button2" << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=1,5"}
        << QStringList{"Label23=0,07 А", "Label25=20 мкА", "Label27=0,035 А", "Label29=15 мкА"};
    QTest::newRow("Step 3: supplies from the stored amplitudes")
        << "Button3" << QStringList{} << QStringList{"Label32=5,5 B", "Label34=11 B"};
    QTest::newRow("Step 4: collector resistors")
        << "Button4" << QStringList{"Edit15=6", "Edit16=11", "Edit13=0,005", "Edit14=0,01"}
        << QStringList{"Label37=1200 Ом", "Label39=1100 Ом"};
    QTest::newRow("Step 5: Rб1 between 3 and 5 times beta Rк1")
        << "Button5" << QStringList{"Edit17=1000", "Edit11=50"} << QStringList{"Label42=150000...250000 Ом"};
    QTest::newRow("Step 6: recovery time and C1 = C2")
        << "Button6" << QStringList{"Edit3=7", "Edit18=1000", "Edit19=9000"}
        << QStringList{"Label44=140 мкс", "Label47=20 нФ"};
    QTest::newRow("Step 6 again, unchanged fields")
        << "Button6" << QStringList{} << QStringList{"Label44=140 мкс", "Label47=20 нФ"};
    QTest::newRow("Step 7: 10 nF gives back Rб1") << "Button7" << QStringList{"Edit20=10"}
                                                  << QStringList{"Label50=9000 Ом"};
    QTest::newRow("Step 7: 47 nF gives back Rб1") << "Button7" << QStringList{"Edit20=47"}
                                                  << QStringList{"Label50=9000 Ом"};
    QTest::newRow("Step 7: 0,5 nF gives back Rб1") << "Button7" << QStringList{"Edit20=0,5"}
                                                   << QStringList{"Label50=9000 Ом"};
    // 66 µs / (0,7 x 48500 Ом) = 1,94403534609720(18) nF
    QTest::newRow("Step 6 redone: 3,3 µs, 1500 + 47000 Ом")
        << "Button6" << QStringList{"Edit3=3,3", "Edit18=1500", "Edit19=47000"}
        << QStringList{"Label44=66 мкс", "Label47=1,9440353460972 нФ"};
    QTest::newRow("Step 7 follows the new Rб1") << "Button7" << QStringList{}
                                                << QStringList{"Label50=47000 Ом"};
    QTest::newRow("Step 1 redone leaves later results alone")
        << "Button1" << QStringList{"Edit1=12,5", "Edit2=0,25"}
        << QStringList{"Label9=25 B", "Label12=0,5 B", "Label14=12,5 B", "Label16=0,25 B",
                       "Label32=5,5 B", "Label50=47000 Ом"};
}

void Form9Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, runs the
// `before` actions (presses, which may fail, and "set Field=text"), marks every empty
// label untouched and presses `step`. `messages` are all the boxes shown on the way.
void Form9Test::stepOutcomes_data()
{
    addStepOutcomeColumns();

    const QString u = "=" + untouched;
    const QStringList step6Fields{"Edit3=7", "Edit18=1000", "Edit19=9000"};

    QTest::newRow("step 1, bad Um1 changes nothing")
        << QStringList{"Edit1=5 В", "Edit2=10"} << QStringList{} << "Button1" << QStringList{notANumber("5 В")}
        << QStringList{"Label9" + u, "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 1, bad Um2 writes no label")
        << QStringList{"Edit1=5", "Edit2="} << QStringList{} << "Button1" << QStringList{notANumber("")}
        << QStringList{"Label9" + u, "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 1, bad Um2 still stores Um1 for step 3")
        << QStringList{"Edit1=5", "Edit2=."} << QStringList{"Button1"} << "Button3" << QStringList{notANumber(".")}
        << QStringList{"Label32=5,5 B", "Label34=0 B"};
    QTest::newRow("step 1, doubled amplitude beyond double")
        << QStringList{"Edit1=1e308", "Edit2=10"} << QStringList{} << "Button1" << QStringList{overflow}
        << QStringList{"Label9" + u, "Label12" + u, "Label14" + u};
    QTest::newRow("step 2, bad Ikbo1 after the first upper bound")
        << QStringList{"Edit5=0,1", "Edit9=x", "Edit6=0,05", "Edit10=1,5"} << QStringList{} << "Button2"
        << QStringList{notANumber("x")}
        << QStringList{"Label23=0,07 А", "Label25" + u, "Label27" + u, "Label29" + u};
    QTest::newRow("step 2, bad Ik2max after T1's bounds")
        << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=", "Edit10=1,5"} << QStringList{} << "Button2"
        << QStringList{notANumber("")}
        << QStringList{"Label23=0,07 А", "Label25=20 мкА", "Label27" + u, "Label29" + u};
    QTest::newRow("step 2, bad Ikbo2 after three bounds")
        << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=1,5 мкА"} << QStringList{} << "Button2"
        << QStringList{notANumber("1,5 мкА")}
        << QStringList{"Label23=0,07 А", "Label25=20 мкА", "Label27=0,035 А", "Label29" + u};
    QTest::newRow("step 3 before step 1 shows zero supplies")
        << QStringList{"Edit1=5", "Edit2=10"} << QStringList{} << "Button3" << QStringList{}
        << QStringList{"Label32=0 B", "Label34=0 B"};
    QTest::newRow("step 3 uses the stored amplitudes, not the fields")
        << QStringList{"Edit1=5", "Edit2=10"} << QStringList{"Button1", "set Edit1=20", "set Edit2=abc"} << "Button3"
        << QStringList{} << QStringList{"Label32=5,5 B", "Label34=11 B"};
    QTest::newRow("step 4, bad last field writes nothing")
        << QStringList{"Edit15=6", "Edit16=11", "Edit13=0,005", "Edit14=0,01А"} << QStringList{} << "Button4"
        << QStringList{notANumber("0,01А")} << QStringList{"Label37" + u, "Label39" + u};
    QTest::newRow("step 4, zero current of T1")
        << QStringList{"Edit15=6", "Edit16=11", "Edit13=0", "Edit14=0,01"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label37" + u, "Label39" + u};
    QTest::newRow("step 4, zero supply over zero current")
        << QStringList{"Edit15=0", "Edit16=11", "Edit13=0", "Edit14=0,01"} << QStringList{} << "Button4"
        << QStringList{invalidOp} << QStringList{"Label37" + u, "Label39" + u};
    QTest::newRow("step 4, zero current of T2 after Rк1 written")
        << QStringList{"Edit15=6", "Edit16=11", "Edit13=0,005", "Edit14=0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label37=1200 Ом", "Label39" + u};
    QTest::newRow("step 5, bad beta keeps the range")
        << QStringList{"Edit17=1000", "Edit11=полсотни"} << QStringList{} << "Button5"
        << QStringList{notANumber("полсотни")} << QStringList{"Label42" + u};
    QTest::newRow("step 5 reads Rк1 only, not the Rк2 beside it")
        << QStringList{"Edit17=-1000", "Edit11=50", "Edit18=not read here"} << QStringList{} << "Button5"
        << QStringList{} << QStringList{"Label42=-150000...-250000 Ом"};
    QTest::newRow("step 6, bad tau changes nothing")
        << QStringList{"Edit3=", "Edit18=1000", "Edit19=9000"} << QStringList{} << "Button6"
        << QStringList{notANumber("")} << QStringList{"Label44" + u, "Label47" + u};
    QTest::newRow("step 6, bad Rк2 after the recovery time")
        << QStringList{"Edit3=7", "Edit18=1 кОм", "Edit19=9000"} << QStringList{} << "Button6"
        << QStringList{notANumber("1 кОм")} << QStringList{"Label44=140 мкс", "Label47" + u};
    QTest::newRow("step 6, bad Rб1 after the recovery time")
        << QStringList{"Edit3=7", "Edit18=1000", "Edit19=9000.5"} << QStringList{} << "Button6"
        << QStringList{notANumber("9000.5")} << QStringList{"Label44=140 мкс", "Label47" + u};
    QTest::newRow("step 6, Rк2 + Rб1 = 0")
        << QStringList{"Edit3=7", "Edit18=1000", "Edit19=-1000"} << QStringList{} << "Button6"
        << QStringList{zeroDivide} << QStringList{"Label44=140 мкс", "Label47" + u};
    QTest::newRow("step 6, zero tau and Rк2 + Rб1 = 0")
        << QStringList{"Edit3=0", "Edit18=0", "Edit19=0"} << QStringList{} << "Button6"
        << QStringList{invalidOp} << QStringList{"Label44=0 мкс", "Label47" + u};
    QTest::newRow("step 6, zero tau gives zero capacitance")
        << QStringList{"Edit3=0", "Edit18=1000", "Edit19=9000"} << QStringList{} << "Button6" << QStringList{}
        << QStringList{"Label44=0 мкс", "Label47=0 нФ"};
    QTest::newRow("step 6, recovery time beyond double")
        << QStringList{"Edit3=1e307", "Edit18=1000", "Edit19=9000"} << QStringList{} << "Button6"
        << QStringList{overflow} << QStringList{"Label44" + u, "Label47" + u};
    QTest::newRow("step 7 before step 6 shows Rб1 = 0")
        << QStringList{"Edit20=10", "Edit19=9000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label50=0 Ом"};
    QTest::newRow("step 7 takes Rб1 from step 6, not the field")
        << step6Fields + QStringList{"Edit20=10"} << QStringList{"Button6", "set Edit19=5"} << "Button7"
        << QStringList{} << QStringList{"Label50=9000 Ом"};
    QTest::newRow("step 7, bad capacitance changes nothing")
        << step6Fields + QStringList{"Edit20=10 нФ"} << QStringList{"Button6"} << "Button7"
        << QStringList{notANumber("10 нФ")} << QStringList{"Label50" + u};
    QTest::newRow("step 7, zero capacitance is 0/0 and keeps the old result")
        << step6Fields + QStringList{"Edit20=10"} << QStringList{"Button6", "Button7", "set Edit20=0"} << "Button7"
        << QStringList{invalidOp} << QStringList{"Label50=9000 Ом"};
    QTest::newRow("fields no step reads never fail")
        << step6Fields + QStringList{"Edit1=5", "Edit2=10", "Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=1,5",
                                     "Edit15=6", "Edit16=11", "Edit13=0,005", "Edit14=0,01", "Edit17=1000",
                                     "Edit11=50", "Edit20=10", "Edit4=%s", "Edit7=", "Edit8=В", "Edit12=x"}
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"} << "Button7"
        << QStringList{} << QStringList{"Label50=9000 Ом", "Label51" + u};
}

void Form9Test::stepOutcomes()
{
    runStepOutcomeRow<TForm9>();
}

void Form9Test::lookAndLayout()
{
    QCOMPARE(walk.objectName(), QStringLiteral("Form9"));
    QCOMPARE(walk.windowTitle(), QStringLiteral("Ждущий мультивибратор с запуском положительным импульсом"));
    QVERIFY(!(walk.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(walk.windowFlags() & Qt::WindowMinimizeButtonHint);
    walk.show();
    QCOMPARE(walk.frameGeometry().size(), QSize(1206, 877));
    // Centred on the desktop, or held inside it where the desktop is smaller.
    const QRect desktop = walk.screen()->availableGeometry();
    if (desktop.width() >= 1206)
        QVERIFY(qAbs(walk.frameGeometry().center().x() - desktop.center().x()) <= 1);
    else
        QCOMPARE(walk.frameGeometry().left(), desktop.left());

    QCOMPARE(label(&walk, "Image1")->geometry(), QRect(674, 56, 447, 353));
    QCOMPARE(label(&walk, "Image1")->pixmap().size(), QSize(441, 354)); // lowest row cut off
    QCOMPARE(edit(&walk, "Edit20")->geometry(), QRect(164, 1058, 43, 29));
    QCOMPARE(edit(&walk, "Edit20")->font().pixelSize(), 13);
    QCOMPARE(label(&walk, "Label48")->font().pixelSize(), 13);
    QCOMPARE(edit(&walk, "Edit1")->font().pixelSize(), 15);
    QCOMPARE(button(&walk, "Button1")->geometry(), QRect(32, 382, 56, 133));
    QVERIFY(label(&walk, "Label1")->font().bold());
    QVERIFY(label(&walk, "Label50")->font().bold());
    QVERIFY(!label(&walk, "Label49")->font().bold());
    QCOMPARE(label(&walk, "Label51")->geometry().topLeft(), QPoint(650, 1116));
    // The lowest controls lie below the window: it scrolls to them.
    auto* scroller = walk.findChild<QScrollArea*>();
    QVERIFY(scroller->widget()->height() > scroller->viewport()->height());
    QCOMPARE(scroller->widget()->height(), 1116 + 16);
    walk.hide();
}

void Form9Test::captionsKeepTheirLetters()
{
    QCOMPARE(text(&walk, "Label3").back(), QChar('B'));     // volts, Latin
    QCOMPARE(text(&walk, "Label6").back(), QChar('C'));     // degrees, Latin
    QCOMPARE(text(&walk, "Label18").back(), QChar(0x0412)); // В, Cyrillic
    QCOMPARE(text(&walk, "Label1"), QStringLiteral("Расчёт ждущего мультивибратора с запуском "));
    QCOMPARE(text(&walk, "Label31"), QStringLiteral("Напряжение источника питания |Ек1| ="));
    QCOMPARE(text(&walk, "Label35"), QStringLiteral("Примем |Ек1| =            В,  Ек2 =           В"));
    QCOMPARE(text(&walk, "Label48"), QStringLiteral("Примем С1 = С2 =               нФ"));
    QVERIFY(text(&walk, "Label46").contains(QChar(0x0421) + QString("1 = ") + QChar(0x0421) + "2")); // С Cyrillic
    QVERIFY(text(&walk, "Label8").contains(QChar(0x0422) + QString("1"))); // Т Cyrillic
    QVERIFY(text(&walk, "Label40").startsWith(QString("Примем R") + QChar(0x043A) + "1")); // R Latin, к Cyrillic
    QVERIFY(text(&walk, "Label30").contains("I'" + QString(QChar(0x043A)) + "2")); // I Latin
}

void Form9Test::focusOrder()
{
    const QStringList expected{"Edit1",  "Edit2",   "Edit3",   "Edit4",  "Button1", "Edit5",  "Edit6",
                               "Edit7",  "Edit8",   "Edit9",   "Edit10", "Edit11",  "Edit12", "Button2",
                               "Edit13", "Edit14",  "Button3", "Edit15", "Edit16",  "Button4", "Edit17",
                               "Edit18", "Button5", "Edit19",  "Button6", "Edit20", "Button7", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

void Form9Test::fieldsSitOverTheirCaptionBlanks()
{
    expectFieldsOnTop(&walk);
}

void Form9Test::mainWindowShowsThisCalculator()
{
    QVERIFY(Form9 && Form9->isHidden());
    press(Form1, "Button8");
    QVERIFY(Form9->isVisible());
    Form9->close();
    QVERIFY(Form9->isHidden());
}

TAKTON_GUI_TEST_MAIN(Form9Test)
#include "test_form9.moc"
