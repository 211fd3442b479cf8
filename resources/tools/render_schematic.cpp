// Renders one schematic SVG into the baseline JPEG that the calculator
// windows embed. Build tool only: run through the `schematics` target.
//
//   render_schematic IN.svg OUT.jpg DPI
//   render_schematic IN.svg OUT.png SIDE
//
// The second form renders the program's icon: a square PNG SIDE pixels wide with a
// transparent background (the `icons` target).
//
// The picture gets exactly the pixel size of the SVG document (width/height),
// is drawn antialiased, and is written as a JFIF 1.01 baseline JPEG with three
// YCbCr components, chroma subsampled 2x2, and DPI in both density fields.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kQuality = 92;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Plain C-style on purpose: libjpeg reports errors by longjmp, so nothing
// with a destructor may live in this frame. Returns false and fills `err`.
bool writeJpeg(std::FILE *out, JSAMPROW *rows, int width, int height, int dpi,
               ErrorManager &err)
{
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);

    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo); // YCbCr, luma 2x2 / chroma 1x1, baseline Huffman
    jpeg_set_quality(&cinfo, kQuality, TRUE);

    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = static_cast<UINT16>(dpi);
    cinfo.Y_density = static_cast<UINT16>(dpi);

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows + cinfo.next_scanline,
                             cinfo.image_height - cinfo.next_scanline);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

int fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "render_schematic: %s: %s\n", what, detail);
    return EXIT_FAILURE;
}

bool endsWith(const char *text, const char *suffix)
{
    const std::size_t length = std::strlen(text), tail = std::strlen(suffix);
    return length >= tail && std::strcmp(text + length - tail, suffix) == 0;
}

// An icon keeps its transparency and is scaled to the requested side.
int renderPng(QSvgRenderer &svg, const char *outPath, long side)
{
    QImage image(static_cast<int>(side), static_cast<int>(side), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        svg.render(&painter, QRectF(0, 0, qreal(side), qreal(side)));
    }
    if (!image.save(QString::fromLocal8Bit(outPath), "PNG"))
        return fail("cannot write", outPath);
    std::printf("%s: %ldx%ld\n", outPath, side, side);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_schematic IN.svg OUT.jpg DPI | IN.svg OUT.png SIDE\n");
        return EXIT_FAILURE;
    }
    const char *inPath = argv[1];
    const char *outPath = argv[2];
    char *end = nullptr;
    const long dpi = std::strtol(argv[3], &end, 10);
    if (end == argv[3] || *end != '\0' || dpi < 1 || dpi > 65535)
        return fail("bad DPI or side", argv[3]);

    // Text in the drawings needs the font database, hence a GUI application;
    // no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QSvgRenderer svg(QString::fromLocal8Bit(inPath));
    if (!svg.isValid())
        return fail("cannot read SVG", inPath);
    if (endsWith(outPath, ".png"))
        return renderPng(svg, outPath, dpi);
    const QSize size = svg.defaultSize();
    if (size.isEmpty())
        return fail("SVG has no pixel size", inPath);

    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    std::vector<JSAMPROW> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<std::size_t>(y)] = image.scanLine(y);

    std::FILE *out = std::fopen(outPath, "wb");
    if (!out)
        return fail("cannot open for writing", outPath);
    ErrorManager err;
    const bool ok = writeJpeg(out, rows.data(), image.width(), image.height(),
                              static_cast<int>(dpi), err);
    const bool closed = std::fclose(out) == 0;
    if (!ok) {
        std::remove(outPath);
        return fail("JPEG encoding failed", err.message);
    }
    if (!closed) {
        std::remove(outPath);
        return fail("cannot write", outPath);
    }
    std::printf("%s: %dx%d, %ld dpi\n", outPath, image.width(), image.height(), dpi);
    return EXIT_SUCCESS;
}
