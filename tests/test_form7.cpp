// The one-emitter-supply astable calculator with capacitive and resistive-capacitive
// coupling, driven through its widgets: the whole design, what each failing step
// leaves behind, steps pressed before the steps they depend on, and the Tab order.

#include "Unit7.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form7Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm7 walk;
};

void Form7Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1: ratings") << "Button1" << QStringList{"Edit1=10", "Edit2=12"}
        << QStringList{"Label8=20 B", "Label10=24 B", "Label12=10 B", "Label14=12 B"};
    QTest::newRow("Step 2: amperes above, microamperes below")
        << "Button2" << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0,15", "Edit8=5"}
        << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25=0,105 А", "Label27=50 мкА"};
    QTest::newRow("Step 3: fictitious sources") << "Button3" << QStringList{"Edit9=30", "Edit10=40"}
        << QStringList{"Label30=10,5...11 B", "Label34=13,8...15 B", "Label32=15 B", "Label36=20 B"};
    QTest::newRow("Step 4: collector resistors")
        << "Button4" << QStringList{"Edit15=11", "Edit16=14", "Edit13=0,01", "Edit14=0,01"}
        << QStringList{"Label39=1100 Ом", "Label41=1400 Ом"};
    QTest::newRow("Step 5: base resistors")
        << "Button5" << QStringList{"Edit17=1000", "Edit11=20", "Edit18=1200", "Edit12=30"}
        << QStringList{"Label44=20000 Ом", "Label46=108000...180000 Ом"};
    QTest::newRow("Step 6: largest R") << "Button6" << QStringList{"Edit19=28800"}
                                       << QStringList{"Label49=35454,5454545455 Ом"};
    QTest::newRow("Step 7: C") << "Button7" << QStringList{"Edit3=1200", "Edit20=149000"}
                               << QStringList{"Label52=10 нФ"};
    QTest::newRow("Step 8: C1, Req = 15000") << "Button8" << QStringList{"Edit22=10", "Edit21=30000"}
                                             << QStringList{"Label55=100 нФ"};
    QTest::newRow("Step 9: Еэ") << "Button9" << QStringList{} << QStringList{"Label57=25 B"};
    QTest::newRow("Step 8 again, unchanged fields") << "Button8" << QStringList{} << QStringList{"Label55=100 нФ"};
}

void Form7Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, presses
// the earlier steps, then presses `step` with every label marked untouched.
void Form7Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList pass{"Edit1=10", "Edit2=12", "Edit15=11", "Edit16=14", "Edit13=0,01", "Edit14=0,01",
                           "Edit17=1000", "Edit11=20", "Edit18=1200", "Edit12=30", "Edit19=28800",
                           "Edit3=1200", "Edit20=149000", "Edit22=10", "Edit21=30000"};
    const QStringList stepsUpTo7{"Button4", "Button5", "Button6", "Button7"};

    QTest::newRow("step 1, bad second field still stores Um1 for step 3")
        << QStringList{"Edit1=10", "Edit2=12 B", "Edit9=30", "Edit10=40"} << QStringList{"Button1"} << "Button3"
        << QStringList{notANumber("12 B")}
        << QStringList{"Label8" + u, "Label10" + u, "Label12" + u, "Label14" + u, "Label30=10,5...11 B",
                       "Label34=0...0 B"};
    QTest::newRow("step 1, Ukb2min beyond double after Label8 is written")
        << QStringList{"Edit1=10", "Edit2=1e308"} << QStringList{} << "Button1" << QStringList{overflow}
        << QStringList{"Label8=20 B", "Label10" + u, "Label12" + u};
    QTest::newRow("step 2, bad Edit6 keeps T1's labels")
        << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0.15", "Edit8=5"} << QStringList{} << "Button2"
        << QStringList{notANumber("0.15")}
        << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25" + u, "Label27" + u};
    QTest::newRow("step 3, every range end is stored before either range is shown")
        << QStringList{"Edit1=10", "Edit2=1,5e308", "Edit9=30", "Edit10=40"} << QStringList{"Button1"} << "Button3"
        << QStringList{overflow, overflow} << QStringList{"Label30" + u, "Label34" + u, "Label32" + u};
    QTest::newRow("step 3 before step 1, bad Edit10")
        << QStringList{"Edit9=30", "Edit10="} << QStringList{} << "Button3" << QStringList{notANumber("")}
        << QStringList{"Label30=0...0 B", "Label34=0...0 B", "Label32=15 B", "Label36" + u};
    QTest::newRow("step 4, bad Edit13 still stores the sources for step 9")
        << QStringList{"Edit15=11", "Edit16=14", "Edit13=x", "Edit14=0,01"} << QStringList{"Button4"} << "Button9"
        << QStringList{notANumber("x")} << QStringList{"Label39" + u, "Label41" + u, "Label57=25 B"};
    QTest::newRow("step 4, zero I'к2 after Rк1 is shown")
        << QStringList{"Edit15=11", "Edit16=14", "Edit13=0,01", "Edit14=0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label39=1100 Ом", "Label41" + u};
    QTest::newRow("step 5, bad Rк2 keeps Rб1")
        << QStringList{"Edit17=1000", "Edit11=20", "Edit18=1,2к", "Edit12=30"} << QStringList{} << "Button5"
        << QStringList{notANumber("1,2к")} << QStringList{"Label44=20000 Ом", "Label46" + u};
    QTest::newRow("step 6 before step 4 stores Rб1 for step 8")
        << QStringList{"Edit19=28800", "Edit22=10", "Edit21=30000"} << QStringList{"Button6"} << "Button8"
        << QStringList{invalidOp} << QStringList{"Label49" + u, "Label55=0 нФ"};
    QTest::newRow("step 6 keeps extended precision inside the formula")
        << QStringList{"Edit15=1e10", "Edit16=1e300", "Edit13=1", "Edit14=1", "Edit19=1e10"}
        << QStringList{"Button4"} << "Button6" << QStringList{} << QStringList{"Label49=1E300 Ом"};
    QTest::newRow("step 7 before step 5 uses Rк1 = 0")
        << QStringList{"Edit3=1200", "Edit20=150000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label52=10 нФ"};
    QTest::newRow("step 7 with Rб2 + Rк1 = 0")
        << QStringList{"Edit3=1200", "Edit20=0"} << QStringList{} << "Button7" << QStringList{zeroDivide}
        << QStringList{"Label52" + u};
    QTest::newRow("step 8 with R = 0 after the design: Req = 0")
        << pass << stepsUpTo7 + QStringList{"set Edit21=0"} << "Button8" << QStringList{zeroDivide}
        << QStringList{"Label55" + u};
    QTest::newRow("step 8 before steps 5 to 7: 0/0")
        << QStringList{"Edit22=10", "Edit21=30000"} << QStringList{} << "Button8" << QStringList{invalidOp}
        << QStringList{"Label55" + u};
    QTest::newRow("step 8 uses the stored Rб1 and Rб2, not the fields")
        << pass << stepsUpTo7 + QStringList{"set Edit19=1", "set Edit20=1"} << "Button8" << QStringList{}
        << QStringList{"Label55=100 нФ"};
    QTest::newRow("step 9 before step 4") << QStringList{} << QStringList{} << "Button9" << QStringList{}
                                          << QStringList{"Label57=0 B"};
    QTest::newRow("step 9, Еэ beyond double")
        << QStringList{"Edit15=1e308", "Edit16=1e308", "Edit13=1", "Edit14=1"} << QStringList{"Button4"}
        << "Button9" << QStringList{overflow} << QStringList{"Label57" + u};
    QTest::newRow("fields no step reads never fail")
        << QStringList{"Edit4=%s", "Edit3=1200", "Edit20=150000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label52=10 нФ", "Label58" + u};
}

void Form7Test::stepOutcomes()
{
    runStepOutcomeRow<TForm7>();
}

void Form7Test::focusOrder()
{
    const QStringList expected{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7",
                               "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14",
                               "Button3", "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5",
                               "Edit19", "Edit20", "Button6", "Edit21", "Button7", "Edit22", "Button8",
                               "Button9", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form7Test)
#include "test_form7.moc"
