// The two-supply astable calculator with capacitive and resistive-capacitive coupling,
// driven through its widgets: the whole design, what each failing step leaves behind,
// steps pressed out of order, and the Tab order.

#include "Unit3.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm3 walk;
};

void Form3Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=10", "Edit2=8"}
                            << QStringList{"Label8=20 B", "Label10=16 B", "Label12=10 B", "Label14=8 B"};
    QTest::newRow("Step 2") << "Button2" << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0,05", "Edit8=1,5"}
                            << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25=0,035 А", "Label27=15 мкА"};
    QTest::newRow("Step 3, both limits half the rating")
        << "Button3" << QStringList{"Edit9=30", "Edit10=25"}
        << QStringList{"Label30=10,5...11 B", "Label34=9,2...10 B", "Label32=15 B", "Label36=12,5 B"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=0,005"}
                            << QStringList{"Label39=1100 Ом", "Label41=1800 Ом"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit17=1100", "Edit11=50", "Edit18=1800", "Edit12=40"}
                            << QStringList{"Label44=55000 Ом", "Label46=216000...360000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit19=51000"} << QStringList{"Label49=39927,2727272727 Ом"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit3=1000", "Edit20=240000"}
                            << QStringList{"Label52=5,18457071754459 нФ"};
    QTest::newRow("Step 8") << "Button8" << QStringList{"Edit22=5,1", "Edit21=39000"}
                            << QStringList{"Label55=54,8165297202797 нФ"};
    QTest::newRow("a new period shows nowhere until Step 7 runs again")
        << "Button8" << QStringList{"Edit3=2000"}
        << QStringList{"Label52=5,18457071754459 нФ", "Label55=54,8165297202797 нФ", "Label56="};
    QTest::newRow("Step 7 again reads the new period") << "Button7" << QStringList{}
                                                       << QStringList{"Label52=10,3691414350892 нФ"};
}

void Form3Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, presses
// the earlier steps, then presses `step` with every label marked untouched.
void Form3Test::stepOutcomes_data()
{
    addStepOutcomeColumns();

    const QString u = "=" + untouched;
    // Steps 4 to 7 of the design, for the rows that reach Step 8.
    const QStringList fields4to7{"Edit15=11", "Edit16=9",  "Edit13=0,01", "Edit14=0,005", "Edit17=1100", "Edit11=50",
                                 "Edit18=1800", "Edit12=40", "Edit19=51000", "Edit3=1000", "Edit20=240000"};
    const QStringList steps4to7{"Button4", "Button5", "Button6", "Button7"};

    QTest::newRow("step 1 reads both amplitudes before it writes")
        << QStringList{"Edit1=10", "Edit2=8 В"} << QStringList{} << "Button1" << QStringList{notANumber("8 В")}
        << QStringList{"Label8" + u, "Label10" + u, "Label12" + u, "Label14" + u};
    QTest::newRow("step 3 works from the Um1 a failed step 1 stored, and Um2 = 0")
        << QStringList{"Edit1=10", "Edit2=", "Edit9=30", "Edit10=25"} << QStringList{"Button1"} << "Button3"
        << QStringList{notANumber("")}
        << QStringList{"Label30=10,5...11 B", "Label34=0...0 B", "Label32=15 B", "Label36=12,5 B"};
    QTest::newRow("step 2, bad third field keeps T1's labels")
        << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0.05", "Edit8=1,5"} << QStringList{} << "Button2"
        << QStringList{notANumber("0.05")} << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25" + u, "Label27" + u};
    QTest::newRow("step 3, bad first field still writes the ranges from stored amplitudes")
        << QStringList{"Edit1=10", "Edit2=8", "Edit9=", "Edit10=25"} << QStringList{"Button1", "set Edit1=20"}
        << "Button3" << QStringList{notANumber("")}
        << QStringList{"Label30=10,5...11 B", "Label34=9,2...10 B", "Label32" + u, "Label36" + u};
    QTest::newRow("step 4, bad last field writes nothing")
        << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=abc"} << QStringList{} << "Button4"
        << QStringList{notANumber("abc")} << QStringList{"Label39" + u, "Label41" + u};
    QTest::newRow("step 4, zero current of T2 after Rк1 written")
        << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label39=1100 Ом", "Label41" + u};
    QTest::newRow("step 5, bad β of T2 keeps the Rб2 range")
        << QStringList{"Edit17=1100", "Edit11=50", "Edit18=1800", "Edit12=-"} << QStringList{} << "Button5"
        << QStringList{notANumber("-")} << QStringList{"Label44=55000 Ом", "Label46" + u};
    QTest::newRow("step 6 with the zero Ек1 of a step 4 that failed")
        << QStringList{"Edit15=0", "Edit16=9", "Edit13=1", "Edit14=0", "Edit19=51000"} << QStringList{"Button4"}
        << "Button6" << QStringList{zeroDivide, zeroDivide} << QStringList{"Label49" + u};
    // Ек2·Rб1 is 1E400 on the way: intermediates stay extended, only the result is stored.
    QTest::newRow("step 6, intermediate beyond double, result inside")
        << QStringList{"Edit15=1e200", "Edit16=1e200", "Edit13=1", "Edit14=1", "Edit19=1e200"}
        << QStringList{"Button4"} << "Button6" << QStringList{} << QStringList{"Label49=1E200 Ом"};
    QTest::newRow("step 7 before step 5 uses Rк1 = 0; tmax is never read")
        << QStringList{"Edit3=1000", "Edit20=240000", "Edit4=+25 C"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label52=5,20833333333333 нФ"};
    QTest::newRow("step 7, zero period over zero resistance")
        << QStringList{"Edit3=0", "Edit20=0"} << QStringList{} << "Button7" << QStringList{invalidOp}
        << QStringList{"Label52" + u};
    QTest::newRow("step 8 before steps 5 to 7: Rpar = 0, then 0/0")
        << QStringList{"Edit22=5,1", "Edit21=39000"} << QStringList{} << "Button8" << QStringList{invalidOp}
        << QStringList{"Label55" + u};
    QTest::newRow("step 8, R = 0: Rpar = 0 under a non-zero numerator")
        << fields4to7 + QStringList{"Edit22=5,1", "Edit21=0"} << steps4to7 << "Button8" << QStringList{zeroDivide}
        << QStringList{"Label55" + u};
}

void Form3Test::stepOutcomes()
{
    runStepOutcomeRow<TForm3>();
}

void Form3Test::focusOrder()
{
    const QStringList expected{"Edit1",  "Edit2",  "Edit3",   "Edit4",   "Button1", "Edit5",   "Edit6",   "Edit7",
                               "Edit8",  "Edit9",  "Edit10",  "Edit11",  "Edit12",  "Button2", "Edit13",  "Edit14",
                               "Button3", "Edit15", "Edit16", "Button4", "Edit17",  "Edit18",  "Button5", "Button6",
                               "Edit19", "Edit20", "Edit21",  "Button7", "Edit22",  "Button8", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form3Test)
#include "test_form3.moc"
