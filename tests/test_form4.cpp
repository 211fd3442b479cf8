// The two-supply astable calculator with capacitive coupling both ways, driven through
// its widgets: the whole design, what each failing or early step leaves behind, and
// the Tab order.

#include "Unit4.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form4Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign() { runDesignStepRow(&walk); }
    void stepOutcomes_data();
    void stepOutcomes() { runStepOutcomeRow<TForm4>(); }
    void focusOrder();

private:
    TForm4 walk;
};

void Form4Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=10", "Edit2=8"}
                            << QStringList{"Label9=20 B", "Label12=16 B", "Label14=10 B", "Label16=8 B"};
    QTest::newRow("Step 2") << "Button2" << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit11=1,5"}
                            << QStringList{"Label23=0,07 А", "Label25=20 мкА", "Label27=0,035 А", "Label29=15 мкА"};
    QTest::newRow("Step 3") << "Button3" << QStringList{} << QStringList{"Label32=11 B", "Label34=8,8 B"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=0,005"}
                            << QStringList{"Label37=1100 Ом", "Label39=1800 Ом"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit17=1100", "Edit10=50", "Edit18=1800", "Edit12=40"}
                            << QStringList{"Label42=165000...275000 Ом", "Label44=216000...360000 Ом"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit3=1000", "Edit19=200000"}
                            << QStringList{"Label47=6,60720185001652 нФ"};
    QTest::newRow("Step 7, from the typed C2") << "Button7" << QStringList{"Edit21=6,8", "Edit20=270000"}
                                               << QStringList{"Label50=5,0617484323128 нФ"};
    QTest::newRow("Step 7 again, unchanged fields") << "Button7" << QStringList{}
                                                    << QStringList{"Label50=5,0617484323128 нФ"};
}

// Each row starts from a window just created (all state 0), types the fields, presses
// the earlier steps, then presses `step` with every empty label marked untouched.
void Form4Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList design{"Edit1=10", "Edit2=8", "Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit11=1,5",
                             "Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=0,005", "Edit17=1100", "Edit10=50",
                             "Edit18=1800", "Edit12=40", "Edit3=1000", "Edit19=200000", "Edit21=6,8", "Edit20=270000"};

    QTest::newRow("step 1, bad first field changes nothing")
        << QStringList{"Edit1=10 В", "Edit2=8"} << QStringList{} << "Button1" << QStringList{notANumber("10 В")}
        << QStringList{"Label9" + u, "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 1 fails on Edit2 after storing Um1, which step 3 then uses")
        << QStringList{"Edit1=10", "Edit2="} << QStringList{"Button1"} << "Button3" << QStringList{notANumber("")}
        << QStringList{"Label9" + u, "Label14" + u, "Label32=11 B", "Label34=0 B"};
    QTest::newRow("step 1, T2's doubling overflows after T1's rating is shown")
        << QStringList{"Edit1=10", "Edit2=1e308"} << QStringList{} << "Button1" << QStringList{overflow}
        << QStringList{"Label9=20 B", "Label12" + u, "Label14" + u, "Label16" + u};
    QTest::newRow("step 2, bad Edit6 keeps T1's bounds")
        << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=x", "Edit11=1,5"} << QStringList{} << "Button2"
        << QStringList{notANumber("x")} << QStringList{"Label23=0,07 А", "Label25=20 мкА", "Label27" + u, "Label29" + u};
    QTest::newRow("step 3 before step 1 shows zeros") << QStringList{"Edit1=10"} << QStringList{} << "Button3"
                                                      << QStringList{} << QStringList{"Label32=0 B", "Label34=0 B"};
    QTest::newRow("step 4, bad last field writes nothing")
        << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=5 мА"} << QStringList{} << "Button4"
        << QStringList{notANumber("5 мА")} << QStringList{"Label37" + u, "Label39" + u};
    QTest::newRow("step 4, zero current of T1")
        << QStringList{"Edit15=11", "Edit16=9", "Edit13=0", "Edit14=0,005"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label37" + u, "Label39" + u};
    QTest::newRow("step 4, zero current of T2 after Rк1 is shown")
        << QStringList{"Edit15=11", "Edit16=9", "Edit13=0,01", "Edit14=-0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label37=1100 Ом", "Label39" + u};
    QTest::newRow("step 5, bad Edit12 keeps the Rб1 range")
        << QStringList{"Edit17=1100", "Edit10=50", "Edit18=1800", "Edit12=сорок"} << QStringList{} << "Button5"
        << QStringList{notANumber("сорок")} << QStringList{"Label42=165000...275000 Ом", "Label44" + u};
    QTest::newRow("step 6 before step 5 uses Rк2 = 0")
        << QStringList{"Edit3=1000", "Edit19=200000"} << QStringList{} << "Button6" << QStringList{}
        << QStringList{"Label47=6,66666666666667 нФ"};
    QTest::newRow("step 6 scales the period in extended precision")
        << QStringList{"Edit3=5", "Edit19=4400"} << QStringList{} << "Button6" << QStringList{}
        << QStringList{"Label47=1,51515151515152 нФ"};
    QTest::newRow("step 6, Rб1 cancelling the accepted Rк2")
        << design + QStringList{"Edit19=-1800"} << QStringList{"Button5"} << "Button6" << QStringList{zeroDivide}
        << QStringList{"Label47" + u};
    QTest::newRow("step 7 before steps 5 and 6, Rб2 = 0: 0/0")
        << QStringList{"Edit21=6,8", "Edit20=0"} << QStringList{} << "Button7" << QStringList{invalidOp}
        << QStringList{"Label50" + u};
    QTest::newRow("step 7 before steps 5 and 6, positive Rб2")
        << QStringList{"Edit21=6,8", "Edit20=270000"} << QStringList{} << "Button7" << QStringList{}
        << QStringList{"Label50=0 нФ"};
    QTest::newRow("step 7 after step 6 alone, Rб2 = 0")
        << QStringList{"Edit3=1000", "Edit19=200000", "Edit21=6,8", "Edit20=0"} << QStringList{"Button6"}
        << "Button7" << QStringList{zeroDivide} << QStringList{"Label47=6,66666666666667 нФ", "Label50" + u};
    QTest::newRow("fields no step reads never fail")
        << design + QStringList{"Edit4=", "Edit7=%s%n", "Edit8=В"}
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"} << "Button7"
        << QStringList{} << QStringList{"Label50=5,0617484323128 нФ", "Label51" + u};
}

void Form4Test::focusOrder()
{
    const QStringList expected{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7",
                               "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14",
                               "Button3", "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5",
                               "Edit19", "Edit20", "Button6", "Edit21", "Button7", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form4Test)
#include "test_form4.moc"
