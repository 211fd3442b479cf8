// The astable calculator with one emitter supply and capacitive coupling, driven
// through its widgets: the whole design, what each failing step leaves behind, and
// steps pressed out of order.

#include "Unit8.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form8Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm8 walk;
};

void Form8Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=5", "Edit2=10"}
                            << QStringList{"Label8=10 B", "Label10=20 B", "Label12=5 B", "Label14=10 B"};
    QTest::newRow("Step 2: T2's reverse current from the field below T1's, not beside it")
        << "Button2" << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=50", "Edit11=1,5"}
        << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25=0,035 А", "Label27=15 мкА"};
    QTest::newRow("Step 3") << "Button3" << QStringList{} << QStringList{"Label30=5,5 B", "Label32=11 B"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit15=6", "Edit16=9", "Edit13=0,003", "Edit14=0,004"}
                            << QStringList{"Label35=2000 Ом", "Label37=2250 Ом"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit17=1000", "Edit18=1000", "Edit12=40"}
                            << QStringList{"Label40=150000...250000 Ом", "Label42=120000...200000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit3=50", "Edit19=19000"}
                            << QStringList{"Label45=3,33333333333333 нФ"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit21=10", "Edit20=9000"} << QStringList{"Label48=20 нФ"};
    QTest::newRow("Step 8") << "Button8" << QStringList{} << QStringList{"Label50=15 B"};
    // 220 µs / (0,75 x 14000 Ом) = 20,952380952380952(38) nF, and 14000 x 47 nF / 83000 Ом =
    // 7,927710843373493(97) nF; rounding every operation to double would show ...809 and ...735.
    QTest::newRow("Step 6 redone") << "Button6" << QStringList{"Edit3=220", "Edit19=13000"}
                                   << QStringList{"Label45=20,952380952381 нФ"};
    QTest::newRow("Step 7 follows the new Rб1") << "Button7" << QStringList{"Edit21=47", "Edit20=82000"}
                                                << QStringList{"Label48=7,92771084337349 нФ"};
}

void Form8Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row: a new window, fields typed, `before` run, empty labels marked, `step` pressed.
void Form8Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList step4{"Edit15=6", "Edit16=9", "Edit13=0", "Edit14=0,004"};
    const QStringList step6{"Edit3=15", "Edit19=19000"};
    QTest::newRow("step 1, bad Um2 writes no label, Um1 stays for step 3")
        << QStringList{"Edit1=5", "Edit2="} << QStringList{"Button1"} << "Button3" << QStringList{notANumber("")}
        << QStringList{"Label8" + u, "Label14" + u, "Label30=5,5 B", "Label32=0 B"};
    QTest::newRow("step 2, bad Ik2max after T1's bounds")
        << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0.05", "Edit11=1,5"} << QStringList{} << "Button2"
        << QStringList{notANumber("0.05")} << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25" + u};
    QTest::newRow("step 4 reads every field before it divides")
        << QStringList{"Edit15=6", "Edit16=9", "Edit13=0", "Edit14=4 мА"} << QStringList{} << "Button4"
        << QStringList{notANumber("4 мА")} << QStringList{"Label35" + u};
    QTest::newRow("step 4, zero I'к2 after Rк1 written")
        << QStringList{"Edit15=6", "Edit16=9", "Edit13=0,003", "Edit14=0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label35=2000 Ом", "Label37" + u};
    QTest::newRow("step 8 adds the supplies a failed step 4 stored, not the field")
        << step4 << QStringList{"Button4", "set Edit15=100"} << "Button8" << QStringList{zeroDivide}
        << QStringList{"Label35" + u, "Label50=15 B"};
    QTest::newRow("step 8 before step 4") << step4 << QStringList{} << "Button8" << QStringList{}
                                          << QStringList{"Label50=0 B"};
    QTest::newRow("step 5, bad Rк2 keeps the Rб1 range")
        << QStringList{"Edit17=1000", "Edit10=50", "Edit18=1 кОм", "Edit12=40"} << QStringList{} << "Button5"
        << QStringList{notANumber("1 кОм")} << QStringList{"Label40=150000...250000 Ом", "Label42" + u};
    QTest::newRow("step 6 takes Rк2 from step 5, not the field")
        << step6 + QStringList{"Edit17=0", "Edit10=0", "Edit18=1000", "Edit12=0"}
        << QStringList{"Button5", "set Edit18=5000"} << "Button6" << QStringList{} << QStringList{"Label45=1 нФ"};
    QTest::newRow("step 6 before step 5 with Rб1 = 0") << QStringList{"Edit3=15", "Edit19=0"} << QStringList{}
                                                       << "Button6" << QStringList{zeroDivide} << QStringList{"Label45" + u};
    QTest::newRow("step 6, C2 beyond double") << QStringList{"Edit3=1e308", "Edit19=1e-300"} << QStringList{}
                                              << "Button6" << QStringList{overflow} << QStringList{"Label45" + u};
    QTest::newRow("step 7, Rб2 + Rк1 = 0 under Rб1 of step 6")
        << step6 + QStringList{"Edit21=10", "Edit20=0"} << QStringList{"Button6"} << "Button7"
        << QStringList{zeroDivide} << QStringList{"Label48" + u};
    QTest::newRow("step 7, zero C2 over zero") << step6 + QStringList{"Edit21=0", "Edit20=0"} << QStringList{"Button6"}
                                               << "Button7" << QStringList{invalidOp} << QStringList{"Label48" + u};
    QTest::newRow("fields no step reads never fail")
        << QStringList{"Edit1=5", "Edit2=10", "Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit11=1,5", "Edit13=0,003",
                       "Edit15=6", "Edit16=9", "Edit14=0,004", "Edit17=1000", "Edit10=50", "Edit18=1000", "Edit12=40",
                       "Edit21=10", "Edit20=19000", "Edit4=+85 °C", "Edit7=", "Edit8=30 В"} + step6
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7"} << "Button8"
        << QStringList{} << QStringList{"Label48=10 нФ", "Label50=15 B", "Label51" + u};
}

void Form8Test::stepOutcomes()
{
    runStepOutcomeRow<TForm8>();
}

void Form8Test::focusOrder()
{
    const QStringList expected{"Edit1",   "Edit2",  "Edit3",   "Edit4",  "Button1", "Edit5",   "Edit6",  "Edit7",
                               "Edit8",   "Edit9",  "Edit10",  "Edit11", "Edit12",  "Button2", "Edit13", "Edit14",
                               "Button3", "Edit15", "Edit16",  "Button4", "Edit17", "Edit18",  "Button5", "Edit19",
                               "Edit20",  "Button6", "Edit21", "Button7", "Button8", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form8Test)
#include "test_form8.moc"
