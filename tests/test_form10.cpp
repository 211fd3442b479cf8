// The monostable calculator with capacitive coupling, driven through its widgets: the
// whole design, what each failing step leaves behind, steps pressed out of order, and
// the fields that no step reads.

#include "Unit10.h"
#include "decimal_separator.h"
#include "gui_support.h"

using namespace takton::testing;

class Form10Test : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void completeDesign_data();
    void completeDesign() { runDesignStepRow(&walk); }
    void stepOutcomes_data();
    void stepOutcomes() { runStepOutcomeRow<TForm10>(); }
    void focusOrder();

private:
    TForm10 walk;
};

// Expected texts worked out apart from the program, in exact rationals rounded as the
// extended and double formats round, then to 15 significant digits.
void Form10Test::completeDesign_data()
{
    addDesignStepColumns();
    QTest::newRow("step 1: ratings") << "Button1" << QStringList{"Edit1=5", "Edit2=10"}
                                     << QStringList{"Label10=10 B", "Label13=20 B", "Label15=5 B", "Label17=10 B"};
    QTest::newRow("step 2: amperes above, microamperes below")
        << "Button2" << QStringList{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=1,5"}
        << QStringList{"Label24=0,07 А", "Label26=20 мкА", "Label28=0,035 А", "Label30=15 мкА"};
    QTest::newRow("step 3: supplies from the stored amplitudes")
        << "Button3" << QStringList{"Edit1=7"} << QStringList{"Label33=5,5 B", "Label35=11 B"};
    QTest::newRow("step 4: collector resistors")
        << "Button4" << QStringList{"Edit15=6", "Edit16=12", "Edit13=0,007", "Edit14=0,009"}
        << QStringList{"Label38=857,142857142857 Ом", "Label40=1333,33333333333 Ом"};
    QTest::newRow("step 5: 1,1 for Rб1 only") << "Button5" << QStringList{"Edit11=50", "Edit17=1000", "Edit18=1000", "Edit12=50"}
                                              << QStringList{"Label43=55000 Ом", "Label45=50000 Ом"};
    QTest::newRow("step 6: 7 µs over 0,7 x 10 kОм") << "Button6" << QStringList{"Edit3=7", "Edit19=9000"}
                                                    << QStringList{"Label50=1 нФ"};
    QTest::newRow("step 7: equal time constants") << "Button7" << QStringList{"Edit21=10", "Edit20=9000"}
                                                  << QStringList{"Label53=10 нФ"};
    QTest::newRow("step 5 redone: 35 and 60, 820 and 1300 Ом")
        << "Button5" << QStringList{"Edit11=35", "Edit17=820", "Edit18=1300", "Edit12=60"}
        << QStringList{"Label43=31570 Ом", "Label45=78000 Ом", "Label53=10 нФ"};
    QTest::newRow("step 6 redone: 3,3 µs, Rб1 47 kОм") << "Button6" << QStringList{"Edit3=3,3", "Edit19=47000"}
                                                       << QStringList{"Label50=0,0976042590949423 нФ"};
    QTest::newRow("step 7 redone: 1,5 nF, Rб2 33 kОм") << "Button7" << QStringList{"Edit21=1,5", "Edit20=33000"}
                                                       << QStringList{"Label53=2,14222353636901 нФ"};
}

// Each row starts from a window just created (all state 0); see runStepOutcome.
void Form10Test::stepOutcomes_data()
{
    addStepOutcomeColumns();
    const QString u = "=" + untouched;
    const QStringList step2{"Edit5=0,1", "Edit9=2", "Edit6=0,05", "Edit10=1,5"};
    const QStringList step5{"Edit11=50", "Edit17=1000", "Edit18=1000", "Edit12=50"};
    const QStringList step6{"Edit3=7", "Edit19=9000"};

    QTest::newRow("step 1, bad Um2 writes nothing but keeps Um1 for step 3")
        << QStringList{"Edit1=5", "Edit2=10 В"} << QStringList{"Button1"} << "Button3"
        << QStringList{notANumber("10 В")} << QStringList{"Label10" + u, "Label17" + u, "Label33=5,5 B", "Label35=0 B"};
    QTest::newRow("step 2, bad Ikbo2 after three bounds")
        << step2 + QStringList{"Edit10="} << QStringList{} << "Button2" << QStringList{notANumber("")}
        << QStringList{"Label24=0,07 А", "Label26=20 мкА", "Label28=0,035 А", "Label30" + u};
    QTest::newRow("step 4 reads every field before dividing by the zero current")
        << QStringList{"Edit15=6", "Edit16=12", "Edit13=0", "Edit14=x"} << QStringList{} << "Button4"
        << QStringList{notANumber("x")} << QStringList{"Label38" + u, "Label40" + u};
    QTest::newRow("step 4, zero current of T2 after Rк1")
        << QStringList{"Edit15=6", "Edit16=12", "Edit13=0,005", "Edit14=0"} << QStringList{} << "Button4"
        << QStringList{zeroDivide} << QStringList{"Label38=1200 Ом", "Label40" + u};
    QTest::newRow("step 5, bad beta2 after Rб1")
        << step5 + QStringList{"Edit12=полсотни"} << QStringList{} << "Button5" << QStringList{notANumber("полсотни")}
        << QStringList{"Label43=55000 Ом", "Label45" + u};
    QTest::newRow("step 6 takes Rк2 from step 5, not the field")
        << step5 + step6 << QStringList{"Button5", "set Edit18=4000"} << "Button6" << QStringList{}
        << QStringList{"Label50=1 нФ"};
    QTest::newRow("step 7 before steps 5 and 6 with Rб2 = 0 is 0/0")
        << QStringList{"Edit21=10", "Edit20=0"} << QStringList{} << "Button7" << QStringList{invalidOp}
        << QStringList{"Label53" + u};
    QTest::newRow("step 7, Rб2 + Rк1 = 0 keeps the last result")
        << step5 + step6 + QStringList{"Edit21=10", "Edit20=9000"}
        << QStringList{"Button5", "Button6", "Button7", "set Edit20=-1000"} << "Button7" << QStringList{zeroDivide}
        << QStringList{"Label53=10 нФ"};
    QTest::newRow("fields no step reads never fail")
        << step2 + step5 + step6
               + QStringList{"Edit1=5", "Edit2=10", "Edit15=6", "Edit16=12", "Edit13=0,007", "Edit14=0,009",
                             "Edit21=10", "Edit20=9000", "Edit4=%s", "Edit7=", "Edit8=В"}
        << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"} << "Button7" << QStringList{}
        << QStringList{"Label53=10 нФ", "Label47" + u};
}

void Form10Test::focusOrder()
{
    const QStringList expected{"Edit1",  "Edit2",   "Edit3",  "Edit4",  "Button1", "Button2", "Edit5",  "Edit6",
                               "Edit7",  "Edit8",   "Edit9",  "Edit10", "Edit11",  "Edit12",  "Edit13", "Edit14",
                               "Button3", "Edit15", "Edit16", "Button4", "Edit17", "Edit18",  "Button5", "Edit19",
                               "Edit20", "Button6", "Edit21", "Button7", "Edit1"};
    QCOMPARE(focusChain(edit(&walk, "Edit1"), expected.size()), expected);
}

TAKTON_GUI_TEST_MAIN(Form10Test)
#include "test_form10.moc"
