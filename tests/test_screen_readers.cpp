// What a screen reader finds in every window: each result label named after the
// caption it stands after and reading its value as its text, each step button named
// after its step, and a name for every control on the way through the focus order.

#include "forms.h"
#include "gui_support.h"
#include "result_names.h"
#include "table_window.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSet>

using namespace takton;
using namespace takton::testing;

class ScreenReaders : public QObject {
    Q_OBJECT
private slots:
    void resultReadsCaptionAndValue_data();
    void resultReadsCaptionAndValue();
    void everyResultHasItsOwnName_data() { everyCalculator(); }
    void everyResultHasItsOwnName();
    void stepButtonsSayTheirStep_data() { everyCalculator(); }
    void stepButtonsSayTheirStep();
    void focusOrderReadsAsNames_data() { everyCalculator(); }
    void focusOrderReadsAsNames();

private:
    static void everyCalculator();
};

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return face;
}

} // namespace

void ScreenReaders::everyCalculator()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

void ScreenReaders::resultReadsCaptionAndValue_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    const QStringList form2 = {"Edit15=0.01", "Edit16=0.02", "Edit17=10", "Edit18=12"};
    QTest::newRow("caption ending in '=' → name without it")
        << "Form2" << form2 << "Button4" << "Label44" << "Сопротивление резистора Rк1" << "1000 Ом";
    QTest::newRow("second result of the step, its own caption")
        << "Form2" << form2 << "Button4" << "Label46" << "Сопротивление резистора Rк2" << "600 Ом";
    QTest::newRow("bound after a short caption on its own row")
        << "Form2" << QStringList{"Edit7=1", "Edit8=1", "Edit9=2", "Edit10=3"} << "Button2" << "Label30"
        << "также I'к1 более" << "20 мкА";
    QTest::newRow("caption ending in ':' after a comma")
        << "Form2" << QStringList{"Edit1=1", "Edit2=1", "Edit15=0.01", "Edit16=0.02", "Edit17=10", "Edit18=12", "Edit19=1000",
                                  "Edit20=600", "Edit13=50", "Edit14=50", "Edit21=20000"}
        << "Button6" << "Label54" << "Сопротивление резистора R, не более" << "";
}

// The value is what the step wrote, whatever it is: the test reads it back through
// the accessible text, not from a second formatting of the number.
void ScreenReaders::resultReadsCaptionAndValue()
{
    QFETCH(QString, form);
    QFETCH(QStringList, typed);
    QFETCH(QString, step);
    QFETCH(QString, result);
    QFETCH(QString, name);
    QFETCH(QString, value);
    TableWindow* calculator = registeredWindow(form);
    QLabel* shown = label(calculator, qPrintable(result));
    QAccessibleInterface* face = accessible(shown);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->role(), QAccessible::StaticText);

    typeAll(calculator, typed);
    ModalBoxes boxes;
    if (step == "Button6") // Step 6 uses what Steps 1, 4 and 5 stored
        for (const char* earlier : {"Button1", "Button4", "Button5"})
            press(calculator, earlier);
    press(calculator, qPrintable(step));
    QCOMPARE(boxes.take(), QStringList{});
    QVERIFY(!shown->text().isEmpty());
    if (!value.isEmpty())
        QCOMPARE(shown->text(), value);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Value), shown->text());
    QAccessibleTextInterface* text = face->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), int(shown->text().size()));
    QCOMPARE(text->text(0, text->characterCount()), shown->text());
}

// A screen-reader user tells results apart by their names alone.
void ScreenReaders::everyResultHasItsOwnName()
{
    QFETCH(QString, form);
    TableWindow* calculator = registeredWindow(form);
    QSet<QString> names;
    int results = 0;
    for (const ControlRow& row : calculator->layoutRows()) {
        auto* shown = qobject_cast<QLabel*>(calculator->control(row.name));
        if (row.kind != Kind::Label || !shown || !isResultLabel(shown) || shown->accessibleName().isEmpty())
            continue;
        ++results;
        const QString name = accessible(shown)->text(QAccessible::Name);
        QVERIFY2(!name.endsWith('=') && !name.endsWith(':') && name == name.simplified(), qPrintable(name));
        QVERIFY2(!names.contains(name), qPrintable(qName(row.name) + " shares the name " + name));
        names << name;
    }
    QVERIFY(results >= 10);
}

// "Шаг 1", "Шаг 2", ... in the order of the steps, each said by its button.
void ScreenReaders::stepButtonsSayTheirStep()
{
    QFETCH(QString, form);
    TableWindow* calculator = registeredWindow(form);
    static const QRegularExpression stepName(QStringLiteral("^Шаг (\\d+)$"));
    int expected = 1;
    for (const ControlRow& row : calculator->layoutRows()) {
        if (row.kind != Kind::Button || !row.caption.startsWith(u"Шаг"))
            continue;
        const QRegularExpressionMatch said = stepName.match(accessible(calculator->control(row.name))->text(QAccessible::Name));
        QVERIFY2(said.hasMatch(), row.name.data());
        QCOMPARE(said.captured(1).toInt(), expected);
        ++expected;
    }
    QVERIFY(expected > 7);
}

// Walking the window with Tab, a screen reader names every stop: the fields after
// their captions, the buttons after their steps.
void ScreenReaders::focusOrderReadsAsNames()
{
    QFETCH(QString, form);
    TableWindow* calculator = registeredWindow(form);
    QStringList steps;
    for (std::string_view name : calculator->focusOrder()) {
        const QString said = accessible(calculator->control(name))->text(QAccessible::Name);
        QVERIFY2(!said.trimmed().isEmpty(), name.data());
        if (said.startsWith(u"Шаг"))
            steps << said;
    }
    // Steps are reached in their own order.
    QStringList sorted = steps;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.mid(4).toInt() < b.mid(4).toInt();
    });
    QCOMPARE(steps, sorted);
}

TAKTON_GUI_TEST_MAIN(ScreenReaders)
#include "test_screen_readers.moc"
