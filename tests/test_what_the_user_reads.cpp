// What a user reads back must be what was typed and what was designed: every digit of
// a number in a narrow field, the unit after a field, the whole schematic on a report
// page, and the row of actions in line with the step buttons. Measured on the pixels
// drawn, in every calculator window.

#include "fitted_field.h"
#include "gui_support.h"
#include "report.h"
#include "table_window.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

using namespace takton;
using namespace takton::testing;

namespace {

// Columns [first, last] of the dark pixels of `image` inside `area`, if any.
std::optional<std::pair<int, int>> inkColumns(const QImage& image, const QRect& area)
{
    std::optional<std::pair<int, int>> ink;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                ink = ink ? std::pair(ink->first, x) : std::pair(x, x);
                break;
            }
    return ink;
}

int inkWidth(const std::optional<std::pair<int, int>>& ink)
{
    return ink ? ink->second - ink->first + 1 : 0;
}

// How wide `text` is drawn in `font` when nothing clips it.
int unclippedInkWidth(const QString& text, const QFont& font)
{
    QImage canvas(800, 60, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(20, 40), text);
    }
    return inkWidth(inkColumns(canvas, canvas.rect()));
}

// The field as it is on screen, text drawn by QLineEdit itself.
QImage drawn(QLineEdit* field)
{
    return field->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage renderedPage(const QString& pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        qFatal("pdftoppm (poppler-utils) cannot render %s", qPrintable(pdf));
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The schematics are drawn on a light grey ground: the box of the long runs of it on a
// page (text never makes a run of one grey that long).
QRect schematicOn(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            const bool ground = qAbs(qRed(p) - 0xd4) < 12 && qAbs(qGreen(p) - 0xd4) < 12 && qAbs(qBlue(p) - 0xd4) < 12;
            run = ground ? run + 1 : 0;
            if (run == 40)
                box |= QRect(x - 39, y, 40, 1);
            else if (run > 40)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The first row below `from` holding anything darker than the page.
int firstInkRowBelow(const QImage& page, int from)
{
    for (int y = from; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200)
                return y;
    return page.height();
}

} // namespace

class WhatTheUserReads : public QObject {
    Q_OBJECT
private slots:
    void sixDigitsShowWhole_data() { everyCalculator(); }
    void sixDigitsShowWhole();
    void textBeyondTheNarrowestShowsItsBeginning_data();
    void textBeyondTheNarrowestShowsItsBeginning();
    void noFieldCoversALetterOfItsCaption_data() { everyCalculator(); }
    void noFieldCoversALetterOfItsCaption();
    void reportPictureLiesWithinThePage_data() { everyCalculator(); }
    void reportPictureLiesWithinThePage();
    void actionsInLineWithTheSteps_data() { everyCalculator(); }
    void actionsInLineWithTheSteps();

private:
    static void everyCalculator();
    QTemporaryDir folder;
};

void WhatTheUserReads::everyCalculator()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

// "200000" once read "00000" in the 43-pixel "Примем" fields: every field of every
// window must draw all six digits, inside the strip QLineEdit draws its text in.
void WhatTheUserReads::sixDigitsShowWhole()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    int fields = 0;
    for (auto* field : window->findChildren<FittedField*>()) {
        const QString before = field->text();
        for (const QString& value : {QStringLiteral("200000"), QStringLiteral("240000")}) {
            field->setText(value);
            const QString where = form + ' ' + field->objectName() + ' ' + value;
            QVERIFY2(field->showsWholeText(), qPrintable(where));
            const int whole = unclippedInkWidth(value, field->font());
            const int shown = inkWidth(inkColumns(drawn(field), field->textArea()));
            QVERIFY2(qAbs(shown - whole) <= 1,
                     qPrintable(where + QStringLiteral(": %1 of %2 px drawn").arg(shown).arg(whole)));
            QCOMPARE(field->font().family(), field->designedFont().family());
            QCOMPARE(field->font().pixelSize(), field->designedFont().pixelSize());
            QCOMPARE(field->toolTip(), QString());
        }
        field->setText(before);
        ++fields;
    }
    QVERIFY(fields > 0);
}

void WhatTheUserReads::textBeyondTheNarrowestShowsItsBeginning_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("condensed");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short text as designed") << "1200" << false << true;
    QTest::newRow("six digits condensed") << "300000" << true << true;
    QTest::newRow("long text from its beginning") << "0,000123456789" << true << false;
    QTest::newRow("long text from its beginning, at the limit") << "12345678" << true << false;
}

// Typed from the keyboard into Form4's Edit19, then left with Tab.
void WhatTheUserReads::textBeyondTheNarrowestShowsItsBeginning()
{
    QFETCH(QString, typed);
    QFETCH(bool, condensed);
    QFETCH(bool, whole);
    TableWindow* window = registeredWindow("Form4");
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* field = qobject_cast<FittedField*>(edit(window, "Edit19"));
    field->clear();
    field->setFocus();
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(!field->hasFocus());
    QCOMPARE(field->text(), typed);
    QCOMPARE(field->showsWholeText(), whole);
    QCOMPARE(field->font().stretch() != field->designedFont().stretch(), condensed);
    const QString told = whole ? QString() : typed;
    QCOMPARE(field->toolTip(), told);
    QCOMPARE(field->accessibleDescription(), told);
    // The first character stands at the left of the text strip, not scrolled away.
    QCOMPARE(field->cursorPositionAt(QPoint(field->textArea().left() + 2, field->height() / 2)), 0);
    field->clear();
    QCOMPARE(field->font(), field->designedFont());
    window->close();
}

// A field lies over its caption's blanks; the letters beside it (the unit after it,
// the words before it) must stay uncovered.
void WhatTheUserReads::noFieldCoversALetterOfItsCaption()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        for (QLabel* caption : window->findChildren<QLabel*>()) {
            const QString text = caption->text();
            const int middle = field->geometry().center().y();
            if (text.trimmed().isEmpty() || !caption->geometry().intersects(field->geometry()) ||
                middle < caption->y() || middle > caption->geometry().bottom())
                continue;
            const QFontMetricsF metrics(caption->font());
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i].isSpace())
                    continue;
                // The letter's ink, not its advance; its antialiased edge may touch the
                // field's frame (Form7's "+" of "+60 C").
                const QRectF ink = metrics.boundingRect(text[i]).translated(caption->x() + metrics.horizontalAdvance(text.left(i)), 0);
                QVERIFY2(ink.right() < field->x() + 1 || ink.left() > field->x() + field->width() - 1,
                         qPrintable(QStringLiteral("%1 %2 covers '%3' of %4").arg(form, field->objectName(), text[i],
                                                                                 caption->objectName())));
            }
        }
    }
}

// The report's schematic keeps its proportions on the PDF page and lies inside the
// page's margins, with room between it and the first line under it.
void WhatTheUserReads::reportPictureLiesWithinThePage()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    const QString pdf = folder.filePath(form + QStringLiteral(".pdf"));
    writeReportPdf(*window, pdf);
    constexpr int dpi = 60;
    const QImage page = renderedPage(pdf, dpi);
    const QRect picture = schematicOn(page);
    QVERIFY2(!picture.isEmpty(), qPrintable(form));
    const QSize designed = window->control("Image1")->size();
    const qreal ratio = qreal(designed.width()) / designed.height();
    QVERIFY2(qAbs(qreal(picture.width()) / picture.height() - ratio) < 0.04 * ratio,
             qPrintable(QStringLiteral("%1: %2x%3 drawn").arg(form).arg(picture.width()).arg(picture.height())));
    const int margin = qRound(15 / 25.4 * dpi);
    QVERIFY(page.rect().adjusted(margin, margin, -margin, -margin).contains(picture));
    QVERIFY2(firstInkRowBelow(page, picture.bottom() + 2) - picture.bottom() >= qRound(3 / 25.4 * dpi), qPrintable(form));
}

void WhatTheUserReads::actionsInLineWithTheSteps()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    auto* canvas = window->findChild<QWidget*>("canvas");
    int stepLeft = -1, stepPadding = 0;
    for (const ControlRow& row : window->layoutRows())
        if (row.kind == Kind::Button) {
            stepLeft = row.rect.left;
            const QFontMetrics metrics(window->control(row.name)->font());
            stepPadding = (row.rect.width - metrics.horizontalAdvance(row.caption.toString())) / 2;
        }
    auto* actions = window->findChild<QWidget*>("actions");
    QVERIFY(actions);
    QCOMPARE(actions->mapTo(canvas, QPoint(0, 0)).x(), stepLeft);
    for (QPushButton* action : actions->findChildren<QPushButton*>()) {
        const int padding = (action->width() - QFontMetrics(action->font()).horizontalAdvance(action->text())) / 2;
        QVERIFY2(padding >= stepPadding, qPrintable(form + ' ' + action->text()));
    }
}

TAKTON_GUI_TEST_MAIN(WhatTheUserReads)
#include "test_what_the_user_reads.moc"
