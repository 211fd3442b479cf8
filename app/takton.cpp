// Тактон: step-by-step design of transistor multivibrators.

#include "Unit1.h"
#include "application.h"
#include "forms.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long explanation; say it in one line.
bool displayAvailable()
{
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "takton: no display to open windows on (set DISPLAY, or run under xvfb-run)\n");
        return 1;
    }
    takton::Application app(argc, argv);
    takton::createForms();
    Form1->show();
    const int status = app.exec();
    takton::destroyForms();
    return status;
}
