// The monostable calculator with emitter coupling, driven through its widgets: the
// whole design, what each failing step leaves behind, and the Tab order.

#include "Unit11.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form11Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign();
    void stepOutcomes_data();
    void stepOutcomes();
    void focusOrder();

private:
    TForm11 walk;
};

// The temperature field holds text that is no number: no step reads it.
void Form11Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("Step 1") << "Button1" << QStringList{"Edit1=10", "Edit2=10", "Edit18=жарко"}
                            << QStringList{"Label7=9...9,5 B", "Label10=20 B", "Label12=9...9,5 B", "Label14=11...12,5 B"};
    QTest::newRow("Step 2") << "Button2" << QStringList{"Edit4=20", "Edit5=30"}
                            << QStringList{"Label21=9 B", "Label23=21...22 B", "Label25=11...12 B", "Label27=15 B"};
    QTest::newRow("Step 3") << "Button3" << QStringList{"Edit6=0,1", "Edit7=0,05", "Edit8=2", "Edit9=1,5"}
                            << QStringList{"Label30=0,07 A", "Label34=0,035 A", "Label32=20 мкA", "Label36=15 мкA"};
    QTest::newRow("Step 4") << "Button4" << QStringList{"Edit14=0,03"} << QStringList{"Label39=0,015 A"};
    QTest::newRow("Step 5") << "Button5" << QStringList{"Edit13=10"} << QStringList{"Label42=1...2 B"};
    QTest::newRow("Step 6") << "Button6" << QStringList{"Edit16=1", "Edit15=0,01", "Edit12=10", "Edit11=50"}
                            << QStringList{"Label45=50 Ом", "Label47=300 Ом", "Label49=1100 Ом", "Label51=0,0006 A",
                                           "Label53=15000 Ом"};
    QTest::newRow("Step 7") << "Button7" << QStringList{"Edit10=50"} << QStringList{"Label55=0,0002 A", "Label57=10000 Ом"};
    QTest::newRow("Step 8") << "Button8" << QStringList{"Edit17=10000"} << QStringList{"Label60=10000 Ом"};
    QTest::newRow("Step 9") << "Button9" << QStringList{"Edit3=11,27"} << QStringList{"Label62=1 нФ", "Label64="};
    QTest::newRow("Step 9, longer pulse") << "Button9" << QStringList{"Edit3=25"}
                                          << QStringList{"Label62=2,21827861579414 нФ"};
}

void Form11Test::completeDesign()
{
    runDesignStepRow(&walk);
}

// Each row starts from a window just created (all state 0), types the fields, runs the
// `before` actions, then presses `step` with every empty label marked untouched.
void Form11Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList step6{"Edit16=1", "Edit15=0,01", "Edit12=10", "Edit11=50"};
    const QStringList ik2ek2{"Edit14=0,03", "Edit13=10"}; // I'к2 and Ек2, read by steps 4 and 5
    const QStringList steps45{"Button4", "Button5"};
    const QStringList none;

    QTest::newRow("step 1, bad Um2 keeps the Um1 that step 2 then uses")
        << QStringList{"Edit1=10", "Edit2=", "Edit4=20", "Edit5=30"} << QStringList{"Button1"} << "Button2"
        << QStringList{notANumber("")}
        << QStringList{"Label7" + u, "Label21=9 B", "Label23=21...22 B", "Label25=0...0 B", "Label27=15 B"};
    QTest::newRow("step 2, bad T2 rating keeps |Ек1|'s bounds")
        << QStringList{"Edit4=20", "Edit5=x"} << none << "Button2" << QStringList{notANumber("x")}
        << QStringList{"Label21=0 B", "Label23=21...22 B", "Label25" + u, "Label27" + u};
    QTest::newRow("step 3, bad last field writes no label")
        << QStringList{"Edit6=0,1", "Edit7=0,05", "Edit8=2", "Edit9=1,5 мкА"} << none << "Button3"
        << QStringList{notANumber("1,5 мкА")} << QStringList{"Label30" + u, "Label34" + u, "Label32" + u, "Label36" + u};
    QTest::newRow("step 3 writes both upper bounds before the lower ones")
        << QStringList{"Edit6=0,1", "Edit7=0,05", "Edit8=1e308", "Edit9=1,5"} << none << "Button3"
        << QStringList{overflow} << QStringList{"Label30=0,07 A", "Label34=0,035 A", "Label32" + u, "Label36" + u};
    QTest::newRow("step 6, I'к1 equal to the stored I'к2")
        << ik2ek2 + QStringList{"Edit16=1", "Edit15=0,03", "Edit12=10", "Edit11=50"} << steps45 << "Button6"
        << QStringList{zeroDivide} << QStringList{"Label45" + u, "Label47" + u};
    QTest::newRow("step 6 before step 4: Rэ written, then Rк2 over zero I'к2")
        << step6 << none << "Button6" << QStringList{zeroDivide}
        << QStringList{"Label45=-100 Ом", "Label47" + u, "Label49" + u};
    QTest::newRow("step 6, bad |Ек1| after Rк2")
        << ik2ek2 + QStringList{"Edit16=1", "Edit15=0,01", "Edit12=-", "Edit11=50"} << steps45 << "Button6"
        << QStringList{notANumber("-")} << QStringList{"Label45=50 Ом", "Label47=300 Ом", "Label49" + u};
    QTest::newRow("step 6, bad β2 after Rк1")
        << ik2ek2 + QStringList{"Edit16=1", "Edit15=0,01", "Edit12=10", "Edit11=β"} << steps45 << "Button6"
        << QStringList{notANumber("β")} << QStringList{"Label49=1100 Ом", "Label51" + u};
    QTest::newRow("step 6, base current of T2 too small for a double")
        << QStringList{"Edit14=1e-300", "Edit13=10", "Edit16=1", "Edit15=0,01", "Edit12=10", "Edit11=1e300"}
        << steps45 << "Button6" << QStringList{zeroDivide}
        << QStringList{"Label45=-100 Ом", "Label47=9E300 Ом", "Label49=1100 Ом", "Label51=0 A", "Label53" + u};
    QTest::newRow("step 6 uses the I'к2 step 4 read; I'к1 above it makes Rэ negative")
        << QStringList{"Edit14=0,01", "Edit13=10", "Edit16=1", "Edit15=0,03", "Edit12=10", "Edit11=50"}
        << steps45 + QStringList{"set Edit14=1"} << "Button6" << QStringList{}
        << QStringList{"Label45=-50 Ом", "Label47=900 Ом", "Label49=366,666666666667 Ом", "Label51=0,0002 A",
                       "Label53=45000 Ом"};
    QTest::newRow("step 7, zero β1, with the I'к1 a failed step 6 kept")
        << step6 + QStringList{"Edit10=0"} << QStringList{"Button6"} << "Button7"
        << QStringList{zeroDivide, zeroDivide} << QStringList{"Label55" + u, "Label57" + u};
    QTest::newRow("step 7 before steps 5 and 6: 0/0 after Iб1")
        << QStringList{"Edit10=50"} << none << "Button7" << QStringList{invalidOp}
        << QStringList{"Label55=0 A", "Label57" + u};
    QTest::newRow("step 7 forms R2 as the difference of the products")
        << QStringList{"Edit14=0,03", "Edit13=1e20", "Edit16=1", "Edit15=0,01", "Edit12=1e20", "Edit11=50", "Edit10=50"}
        << steps45 + QStringList{"Button6"} << "Button7" << QStringList{}
        << QStringList{"Label55=0,0002 A", "Label57=0 Ом"};
    QTest::newRow("step 8 before step 6: |Ек1| = 0") << ik2ek2 + QStringList{"Edit17=10000"} << steps45 << "Button8"
                                                    << QStringList{zeroDivide} << QStringList{"Label60" + u};
    QTest::newRow("step 9 before step 6") << QStringList{"Edit3=11,27"} << none << "Button9"
                                          << QStringList{zeroDivide} << QStringList{"Label62" + u};
}

void Form11Test::stepOutcomes()
{
    runStepOutcomeRow<TForm11>();
}

void Form11Test::focusOrder()
{
    const QStringList expected{"Edit1", "Edit2", "Edit3", "Button1", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8",
                               "Edit9", "Edit10", "Edit11", "Button2", "Edit12", "Edit13", "Button3", "Edit14",
                               "Button4", "Edit15", "Button5", "Edit16", "Button6", "Button7", "Edit17", "Button8",
                               "Button9", "Edit18", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form11Test)
#include "test_form11.moc"
