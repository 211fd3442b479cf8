// Result labels beyond their text: the standard values a resistance or a capacitance
// lies between, the nearest one put into its "Примем" field from the context menu,
// and the text copied with the mouse, the menu or Ctrl+C.

#include "Unit2.h"
#include "decimal_separator.h"
#include "gui_support.h"

#include "table_window.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

using namespace takton::testing;

namespace {

// Right-clicks the label as the user does and returns the menu that opened.
QMenu* openMenu(QLabel* label)
{
    const QPoint at(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &event);
    QMenu* menu = nullptr;
    for (QMenu* candidate : label->findChildren<QMenu*>())
        if (candidate->isVisible())
            menu = candidate;
    return menu;
}

QStringList entries(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

void choose(QMenu* menu, const QString& entry)
{
    for (QAction* action : menu->actions())
        if (action->text() == entry) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    QFAIL(qPrintable("no menu entry " + entry));
}

QStringList fieldTexts(QWidget* form)
{
    QStringList texts;
    for (QLineEdit* field : form->findChildren<QLineEdit*>())
        texts << field->objectName() + '=' + field->text();
    return texts;
}

const QString copy = QStringLiteral("Копировать");
const QString selectAll = QStringLiteral("Выделить всё");
const QString accept = QStringLiteral("Принять ближайший номинал E24");

} // namespace

class ResultLabelsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { takton::setDecimalSeparator(','); }

    void acceptPutsTheNearestValueIntoItsFieldOnly_data();
    void acceptPutsTheNearestValueIntoItsFieldOnly();
    void hintAndMenuOfEachKindOfResult_data();
    void hintAndMenuOfEachKindOfResult();
    void hintFollowsTheShownValue();
    void resultsAreCopied();
    void eachResultAcceptsIntoItsOwnField_data();
    void eachResultAcceptsIntoItsOwnField();
};

void ResultLabelsTest::acceptPutsTheNearestValueIntoItsFieldOnly_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("accepted");
    const QStringList step4{"Edit17=10", "Edit18=9", "Edit15=0,0022", "Edit16=0,005"};
    QTest::newRow("Rк1 4545,45 Ом → 4700") << QChar(',') << step4 << "Button4" << "Label44" << "Edit19" << "4700";
    QTest::newRow("Rк2 1800 Ом, standard → 1800") << QChar(',') << step4 << "Button4" << "Label46" << "Edit20" << "1800";
    QTest::newRow("Rк1 4,54545 Ом, comma → 4,7")
        << QChar(',') << QStringList{"Edit17=1", "Edit18=9", "Edit15=0,22", "Edit16=0,005"} << "Button4" << "Label44"
        << "Edit19" << "4,7";
    QTest::newRow("Rк1 4.54545 Ом, point → 4.7")
        << QChar('.') << QStringList{"Edit17=1", "Edit18=9", "Edit15=0.22", "Edit16=0.005"} << "Button4" << "Label44"
        << "Edit19" << "4.7";
    QTest::newRow("Rб2 range 30000...50000 Ом → 39000, nearest its middle")
        << QChar(',') << QStringList{"Edit19=1000", "Edit13=50", "Edit20=1000", "Edit14=10"} << "Button5" << "Label51"
        << "Edit22" << "39000";
}

void ResultLabelsTest::acceptPutsTheNearestValueIntoItsFieldOnly()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, typed);
    QFETCH(QString, step);
    QFETCH(QString, label);
    QFETCH(QString, field);
    QFETCH(QString, accepted);
    takton::setDecimalSeparator(separator);
    TForm2 form;
    form.show();
    runDesignStep(&form, typed, step, {});
    QLabel* result = ::label(&form, label.toLatin1());
    const QString shown = result->text();
    QStringList fields = fieldTexts(&form);
    QMenu* menu = openMenu(result);
    QVERIFY(menu);
    QCOMPARE(entries(menu), (QStringList{copy, selectAll, accept}));
    choose(menu, accept);
    QCOMPARE(edit(&form, field.toLatin1())->text(), accepted);
    // Nothing else changes until the next step is pressed.
    fields.replaceInStrings(QRegularExpression('^' + field + "=.*"), field + '=' + accepted);
    QCOMPARE(fieldTexts(&form), fields);
    QCOMPARE(result->text(), shown);
}

void ResultLabelsTest::hintAndMenuOfEachKindOfResult_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("menu");
    QTest::newRow("resistance with a field")
        << QStringList{"Edit17=10", "Edit18=9", "Edit15=0,0022", "Edit16=0,005"} << "Button4" << "Label44"
        << "Ближайшие номиналы E24: 4300 Ом (-5,4 %) и 4700 Ом (+3,4 %)\n"
           "Ближайшие номиналы E96: 4530 Ом (-0,3 %) и 4640 Ом (+2,1 %)"
        << QStringList{copy, selectAll, accept};
    QTest::newRow("range with a field")
        << QStringList{"Edit19=1000", "Edit13=50", "Edit20=1000", "Edit14=10"} << "Button5" << "Label51"
        << "Номиналы E24 в диапазоне: 30000 Ом, 33000 Ом, 36000 Ом, 39000 Ом, 43000 Ом, 47000 Ом"
        << QStringList{copy, selectAll, accept};
    QTest::newRow("capacitance without a field: hint, no action")
        << QStringList{"Edit4=1000", "Edit22=240000"} << "Button7" << "Label57"
        << "Ближайшие номиналы E24: 4,3 нФ (-7,1 %) и 4,7 нФ (+1,5 %)" << QStringList{copy, selectAll};
    QTest::newRow("voltage: copied only") << QStringList{"Edit1=10", "Edit2=8"} << "Button1" << "Label10" << QString()
                                          << QStringList{copy, selectAll};
}

void ResultLabelsTest::hintAndMenuOfEachKindOfResult()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, step);
    QFETCH(QString, label);
    QFETCH(QString, hint);
    QFETCH(QStringList, menu);
    TForm2 form;
    form.show();
    runDesignStep(&form, typed, step, {});
    QLabel* result = ::label(&form, label.toLatin1());
    QCOMPARE(result->toolTip(), hint);
    QCOMPARE(result->accessibleDescription(), hint);
    QMenu* opened = openMenu(result);
    QVERIFY(opened);
    QCOMPARE(entries(opened), menu);
    opened->close();
}

// The hint is rewritten with the text: a step that fails half-way leaves each label
// with the hint of the value it still shows, and a value without standard neighbours
// leaves none behind.
void ResultLabelsTest::hintFollowsTheShownValue()
{
    TForm2 form;
    form.show();
    runDesignStep(&form, {"Edit17=10", "Edit18=9", "Edit15=0,0022", "Edit16=0,005"}, "Button4",
                  {"Label44=4545,45454545455 Ом", "Label46=1800 Ом"});
    const QString hintOf1800 = label(&form, "Label46")->toolTip();
    QVERIFY(hintOf1800.startsWith("Номинал E24: 1800 Ом\n"));

    ModalBoxes boxes;
    typeAll(&form, {"Edit17=20", "Edit16=0"}); // Rк1 is written, then Rк2 divides by zero
    press(&form, "Button4");
    QCOMPARE(boxes.take(), QStringList{zeroDivide});
    expectLabels(&form, {"Label44=9090,90909090909 Ом", "Label46=1800 Ом"});
    QVERIFY(label(&form, "Label44")->toolTip().startsWith("Ближайшие номиналы E24: 8200 Ом (-9,8 %) и 9100 Ом (+0,1 %)\n"));
    QCOMPARE(label(&form, "Label46")->toolTip(), hintOf1800);

    runDesignStep(&form, {"Edit17=10", "Edit18=9", "Edit15=0,0022", "Edit16=0,005"}, "Button4", {});
    runDesignStep(&form, {"Edit19=1000", "Edit13=50", "Edit20=1000", "Edit14=10"}, "Button5", {});
    runDesignStep(&form, {"Edit21=51000"}, "Button6", {"Label54=44900 Ом"});
    QVERIFY(!label(&form, "Label54")->toolTip().isEmpty());
    runDesignStep(&form, {"Edit21=1"}, "Button6", {"Label54=-999,1 Ом"});
    QCOMPARE(label(&form, "Label54")->toolTip(), QString());
    QCOMPARE(label(&form, "Label54")->accessibleDescription(), QString());
    QMenu* menu = openMenu(label(&form, "Label54"));
    QVERIFY(menu);
    QCOMPARE(entries(menu), (QStringList{copy, selectAll}));
    menu->close();
}

void ResultLabelsTest::resultsAreCopied()
{
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QStringList designedOrder = focusChain(edit(&form, "Edit1"), qsizetype(form.focusOrder().size()));
    runDesignStep(&form, {"Edit17=10", "Edit18=9", "Edit15=0,0022", "Edit16=0,005"}, "Button4", {});
    QLabel* result = label(&form, "Label44");
    QVERIFY(!result->hasSelectedText());

    QApplication::clipboard()->clear();
    QMenu* menu = openMenu(result);
    QVERIFY(menu);
    choose(menu, copy); // nothing selected: the whole result
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4545,45454545455 Ом"));

    // A click gives the label the focus for Ctrl+C; Tab still visits the designed
    // controls only, in their order.
    QTest::mouseClick(result, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(QApplication::focusWidget(), result);
    result->setSelection(0, 4);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4545"));
    QCOMPARE(focusChain(edit(&form, "Edit1"), qsizetype(form.focusOrder().size())), designedOrder);

    menu = openMenu(result);
    choose(menu, selectAll);
    QCOMPARE(result->selectedText(), result->text());
}

// Every window: the field a result accepts into is the "Примем" field of the same
// symbol, in the unit of that result (Ом for a resistor, нФ for a capacitor). The
// symbol is read from the field's accessible name, the quantity from the caption
// before the result.
void ResultLabelsTest::eachResultAcceptsIntoItsOwnField_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    int rows = 0;
    for (const takton::RegisteredWindow& registered : takton::registeredWindows()) {
        const std::vector<takton::ControlRow>& table = registered.window()->layoutRows();
        for (std::size_t i = 1; i < table.size(); ++i) {
            if (table[i].accepts.empty())
                continue;
            const QString form = QString::fromLatin1(registered.form);
            const QString result = QString::fromLatin1(table[i].name);
            QTest::newRow(qPrintable(form + ' ' + result))
                << form << table[i - 1].caption.toString() << QString::fromLatin1(table[i].accepts);
            ++rows;
        }
    }
    QCOMPARE(rows, 47);
}

void ResultLabelsTest::eachResultAcceptsIntoItsOwnField()
{
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QString, field);
    QWidget* window = nullptr;
    for (const takton::RegisteredWindow& registered : takton::registeredWindows())
        if (QString::fromLatin1(registered.form) == form)
            window = registered.window();
    const QString name = edit(window, field.toLatin1())->accessibleName();
    const QRegularExpression accepted(QStringLiteral("^(?:Примем )?(\\S+) = .*(Ом|нФ)$"));
    const QRegularExpressionMatch match = accepted.match(name);
    QVERIFY2(match.hasMatch(), qPrintable(name));
    const QString symbol = match.captured(1);
    const QRegularExpression sameSymbol("(^| )" + QRegularExpression::escape(symbol) + "( |,|$)");
    QVERIFY2(caption.contains(sameSymbol), qPrintable(caption + " / " + name));
    const QString unit = caption.startsWith(QStringLiteral("Сопротивление")) ? "Ом" : "нФ";
    QCOMPARE(match.captured(2), unit);
}

TAKTON_GUI_TEST_MAIN(ResultLabelsTest)
#include "test_result_labels.moc"
