#include "schematic_image.h"

#include "jpeg_image.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

namespace takton {

QImage renderDrawing(const QString& svgResource, QSize size, qreal ratio)
{
    QSvgRenderer svg(svgResource);
    if (!svg.isValid() || size.isEmpty())
        return {};
    QImage image(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))),
                 QImage::Format_RGB32);
    image.fill(Qt::white); // the JPEG's background
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        // The drawing's own size is the JPEG's: scale it to the device pixels.
        const QSize drawn = svg.defaultSize().isEmpty() ? size : svg.defaultSize();
        svg.render(&painter, QRectF(0, 0, drawn.width() * ratio, drawn.height() * ratio));
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

SchematicImage::SchematicImage(const QString& jpeg, QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (jpeg.isEmpty())
        return;
    // Drawn as 32-bit pixels in any case: converted on the worker too.
    decoding = std::async(std::launch::async,
                          [jpeg] { return loadSchematic(jpeg).convertToFormat(QImage::Format_RGB32); });
    QString svg = jpeg;
    if (svg.endsWith(QLatin1String(".jpg")))
        drawing = svg.replace(svg.size() - 4, 4, QStringLiteral(".svg"));
}

SchematicImage::~SchematicImage()
{
    if (decoding.valid())
        decoding.wait();
}

void SchematicImage::finishDecoding()
{
    if (!decoding.valid())
        return;
    const QImage picture = decoding.get();
    if (!picture.isNull())
        standard = QPixmap::fromImage(picture);
    setPixmap(standard);
}

bool SchematicImage::event(QEvent* event)
{
    // A window learns its screen's density when it is shown and whenever it moves to
    // another screen.
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal)
        matchScreenDensity();
    return QLabel::event(event);
}

void SchematicImage::matchScreenDensity()
{
    finishDecoding();
    const qreal ratio = devicePixelRatioF();
    if (ratio == shownRatio || standard.isNull())
        return;
    if (ratio <= 1 || drawing.isEmpty()) {
        setPixmap(standard);
        shownRatio = 1;
        return;
    }
    const QImage sharp = renderDrawing(drawing, standard.size(), ratio);
    if (sharp.isNull()) {
        std::fprintf(stderr, "takton: picture %s: no drawing for this screen's density\n", qPrintable(drawing));
        drawing.clear();
        return;
    }
    setPixmap(QPixmap::fromImage(sharp));
    shownRatio = ratio;
}

} // namespace takton
