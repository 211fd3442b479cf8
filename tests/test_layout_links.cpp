// The record of which caption each field and each result belongs to, made when a
// window is built: field names, result names and the report all read it, so a field
// linked to the wrong caption or the wrong run of blanks would be misnamed to a screen
// reader and print its value in the wrong place of the report.

#include "forms.h"
#include "gui_support.h"
#include "layout_links.h"
#include "table_window.h"

#include <QLabel>
#include <QLineEdit>
#include <map>

using namespace takton;
using namespace takton::testing;

namespace {

// A window of the test's own table, built like every calculator window.
class TouchingRows : public TableWindow {
public:
    TouchingRows() : TableWindow({.objectName = "TouchingRows", .caption = u"rows", .outerSize = {400, 200}})
    {
        // Two caption lines that touch by a pixel, as the designed windows' lines do;
        // each line has a field in its blanks and a result after it.
        static constexpr Control<TouchingRows> layout[] = {
            {.name = "Upper", .rect = {8, 10, 200, 18}, .caption = u"Rк1 =          Ом,   C ="},
            {.name = "Lower", .rect = {8, 27, 200, 18}, .caption = u"Uк =          В"},
            {.name = "UpperField", .kind = Kind::Edit, .rect = {50, 10, 43, 18}},
            {.name = "LowerField", .kind = Kind::Edit, .rect = {40, 27, 43, 18}},
            {.name = "UpperResult", .rect = {220, 10, 60, 18}},
            {.name = "LowerResult", .rect = {220, 27, 60, 18}},
            {.name = "Alone", .rect = {220, 120, 60, 18}},
        };
        build(layout);
    }
};

const FieldLink* linkOfField(const LayoutLinks& links, std::string_view field)
{
    for (const FieldLink& link : links.fields)
        if (link.field == field)
            return &link;
    return nullptr;
}

} // namespace

class LayoutLinksTest : public QObject {
    Q_OBJECT
private slots:
    void touchingLinesKeepTheirOwn();
    void everyFieldCoversBlanksOfItsCaption_data();
    void everyFieldCoversBlanksOfItsCaption();
    void everyResultStandsAfterItsCaption_data() { everyWindow(); }
    void everyResultStandsAfterItsCaption();

private:
    static void everyWindow();
};

void LayoutLinksTest::everyWindow()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        QTest::newRow(row.form.data()) << qName(row.form);
}

void LayoutLinksTest::touchingLinesKeepTheirOwn()
{
    TouchingRows window;
    const LayoutLinks& links = window.layoutLinks();
    const FieldLink* upper = linkOfField(links, "UpperField");
    const FieldLink* lower = linkOfField(links, "LowerField");
    QVERIFY(upper && lower);
    QCOMPARE(upper->caption, std::string_view("Upper"));
    QCOMPARE(lower->caption, std::string_view("Lower"));
    // The upper field covers the first run of blanks, not the one between the units.
    QCOMPARE(upper->gap.start, qsizetype(5));
    QCOMPARE(qobject_cast<QLineEdit*>(window.control("UpperField"))->accessibleName(), QStringLiteral("Rк1 = Ом"));
    QCOMPARE(qobject_cast<QLineEdit*>(window.control("LowerField"))->accessibleName(), QStringLiteral("Uк = В"));
    std::map<std::string_view, std::string_view> results;
    for (const ResultLink& link : links.results)
        results[link.result] = link.caption;
    QCOMPARE(results.size(), std::size_t(3));
    QCOMPARE(results["UpperResult"], std::string_view("Upper"));
    QCOMPARE(results["LowerResult"], std::string_view("Lower"));
    QVERIFY(results["Alone"].empty());
    QCOMPARE(window.control("LowerResult")->accessibleName(), QStringLiteral("Uк = В"));
}

void LayoutLinksTest::everyFieldCoversBlanksOfItsCaption_data()
{
    everyWindow();
}

void LayoutLinksTest::everyFieldCoversBlanksOfItsCaption()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    const LayoutLinks& links = window->layoutLinks();
    for (const ControlRow& row : window->layoutRows()) {
        if (row.kind != Kind::Edit)
            continue;
        const FieldLink* link = linkOfField(links, row.name);
        QVERIFY2(link, row.name.data());
        const ControlRow* caption = nullptr;
        for (const ControlRow& other : window->layoutRows())
            if (other.name == link->caption)
                caption = &other;
        QVERIFY(caption);
        // On the caption's line, starting to the right of where the caption starts.
        QVERIFY2(caption->rect.left <= row.rect.left, row.name.data());
        QVERIFY2(caption->rect.top < row.rect.top + row.rect.height && row.rect.top < caption->rect.top + caption->rect.height,
                 row.name.data());
        const QString text = caption->caption.toString();
        QVERIFY(link->gap.start <= link->gap.end && link->gap.end <= text.size());
        QVERIFY2(text.mid(link->gap.start, link->gap.end - link->gap.start).trimmed().isEmpty(), row.name.data());
    }
    // Two fields on one caption never share a run of blanks, and lie in its order.
    for (std::size_t i = 1; i < links.fields.size(); ++i)
        if (links.fields[i].caption == links.fields[i - 1].caption)
            QVERIFY2(links.fields[i - 1].gap.end <= links.fields[i].gap.start, links.fields[i].field.data());
}

void LayoutLinksTest::everyResultStandsAfterItsCaption()
{
    QFETCH(QString, form);
    TableWindow* window = registeredWindow(form);
    for (const ResultLink& link : window->layoutLinks().results) {
        if (link.caption.empty())
            continue;
        const QRect result = window->control(link.result)->geometry();
        const QRect caption = window->control(link.caption)->geometry();
        QVERIFY2(caption.left() <= result.left(), link.result.data());
        QVERIFY2(caption.top() <= result.bottom() && result.top() <= caption.bottom(), link.result.data());
    }
}

TAKTON_GUI_TEST_MAIN(LayoutLinksTest)
#include "test_layout_links.moc"
