#include "jpeg_image.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace takton {
namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends the
// process. Ours jumps back into decodeJpeg instead; only C frames of libjpeg lie in
// between, so nothing with a destructor is skipped.
struct Decoder {
    jpeg_decompress_struct cinfo; // first, so libjpeg's pointer to it is ours too
    jpeg_error_mgr errors;
    std::jmp_buf recover;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr cinfo)
{
    auto* decoder = reinterpret_cast<Decoder*>(cinfo);
    (*cinfo->err->format_message)(cinfo, decoder->message);
    std::longjmp(decoder->recover, 1);
}

// A warning means damaged data (a truncated stream is padded with grey and only
// warned about): such a picture is not shown at all.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        onFatalError(cinfo);
}

// Returns false with `decoder.message` set when libjpeg gives up. Everything that
// outlives a jump back here belongs to the caller.
bool decodeInto(const QByteArray& stream, QImage& image, Decoder& decoder)
{
    jpeg_decompress_struct& cinfo = decoder.cinfo;
    cinfo.err = jpeg_std_error(&decoder.errors);
    decoder.errors.error_exit = onFatalError;
    decoder.errors.emit_message = onMessage;
    decoder.message[0] = '\0';
    if (setjmp(decoder.recover)) {
        jpeg_destroy_decompress(&decoder.cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(stream.constData()),
                 static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        std::snprintf(decoder.message, sizeof decoder.message, "no memory for %ux%u pixels",
                      cinfo.output_width, cinfo.output_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& stream, const QString& what)
{
    QImage image;
    Decoder decoder{};
    if (stream.isEmpty()) {
        std::fprintf(stderr, "takton: picture %s: empty stream\n", qPrintable(what));
        return {};
    }
    if (!decodeInto(stream, image, decoder)) {
        std::fprintf(stderr, "takton: picture %s: %s\n", qPrintable(what), decoder.message);
        return {};
    }
    return image;
}

QImage loadSchematic(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "takton: picture %s: not found\n", qPrintable(resourcePath));
        return {};
    }
    return decodeJpeg(file.readAll(), resourcePath);
}

} // namespace takton
