#include "files.h"

#include "errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace takton {

QString shownName(const QString& path)
{
    return QStringLiteral("«") + QFileInfo(path).fileName() + QStringLiteral("»");
}

void writeWhole(const QString& path, const std::function<void(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception("Не удалось записать файл " + shownName(path) + ": " + file.errorString());
    write(file);
    if (!file.commit())
        throw Exception("Не удалось записать файл " + shownName(path) + ": " + file.errorString());
}

QByteArray readAtMost(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception("Не удалось открыть файл " + shownName(path) + ": " + file.errorString());
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        throw Exception("Файл " + shownName(path) + " слишком велик для файла значений");
    if (file.error() != QFileDevice::NoError)
        throw Exception("Не удалось прочитать файл " + shownName(path) + ": " + file.errorString());
    return bytes;
}

} // namespace takton
