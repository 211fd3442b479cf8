// Captions are measured once per caption, font and width and the measure reused by
// every label that repeats them: each label must still be set exactly as if it had
// been measured on its own, whatever was measured before it.

#include "fonts.h"
#include "forms.h"
#include "gui_support.h"
#include "table_window.h"

#include <QFontMetricsF>
#include <cmath>
#include <utility>

Q_DECLARE_METATYPE(takton::Style)

using namespace takton;
using namespace takton::testing;

namespace {

// The spacing that makes `caption` `width` pixels wide, measured afresh.
qreal spacingMeasuredAlone(const QFont& font, const QString& caption, int width)
{
    const qreal natural = QFontMetricsF(font).horizontalAdvance(caption);
    return std::floor((width - natural) / caption.size() * 64) / 64;
}

} // namespace

class MeasuredOnce : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { createForms(); }
    void cleanupTestCase() { destroyForms(); }
    void everyCaptionSetAsIfMeasuredAlone_data();
    void everyCaptionSetAsIfMeasuredAlone();
    void sameCaptionInAnotherFontOrWidth_data();
    void sameCaptionInAnotherFontOrWidth();
};

void MeasuredOnce::everyCaptionSetAsIfMeasuredAlone_data()
{
    QTest::addColumn<int>("index");
    int index = 0;
    for (const RegisteredWindow& window : registeredWindows())
        QTest::newRow(window.form.data()) << index++;
}

void MeasuredOnce::everyCaptionSetAsIfMeasuredAlone()
{
    QFETCH(int, index);
    TableWindow* window = registeredWindows()[index].window();
    int captions = 0;
    for (const ControlRow& row : window->layoutRows()) {
        if (row.kind != Kind::Label || row.caption.isEmpty())
            continue;
        ++captions;
        const auto* label = static_cast<const QLabel*>(window->control(row.name));
        const QString caption = row.caption.toString();
        const QFont face = fontFor(Kind::Label, row.style);
        // A caption set wider to clear the unit of a field over it is checked where
        // fields and units are (test_windows, test_what_the_user_reads).
        if (!row.style.link && label->width() == row.rect.width)
            QCOMPARE(label->font().letterSpacing(), spacingMeasuredAlone(face, caption, row.rect.width));
        QLabel alone;
        alone.setTextFormat(Qt::PlainText);
        alone.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        alone.setFont(label->font());
        alone.setText(caption);
        const int expected = row.style.link ? alone.sizeHint().width() : std::max(row.rect.width, alone.sizeHint().width());
        QVERIFY2(label->width() == expected, qPrintable(QString::fromLatin1(row.name.data(), row.name.size()) + ": " +
                                                        QString::number(label->width()) + " != " + QString::number(expected)));
    }
    QVERIFY(captions > 0);
}

void MeasuredOnce::sameCaptionInAnotherFontOrWidth_data()
{
    QTest::addColumn<Style>("first");
    QTest::addColumn<int>("firstWidth");
    QTest::addColumn<Style>("second");
    QTest::addColumn<int>("secondWidth");
    const Style regular{}, bold = style::bold;
    QTest::newRow("narrower") << regular << 400 << regular << 360;
    QTest::newRow("wider") << regular << 400 << regular << 450;
    QTest::newRow("bold at the same width") << regular << 420 << bold << 420;
    QTest::newRow("another face at the same width") << regular << 430 << style::tahoma15 << 430;
    QTest::newRow("another size at the same width") << style::tahoma15 << 440 << style::tahoma13 << 440;
}

void MeasuredOnce::sameCaptionInAnotherFontOrWidth()
{
    QFETCH(Style, first);
    QFETCH(int, firstWidth);
    QFETCH(Style, second);
    QFETCH(int, secondWidth);
    const QString caption = QStringLiteral("сопротивление резистора в цепи базы =           Ом");
    for (auto [style, width] : {std::pair{first, firstWidth}, std::pair{second, secondWidth}, std::pair{first, firstWidth}}) {
        const QFont face = fontFor(Kind::Label, style);
        QCOMPARE(fittedToWidth(face, caption, width).letterSpacing(), spacingMeasuredAlone(face, caption, width));
    }
}

QTEST_MAIN(MeasuredOnce)
#include "test_measured_once.moc"
