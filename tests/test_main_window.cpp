// The main window as the user meets it: captions, the citation dialog, calculators
// shown once and kept, and the focus order.

#include "Unit1.h"
#include "Unit2.h"
#include "error_reporting.h"
#include "errors.h"
#include "gui_support.h"
#include "widgets.h"

#include <QDesktopServices>
#include <QUrl>
#include <new>

using namespace takton::testing;

class MainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithOnlyTheMenuCreatedHidden();
    void captions_data();
    void captions();
    void citationDialog();
    void citationStandsOnOneLine();
    void wrappedCaptionsKeepTheirLineSpacing_data();
    void wrappedCaptionsKeepTheirLineSpacing();
    void variantButtonShowsTheSameWindowEachTime();
    void closedCalculatorKeepsItsInputsAndResults();
    void focusCyclesThroughTheVariantButtons();
    void windowProperties();
    void linkOpensTheCatalogue();
    void anyFailureOfAHandlerIsReported();
    void closingTheMenuEndsTheProgram(); // last: it quits the event loop
};

// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

void MainWindow::startsWithOnlyTheMenuCreatedHidden()
{
    QVERIFY(Form1 && Form2);
    QVERIFY(!Form1->isVisible());
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
    QCOMPARE(Form2->objectName(), QStringLiteral("Form2"));
}

void MainWindow::captions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("heading") << "Label1" << "\"Тактон\" - программа инженерного расчёта мультивибраторов";
    QTest::newRow("sub-heading") << "Label2" << "на транзисторах разного типа проводимости";
    QTest::newRow("leading blank of Button6") << "Button6" << " С одним источником эмиттерного питания, ёмкостной и резистивно-ёмкостной связями";
    QTest::newRow("spaced-out source button") << "Button10" << "И с т о ч н и к";
    QTest::newRow("first variant") << "Button1" << "С двумя источниками коллекторного питания, резистивной и ёмкостной связями";
}

void MainWindow::captions()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QWidget* widget = Form1->findChild<QWidget*>(control);
    QVERIFY(widget);
    const QString shown = qobject_cast<QLabel*>(widget) ? qobject_cast<QLabel*>(widget)->text()
                                                        : qobject_cast<QPushButton*>(widget)->text();
    QCOMPARE(shown, caption);
}

void MainWindow::citationDialog()
{
    ModalBoxes boxes;
    press(Form1, "Button10");
    QCOMPARE(boxes.take(), QStringList{"Сомин К.Д. Импульсные устройства на транзисторах с проводимостью "
                                       "разного типа. Москва, \"Энергия\", 1972 г."});
    QCOMPARE(boxes.lastTitle, QStringLiteral("Тактон"));
    QCOMPARE(boxes.lastButtons, QStringList{"OK"});
    QCOMPARE(boxes.lastIcon, QMessageBox::NoIcon);
}

void MainWindow::citationStandsOnOneLine()
{
    QLabel* text = nullptr;
    QRect frame;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text);
        QVERIFY(text->fontMetrics().horizontalAdvance(text->text()) <= text->width());
        QVERIFY(text->height() < 2 * text->fontMetrics().lineSpacing());
        frame = box->frameGeometry();
        box->buttons().front()->click();
    });
    press(Form1, "Button10");
    QVERIFY(text);
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((frame.center() - middle).manhattanLength() <= 2, "centred on the screen");
}

// Two-line captions stand far enough apart that no glyph of one line touches one of
// the other, and the block stays inside the button.
void MainWindow::wrappedCaptionsKeepTheirLineSpacing_data()
{
    QTest::addColumn<QString>("name");
    for (takton::WrappingButton* b : Form1->findChildren<takton::WrappingButton*>())
        QTest::newRow(qPrintable(b->objectName())) << b->objectName();
}

void MainWindow::wrappedCaptionsKeepTheirLineSpacing()
{
    QFETCH(QString, name);
    auto* wrapped = Form1->findChild<takton::WrappingButton*>(name);
    const QFontMetricsF metrics(wrapped->font());
    const auto lines = wrapped->captionLines();
    if (metrics.horizontalAdvance(wrapped->text()) > wrapped->width() - 8)
        QCOMPARE(lines.size(), 2);
    QRectF previousInk;
    for (const auto& line : lines) {
        const QRectF ink = metrics.tightBoundingRect(line.text).translated(line.baseline);
        QVERIFY(QRectF(wrapped->rect()).adjusted(2, 2, -2, -2).contains(ink));
        if (!previousInk.isNull())
            QVERIFY2(ink.top() - previousInk.bottom() >= 1, qPrintable(line.text));
        previousInk = ink;
    }
}

void MainWindow::variantButtonShowsTheSameWindowEachTime()
{
    Form1->show();
    press(Form1, "Button1");
    QVERIFY(Form2->isVisible());
    const int windows = QApplication::topLevelWidgets().size();
    press(Form1, "Button1");
    QVERIFY(Form2->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    Form2->close();
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form1->isVisible());
}

void MainWindow::closedCalculatorKeepsItsInputsAndResults()
{
    press(Form1, "Button1");
    type(Form2, "Edit1", "10");
    type(Form2, "Edit2", "8");
    press(Form2, "Button1");
    QCOMPARE(text(Form2, "Label10"), QStringLiteral("20 B"));
    Form2->close();
    press(Form1, "Button1");
    QCOMPARE(edit(Form2, "Edit1")->text(), QStringLiteral("10"));
    QCOMPARE(text(Form2, "Label10"), QStringLiteral("20 B"));
    Form2->close();
}

void MainWindow::focusCyclesThroughTheVariantButtons()
{
    QCOMPARE(focusChain(button(Form1, "Button1"), 12), QStringList({"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7",
                                 "Button8", "Button9", "Button10", "Button11", "Button1"}));
}

void MainWindow::windowProperties()
{
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Тактон"));
    QVERIFY(!(Form1->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    Form1->show();
    QCOMPARE(Form1->frameGeometry().size(), QSize(1029, 510)); // the outer size, frame included
    QCOMPARE(button(Form1, "Button8")->geometry(), QRect(514, 200, 469, 55));
}

void MainWindow::linkOpensTheCatalogue()
{
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QLabel* link = label(Form1, "Label4");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(QString::fromLatin1(catalogueAddress))});
    QVERIFY(QString::fromLatin1(catalogueAddress).contains(link->text()));
}

void MainWindow::anyFailureOfAHandlerIsReported()
{
    ModalBoxes boxes;
    takton::runReported([] { throw std::bad_alloc(); }, Form1);
    takton::runReported([] { throw takton::EZeroDivide(); }, Form1);
    takton::runReported([] {}, Form1);
    QCOMPARE(boxes.take(), QStringList({"std::bad_alloc.", "Floating point division by zero."}));
}

void MainWindow::closingTheMenuEndsTheProgram()
{
    // With a calculator still open, closing the menu must end the event loop; a
    // watchdog fails the test instead of letting it hang.
    bool ended = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    QTimer::singleShot(0, [] {
        Form1->show();
        press(Form1, "Button1");
        Form1->close();
    });
    ended = QCoreApplication::exec() == 0;
    QVERIFY(ended);
}

TAKTON_GUI_TEST_MAIN(MainWindow)
#include "test_main_window.moc"
