// The one-supply astable calculator with capacitive coupling, driven through its
// widgets: the whole design, what each step leaves behind when it fails or runs
// before the steps it builds on, and the Tab order.

#include "Unit5.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form5Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm5 walk;
};

void Form5Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=10", "Edit2=12"}
                            << QStringList{"Label9=20 B", "Label11=24 B", "Label13=10 B", "Label15=12 B"};
    QTest::newRow("Step 2") << "Button2" << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=0,15", "Edit8=5"}
                            << QStringList{"Label22=0,07 А", "Label24=20 мкА", "Label26=0,105 А", "Label28=50 мкА"};
    QTest::newRow("Step 3") << "Button3" << QStringList{} << QStringList{"Label31=11 B", "Label33=13,2 B"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=0,01"}
                            << QStringList{"Label36=1100 Ом", "Label38=1300 Ом"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit17=1000", "Edit11=20", "Edit18=1200", "Edit12=30"}
                            << QStringList{"Label41=60000...100000 Ом", "Label43=108000...180000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit3=750", "Edit19=98800"} << QStringList{"Label46=10 нФ"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit21=10", "Edit20=149000"}
                            << QStringList{"Label49=6,66666666666667 нФ"};
    QTest::newRow("Step 8") << "Button8" << QStringList{} << QStringList{"Label51=24 B", "Label53="};
    QTest::newRow("Step 7 again, unchanged fields") << "Button7" << QStringList{}
                                                    << QStringList{"Label49=6,66666666666667 нФ"};
}

void Form5Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, presses
// the earlier steps, then presses `step` with every empty label marked untouched.
void Form5Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList design{"Edit1=10", "Edit2=12", "Edit5=0,1", "Edit7=2", "Edit6=0,15", "Edit8=5",
                             "Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=0,01", "Edit17=1000", "Edit11=20",
                             "Edit18=1200", "Edit12=30", "Edit3=750", "Edit19=98800", "Edit21=10", "Edit20=149000"};

    QTest::newRow("step 1, empty first field changes nothing")
        << QStringList{"Edit2=12"} << QStringList{} << "Button1" << QStringList{notANumber("")}
        << QStringList{"Label9" + u, "Label11" + u, "Label13" + u, "Label15" + u};
    QTest::newRow("steps 1 and 3 stop at the amplitude of T2 beyond double")
        << QStringList{"Edit1=10", "Edit2=1,7e308"} << QStringList{"Button1"} << "Button3"
        << QStringList{overflow, overflow}
        << QStringList{"Label9=20 B", "Label11" + u, "Label13" + u, "Label31=11 B", "Label33" + u};
    QTest::newRow("step 2, bad third field keeps T1's labels")
        << QStringList{"Edit5=0,1", "Edit7=2", "Edit6=x", "Edit8=5"} << QStringList{} << "Button2"
        << QStringList{notANumber("x")} << QStringList{"Label22=0,07 А", "Label24=20 мкА", "Label26" + u, "Label28" + u};
    QTest::newRow("step 3 uses the stored amplitudes, not the fields")
        << QStringList{"Edit1=10", "Edit2=12"} << QStringList{"Button1", "set Edit1=20"} << "Button3" << QStringList{}
        << QStringList{"Label31=11 B", "Label33=13,2 B"};
    QTest::newRow("step 4 reads all four fields first; step 8 adds the stored sources")
        << QStringList{"Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=0.01"} << QStringList{"Button4"} << "Button8"
        << QStringList{notANumber("0.01")} << QStringList{"Label36" + u, "Label38" + u, "Label51=24 B"};
    QTest::newRow("step 4, zero current of T2 after Rк1 is shown")
        << QStringList{"Edit15=11", "Edit16=13", "Edit13=0,01", "Edit14=-0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label36=1100 Ом", "Label38" + u};
    QTest::newRow("step 5, bad Rк2 keeps the Rб1 range")
        << QStringList{"Edit17=1000", "Edit11=20", "Edit18=1,2к", "Edit12=30"} << QStringList{} << "Button5"
        << QStringList{notANumber("1,2к")} << QStringList{"Label41=60000...100000 Ом", "Label43" + u};
    QTest::newRow("step 6 first, with Rб1 = 0")
        << QStringList{"Edit3=750", "Edit19=0"} << QStringList{} << "Button6" << QStringList{zeroDivide}
        << QStringList{"Label46" + u};
    // The zero product (Rб1 + Rк2)·С2 is divided by Rб2 + Rк1 = 0 as a whole.
    QTest::newRow("step 7 first with Rб2 = 0: 0/0")
        << QStringList{"Edit21=10", "Edit20=0"} << QStringList{} << "Button7" << QStringList{invalidOp}
        << QStringList{"Label49" + u};
    QTest::newRow("step 7 uses the Rб1 of step 6, not the field")
        << design << QStringList{"Button5", "Button6", "set Edit19=1"} << "Button7" << QStringList{}
        << QStringList{"Label49=6,66666666666667 нФ"};
    // Rб1 + Rк2 = 2e308 is beyond double but only held inside the formula.
    QTest::newRow("step 7 sums beyond double inside the formula")
        << QStringList{"Edit17=1", "Edit11=1", "Edit18=1e308", "Edit12=1e-300", "Edit3=750", "Edit19=1e308",
                       "Edit21=1", "Edit20=1"}
        << QStringList{"Button5", "Button6"} << "Button7" << QStringList{} << QStringList{"Label49=1E308 нФ"};
    QTest::newRow("step 8 before step 4 shows 0")
        << QStringList{} << QStringList{} << "Button8" << QStringList{} << QStringList{"Label51=0 B"};
    QTest::newRow("step 8, supply beyond double")
        << QStringList{"Edit15=1e308", "Edit16=1e308", "Edit13=1", "Edit14=1"} << QStringList{"Button4"} << "Button8"
        << QStringList{overflow} << QStringList{"Label51" + u};
    QTest::newRow("fields no step reads never fail")
        << design + QStringList{"Edit4=+40 C", "Edit9=", "Edit10=%s"}
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7"} << "Button8"
        << QStringList{} << QStringList{"Label51=24 B", "Label53" + u};
}

void Form5Test::stepOutcomes()
{
    runStepOutcomeRow<TForm5>();
}

void Form5Test::focusOrder()
{
    const QStringList expected{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                               "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                               "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                               "Button6", "Edit21", "Button7", "Button8", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form5Test)
#include "test_form5.moc"
