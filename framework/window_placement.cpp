#include "window_placement.h"

#include "table_window.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace takton {
namespace {

int fitAxis(int wanted, int length, int areaStart, int areaLength)
{
    const int lastFitting = areaStart + areaLength - length;
    return std::max(areaStart, std::min(wanted, lastFitting));
}

} // namespace

QPoint placeWithin(const QRect& available, const QSize& outer, std::optional<QPoint> designed)
{
    const QPoint wanted = designed.value_or(
        QPoint(available.x() + (available.width() - outer.width()) / 2,
               available.y() + (available.height() - outer.height()) / 2));
    return {fitAxis(wanted.x(), outer.width(), available.x(), available.width()),
            fitAxis(wanted.y(), outer.height(), available.y(), available.height())};
}

// Where a table-built window opens, and its frame taken off its client area.

QScreen* TableWindow::openingScreen() const
{
    return firstScreen ? firstScreen.data() : screen();
}

// A designed position is taken on the screen the window opens on.
QPoint TableWindow::openingPosition() const
{
    const QScreen* on = openingScreen();
    std::optional<QPoint> designed = properties.designedPosition;
    if (designed)
        *designed += on->geometry().topLeft();
    return placeWithin(on->availableGeometry(), outerSize, designed);
}

void TableWindow::present(const QWidget* beside)
{
    if (!placed && beside && beside->screen())
        firstScreen = beside->screen();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TableWindow::showEvent(QShowEvent* event)
{
    if (!placed) {
        placed = true;
        // A window taller or wider than the screen would hide its lowest steps for
        // good: it opens no larger than the screen and its content scrolls.
        if (firstScreen)
            setScreen(firstScreen);
        outerSize = properties.outerSize.boundedTo(openingScreen()->availableGeometry().size());
        resize(outerSize);
        move(openingPosition());
    }
    fitFrame();
    QWidget::showEvent(event);
}

bool TableWindow::event(QEvent* event)
{
    if (!frameFitted && placed)
        fitFrame();
    return QWidget::event(event);
}

// The table gives the outer size and the position of the frame. The frame comes off
// the client area once the window system has told how wide it is, which a window
// manager does only after the window is mapped; the window is then placed again.
void TableWindow::fitFrame()
{
    const QWindow* window = windowHandle();
    if (frameFitted || !window || window->frameMargins().isNull())
        return;
    frameFitted = true;
    resize(outerSize.shrunkBy(window->frameMargins()));
    windowHandle()->setFramePosition(openingPosition());
}

} // namespace takton
