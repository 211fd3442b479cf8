// Prints the bytes the schematics of every window take once decoded, the yardstick of
// the start-up memory budget.

#include "jpeg_image.h"

#include <QDirIterator>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qint64 bytes = 0;
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/schematics"));
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String(".jpg")))
            continue;
        bytes += takton::loadSchematic(path).sizeInBytes();
        ++pictures;
    }
    std::printf("pictures=%d decoded_bytes=%lld\n", pictures, static_cast<long long>(bytes));
    return 0;
}
