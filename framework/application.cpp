#include "application.h"

#include "decimal_separator.h"
#include "fonts.h"

namespace takton {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("takton"));
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
