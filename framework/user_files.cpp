#include "user_files.h"

#include "errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace takton {
namespace {

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason)
{
    throw Exception(what + ' ' + shownName(path) + ": " + reason);
}

// What a path that is not a regular file is, for the message that refuses it.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("это папка, а не файл");
    if (S_ISFIFO(mode))
        return QStringLiteral("это именованный канал, а не обычный файл");
    if (S_ISSOCK(mode))
        return QStringLiteral("это сокет, а не обычный файл");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("это устройство, а не обычный файл");
    return QStringLiteral("это не обычный файл");
}

// Under a limit on file size the system ends a program whose write goes past it; the
// program would lose every value typed in its windows. Ignored, the write fails with
// EFBIG and is reported like any other.
void writesPastTheSizeLimitFail()
{
    static const bool ignored = (std::signal(SIGXFSZ, SIG_IGN), true);
    (void)ignored;
}

} // namespace

QString shownName(const QString& path)
{
    return QStringLiteral("«") + QFileInfo(path).fileName() + QStringLiteral("»");
}

QString reasonOf(int systemError, Access access)
{
    const bool reading = access == Access::Read;
    switch (systemError) {
    case ENOSPC:
        return QStringLiteral("нет места на диске");
    case EDQUOT:
        return QStringLiteral("исчерпана дисковая квота");
    case EFBIG:
        return QStringLiteral("файл больше, чем разрешено записывать");
    case EACCES:
    case EPERM:
        return reading ? QStringLiteral("нет прав на чтение") : QStringLiteral("нет прав на запись");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOENT:
        return reading ? QStringLiteral("файл не найден") : QStringLiteral("папка не найдена");
    case ENOTDIR:
        return QStringLiteral("путь проходит через файл, а не папку");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя");
    case ELOOP:
        return QStringLiteral("символические ссылки образуют петлю");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода на диске");
    case 0:
        return reading ? QStringLiteral("ошибка чтения") : QStringLiteral("ошибка записи");
    default:
        return (reading ? QStringLiteral("ошибка чтения, код системы ") : QStringLiteral("ошибка записи, код системы ")) +
               QString::number(systemError);
    }
}

void saveWholeFile(const QString& path, const QByteArray& content)
{
    const QString what = QStringLiteral("Не удалось записать файл");
    writesPastTheSizeLimitFail();
    const QByteArray name = QFile::encodeName(path);
    struct stat existing {};
    if (::stat(name.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            fail(what, path, kindOf(existing.st_mode));
        if (::access(name.constData(), W_OK) != 0)
            fail(what, path, reasonOf(errno, Access::Write));
    }
    // Unbuffered, so that a failing write is seen at once, with its error number. The
    // error number is cleared before each call: one left at 0 means Qt's own check
    // failed rather than the system.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(what, path, reasonOf(errno, Access::Write));
    for (qint64 written = 0; written < content.size();) {
        errno = 0;
        const qint64 now = file.write(content.constData() + written, content.size() - written);
        if (now <= 0) {
            const int error = errno;
            file.cancelWriting();
            fail(what, path, reasonOf(error, Access::Write));
        }
        written += now;
    }
    errno = 0;
    if (!file.flush()) {
        const int error = errno;
        file.cancelWriting();
        fail(what, path, reasonOf(error, Access::Write));
    }
    errno = 0;
    if (!file.commit())
        fail(what, path, reasonOf(errno, Access::Write));
}

QByteArray readRegularFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        fail(QStringLiteral("Не удалось открыть файл"), path, reasonOf(errno, Access::Read));
    if (!S_ISREG(status.st_mode))
        fail(QStringLiteral("Не удалось открыть файл"), path, kindOf(status.st_mode));
    // Without waiting, and checked again once open: the name may have been given to a
    // pipe in the meantime.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        fail(QStringLiteral("Не удалось открыть файл"), path, reasonOf(errno, Access::Read));
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        fail(QStringLiteral("Не удалось открыть файл"), path, kindOf(status.st_mode));
    }
    if (status.st_size > limit) {
        ::close(descriptor);
        throw Exception("Файл " + shownName(path) + " слишком велик для файла значений");
    }
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    errno = 0;
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Не удалось прочитать файл"), path, reasonOf(errno, Access::Read));
    if (bytes.size() > limit)
        throw Exception("Файл " + shownName(path) + " слишком велик для файла значений");
    return bytes;
}

} // namespace takton
