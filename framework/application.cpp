#include "application.h"

#include "decimal_separator.h"
#include "fonts.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace takton {
namespace {

// Qt's own dialogs and questions (the file dialog, "replace the file?") speak the
// program's language, whatever the desktop's. Without the translation installed they
// stay in English; nothing else depends on it.
void speakRussianInQtDialogs(QApplication& app)
{
    auto* translation = new QTranslator(&app);
    if (translation->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translation);
}

} // namespace

Application::Application(int& argc, char** argv, FontconfigWarmUp fontconfig) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("takton"));
    // Only closing the main window ends the program: no message box, dialog or
    // calculator closing last may end it.
    setQuitOnLastWindowClosed(false);
    speakRussianInQtDialogs(*this);
    fontconfig.finish();
    loadApplicationFonts();
    refreshDecimalSeparator();
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        refreshDecimalSeparator();
    return QApplication::event(event);
}

} // namespace takton
