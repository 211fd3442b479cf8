// What every registered window shares, checked over the registry: the table laid out
// as written, captions that fit, fields over their captions' blanks, the focus order,
// one screen-reader name per field, the designed colours on any theme, and where and
// how a calculator opens from the menu.

#include "Unit1.h"
#include "forms.h"
#include "gui_support.h"
#include "table_window.h"

#include <QScreen>
#include <QSet>
#include <stdexcept>

using namespace takton;
using namespace takton::testing;

class Windows : public QObject {
    Q_OBJECT
private slots:
    void layoutAsInTheTable_data() { everyWindow(true); }
    void layoutAsInTheTable();
    void focusVisitsTheListedControls_data() { everyWindow(true); }
    void focusVisitsTheListedControls();
    void everyFieldHasItsOwnName_data() { everyWindow(false); }
    void everyFieldHasItsOwnName();
    void designedColoursOnADarkTheme_data() { everyWindow(true); }
    void designedColoursOnADarkTheme();
    void failingStepBoxBelongsToItsWindow_data() { everyWindow(false); }
    void failingStepBoxBelongsToItsWindow();
    void opensFromTheMenuOnItsScreen_data();
    void opensFromTheMenuOnItsScreen();
    void minimizedCalculatorIsBroughtBack_data() { everyWindow(false); }
    void minimizedCalculatorIsBroughtBack();
    void actionsStandBelowTheLastStep();

private:
    static void everyWindow(bool withMenu);
};

namespace {

QScreen* screenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    qFatal("no screen %s", qPrintable(name));
}

// How far a caption may reach when a field lies over the end of its designed width:
// the field and a short unit after it.
int fieldOverTheEnd(const TableWindow* window, const QRect& caption)
{
    constexpr int unitRoom = 40;
    int reach = 0;
    for (const QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->geometry().intersects(caption) && field->geometry().right() > caption.right() - unitRoom)
            reach = std::max(reach, field->geometry().right() + 1 + unitRoom - caption.left());
    return reach;
}

} // namespace

void Windows::everyWindow(bool withMenu)
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (withMenu || !row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

void Windows::layoutAsInTheTable()
{
    QFETCH(QString, form);
    TableWindow* window = registered(form).window();
    QCOMPARE(window->objectName(), form);
    QCOMPARE(window->windowTitle(), window->windowProperties().caption.toString());
    QCOMPARE(bool(window->windowFlags() & Qt::WindowMaximizeButtonHint), window->windowProperties().maximizeBox);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    for (const ControlRow& row : window->layoutRows()) {
        const QWidget* control = window->control(row.name);
        const QRect designed(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
        if (row.kind == Kind::Label) {
            QCOMPARE(control->pos(), designed.topLeft());
            // A caption fits the width it was laid out for, so its blanks stay under
            // their field and the unit after them shows; one whose unit a field would
            // cover ends a short unit after that field.
            if (!row.caption.isEmpty() && !row.style.link)
                QVERIFY2(control->sizeHint().width() <= std::max(row.rect.width, fieldOverTheEnd(window, designed)),
                         row.name.data());
        } else {
            QCOMPARE(control->geometry(), designed);
        }
    }
    expectFieldsOnTop(window);
}

void Windows::focusVisitsTheListedControls()
{
    QFETCH(QString, form);
    TableWindow* window = registered(form).window();
    QStringList listed;
    for (std::string_view name : window->focusOrder())
        listed << qName(name);
    QVERIFY(!listed.isEmpty());
    QCOMPARE(focusChain(window->control(window->focusOrder().front()), listed.size() + 1), listed + listed.mid(0, 1));
}

void Windows::everyFieldHasItsOwnName()
{
    QFETCH(QString, form);
    QSet<QString> names;
    for (QLineEdit* field : registered(form).window()->findChildren<QLineEdit*>()) {
        const QString name = field->accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(field->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(field->objectName() + " shares the name " + name));
        names << name;
    }
}

void Windows::designedColoursOnADarkTheme()
{
    QFETCH(QString, form);
    const QPalette system = QApplication::palette();
    QPalette dark = system;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    TableWindow* window = registered(form).window();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QPalette& seen = control->palette();
        if (qobject_cast<QLabel*>(control) && seen.color(QPalette::WindowText) != QColor(Qt::blue))
            QCOMPARE(seen.color(QPalette::WindowText), QColor(Qt::black));
        if (qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(seen.color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(seen.color(QPalette::Text), QColor(Qt::black));
        }
        if (qobject_cast<QPushButton*>(control))
            QCOMPARE(seen.color(QPalette::ButtonText), QColor(Qt::black));
    }
    QApplication::setPalette(system);
}

void Windows::failingStepBoxBelongsToItsWindow()
{
    QFETCH(QString, form);
    TableWindow* window = registered(form).window();
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->clear();
    ModalBoxes boxes;
    Form1->activateWindow(); // another window is active when the step fails
    press(window, "Button1");
    QCOMPARE(boxes.take().size(), 1);
    QCOMPARE(boxes.lastParent, window);
}

void Windows::opensFromTheMenuOnItsScreen_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("screen");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            for (const char* screen : {"Second", "Laptop"})
                QTest::addRow("%s on %s", row.form.data(), screen) << qName(row.form) << screen;
}

// A fresh window each row: where a window opens is decided when it is first shown.
void Windows::opensFromTheMenuOnItsScreen()
{
    QFETCH(QString, form);
    QFETCH(QString, screen);
    const RegisteredWindow& row = registered(form);
    row.destroy();
    row.create();
    QScreen* menuScreen = screenNamed(screen);
    Form1->hide();
    Form1->setScreen(menuScreen);
    Form1->move(menuScreen->availableGeometry().topLeft());
    Form1->show();
    press(Form1, row.menuButton.data());
    TableWindow* window = row.window();
    QVERIFY(window->isVisible());
    QCOMPARE(window->screen(), menuScreen);
    const QRect area = menuScreen->availableGeometry();
    QVERIFY(area.contains(window->frameGeometry()));
    // A window that fits keeps its designed size; a larger one is shrunk to the screen.
    QCOMPARE(window->frameGeometry().size(), window->windowProperties().outerSize.boundedTo(area.size()));
    window->close();
    Form1->hide();
}

void Windows::minimizedCalculatorIsBroughtBack()
{
    QFETCH(QString, form);
    const RegisteredWindow& row = registered(form);
    Form1->show();
    press(Form1, row.menuButton.data());
    row.window()->showMinimized();
    QVERIFY(row.window()->windowState() & Qt::WindowMinimized);
    press(Form1, row.menuButton.data());
    QVERIFY(!(row.window()->windowState() & Qt::WindowMinimized));
    QVERIFY(row.window()->isVisible());
    row.window()->close();
}

// Added features go in one row below the designed layout and never move a control.
void Windows::actionsStandBelowTheLastStep()
{
    const RegisteredWindow& row = registered("Form2");
    row.destroy();
    row.create();
    TableWindow* window = row.window();
    int ran = 0;
    window->addAction("Action1", "Первое", QKeySequence(Qt::CTRL | Qt::Key_K), [&] { ++ran; });
    QPushButton* failing = window->addAction("Action2", "Второе", {}, [] { throw std::runtime_error("broken"); });
    int lowest = 0;
    for (const ControlRow& control : window->layoutRows())
        lowest = std::max(lowest, control.rect.top + control.rect.height);
    auto* first = button(window, "Action1");
    const QRect firstOnCanvas(first->mapTo(first->window()->findChild<QWidget*>("canvas"), QPoint(0, 0)), first->size());
    QVERIFY(firstOnCanvas.top() > lowest);
    QVERIFY(failing->x() > first->x() + first->width() - 1);
    QCOMPARE(first->focusPolicy(), Qt::NoFocus);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(ran, 2);
    ModalBoxes boxes;
    QTest::mouseClick(failing, Qt::LeftButton);
    QCOMPARE(boxes.take(), QStringList{"broken."});
    window->close();
    row.destroy();
    row.create();
}

TAKTON_GUI_TEST_MAIN(Windows)
#include "test_windows.moc"
