// The schematics are decoded on a worker thread while each window builds its
// controls: every window must still draw exactly its own picture, pixel for pixel,
// and a missing picture must stay a blank image rather than end the program.

#include "forms.h"
#include "gui_support.h"
#include "jpeg_image.h"
#include "table_window.h"

#include <QPixmap>

using namespace takton;
using namespace takton::testing;

class PicturesAhead : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { createForms(); }
    void cleanupTestCase() { destroyForms(); }
    void everyWindowDrawsItsOwnSchematic_data();
    void everyWindowDrawsItsOwnSchematic();
    void decodedAheadAsDecodedInPlace_data();
    void decodedAheadAsDecodedInPlace();
};

void PicturesAhead::everyWindowDrawsItsOwnSchematic_data()
{
    QTest::addColumn<QString>("form");
    for (const RegisteredWindow& window : registeredWindows())
        if (!window.menuButton.empty())
            QTest::newRow(window.form.data()) << QString::fromLatin1(window.form.data(), window.form.size());
}

void PicturesAhead::everyWindowDrawsItsOwnSchematic()
{
    QFETCH(QString, form);
    TableWindow* window = nullptr;
    for (const RegisteredWindow& registered : registeredWindows())
        if (registered.form == form.toStdString())
            window = registered.window();
    QVERIFY(window);
    const QImage drawn = label(window, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage decoded = loadSchematic(":/schematics/" + form.toLower() + ".jpg").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!decoded.isNull());
    QCOMPARE(drawn.size(), decoded.size());
    QVERIFY(drawn == decoded);
}

void PicturesAhead::decodedAheadAsDecodedInPlace_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<bool>("exists");
    QTest::newRow("widest schematic") << ":/schematics/form11.jpg" << true;
    QTest::newRow("schematic with its lowest row cut off") << ":/schematics/form9.jpg" << true;
    QTest::newRow("missing picture → blank") << ":/schematics/form12.jpg" << false;
}

void PicturesAhead::decodedAheadAsDecodedInPlace()
{
    QFETCH(QString, resource);
    QFETCH(bool, exists);
    const QImage ahead = loadSchematicAhead(resource).get();
    QCOMPARE(ahead.isNull(), !exists);
    if (exists) {
        QCOMPARE(ahead.format(), QImage::Format_RGB32);
        QVERIFY(ahead == loadSchematic(resource).convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(PicturesAhead)
#include "test_pictures_ahead.moc"
