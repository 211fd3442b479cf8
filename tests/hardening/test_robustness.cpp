// Every calculator window under hostile input: fields filled from a grammar of nasty
// texts, steps pressed in random order, the decimal separator switched now and then.
// Whatever happens, the program goes on, no label shows anything but a well-formed
// number with its unit, every failure reaches the error box with one of the four
// messages, and a step writes its labels as a prefix of its own write order, always
// the same for the same inputs. Windows, fields and steps are found through the
// widgets, so a new calculator is covered as soon as it is created.

#include "../gui_support.h"
#include "decimal_separator.h"
#include "errors.h"
#include "exact_decimal.h"
#include "numeric_text.h"
#include "random_seed.h"
#include "table_window.h"
#include "units.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace takton;
using namespace takton::testing;

namespace {

// No number and no unit ever reads like this.
const QString notWritten = QStringLiteral("\u2060untouched");

int numberIn(const QString& name)
{
    static const QRegularExpression digits(QStringLiteral("\\d+$"));
    return digits.match(name).captured().toInt();
}

template <class W>
QList<W*> sortedByNumber(QList<W*> widgets)
{
    std::sort(widgets.begin(), widgets.end(),
              [](W* a, W* b) { return numberIn(a->objectName()) < numberIn(b->objectName()); });
    return widgets;
}

QList<TableWindow*> calculatorWindows()
{
    QList<TableWindow*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<TableWindow*>(w); t && t->objectName() != QLatin1String("Form1"))
            windows << t;
    return sortedByNumber(windows);
}

struct Window {
    TableWindow* form = nullptr;
    QList<QLineEdit*> fields;
    QList<QPushButton*> steps;
    QList<QLabel*> results; // labels empty when the window was created
};

// Answers each box as soon as it is up (a zero timer runs inside the box's own loop).
class Boxes {
public:
    struct Box {
        QString title, text;
        QMessageBox::Icon icon;
    };
    Boxes()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.append({box->windowTitle(), box->text(), box->icon()});
                box->buttons().front()->click();
            }
        });
        timer.start();
    }
    QList<Box> take() { return std::exchange(shown, {}); }

private:
    QTimer timer;
    QList<Box> shown;
};

const QStringView suffixes[] = {unit::microamperes, unit::microamperesLatin, unit::microseconds, unit::ohms,
                                unit::nanofarads, unit::volts, unit::amperes, unit::amperesLatin};

// Why a result label's text is not a number (or range) followed by a unit; empty if it is.
QString labelProblem(const QString& text, QChar separator)
{
    if (text.contains(QLatin1String("INF")) || text.contains(QLatin1String("NAN")))
        return QStringLiteral("shows an infinity or NaN");
    QString numbers = text;
    for (QStringView suffix : suffixes)
        if (numbers.endsWith(suffix)) {
            numbers.chop(suffix.size());
            break;
        }
    const QStringList parts = numbers.split(unit::rangeSeparator.toString());
    if (parts.size() > 2)
        return QStringLiteral("more than two bounds");
    for (const QString& part : parts)
        if (const QString why = reference::labelGrammarViolation(part, separator); !why.isEmpty())
            return QStringLiteral("'%1': %2").arg(part, why);
    return {};
}

// The message of a failing step: one of the four, closed by a full stop; a conversion
// error quotes the text of one of the window's fields, and that text is indeed no number.
QString messageProblem(const QString& message, const QStringList& fieldTexts)
{
    static const QStringList arithmetic = {QStringLiteral("Floating point division by zero."),
                                           QStringLiteral("Invalid floating point operation."),
                                           QStringLiteral("Floating point overflow.")};
    if (arithmetic.contains(message))
        return {};
    const QString tail = QStringLiteral("' is not a valid floating point value.");
    if (!message.startsWith(QLatin1Char('\'')) || !message.endsWith(tail))
        return QStringLiteral("not one of the four messages");
    const QString quoted = message.mid(1, message.size() - 1 - tail.size());
    if (!fieldTexts.contains(quoted))
        return QStringLiteral("quotes text that is in no field");
    try {
        StrToFloat(quoted);
        return QStringLiteral("quotes a field that reads as a number");
    } catch (const EConvertError&) {
        return {};
    }
}

class NastyText {
public:
    explicit NastyText(std::mt19937_64& random) : random(random) {}

    QString operator()(QChar separator)
    {
        const QChar other = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        if (pick(10) < 7)
            return ordinary(separator);
        switch (pick(21)) {
        case 0: return {};
        case 1: return QString(qsizetype(1 + pick(4)), QLatin1Char(' '));
        case 2: return QStringLiteral("\t") + ordinary(separator);
        case 3: return ordinary(separator) + QStringLiteral("\t");
        case 4: return digits(10000);
        case 5: return digits(5000) + separator + digits(4999);
        case 6: return QStringLiteral("0") + separator + QString(9990, QLatin1Char('0')) + digits(9);
        case 7: return pick(2) ? QStringLiteral("1e4932") : QStringLiteral("-1E4932");
        case 8: return pick(2) ? QStringLiteral("1e4933") : QStringLiteral("1e99999");
        case 9: return pick(2) ? QStringLiteral("-0") : QStringLiteral("0");
        case 10: return QStringList{"+", "-", QString(separator), QString(other), "+" + QString(separator), "e", "1e", "1e+"}[pick(8)];
        case 11: return QStringList{"абв", "12 В", "1,5 кОм", "е5", "Ом"}[pick(5)];
        case 12: return QStringLiteral("\U0001F600") + (pick(2) ? ordinary(separator) : QString());
        case 13: return QString(QChar(char16_t(0xD800 + pick(0x800)))) + (pick(2) ? ordinary(separator) : QString());
        case 14: return QStringList{"%s%n", "%s", "%n%n%n%n", "%1", "'"}[pick(5)];
        case 15: return QStringLiteral("1e-%1").arg(300 + pick(4700));
        case 16: return QStringLiteral("1e%1").arg(300 + pick(4700));
        case 17: return QStringLiteral("4") + separator + QStringLiteral("9e-324");
        case 18: return QStringLiteral("1") + separator + QStringLiteral("7976931348623157e308");
        case 19: return ordinary(other);
        default: return QString(QChar(u'\0')) + ordinary(separator);
        }
    }

private:
    unsigned pick(unsigned n) { return unsigned(random() % n); }

    QString digits(int count)
    {
        QString s(count, QLatin1Char('0'));
        s[0] = QChar(char16_t(u'1' + pick(9)));
        for (int i = 1; i < count; ++i)
            s[i] = QChar(char16_t(u'0' + pick(10)));
        return s;
    }

    // A value a user might type, now and then negative, zero or with an exponent.
    QString ordinary(QChar separator)
    {
        QString s = pick(8) == 0 ? QStringLiteral("-") : QString();
        s += pick(10) == 0 ? QStringLiteral("0") : QString::number(1 + pick(999));
        if (pick(2))
            s += separator + QString::number(pick(100));
        if (pick(4) == 0)
            s += QStringLiteral("e") + QString::number(int(pick(25)) - 12);
        return pick(6) == 0 ? QStringLiteral("  ") + s + QStringLiteral(" ") : s;
    }

    std::mt19937_64& random;
};

} // namespace

class Robustness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsSurviveNastyInputs_data();
    void stepsSurviveNastyInputs();

private:
    struct Outcome {
        std::map<QString, QString> written; // label -> text
        QString message;                     // empty when the step succeeded
        friend bool operator==(const Outcome&, const Outcome&) = default;
    };
    QString press(const Window& w, QPushButton* step, QChar separator, Outcome& outcome);

    std::map<QString, Window> windows;
    Boxes boxes;
};

void Robustness::initTestCase()
{
    runSeed();
    // The offscreen platform says this for every error box; it would drown the report.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
    for (TableWindow* form : calculatorWindows()) {
        Window w{form, {}, {}, {}};
        w.fields = sortedByNumber(form->findChildren<QLineEdit*>());
        for (QPushButton* b : sortedByNumber(form->findChildren<QPushButton*>()))
            if (QRegularExpression(QStringLiteral("^Button\\d+$")).match(b->objectName()).hasMatch())
                w.steps << b;
        for (QLabel* l : sortedByNumber(form->findChildren<QLabel*>()))
            if (l->text().isEmpty() && l->objectName().startsWith(QLatin1String("Label")))
                w.results << l;
        windows[form->objectName()] = w;
    }
    QVERIFY2(!windows.empty(), "no calculator window was created");
}

void Robustness::stepsSurviveNastyInputs_data()
{
    QTest::addColumn<QString>("window");
    for (const auto& [name, w] : windows)
        QTest::newRow(qPrintable(QStringLiteral("%1: %2 fields, %3 steps").arg(name).arg(w.fields.size()).arg(w.steps.size())))
            << name;
}

// Presses one step with the fields as they are; the outcome is what it wrote and said.
QString Robustness::press(const Window& w, QPushButton* step, QChar separator, Outcome& outcome)
{
    for (QLabel* l : w.results)
        l->setText(notWritten);
    QStringList fieldTexts;
    for (QLineEdit* f : w.fields)
        fieldTexts << f->text();
    std::map<QLabel*, QString> elsewhere;
    for (const auto& [name, other] : windows)
        if (other.form != w.form)
            for (QLabel* l : other.results)
                elsewhere[l] = l->text();

    QTest::mouseClick(step, Qt::LeftButton);

    const QList<Boxes::Box> shown = boxes.take();
    if (shown.size() > 1)
        return QStringLiteral("%1 boxes for one press").arg(shown.size());
    outcome = {};
    if (!shown.isEmpty()) {
        const Boxes::Box& box = shown.front();
        if (box.title != QStringLiteral("Тактон") || box.icon != QMessageBox::Critical)
            return QStringLiteral("error box with caption '%1' or without the stop icon").arg(box.title);
        if (const QString why = messageProblem(box.text, fieldTexts); !why.isEmpty())
            return QStringLiteral("message '%1': %2").arg(box.text.left(200), why);
        outcome.message = box.text;
    }
    for (QLabel* l : w.results) {
        if (l->text() == notWritten)
            continue;
        if (const QString why = labelProblem(l->text(), separator); !why.isEmpty())
            return QStringLiteral("%1 shows '%2': %3").arg(l->objectName(), l->text(), why);
        outcome.written[l->objectName()] = l->text();
    }
    for (const auto& [l, before] : elsewhere)
        if (l->text() != before)
            return QStringLiteral("%1 of another window changed").arg(l->objectName());
    return {};
}

void Robustness::stepsSurviveNastyInputs()
{
    QFETCH(QString, window);
    const Window& w = windows.at(window);
    QVERIFY(!w.steps.isEmpty());
    w.form->show();

    std::mt19937_64 random(runSeed() ^ qHash(window));
    NastyText nasty(random);
    const int presses = qEnvironmentVariableIsSet("TAKTON_PRESSES") ? qEnvironmentVariableIntValue("TAKTON_PRESSES") : 300;
    QChar separator = QLatin1Char(',');

    // Per step: every set of labels it was seen to write, and the set of a success.
    std::map<QPushButton*, std::set<std::set<QString>>> writtenSets;
    std::map<QPushButton*, std::set<std::set<QString>>> successSets;
    int failures = 0;

    for (int i = 0; i < presses; ++i) {
        if (random() % 20 == 0)
            separator = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        setDecimalSeparator(separator);
        const bool refillAll = random() % 3 == 0;
        for (QLineEdit* f : w.fields)
            if (refillAll || random() % std::max<qsizetype>(1, w.fields.size() / 2) == 0)
                f->setText(nasty(separator));
        QPushButton* step = w.steps[qsizetype(random() % w.steps.size())];
        const QString where = QStringLiteral("press %1 of %2 (%3)").arg(i).arg(step->objectName(), window);

        Outcome first;
        const QString problem = press(w, step, separator, first);
        QVERIFY2(problem.isEmpty(), qPrintable(where + QStringLiteral(": ") + problem));
        if (random() % 4 == 0) {
            Outcome again;
            const QString repeated = press(w, step, separator, again);
            QVERIFY2(repeated.isEmpty(), qPrintable(where + QStringLiteral(" repeated: ") + repeated));
            QVERIFY2(again == first, qPrintable(where + QStringLiteral(": the same inputs gave another outcome")));
        }
        std::set<QString> labels;
        for (const auto& [name, text] : first.written)
            labels.insert(name);
        writtenSets[step].insert(labels);
        if (first.message.isEmpty())
            successSets[step].insert(labels);
        else
            ++failures;
    }

    // A failure stops the step at one operation: what it wrote is a prefix of the
    // labels a success writes, so all the sets seen for one step are nested.
    for (const auto& [step, sets] : writtenSets) {
        QVERIFY2(successSets[step].size() <= 1,
                 qPrintable(step->objectName() + QStringLiteral(" wrote different labels on two successes")));
        for (const auto& a : sets)
            for (const auto& b : sets)
                QVERIFY2(std::includes(a.begin(), a.end(), b.begin(), b.end()) ||
                             std::includes(b.begin(), b.end(), a.begin(), a.end()),
                         qPrintable(step->objectName() + QStringLiteral(" wrote labels that are no prefix of its order")));
        if (!successSets[step].empty()) {
            const auto& all = *successSets[step].begin();
            for (const auto& s : sets)
                QVERIFY2(std::includes(all.begin(), all.end(), s.begin(), s.end()),
                         qPrintable(step->objectName() + QStringLiteral(" wrote on failure a label a success does not")));
        }
    }
    qInfo("%s: %d presses, %d failed and were reported", qPrintable(window), presses, failures);
    w.form->hide();
}

TAKTON_GUI_TEST_MAIN(Robustness)
#include "test_robustness.moc"
