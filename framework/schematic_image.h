#pragma once
// The schematic of a calculator window. At the ordinary pixel density it shows the
// embedded JPEG; on a screen of higher density (a scale factor above 1) it draws the
// same picture again from its SVG drawing at the screen's density, so lines and
// lettering stay sharp instead of being magnified pixels.

#include <QLabel>
#include <QString>
#include <future>

namespace takton {

class SchematicImage : public QLabel {
    Q_OBJECT
public:
    // `jpeg` is an embedded picture such as ":/schematics/form2.jpg"; its drawing is
    // the resource of the same name ending in ".svg".
    // The JPEG is decoded on a worker thread while the rest of the window is built;
    // `finishDecoding` (at the end of the window's construction) waits for it and
    // shows it.
    SchematicImage(const QString& jpeg, QWidget* parent);
    ~SchematicImage() override;

    void finishDecoding();

    // The density the shown picture was made for: 1 for the JPEG.
    qreal pictureRatio() const { return shownRatio; }

protected:
    bool event(QEvent* event) override;

private:
    void matchScreenDensity();

    std::future<QImage> decoding;
    QString drawing;
    QPixmap standard; // the JPEG, one pixel per device-independent pixel
    qreal shownRatio = 1;
};

// The SVG drawing rendered for a density of `ratio` device pixels per pixel of
// `size`; a null image when the drawing cannot be read.
QImage renderDrawing(const QString& svgResource, QSize size, qreal ratio);

} // namespace takton
