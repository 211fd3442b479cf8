// The design report and the values file of the calculator windows: what the report
// holds and where, that the PDF and the HTML page carry it, that field texts come
// back from a file exactly, that every refused file leaves the window as it was, and
// that the row of actions reaches all of it from the keyboard.

#include "Unit2.h"
#include "design_actions.h"
#include "decimal_separator.h"
#include "errors.h"
#include "forms.h"
#include "gui_support.h"
#include "report.h"
#include "saved_values.h"
#include "table_window.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <deque>
#include <functional>

using namespace takton;
using namespace takton::testing;

class DesignReport : public QObject {
    Q_OBJECT
private slots:
    void init() { setDecimalSeparator(','); }

    void workedExampleReport_data() { workedExampleLines(); }
    void workedExampleReport();
    void everyWindowReportsItsCaptionsFieldsAndResults_data() { everyCalculator(); }
    void everyWindowReportsItsCaptionsFieldsAndResults();
    void pdfHoldsTheReport_data() { workedExampleLines(); }
    void pdfHoldsTheReport();
    void htmlPageStandsAlone();
    void valuesComeBackExactly_data() { everyCalculator(); }
    void valuesComeBackExactly();
    void refusedFileLeavesTheWindowAsItWas_data();
    void refusedFileLeavesTheWindowAsItWas();
    void actionsReachedFromTheKeyboard();

private:
    static void workedExampleLines();
    static void everyCalculator();
    QTemporaryDir folder;
};

namespace {

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

TableWindow* registeredWindow(const QString& form)
{
    for (const RegisteredWindow& row : registeredWindows())
        if (qName(row.form) == form)
            return row.window();
    qFatal("%s is not registered", qPrintable(form));
}

// The design of the two-supply astable that its own tests walk, every step pressed.
void runWorkedExample(TForm2& form)
{
    const QList<std::pair<const char*, QStringList>> steps = {
        {"Button1", {"Edit1=10", "Edit2=8"}},
        {"Button2", {"Edit7=0,1", "Edit9=2", "Edit8=0,05", "Edit10=1,5"}},
        {"Button3", {"Edit11=30", "Edit12=25"}},
        {"Button4", {"Edit17=11", "Edit18=9", "Edit15=0,01", "Edit16=0,005"}},
        {"Button5", {"Edit19=1100", "Edit13=50", "Edit20=1800", "Edit14=40"}},
        {"Button6", {"Edit21=51000"}},
        {"Button7", {"Edit4=1000", "Edit22=240000", "Edit6=60"}},
    };
    for (const auto& [step, typed] : steps)
        runDesignStep(&form, typed, step, {});
}

const QDateTime reportTime(QDate(2026, 3, 14), QTime(9, 26));

// The report's lines as a reader sees them, blanks collapsed.
QStringList linesOf(const QString& plain)
{
    QStringList lines;
    for (const QString& line : plain.split('\n'))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

QStringList reportLines(const TableWindow& window)
{
    return linesOf(reportDocument(window, reportTime)->toPlainText());
}

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) could not read %s: %s", qPrintable(path),
               qPrintable(pdftotext.errorString() + pdftotext.readAllStandardError()));
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// Answers, one after another, the menus the actions open and the files they ask for.
class Answers {
public:
    Answers()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { answerMenu(); });
        timer.start();
        answerFileQuestionsWith([this](const FileQuestion& question) {
            asked << question.suffix + (question.save ? " save" : " open");
            if (files.isEmpty())
                qFatal("an unexpected question: %s", qPrintable(question.title));
            return files.takeFirst();
        });
    }
    ~Answers() { answerFileQuestionsWith({}); }

    void chooseMenuItem(const QString& item) { items << item; }
    void chooseFile(const QString& path) { files << path; }
    bool allAnswered() const { return items.isEmpty() && files.isEmpty(); }

    QStringList asked; // "takton save": the kind of file and the direction of each question

private:
    void answerMenu()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || items.isEmpty())
            return;
        const QString item = items.takeFirst();
        for (QAction* action : menu->actions())
            if (action->text() == item) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        qFatal("no item %s", qPrintable(item));
    }

    QTimer timer;
    QStringList items, files;
};

// Offscreen, no window manager gives the activation back to the window a dialog
// closed over, as a desktop does; the shortcuts of a window act only while it is active.
void activate(QWidget* window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("%s does not become active", qPrintable(window->objectName()));
}

QStringList fieldTexts(const TableWindow& window)
{
    QStringList texts;
    for (const ControlRow& row : window.layoutRows())
        if (row.kind == Kind::Edit)
            texts << qobject_cast<QLineEdit*>(window.control(row.name))->text();
    return texts;
}

QStringList labelTexts(const TableWindow& window)
{
    QStringList texts;
    for (const ControlRow& row : window.layoutRows())
        if (row.kind == Kind::Label)
            texts << qobject_cast<QLabel*>(window.control(row.name))->text();
    return texts;
}

} // namespace

void DesignReport::everyCalculator()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

// A line of the worked example's report and the step heading it stands under ("" for
// none): fields stand in their captions' blanks, results after their captions.
void DesignReport::workedExampleLines()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("step");
    const QString title = "С двумя источниками коллекторного питания, резистивной и ёмкостной связями";
    QTest::newRow("window caption") << title << "";
    QTest::newRow("program, version, date") << "Тактон 1.0, 14.03.2026 09:26" << "";
    QTest::newRow("heading label") << "Расчёт автогенераторного мультивибратора с двумя источниками" << "";
    QTest::newRow("field in its caption") << "Амплитуда импульсов, формируемых на коллекторе Т1 Um1 = 10 B" << "";
    QTest::newRow("field after a '+'") << "Максимальная рабочая температура tmax = + 60 C" << "";
    QTest::newRow("result after its caption")
        << "Максимально допустимое напряжение коллектор-база транзисторa T1 не менее 20 B" << "Шаг 1";
    QTest::newRow("two columns, left") << "максимально допустимый импульсный ток коллектора Т1 = 0,1 А" << "Шаг 1";
    QTest::newRow("two columns, right") << "максимально допустимое напряжение коллектор-база Т1 = 30 В" << "Шаг 1";
    QTest::newRow("field at the caption's end") << "коэффициент передачи тока Т1 (минимальное значение) = 50" << "Шаг 1";
    QTest::newRow("field after the caption") << "коэффициент передачи тока Т2 (минимальное значение) = 40" << "Шаг 1";
    QTest::newRow("indented result") << "также I'к1 более 20 мкА" << "Шаг 2";
    QTest::newRow("result of the row above kept apart")
        << "Коллекторный ток открытого транзистора Т1 I'к1 менее 0,07 А" << "Шаг 2";
    QTest::newRow("two fields in one caption") << "Примем I'к1 = 0,01 А, I'к2 = 0,005 А" << "Шаг 2";
    QTest::newRow("range") << "Напряжение источника питания |Ек1| = 10,5...11 B" << "Шаг 3";
    QTest::newRow("caption with '<'") << "Ек1 < 30 B" << "Шаг 3";
    QTest::newRow("fields on a lower row than the other") << "Примем |Ек1| = 11 В, Ек2 = 9 В" << "Шаг 3";
    QTest::newRow("step 5 range") << "Сопротивление резистора Rб2 = 216000...360000 Ом" << "Шаг 5";
    QTest::newRow("step 6") << "Сопротивление резистора R, не более: 39927,2727272727 Ом" << "Шаг 6";
    QTest::newRow("last result") << "Ёмкость конденсатора С = 4,60850730448408 нФ" << "Шаг 7";
    QTest::newRow("empty field") << "Примем R = Ом" << "Шаг 6";
}

void DesignReport::workedExampleReport()
{
    QFETCH(QString, line);
    QFETCH(QString, step);
    TForm2 form;
    runWorkedExample(form);
    const QStringList lines = reportLines(form);
    QCOMPARE(lines.count(line), 1);
    QString heading;
    for (const QString& l : lines.mid(0, lines.indexOf(line)))
        if (l.startsWith(QStringLiteral("Шаг ")))
            heading = l;
    QCOMPARE(heading, step);
}

// Every field shows its text inside the words that introduce it and its unit (the
// words the screen reader says); every result, step and word of a caption is there.
void DesignReport::everyWindowReportsItsCaptionsFieldsAndResults()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    QStringList results, steps, captionPieces;
    for (const ControlRow& row : window->layoutRows()) {
        QWidget* control = window->control(row.name);
        if (row.kind == Kind::Edit)
            qobject_cast<QLineEdit*>(control)->setText("«" + qName(row.name) + "»");
        if (row.kind == Kind::Label && row.caption.isEmpty()) {
            qobject_cast<QLabel*>(control)->setText("#" + qName(row.name) + "#");
            results << "#" + qName(row.name) + "#";
        }
        if (row.kind == Kind::Label && !row.caption.isEmpty())
            for (const QString& piece : row.caption.toString().split(QRegularExpression(" {3,}"), Qt::SkipEmptyParts))
                captionPieces << piece.simplified();
        if (row.kind == Kind::Button)
            steps << qobject_cast<QPushButton*>(control)->text();
    }
    const QStringList lines = reportLines(*window);
    const QString all = lines.join(' ');
    QCOMPARE(lines.front(), window->windowTitle());
    QCOMPARE(lines[1], reportSignature(reportTime));
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        const QString marker = field->text();
        const QStringList holding = lines.filter(marker);
        QCOMPARE(holding.size(), 1);
        QString line = holding.front();
        line.replace(marker, " ");
        QVERIFY2(line.simplified().contains(field->accessibleName()),
                 qPrintable(holding.front() + " does not say " + field->accessibleName()));
    }
    for (const QString& result : results)
        QCOMPARE(all.count(result), 1);
    for (const QString& piece : captionPieces)
        QVERIFY2(all.contains(piece), qPrintable(piece));
    for (const QString& step : steps)
        QCOMPARE(lines.count(step), 1);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->clear();
    for (const ControlRow& row : window->layoutRows())
        if (row.kind == Kind::Label && row.caption.isEmpty())
            qobject_cast<QLabel*>(window->control(row.name))->clear();
}

void DesignReport::pdfHoldsTheReport()
{
    QFETCH(QString, line);
    TForm2 form;
    runWorkedExample(form);
    const QString path = folder.filePath("example.pdf");
    writeReportPdf(form, path, reportTime);
    QVERIFY2(pdfText(path).contains(line), qPrintable(line));
}

// The page needs no other file: the schematic is inside it, as the very JPEG the
// window shows; typed text cannot become markup.
void DesignReport::htmlPageStandsAlone()
{
    TForm2 form;
    runWorkedExample(form);
    type(&form, "Edit23", "<b>&amp;</b>");
    const QString path = folder.filePath("example.html");
    writeReportHtml(form, path, reportTime);
    QFile page(path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    const QRegularExpressionMatch image = QRegularExpression(R"re(<img src="data:image/jpeg;base64,([A-Za-z0-9+/=]+)")re").match(html);
    QVERIFY(image.hasMatch());
    QFile schematic(":/schematics/form2.jpg");
    QVERIFY(schematic.open(QIODevice::ReadOnly));
    QCOMPARE(QByteArray::fromBase64(image.captured(1).toLatin1()), schematic.readAll());
    QVERIFY(html.contains("&lt;b&gt;&amp;amp;&lt;/b&gt;"));
    QTextDocument shown;
    shown.setHtml(html);
    QCOMPARE(linesOf(shown.toPlainText()), reportLines(form));
}

void DesignReport::valuesComeBackExactly()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    const QStringList awkward = {"12,5", "", "  7 ", "\"кавычки\" и \\", "<b>", "1e-3", QString(300, 'x'), "µ 😀", "a\tb"};
    int k = 0;
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        field->setText(awkward[k % awkward.size()] + QString::number(k));
        ++k;
    }
    const QStringList saved = fieldTexts(*window);
    const QString path = folder.filePath(form + ".takton");
    saveValuesFile(*window, path);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->setText("changed");
    label(window, window->findChildren<QLabel*>().back()->objectName().toLatin1())->setText("result kept");
    const QStringList labels = labelTexts(*window);
    loadValuesFile(*window, path);
    QCOMPARE(fieldTexts(*window), saved);
    QCOMPARE(labelTexts(*window), labels); // no step ran
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->clear();
    window->findChildren<QLabel*>().back()->clear();
}

// Each file is offered to the two-supply astable; the message says why it is refused.
void DesignReport::refusedFileLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    TForm2 form;
    type(&form, "Edit1", "10");
    const QJsonObject good = QJsonDocument::fromJson(valuesJson(form)).object();
    auto changed = [&](const std::function<void(QJsonObject&)>& change) {
        QJsonObject file = good;
        change(file);
        return QJsonDocument(file).toJson();
    };
    auto changedField = [&](const std::function<void(QJsonObject&)>& change) {
        return changed([&](QJsonObject& file) {
            QJsonObject fields = file["fields"].toObject();
            change(fields);
            file["fields"] = fields;
        });
    };
    const QString damaged = "Файл «refused.takton» повреждён или не является файлом значений: ";
    QTest::newRow("another window")
        << changed([](QJsonObject& f) { f["form"] = "Form3"; f["title"] = "Другое окно"; })
        << "Файл «refused.takton» содержит значения другого окна: «Другое окно»";
    QTest::newRow("another window, no title")
        << changed([](QJsonObject& f) { f["form"] = "Form3"; f.remove("title"); })
        << "Файл «refused.takton» содержит значения другого окна: «Form3»";
    QTest::newRow("newer format") << changed([](QJsonObject& f) { f["version"] = 2; })
                                  << "Файл «refused.takton» записан в формате 2, более новом, чем понимает эта "
                                     "версия программы (формат 1)";
    QTest::newRow("cut short") << valuesJson(form).left(valuesJson(form).size() / 2) << damaged;
    QTest::newRow("empty") << QByteArray() << damaged;
    QTest::newRow("not JSON") << QByteArray("Um1=10\n") << damaged;
    QTest::newRow("a list") << QByteArray("[]") << damaged + "нет метки формата «takton-values»";
    QTest::newRow("another format") << changed([](QJsonObject& f) { f["format"] = "other"; })
                                    << damaged + "нет метки формата «takton-values»";
    QTest::newRow("version 0") << changed([](QJsonObject& f) { f["version"] = 0; })
                               << damaged + "неверный номер формата";
    QTest::newRow("version 1.5") << changed([](QJsonObject& f) { f["version"] = 1.5; })
                                 << damaged + "неверный номер формата";
    QTest::newRow("version as text") << changed([](QJsonObject& f) { f["version"] = "1"; })
                                     << damaged + "неверный номер формата";
    QTest::newRow("no window") << changed([](QJsonObject& f) { f.remove("form"); }) << damaged + "не указано окно";
    QTest::newRow("no fields") << changed([](QJsonObject& f) { f.remove("fields"); })
                               << damaged + "нет значений полей";
    QTest::newRow("a field missing") << changedField([](QJsonObject& f) { f.remove("Edit23"); })
                                     << damaged + "нет текста поля Edit23";
    QTest::newRow("a number, not a text") << changedField([](QJsonObject& f) { f["Edit4"] = 10; })
                                          << damaged + "нет текста поля Edit4";
    QTest::newRow("a field the window lacks") << changedField([](QJsonObject& f) { f["Edit99"] = "1"; })
                                              << damaged + "в окне нет поля Edit99";
    QTest::newRow("text longer than its field")
        << changedField([](QJsonObject& f) { f["Edit2"] = QString(40000, '1'); })
        << damaged + "текст поля Edit2 длиннее, чем вмещает поле";
    QTest::newRow("larger than any values file") << QByteArray(2 << 20, ' ')
                                                 << "Файл «refused.takton» слишком велик для файла значений";
}

void DesignReport::refusedFileLeavesTheWindowAsItWas()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString path = folder.filePath("refused.takton");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();
    TForm2 form;
    runWorkedExample(form);
    const QStringList fields = fieldTexts(form), labels = labelTexts(form);
    QString refusal;
    try {
        loadValuesFile(form, path);
    } catch (const Exception& e) {
        refusal = e.message();
    }
    QVERIFY2(refusal.startsWith(message), qPrintable(refusal));
    QCOMPARE(fieldTexts(form), fields);
    QCOMPARE(labelTexts(form), labels);
}

// Ctrl+S, Ctrl+O and Ctrl+P on the window as registered, through its dialogs; a
// refused file is reported in the window's own error box.
void DesignReport::actionsReachedFromTheKeyboard()
{
    TableWindow* window = registeredWindow("Form2");
    for (const char* action : {"ReportAction", "SaveValuesAction", "LoadValuesAction"})
        QCOMPARE(button(window, action)->focusPolicy(), Qt::NoFocus);
    window->show();
    // A key pressed with every question answered: the kinds of file asked for.
    auto pressWith = [window](Qt::Key key, const QStringList& menuItems, const QStringList& files) {
        Answers answers;
        for (const QString& item : menuItems)
            answers.chooseMenuItem(item);
        for (const QString& file : files)
            answers.chooseFile(file);
        activate(window);
        QTest::keyClick(window, key, Qt::ControlModifier);
        if (!answers.allAnswered())
            qFatal("a question was not asked");
        return answers.asked;
    };
    type(window, "Edit1", "12,5");
    type(window, "Edit23", "51000");
    // Saved under a name typed without its extension.
    QCOMPARE(pressWith(Qt::Key_S, {}, {folder.filePath("keys")}), QStringList{"takton save"});
    QVERIFY(QFile::exists(folder.filePath("keys.takton")));

    type(window, "Edit1", "");
    type(window, "Edit23", "");
    QCOMPARE(pressWith(Qt::Key_O, {}, {""}), QStringList{"takton open"}); // cancelled
    QCOMPARE(edit(window, "Edit1")->text(), "");
    QCOMPARE(pressWith(Qt::Key_O, {}, {folder.filePath("keys.takton")}), QStringList{"takton open"});
    QCOMPARE(edit(window, "Edit1")->text(), "12,5");
    QCOMPARE(edit(window, "Edit23")->text(), "51000");

    const QString otherWindow = folder.filePath("form3.takton");
    saveValuesFile(*registeredWindow("Form3"), otherWindow);
    type(window, "Edit1", "7");
    {
        ModalBoxes boxes;
        pressWith(Qt::Key_O, {}, {otherWindow});
        QCOMPARE(boxes.take(), QStringList{"Файл «form3.takton» содержит значения другого окна: «" +
                                           registeredWindow("Form3")->windowTitle() + "»."});
        QCOMPARE(boxes.lastParent, window);
    }
    QCOMPARE(edit(window, "Edit1")->text(), "7");

    QCOMPARE(pressWith(Qt::Key_P, {"Сохранить в PDF…"}, {folder.filePath("keys.pdf")}), QStringList{"pdf save"});
    QVERIFY(pdfText(folder.filePath("keys.pdf")).contains("Um1 = 7 B"));
    QCOMPARE(pressWith(Qt::Key_P, {"Сохранить в HTML…"}, {folder.filePath("keys")}), QStringList{"html save"});
    QVERIFY(QFile(folder.filePath("keys.html")).size() > QFile(":/schematics/form2.jpg").size());
    window->close();
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->clear();
}

TAKTON_GUI_TEST_MAIN(DesignReport)
#include "test_design_report.moc"
