#pragma once
// Files the user chooses: written whole or not at all, read up to a size, and every
// failure an exception whose message names the file and the reason.

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace takton {

// `write` fills the device; the file at `path` is replaced only once all of it is
// written, so a failure leaves an earlier file as it was.
void writeWhole(const QString& path, const std::function<void(QIODevice&)>& write);

// The file's bytes; one larger than `limit` bytes is refused.
QByteArray readAtMost(const QString& path, qint64 limit);

// The name the user knows the file by, for messages: "design.takton".
QString shownName(const QString& path);

} // namespace takton
