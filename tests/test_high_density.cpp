// Every window on a screen of twice the pixel density (run with QT_SCALE_FACTOR=2):
// no control covers another, and the schematic is drawn again from its SVG at the
// screen's density rather than magnified from the JPEG. The designed places, fitted
// captions and fields over them are checked at this density by test_windows, run
// again with the same factor.

#include "forms.h"
#include "gui_support.h"
#include "jpeg_image.h"
#include "schematic_image.h"
#include "table_window.h"

#include <QPixmap>

using namespace takton;
using namespace takton::testing;

class HighDensity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noControlCoversAnother_data() { everyWindow(); }
    void noControlCoversAnother();
    void schematicIsSharp_data();
    void schematicIsSharp();

private:
    static void everyWindow();
};

namespace {

// Sum of the absolute channel differences, per pixel on average.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (a.width() * a.height());
}

} // namespace

void HighDensity::initTestCase()
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != "2")
        QSKIP("runs at QT_SCALE_FACTOR=2");
    for (QScreen* screen : QGuiApplication::screens())
        QCOMPARE(screen->devicePixelRatio(), 2.0);
}

void HighDensity::everyWindow()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        QTest::newRow(row.form.data()) << qName(row.form);
}

// Fields lie over the blanks of their captions by design; apart from that no control
// (field, button, picture, caption) may cover another, as drawn at this density with
// the fonts this density gives.
void HighDensity::noControlCoversAnother()
{
    QFETCH(QString, form);
    TableWindow* shown = registeredWindow(form);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCOMPARE(shown->devicePixelRatio(), 2);

    struct Placed {
        QString name;
        QRect rect;
        bool caption;
    };
    std::vector<Placed> placed;
    for (const ControlRow& row : shown->layoutRows()) {
        const QWidget* control = shown->control(row.name);
        if (row.kind != Kind::Label)
            placed.push_back({qName(row.name), control->geometry(), false});
        else if (!row.caption.isEmpty()) // a caption's ink, as wide as this density sets it
            placed.push_back({qName(row.name), QRect(control->pos(), QSize(control->sizeHint().width(), control->height())), true});
    }
    // Neighbouring rows of the tables touch: fields one above the other, or two lines
    // of captions, may share a strip of a pixel or two, never more.
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j) {
            const Placed& a = placed[i];
            const Placed& b = placed[j];
            const bool fieldOnCaption = (a.caption && b.name.startsWith("Edit")) || (b.caption && a.name.startsWith("Edit"));
            if (fieldOnCaption)
                continue; // a field over its caption's blanks, as designed
            const QRect overlap = a.rect.intersected(b.rect);
            QVERIFY2(overlap.isEmpty() || std::min(overlap.height(), overlap.width()) <= 2,
                     qPrintable(a.name + " covers " + b.name));
        }
    if (form != "Form1")
        shown->close();
}

void HighDensity::schematicIsSharp_data()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& row : registeredWindows())
        if (!row.menuButton.empty())
            QTest::newRow(row.form.data()) << qName(row.form);
}

void HighDensity::schematicIsSharp()
{
    QFETCH(QString, form);
    TableWindow* shown = registeredWindow(form);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    auto* image = qobject_cast<SchematicImage*>(shown->control("Image1"));
    QVERIFY(image);
    const QImage jpeg = loadSchematic(shown->windowProperties().schematic.toString());
    QVERIFY(!jpeg.isNull());

    // Same place and size on the screen as the JPEG, twice as many pixels.
    const QPixmap picture = image->pixmap();
    QCOMPARE(image->pictureRatio(), 2.0);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.deviceIndependentSize().toSize(), jpeg.size());
    QCOMPARE(picture.size(), jpeg.size() * 2);

    // The drawing is the JPEG's picture: shrunk back to one pixel per pixel it
    // differs from the JPEG by little more than the JPEG's own compression noise;
    // a magnified JPEG would not hold more detail than the JPEG, the drawing does.
    const QImage sharp = picture.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage halved = sharp.scaled(jpeg.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(meanDifference(halved, jpeg.convertToFormat(QImage::Format_RGB32)) < 12,
             qPrintable(QString::number(meanDifference(halved, jpeg.convertToFormat(QImage::Format_RGB32)))));
    const QImage magnified = jpeg.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
    QVERIFY2(meanDifference(sharp, magnified) > 1, "the picture is the magnified JPEG");
    shown->close();
}

TAKTON_GUI_TEST_MAIN(HighDensity)
#include "test_high_density.moc"
