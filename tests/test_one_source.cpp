// The simulation check takes its design from one source: the window's steps, pressed in
// order by the check itself, and what they stored. A value a step refuses stops the check
// with that step's own message and runs nothing; values typed after the last press still
// reach the netlist as the steps compute them; every C1 no field accepts follows one rule;
// the notes write numbers as the window does; the tmax typed goes with the design.

#include "decimal_separator.h"
#include "error_reporting.h"
#include "gui_support.h"
#include "numeric_text.h"
#include "simulation/worked_examples.h"
#include "simulation_window.h"
#include "table_window.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

using namespace takton::testing;
using namespace takton::simulation;

namespace {

const WorkedExample& exampleOf(const QString& form)
{
    for (const WorkedExample& example : workedExamples)
        if (qName(example.form) == form)
            return example;
    qFatal("%s has no worked example", qPrintable(form));
}

// The registered window with its worked example typed, then `typed` over it.
takton::TableWindow* typedWindow(const QString& form, const QStringList& typed)
{
    takton::TableWindow* window = registeredWindow(form);
    typeAll(window, exampleOf(form).typed);
    typeAll(window, typed);
    return window;
}

Design designOf(const QString& form, const QStringList& typed)
{
    return registered(form).circuit(*typedWindow(form, typed));
}

double partValue(const Design& design, const QString& designator)
{
    const auto part = std::find_if(design.circuit.components.begin(), design.circuit.components.end(),
                                   [&](const Component& c) { return c.designator == designator; });
    return part == design.circuit.components.end() ? std::nan("") : part->value;
}

// The number a result label shows, without its unit ("9,93377483443709 нФ").
double shownNumber(takton::TableWindow* window, const char* labelName)
{
    const QString shown = text(window, labelName);
    return double(takton::StrToFloat(shown.left(shown.lastIndexOf(u' '))));
}

bool same(double a, double b)
{
    return std::abs(a - b) <= 1e-13 * std::abs(b);
}

} // namespace

class OneSourceTest : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void stepThatRefusesStopsTheCheck_data();
    void stepThatRefusesStopsTheCheck();
    void netlistFollowsTheFieldsAsTheStepsSeeThem_data();
    void netlistFollowsTheFieldsAsTheStepsSeeThem();
    void c1NoFieldAccepts_data();
    void c1NoFieldAccepts();
    void maxTemperatureAsTyped_data();
    void maxTemperatureAsTyped();
};

// The message is the one the user gets from pressing the steps in order up to the
// failing one; the check's action shows it and starts no run.
void OneSourceTest::stepThatRefusesStopsTheCheck_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("message");
    QTest::newRow("Form2: Ек1 = 0 divides Step 6 by zero") << "Form2" << QStringList{"Edit17=0"} << 6 << zeroDivide;
    QTest::newRow("Form7: R = 0 leaves Step 8 no limit (was C1 = inf)")
        << "Form7" << QStringList{"Edit21=0"} << 8 << zeroDivide;
    QTest::newRow("Form11: I'к1 = I'к2 divides Step 6 by zero (was Rэ = inf)")
        << "Form11" << QStringList{"Edit15=0,01"} << 6 << zeroDivide;
    QTest::newRow("Form9: C1 = C2 = 0 is 0/0 in Step 7")
        << "Form9" << QStringList{"Edit20=0"} << 7 << invalidOp;
    QTest::newRow("Form4: a unit typed after Rк1, Step 5 refuses it")
        << "Form4" << QStringList{"Edit17=1,1 кОм"} << 5 << notANumber(u"1,1 кОм"_qs);
}

void OneSourceTest::stepThatRefusesStopsTheCheck()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(int, step);
    QFETCH(QString, message);
    takton::TableWindow* window = typedWindow(form, typed);
    ModalBoxes boxes;
    for (int n = 1; n <= step; ++n)
        press(window, QByteArray("Button" + QByteArray::number(n)).constData());
    QCOMPARE(boxes.take(), QStringList{message});

    button(window, "ButtonSimulate")->click();
    QCOMPARE(boxes.take(), QStringList{message});
    const SimulationWindow* result = simulationWindowOf(window);
    QVERIFY(!result || (!result->running() && !result->currentRun() && result->netlistText().isEmpty()));

    try {
        registered(form).circuit(*window);
        QFAIL("a design was built past a step that refuses its values");
    } catch (const takton::Exception& e) {
        QCOMPARE(takton::withClosingFullStop(e.message()), message);
    }
    typeAll(window, exampleOf(form).typed);
}

// The fields change after the steps were last pressed: the check presses them again,
// so each part is what the step now computes and shows in its label, never a value
// left from an earlier press.
void OneSourceTest::netlistFollowsTheFieldsAsTheStepsSeeThem_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("designator");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<double>("scale"); // from the label's unit to the netlist's
    QTest::newRow("Form2: C of Step 7 after Rк1 changed")
        << "Form2" << QStringList{"Edit19=1500"} << "C" << QByteArray("Label57") << 1e-9;
    QTest::newRow("Form6: C of Step 7 after Rб2 changed")
        << "Form6" << QStringList{"Edit20=120000"} << "C" << QByteArray("Label52") << 1e-9;
    QTest::newRow("Form10: C1 of Step 7 after Rб2 changed")
        << "Form10" << QStringList{"Edit20=91000"} << "C1" << QByteArray("Label53") << 1e-9;
    QTest::newRow("Form9: Rб2 of Step 7 after Rб1 changed")
        << "Form9" << QStringList{"Edit19=180000"} << "Rb2" << QByteArray("Label50") << 1.0;
    QTest::newRow("Form11: Rэ of Step 6 after U'э changed")
        << "Form11" << QStringList{"Edit16=1,5"} << "Re" << QByteArray("Label45") << 1.0;
    QTest::newRow("Form11: Rк1 of Step 6 after Ек1 changed")
        << "Form11" << QStringList{"Edit12=12"} << "Rk1" << QByteArray("Label49") << 1.0;
    QTest::newRow("Form11: C of Step 9 after tau changed")
        << "Form11" << QStringList{"Edit3=400"} << "C" << QByteArray("Label62") << 1e-9;
}

void OneSourceTest::netlistFollowsTheFieldsAsTheStepsSeeThem()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QString, designator);
    QFETCH(QByteArray, label);
    QFETCH(double, scale);
    const double before = partValue(designOf(form, {}), designator); // every step pressed once
    takton::TableWindow* window = registeredWindow(form);
    typeAll(window, typed); // no step pressed since
    const Design design = registered(form).circuit(*window);
    const double after = partValue(design, designator);
    typeAll(window, exampleOf(form).typed);
    QVERIFY2(after != before, qPrintable(QString::number(after, 'g', 17)));
    QVERIFY2(same(after, scale * shownNumber(window, label.constData())),
             qPrintable(QString::number(after, 'g', 17) + u" against "_qs + text(window, label.constData())));
}

// One rule for every C1 that no field accepts: the step's value where the step gives
// one, otherwise the nearest E24 value on the side its bound allows. The note names the
// step's figure as the step's label shows it, with the user's separator.
void OneSourceTest::c1NoFieldAccepts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QByteArray>("stepLabel");
    QTest::addColumn<double>("c1"); // farads; 0 for the step's own value
    QTest::newRow("Form3: «менее» 54,8 нФ gives 51 нФ below it") << "Form3" << QStringList{} << QByteArray("Label55") << 51e-9;
    QTest::newRow("Form7: «менее» 127,3 нФ gives 120 нФ") << "Form7" << QStringList{} << QByteArray("Label55") << 120e-9;
    QTest::newRow("Form7: «менее» exactly 100 нФ gives 91 нФ, not the limit")
        << "Form7" << QStringList{"Edit17=1000", "Edit18=1200", "Edit19=28800", "Edit20=149000", "Edit21=30000"}
        << QByteArray("Label55") << 91e-9;
    QTest::newRow("Form4: «незначительно больше» 5,06 нФ gives 5,1 нФ")
        << "Form4" << QStringList{} << QByteArray("Label50") << 5.1e-9;
    QTest::newRow("Form5: «незначительно больше» 6,72 нФ gives 6,8 нФ")
        << "Form5" << QStringList{} << QByteArray("Label49") << 6.8e-9;
    QTest::newRow("Form8: «незначительно больше» 0,222 нФ gives 0,24 нФ")
        << "Form8" << QStringList{} << QByteArray("Label48") << 0.24e-9;
    QTest::newRow("Form8: «незначительно больше» exactly 10 нФ gives 10 нФ")
        << "Form8" << QStringList{"Edit17=1000", "Edit18=1000", "Edit19=19000", "Edit20=19000", "Edit21=10"}
        << QByteArray("Label48") << 10e-9;
    QTest::newRow("Form10: «=» gives Step 7's value itself") << "Form10" << QStringList{} << QByteArray("Label53") << 0.0;
}

void OneSourceTest::c1NoFieldAccepts()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, stepLabel);
    QFETCH(double, c1);
    const Design design = designOf(form, typed);
    takton::TableWindow* window = registeredWindow(form);
    const QString stepFigure = text(window, stepLabel.constData());
    const double expected = c1 > 0 ? c1 : 1e-9 * shownNumber(window, stepLabel.constData());
    typeAll(window, exampleOf(form).typed);
    const double taken = partValue(design, u"C1"_qs);
    QVERIFY2(same(taken, expected), qPrintable(QString::number(taken, 'g', 17)));
    const QStringList notes = design.notes.filter(u"С1 в окне не принимается"_qs);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.front().contains(c1 > 0 ? stepFigure : u"как её даёт шаг 7"_qs), qPrintable(notes.front()));
    QVERIFY2(notes.front().contains(c1 > 0 ? takton::FloatToStr(1e9L * c1) + u" нФ"_qs : stepFigure),
             qPrintable(notes.front()));
}

// The tmax field of each window that has one, which no step reads: a number goes with
// the design, an empty field or one with no number leaves it out.
void OneSourceTest::maxTemperatureAsTyped_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("celsius"); // NaN: none
    const double none = std::nan("");
    QTest::newRow("Form2: Edit6 typed") << "Form2" << "Edit6=70" << 70.0;
    QTest::newRow("Form2: Edit6 empty") << "Form2" << "Edit6=" << none;
    QTest::newRow("Form3: Edit4 with a fraction") << "Form3" << "Edit4=85,5" << 85.5;
    QTest::newRow("Form5: Edit4 typed") << "Form5" << "Edit4=60" << 60.0;
    QTest::newRow("Form8: Edit4 not a number") << "Form8" << "Edit4=горячо" << none;
    QTest::newRow("Form9: Edit4 typed") << "Form9" << "Edit4=50" << 50.0;
    QTest::newRow("Form10: Edit4 (caption without tmax)") << "Form10" << "Edit4=125" << 125.0;
    QTest::newRow("Form11: Edit18, placed apart") << "Form11" << "Edit18=45" << 45.0;
    QTest::newRow("Form11: Edit18 with a unit is no number") << "Form11" << "Edit18=45 C" << none;
}

void OneSourceTest::maxTemperatureAsTyped()
{
    QFETCH(QString, form);
    QFETCH(QString, typed);
    QFETCH(double, celsius);
    const Design design = designOf(form, {typed});
    typeAll(registeredWindow(form), {QString::fromLatin1(split(typed).first) + u'='});
    if (std::isnan(celsius))
        QVERIFY(!design.maxTemperature.has_value());
    else
        QCOMPARE(design.maxTemperature, std::optional<double>(celsius));
}

TAKTON_GUI_TEST_MAIN(OneSourceTest)
#include "test_one_source.moc"
