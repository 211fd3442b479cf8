// What the desktop hands the program: values files named on the command line (or
// opened from a file manager) and the icon and identity its windows carry.

#include "Unit1.h"
#include "desktop_identity.h"
#include "gui_support.h"
#include "open_values.h"
#include "saved_values.h"
#include "table_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>
#include <algorithm>

using namespace takton;
using namespace takton::testing;

class OpeningFromDesktop : public QObject {
    Q_OBJECT
private slots:
    void init();
    void valuesFileOpensTheCalculatorItWasSavedFrom_data();
    void valuesFileOpensTheCalculatorItWasSavedFrom();
    void refusedFileLeavesOnlyTheMenuOpen_data();
    void refusedFileLeavesOnlyTheMenuOpen();
    void aRefusedFileDoesNotStopTheNext();
    void everyWindowCarriesTheProgramIcon();

private:
    QString saved(const QString& form, const QString& firstField);
    QStringList visibleWindows() const;
    QTemporaryDir folder;
};

// The start as the program makes it: the menu on screen, every calculator hidden.
void OpeningFromDesktop::init()
{
    for (const RegisteredWindow& row : registeredWindows())
        row.window()->hide();
    Form1->show();
}

// A values file of `form` whose first field holds `firstField`; the window itself is
// left with that field empty, so that only loading the file can fill it.
QString OpeningFromDesktop::saved(const QString& form, const QString& firstField)
{
    TableWindow* window = registeredWindow(form);
    QLineEdit* field = window->findChildren<QLineEdit*>().front();
    field->setText(firstField);
    const QString path = folder.filePath(form + ".takton");
    saveValuesFile(*window, path);
    field->clear();
    return path;
}

QStringList OpeningFromDesktop::visibleWindows() const
{
    QStringList shown;
    for (const RegisteredWindow& row : registeredWindows())
        if (row.window()->isVisible())
            shown << qName(row.form);
    return shown;
}

void OpeningFromDesktop::valuesFileOpensTheCalculatorItWasSavedFrom_data()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

void OpeningFromDesktop::valuesFileOpensTheCalculatorItWasSavedFrom()
{
    QFETCH(QString, form);
    const QString path = saved(form, "12,5 " + form);
    ModalBoxes boxes;
    openValuesFiles({path});
    QCOMPARE(boxes.take(), QStringList{});
    QCOMPARE(visibleWindows(), QStringList({"Form1", form}));
    QCOMPARE(registeredWindow(form)->findChildren<QLineEdit*>().front()->text(), "12,5 " + form);
}

// Each file, and the start of the message the main window shows for it: the message
// "Загрузить значения" gives for the same file.
void OpeningFromDesktop::refusedFileLeavesOnlyTheMenuOpen_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString damaged = "Файл «refused.takton» повреждён или не является файлом значений: ";
    QTest::newRow("no such file") << QByteArray() << "Не удалось открыть файл «refused.takton»: ";
    QTest::newRow("plain text") << QByteArray("Ек = 10 В\n") << damaged;
    QTest::newRow("JSON of something else") << QByteArray(R"({"form": 2})") << damaged;
    QTest::newRow("saved by the main window")
        << QByteArray(R"({"format": "takton-values", "version": 1, "form": "Form1", "title": "Тактон", "fields": {}})")
        << "Файл «refused.takton» содержит значения другого окна: «Тактон»";
    QTest::newRow("of a window this version lacks")
        << QByteArray(R"({"format": "takton-values", "version": 1, "form": "Form12", "fields": {}})")
        << "Файл «refused.takton» содержит значения другого окна: «Form12»";
    QTest::newRow("a newer format")
        << QByteArray(R"({"format": "takton-values", "version": 2, "form": "Form2", "fields": {}})")
        << "Файл «refused.takton» записан в формате 2";
    QTest::newRow("a calculator's file, one field short")
        << QByteArray(R"({"format": "takton-values", "version": 1, "form": "Form3", "fields": {"Edit1": "1"}})")
        << damaged + "нет текста поля";
}

void OpeningFromDesktop::refusedFileLeavesOnlyTheMenuOpen()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = folder.filePath("refused.takton");
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    ModalBoxes boxes;
    openValuesFiles({path});
    const QStringList shown = boxes.take();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.front().startsWith(message), qPrintable(shown.front()));
    QCOMPARE(boxes.lastParent, Form1);
    QCOMPARE(boxes.lastIcon, QMessageBox::Critical);
    QCOMPARE(visibleWindows(), QStringList{"Form1"});
}

void OpeningFromDesktop::aRefusedFileDoesNotStopTheNext()
{
    const QString good = saved("Form5", "7");
    ModalBoxes boxes;
    openValuesFiles({folder.filePath("absent.takton"), good});
    QCOMPARE(boxes.take().size(), 1);
    QCOMPARE(visibleWindows(), QStringList({"Form1", "Form5"}));
    QCOMPARE(registeredWindow("Form5")->findChildren<QLineEdit*>().front()->text(), "7");
}

// A taskbar that does not match windows to the menu entry by class shows the icon the
// window itself carries; one that does, matches by the desktop file name.
void OpeningFromDesktop::everyWindowCarriesTheProgramIcon()
{
    identifyToTheDesktop();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(TAKTON_APP_ID));
    const QList<QSize> sizes = {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    for (const RegisteredWindow& row : registeredWindows()) {
        const QIcon icon = row.window()->windowIcon();
        QList<QSize> carried = icon.availableSizes();
        std::sort(carried.begin(), carried.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(carried, sizes);
        QVERIFY(!icon.pixmap(48).toImage().isNull());
    }
}

TAKTON_GUI_TEST_MAIN(OpeningFromDesktop)
#include "test_opening_from_desktop.moc"
