#include "desktop_identity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>

namespace takton {

void identifyToTheDesktop()
{
    QGuiApplication::setApplicationVersion(QStringLiteral(TAKTON_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAKTON_APP_ID));
    // The PNGs rendered for the menu, linked into the program: a window manager
    // takes the sizes it shows from the window itself.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& png : sizes.entryList({QStringLiteral("*.png")}))
        icon.addFile(sizes.filePath(png));
    QGuiApplication::setWindowIcon(icon);
}

} // namespace takton
