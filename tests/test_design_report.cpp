// The design report and the values file of the calculator windows: what the report
// holds and where, in the document, the PDF and the HTML page; field texts back from a
// file exactly; every refused file leaving the window as it was; the row of actions
// reached from the keyboard.

#include "Unit2.h"
#include "decimal_separator.h"
#include "design_actions.h"
#include "errors.h"
#include "forms.h"
#include "gui_support.h"
#include "report.h"
#include "saved_values.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace takton;
using namespace takton::testing;

namespace {

// The design of the two-supply astable that its own tests walk, every step pressed.
void runWorkedExample(TForm2& form)
{
    const QList<std::pair<const char*, QStringList>> steps = {
        {"Button1", {"Edit1=10", "Edit2=8", "Edit6=60"}},
        {"Button2", {"Edit7=0,1", "Edit9=2", "Edit8=0,05", "Edit10=1,5"}},
        {"Button3", {"Edit11=30", "Edit12=25"}},
        {"Button4", {"Edit17=11", "Edit18=9", "Edit15=0,01", "Edit16=0,005"}},
        {"Button5", {"Edit19=1100", "Edit13=50", "Edit20=1800", "Edit14=40"}},
        {"Button6", {"Edit21=51000"}},
        {"Button7", {"Edit4=1000", "Edit22=240000"}},
    };
    for (const auto& [step, typed] : steps)
        runDesignStep(&form, typed, step, {});
}

const QDateTime reportTime(QDate(2026, 3, 14), QTime(9, 26));

// The lines a reader sees, blanks collapsed.
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
    pdftotext.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) cannot read %s", qPrintable(path));
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// The texts of every control of one kind, in table order.
template <class Widget>
QStringList textsOf(const TableWindow& window, Kind kind)
{
    QStringList texts;
    for (const ControlRow& row : window.layoutRows())
        if (row.kind == kind)
            texts << qobject_cast<Widget*>(window.control(row.name))->text();
    return texts;
}

// Answers the menus the actions open and the files they ask for, in order.
class Answers {
public:
    Answers(const QStringList& menuItems, const QStringList& paths) : items(menuItems), files(paths)
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || items.isEmpty())
                return;
            const QString item = items.takeFirst();
            for (QAction* action : menu->actions())
                if (action->text() == item)
                    menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        timer.start(20);
        answerFileQuestionsWith([this](const FileQuestion& question) {
            asked << question.suffix + (question.save ? " save" : " open");
            return files.isEmpty() ? QString() : files.takeFirst();
        });
    }
    ~Answers() { answerFileQuestionsWith({}); }

    QStringList items, files, asked;

private:
    QTimer timer;
};

} // namespace

class DesignReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { setDecimalSeparator(','); }
    void workedExampleInDocumentAndPdf_data();
    void workedExampleInDocumentAndPdf();
    void everyWindowReportsItsFieldsInTheirCaptions_data() { everyCalculator(); }
    void everyWindowReportsItsFieldsInTheirCaptions();
    void htmlPageStandsAlone();
    void valuesComeBackExactly_data() { everyCalculator(); }
    void valuesComeBackExactly();
    void refusedFileLeavesTheWindowAsItWas_data();
    void refusedFileLeavesTheWindowAsItWas();
    void actionsReachedFromTheKeyboard();

private:
    static void everyCalculator();
    QTemporaryDir folder;
    TForm2 example;
    QString examplePdf;
};

void DesignReport::initTestCase()
{
    setDecimalSeparator(',');
    runWorkedExample(example);
    writeReportPdf(example, folder.filePath("example.pdf"), reportTime);
    examplePdf = pdfText(folder.filePath("example.pdf"));
}

void DesignReport::everyCalculator()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

// A line of the worked example's report and the step heading above it ("" for none).
void DesignReport::workedExampleInDocumentAndPdf_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("step");
    QTest::newRow("caption") << "С двумя источниками коллекторного питания, резистивной и ёмкостной связями" << "";
    QTest::newRow("program, version, date") << "Тактон 1.0, 14.03.2026 09:26" << "";
    QTest::newRow("field in its caption") << "Амплитуда импульсов, формируемых на коллекторе Т1 Um1 = 10 B" << "";
    QTest::newRow("field after a '+'") << "Максимальная рабочая температура tmax = + 60 C" << "";
    QTest::newRow("result after its caption")
        << "Максимально допустимое напряжение коллектор-база транзисторa T1 не менее 20 B" << "Шаг 1";
    QTest::newRow("right column") << "максимально допустимое напряжение коллектор-база Т1 = 30 В" << "Шаг 1";
    QTest::newRow("field after the caption") << "коэффициент передачи тока Т2 (минимальное значение) = 40" << "Шаг 1";
    QTest::newRow("result on a row touching the next") << "Коллекторный ток открытого транзистора Т1 I'к1 менее 0,07 А"
                                                       << "Шаг 2";
    QTest::newRow("two fields, one caption") << "Примем I'к1 = 0,01 А, I'к2 = 0,005 А" << "Шаг 2";
    QTest::newRow("caption with '<'") << "Ек1 < 30 B" << "Шаг 3";
    QTest::newRow("range") << "Сопротивление резистора Rб2 = 216000...360000 Ом" << "Шаг 5";
    QTest::newRow("empty field") << "Примем R = Ом" << "Шаг 6";
    QTest::newRow("last result") << "Ёмкость конденсатора С = 4,60850730448408 нФ" << "Шаг 7";
}

void DesignReport::workedExampleInDocumentAndPdf()
{
    QFETCH(QString, line);
    QFETCH(QString, step);
    const QStringList lines = reportLines(example);
    QCOMPARE(lines.count(line), 1);
    QString heading;
    for (const QString& above : lines.mid(0, lines.indexOf(line)))
        if (above.startsWith("Шаг "))
            heading = above;
    QCOMPARE(heading, step);
    QVERIFY2(examplePdf.contains(line), qPrintable(line));
}

// Every field's text stands between the words that introduce it and its unit (what
// the screen reader says of it); every result, step and piece of a caption is there.
void DesignReport::everyWindowReportsItsFieldsInTheirCaptions()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    QStringList expected = {window->windowTitle(), reportSignature(reportTime)};
    for (const ControlRow& row : window->layoutRows()) {
        QWidget* control = window->control(row.name);
        if (row.kind == Kind::Edit)
            qobject_cast<QLineEdit*>(control)->setText("«" + qName(row.name) + "»");
        if (row.kind == Kind::Label && row.caption.isEmpty())
            qobject_cast<QLabel*>(control)->setText("#" + qName(row.name) + "#");
        if (row.kind == Kind::Label) // a result's marker, or the pieces of a caption
            expected << (row.caption.isEmpty() ? QStringList{"#" + qName(row.name) + "#"}
                                               : row.caption.toString().split(QRegularExpression(" {3,}"), Qt::SkipEmptyParts));
        if (row.kind == Kind::Button)
            expected << qobject_cast<QPushButton*>(control)->text();
    }
    const QStringList lines = reportLines(*window);
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        const QStringList holding = lines.filter(field->text());
        QCOMPARE(holding.size(), 1);
        QVERIFY2(QString(holding.front()).replace(field->text(), " ").simplified().contains(field->accessibleName()),
                 qPrintable(holding.front() + " | " + field->accessibleName()));
        field->clear();
    }
    const QString all = lines.join(' ');
    for (const QString& text : expected)
        QVERIFY2(all.contains(text.simplified()), qPrintable(text));
    for (const ControlRow& row : window->layoutRows())
        if (row.kind == Kind::Label && row.caption.isEmpty())
            qobject_cast<QLabel*>(window->control(row.name))->clear();
}

// The page needs no other file: the schematic is inside it, as the very JPEG the
// window shows; typed text cannot become markup.
void DesignReport::htmlPageStandsAlone()
{
    type(&example, "Edit23", "<b>&amp;</b>");
    writeReportHtml(example, folder.filePath("example.html"), reportTime);
    QFile page(folder.filePath("example.html")), schematic(":/schematics/form2.jpg");
    QVERIFY(page.open(QIODevice::ReadOnly) && schematic.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    const auto image = QRegularExpression(R"re(<img src="data:image/jpeg;base64,([A-Za-z0-9+/=]+)")re").match(html);
    QVERIFY(html.startsWith("<!DOCTYPE html>") && image.hasMatch());
    QCOMPARE(QByteArray::fromBase64(image.captured(1).toLatin1()), schematic.readAll());
    QVERIFY(html.contains("&lt;b&gt;&amp;amp;&lt;/b&gt;"));
    QTextDocument shown;
    shown.setHtml(html);
    QCOMPARE(linesOf(shown.toPlainText()), reportLines(example));
    type(&example, "Edit23", "");
}

// Loading fills the fields exactly as they were typed and runs no step.
void DesignReport::valuesComeBackExactly()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    const QStringList awkward = {"12,5", "", "  7 ", "\"кавычки\" и \\", "<b>", QString(300, 'x'), "µ 😀", "a\tb"};
    int k = 0;
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        field->setText(awkward[k % awkward.size()] + QString::number(k / awkward.size()));
        ++k;
    }
    const QStringList typed = textsOf<QLineEdit>(*window, Kind::Edit);
    saveValuesFile(*window, folder.filePath(form + ".takton"));
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->setText("changed");
    window->findChildren<QLabel*>().back()->setText("shown before");
    const QStringList shown = textsOf<QLabel>(*window, Kind::Label);
    loadValuesFile(*window, folder.filePath(form + ".takton"));
    QCOMPARE(textsOf<QLineEdit>(*window, Kind::Edit), typed);
    QCOMPARE(textsOf<QLabel>(*window, Kind::Label), shown);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->clear();
    window->findChildren<QLabel*>().back()->clear();
}

// Each file offered to the two-supply astable, and the start of what it is told.
void DesignReport::refusedFileLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const QJsonObject good = QJsonDocument::fromJson(valuesJson(example)).object();
    auto with = [&](const QString& key, const QJsonValue& value, bool inFields = false) {
        QJsonObject file = good, fields = good["fields"].toObject();
        (inFields ? fields : file)[key] = value;
        if (value.isUndefined())
            (inFields ? fields : file).remove(key);
        file["fields"] = inFields ? QJsonValue(fields) : file["fields"];
        return QJsonDocument(file).toJson();
    };
    const QString damaged = "Файл «refused.takton» повреждён или не является файлом значений: ";
    QJsonObject other = good;
    other["form"] = "Form3";
    other["title"] = "Другое окно";
    QTest::newRow("another window") << QJsonDocument(other).toJson()
                                    << "Файл «refused.takton» содержит значения другого окна: «Другое окно»";
    other.remove("title");
    QTest::newRow("another window, no title") << QJsonDocument(other).toJson()
                                              << "Файл «refused.takton» содержит значения другого окна: «Form3»";
    QTest::newRow("newer format") << with("version", 2)
                                  << "Файл «refused.takton» записан в формате 2, более новом, чем понимает эта "
                                     "версия программы (формат 1)";
    QTest::newRow("cut short") << valuesJson(example).chopped(40) << damaged;
    QTest::newRow("empty") << QByteArray() << damaged;
    QTest::newRow("a list") << QByteArray("[]") << damaged + "нет метки формата «takton-values»";
    QTest::newRow("another format") << with("format", "other") << damaged + "нет метки формата «takton-values»";
    QTest::newRow("version 1.5") << with("version", 1.5) << damaged + "неверный номер формата";
    QTest::newRow("version as text") << with("version", "1") << damaged + "неверный номер формата";
    QTest::newRow("no window") << with("form", QJsonValue::Undefined) << damaged + "не указано окно";
    QTest::newRow("no fields") << with("fields", QJsonValue::Undefined) << damaged + "нет значений полей";
    QTest::newRow("a field missing") << with("Edit23", QJsonValue::Undefined, true)
                                     << damaged + "нет текста поля Edit23";
    QTest::newRow("a number, not a text") << with("Edit4", 10, true) << damaged + "нет текста поля Edit4";
    QTest::newRow("a field the window lacks") << with("Edit99", "1", true) << damaged + "в окне нет поля Edit99";
    QTest::newRow("text longer than its field") << with("Edit2", QString(40000, '1'), true)
                                                << damaged + "текст поля Edit2 длиннее, чем вмещает поле";
    QTest::newRow("larger than any values file") << QByteArray(2 << 20, ' ')
                                                 << "Файл «refused.takton» слишком велик для файла значений";
}

void DesignReport::refusedFileLeavesTheWindowAsItWas()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFile out(folder.filePath("refused.takton"));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(file) == file.size());
    out.close();
    type(&example, "Edit1", "99"); // unlike the file, so that a field filled too early shows
    const QStringList fields = textsOf<QLineEdit>(example, Kind::Edit), labels = textsOf<QLabel>(example, Kind::Label);
    QString refusal;
    try {
        loadValuesFile(example, out.fileName());
    } catch (const Exception& e) {
        refusal = e.message();
    }
    QVERIFY2(refusal.startsWith(message), qPrintable(refusal));
    QCOMPARE(textsOf<QLineEdit>(example, Kind::Edit), fields);
    QCOMPARE(textsOf<QLabel>(example, Kind::Label), labels);
    type(&example, "Edit1", "10");
}

// Ctrl+S, Ctrl+O and Ctrl+P on the window as registered; a refused file is told in
// the window's own error box.
void DesignReport::actionsReachedFromTheKeyboard()
{
    TableWindow* window = registeredWindow("Form2");
    for (const char* action : {"ReportAction", "SaveValuesAction", "LoadValuesAction"})
        QCOMPARE(button(window, action)->focusPolicy(), Qt::NoFocus);
    window->show();
    // The kinds of file asked for. Offscreen, no window manager gives the activation
    // back to a window once its dialog closes, as a desktop does.
    auto press = [window](Qt::Key key, const QStringList& menuItems, const QStringList& files) {
        Answers answers(menuItems, files);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qFatal("Form2 does not become active");
        QTest::keyClick(window, key, Qt::ControlModifier);
        return answers.asked;
    };
    type(window, "Edit1", "12,5");
    QCOMPARE(press(Qt::Key_S, {}, {folder.filePath("keys.takton")}), QStringList{"takton save"});
    type(window, "Edit1", "");
    QCOMPARE(press(Qt::Key_O, {}, {""}), QStringList{"takton open"}); // cancelled
    QCOMPARE(edit(window, "Edit1")->text(), "");
    QCOMPARE(press(Qt::Key_O, {}, {folder.filePath("keys.takton")}), QStringList{"takton open"});
    QCOMPARE(edit(window, "Edit1")->text(), "12,5");

    saveValuesFile(*registeredWindow("Form3"), folder.filePath("form3.takton"));
    type(window, "Edit1", "7");
    ModalBoxes boxes;
    press(Qt::Key_O, {}, {folder.filePath("form3.takton")});
    QCOMPARE(boxes.take(), QStringList{"Файл «form3.takton» содержит значения другого окна: «" +
                                       registeredWindow("Form3")->windowTitle() + "»."});
    QCOMPARE(boxes.lastParent, window);
    QCOMPARE(edit(window, "Edit1")->text(), "7");

    QCOMPARE(press(Qt::Key_P, {"Сохранить в PDF…"}, {folder.filePath("keys.pdf")}), QStringList{"pdf save"});
    QVERIFY(pdfText(folder.filePath("keys.pdf")).contains("Um1 = 7 B"));
    QCOMPARE(press(Qt::Key_P, {"Сохранить в HTML…"}, {folder.filePath("keys.html")}), QStringList{"html save"});
    QVERIFY(QFile(folder.filePath("keys.html")).size() > QFile(":/schematics/form2.jpg").size());
    window->close();
    edit(window, "Edit1")->clear();
}

TAKTON_GUI_TEST_MAIN(DesignReport)
#include "test_design_report.moc"
