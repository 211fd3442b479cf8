// A user's session on the program's real event loop: dismissing a box or closing a
// calculator never ends the program; closing the main window does, with status 0.

#include "Unit1.h"
#include "Unit2.h"
#include "gui_support.h"

#include <QKeyEvent>

using namespace takton::testing;

class Session : public QObject {
    Q_OBJECT
private slots:
    void onlyClosingTheMenuEndsTheProgram_data();
    void onlyClosingTheMenuEndsTheProgram();
};

namespace {

// Closes the modal box that opens next, the way the row says a user does.
void dismissNextBox(const QString& how)
{
    QTimer::singleShot(20, [how] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (how == "OK")
            box->buttons().front()->click();
        else if (how == "Escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == "Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->close(); // its close box
    });
}

} // namespace

void Session::onlyClosingTheMenuEndsTheProgram_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dismissal");
    for (const char* how : {"OK", "Escape", "Enter", "close box"}) {
        QTest::addRow("error box of a calculator, %s", how) << "failing step" << how;
        QTest::addRow("source dialog without a parent, %s", how) << "source" << how;
    }
    QTest::newRow("calculator closed") << "close calculator" << "";
    QTest::newRow("calculator closed after its error box") << "failing step, close calculator" << "OK";
}

void Session::onlyClosingTheMenuEndsTheProgram()
{
    QFETCH(QString, action);
    QFETCH(QString, dismissal);
    bool stillRunning = false;
    QTimer watchdog; // a hang fails the row instead of the whole run
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(10000);

    QTimer::singleShot(0, [&] {
        Form1->show();
        press(Form1, "Button1");
        type(Form2, "Edit1", "10");
        type(Form2, "Edit2", "");
        if (action.startsWith("failing step")) {
            dismissNextBox(dismissal);
            press(Form2, "Button1");
        }
        if (action == "source") {
            dismissNextBox(dismissal);
            press(Form1, "Button10");
        }
        if (action.endsWith("close calculator"))
            Form2->close();
        // A quit caused by the dismissal would end the loop before this runs.
        QTimer::singleShot(100, [&] {
            stillRunning = true;
            Form1->close();
        });
    });
    const int status = QCoreApplication::exec();

    QVERIFY(stillRunning);
    QCOMPARE(status, 0);
    QCOMPARE(edit(Form2, "Edit1")->text(), QStringLiteral("10"));
}

TAKTON_GUI_TEST_MAIN(Session)
#include "test_session.moc"
