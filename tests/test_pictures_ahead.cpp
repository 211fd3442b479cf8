// Every window draws exactly its own schematic, pixel for pixel, at the ordinary
// density.

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

QTEST_MAIN(PicturesAhead)
#include "test_pictures_ahead.moc"
