// Тактон: step-by-step design of transistor multivibrators.

#include "Unit1.h"
#include "application.h"
#include "check_design.h"
#include "command_line.h"
#include "desktop_identity.h"
#include "forms.h"
#include "open_values.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <xcb/xcb.h>
#include <cstdio>
#include <cstdlib>
#include <variant>

namespace {

// The windows are placed where they are designed to open, which only X11 lets a
// program do: on a Wayland desktop the program runs through its X11 server
// (XWayland). Without an X display Qt would abort with a long explanation; the
// user gets one line instead. Returns false when the program cannot start.
bool chooseX11Display()
{
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    if (std::getenv("DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (std::getenv("WAYLAND_DISPLAY"))
        std::fprintf(stderr, "takton: needs an X11 display; this Wayland session has none (enable XWayland so that DISPLAY is set)\n");
    else
        std::fprintf(stderr, "takton: no display to open windows on (set DISPLAY, or run under xvfb-run)\n");
    return false;
}

// Shows the main window and waits until the X server has put it on screen (within a
// fifth of a second: a window manager may hold it back), so that the calculators are
// built behind a finished menu. Qt draws the window as it handles the exposure.
void showMenuAtOnce()
{
    Form1->show();
    QElapsedTimer waited;
    waited.start();
    QTimer wakeUp; // the wait for the server's answer never outlasts the limit
    wakeUp.start(10);
    while (!Form1->windowHandle()->isExposed() && waited.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    // One round trip: the server has put the drawn menu on screen before the
    // calculators take the processor.
    // (Qt's offscreen platform answers as X11 too, without a connection.)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* server = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(server, xcb_get_input_focus(server), nullptr));
}

} // namespace

int main(int argc, char** argv)
{
    const auto commandLine = takton::readCommandLine(argc, argv);
    if (const int* answered = std::get_if<int>(&commandLine))
        return *answered;
    if (const auto& check = std::get<takton::StartRequest>(commandLine).check) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1); // no window is shown, no display needed
        takton::Application app(argc, argv);
        return takton::checkDesign(*check);
    }
    if (!chooseX11Display())
        return 1;
    takton::Application app(argc, argv);
    takton::identifyToTheDesktop();
    // The menu goes on screen as soon as it exists, and is painted while the
    // calculators are built after it, in order and hidden. Only drawing is done
    // meanwhile: a click or a key waits until every window exists and the event loop
    // runs.
    takton::createForms([] {
        if (!Form1->isVisible())
            showMenuAtOnce();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // Files to open wait for the event loop, so that a refusal's box stands over a
    // finished menu.
    QTimer::singleShot(0, Form1, [&commandLine] {
        takton::openValuesFiles(std::get<takton::StartRequest>(commandLine).valuesFiles);
    });
    // Closed by the window manager while the calculators were being built: the
    // program ends as it would from the event loop.
    const int status = Form1->isVisible() ? app.exec() : 0;
    takton::destroyForms();
    return status;
}
