#pragma once
// Decodes the schematics, which are stored as baseline JPEG streams.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace takton {

// A corrupt or truncated stream gives a null image and one line on stderr naming
// `what`; it never ends the program.
QImage decodeJpeg(const QByteArray& stream, const QString& what);

// Decodes a stream embedded in the program, such as ":/schematics/form2.jpg".
QImage loadSchematic(const QString& resourcePath);

} // namespace takton
