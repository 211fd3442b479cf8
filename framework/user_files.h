#pragma once
// Files the user names: every file the program saves is written by `saveWholeFile`,
// every file it reads by `readRegularFile`. A failure is an exception whose message
// names the file and gives the reason in the user's words.

#include <QByteArray>
#include <QString>

namespace takton {

// Replaces the file at `path` with `content`, or leaves it byte for byte as it was:
// the content goes to a temporary file beside it, every write and the flush are
// checked, and only a complete copy takes the name. Folders, devices and pipes are
// refused, never written into.
void saveWholeFile(const QString& path, const QByteArray& content);

// The bytes of the regular file at `path`; one larger than `limit` bytes is refused.
// A pipe, device, folder or socket is refused before anything waits on it.
QByteArray readRegularFile(const QString& path, qint64 limit);

// The name the user knows the file by, for messages: "«design.takton»".
QString shownName(const QString& path);

enum class Access { Read, Write };
// Why a read or write failed, from the system's error number, in Russian words.
QString reasonOf(int systemError, Access access);

} // namespace takton
