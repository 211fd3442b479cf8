#include "application.h"

#include "decimal_separator.h"
#include "fonts.h"

namespace takton {

Application::Application(int& argc, char** argv, FontconfigWarmUp fontconfig) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("takton"));
    // Only closing the main window ends the program: no message box, dialog or
    // calculator closing last may end it.
    setQuitOnLastWindowClosed(false);
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
