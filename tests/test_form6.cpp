// The one-supply astable calculator with resistive and capacitive coupling, driven
// through its widgets: the whole design, what each failing step leaves behind, steps
// pressed out of order, and the Tab order.

#include "Unit6.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form6Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm6 walk;
};

namespace {
// The fields of each step as in the worked design.
const QStringList step1{"Edit1=10", "Edit2=12"};
const QStringList step2{"Edit5=0,1", "Edit7=2", "Edit6=0,15", "Edit8=5"};
const QStringList step3{"Edit9=30", "Edit10=40"};
const QStringList step4{"Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=0,01"};
const QStringList step5{"Edit17=1000", "Edit11=20", "Edit18=1200", "Edit12=30"};
} // namespace

void Form6Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << step1
                            << QStringList{"Label8=20 B", "Label10=24 B", "Label12=10 B", "Label14=12 B"};
    QTest::newRow("Step 2") << "Button2" << step2
                            << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25=0,105 А", "Label27=50 мкА"};
    QTest::newRow("Step 3") << "Button3" << step3
                            << QStringList{"Label30=11 B", "Label34=13,2 B", "Label32=15 B", "Label36=20 B"};
    QTest::newRow("Step 4") << "Button4" << step4 << QStringList{"Label39=1100 Ом", "Label41=1300 Ом"};
    QTest::newRow("Step 5") << "Button5" << step5 << QStringList{"Label44=20000 Ом", "Label46=108000...180000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit19=22000"} << QStringList{"Label49=24800 Ом"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit3=1350", "Edit20=149000"} << QStringList{"Label52=10 нФ"};
    QTest::newRow("Step 8") << "Button8" << QStringList{} << QStringList{"Label54=24 B"};
    QTest::newRow("Step 6 with a small Rб1: R negative")
        << "Button6" << QStringList{"Edit19=1000"} << QStringList{"Label49=-18,1818181818182 Ом"};
}

void Form6Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, runs the
// `before` actions, then presses `step` with every empty label marked untouched.
void Form6Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList step1Labels{"Label8" + u, "Label10" + u, "Label12" + u, "Label14" + u};

    QTest::newRow("step 1, empty first field changes nothing")
        << QStringList{"Edit1=", "Edit2=12"} << QStringList{} << "Button1" << QStringList{notANumber("")} << step1Labels;
    QTest::newRow("step 1, bad second field keeps Um1 for step 3")
        << QStringList{"Edit1=10", "Edit2=12 В"} + step3 << QStringList{"Button1"} << "Button3"
        << QStringList{notANumber("12 В")} << step1Labels + QStringList{"Label30=11 B", "Label34=0 B"};
    QTest::newRow("step 2, bad T2 current after T1's bounds")
        << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0.15", "Edit8=5"} << QStringList{} << "Button2"
        << QStringList{notANumber("0.15")}
        << QStringList{"Label21=0,07 А", "Label23=20 мкА", "Label25" + u, "Label27" + u};
    QTest::newRow("step 3 takes the stored amplitudes, then stops at a bad T1 rating")
        << step1 + QStringList{"Edit9=тридцать", "Edit10=40"} << QStringList{"Button1", "set Edit1=20", "set Edit2=x"}
        << "Button3" << QStringList{notANumber("тридцать")}
        << QStringList{"Label30=11 B", "Label34=13,2 B", "Label32" + u, "Label36" + u};
    QTest::newRow("step 3, bad T2 rating after T1's limit")
        << QStringList{"Edit9=25,5", "Edit10="} << QStringList{} << "Button3" << QStringList{notANumber("")}
        << QStringList{"Label32=12,75 B", "Label36" + u};
    // Step 1 stores Um2 before doubling it overflows; step 3 then fails storing T2's
    // suggestion, before it shows either one.
    QTest::newRow("step 3 stores both suggestions before showing them")
        << QStringList{"Edit1=10", "Edit2=1,65e308"} + step3 << QStringList{"Button1"} << "Button3"
        << QStringList{overflow, overflow}
        << QStringList{"Label8=20 B", "Label10" + u, "Label30" + u, "Label34" + u, "Label32" + u};
    QTest::newRow("step 4 reads all fields before dividing and keeps the sources for step 8")
        << QStringList{"Edit15=11", "Edit16=13", "Edit13=0", "Edit14=x"} << QStringList{"Button4"} << "Button8"
        << QStringList{notANumber("x")} << QStringList{"Label39" + u, "Label41" + u, "Label54=24 B"};
    QTest::newRow("step 4, zero Iк1")
        << QStringList{"Edit15=11", "Edit16=13", "Edit13=0", "Edit14=0,01"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label39" + u, "Label41" + u};
    QTest::newRow("step 4, zero Iк2 after Rк1 shown")
        << QStringList{"Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=-0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label39=1100 Ом", "Label41" + u};
    QTest::newRow("step 5, bad Rк2 after Rб1 shown")
        << QStringList{"Edit17=1000", "Edit11=20", "Edit18=1,2к", "Edit12=30"} << QStringList{} << "Button5"
        << QStringList{notANumber("1,2к")} << QStringList{"Label44=20000 Ом", "Label46" + u};
    QTest::newRow("step 6 before step 4: 0/0")
        << QStringList{"Edit19=22000"} << QStringList{} << "Button6" << QStringList{invalidOp}
        << QStringList{"Label49" + u};
    QTest::newRow("step 6 with |Ек1ф| = 0 from step 4")
        << QStringList{"Edit15=0", "Edit16=13", "Edit13=0,01", "Edit14=0,01", "Edit19=22000"}
        << QStringList{"Button4"} << "Button6" << QStringList{zeroDivide} << QStringList{"Label49" + u};
    QTest::newRow("step 7 before step 5 uses Rк1 = 0")
        << QStringList{"Edit3=1000", "Edit20=240000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label52=4,62962962962963 нФ"};
    QTest::newRow("step 7, Rб2 + Rк1 = 0")
        << step5 + QStringList{"Edit3=1350", "Edit20=-1000"} << QStringList{"Button5"} << "Button7"
        << QStringList{zeroDivide} << QStringList{"Label52" + u};
    QTest::newRow("step 8 before step 4")
        << QStringList{} << QStringList{} << "Button8" << QStringList{} << QStringList{"Label54=0 B"};
    QTest::newRow("step 8, supply beyond double")
        << QStringList{"Edit15=1e308", "Edit16=1e308", "Edit13=1", "Edit14=1"} << QStringList{"Button4"} << "Button8"
        << QStringList{overflow} << QStringList{"Label54" + u};
    QTest::newRow("fields no step reads never fail")
        << step1 + step2 + step3 + step4 + step5
               + QStringList{"Edit19=22000", "Edit3=1350", "Edit20=149000", "Edit4=%s", "Edit21=R"}
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7"} << "Button8"
        << QStringList{} << QStringList{"Label49=24800 Ом", "Label52=10 нФ", "Label54=24 B", "Label56" + u};
}

void Form6Test::stepOutcomes()
{
    runStepOutcomeRow<TForm6>();
}

void Form6Test::focusOrder()
{
    // Step 4's button before the two supply fields above it; Tab wraps to the start.
    const QStringList expected{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                               "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                               "Button4", "Edit15", "Edit16", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                               "Button6", "Edit21", "Button7", "Button8", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form6Test)
#include "test_form6.moc"
