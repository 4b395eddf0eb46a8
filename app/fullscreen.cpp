// The window covers the whole screen it is on, and goes on covering it when that screen
// changes size or the window moves to another one; the panel fits itself to the window.
#include "app/frmclock.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

void frmclock::coverScreen()
{
    const QWindow* window = windowHandle();
    const QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 790, 747);
    // Where a window manager has already followed the screen, leave the window as it is.
    if (geometry() != area)
        setGeometry(area);
    // A hidden window hears of its size only when shown; the panel is placed now.
    fitPanelTo(area.size());
}

void frmclock::followScreen()
{
    QWindow* window = windowHandle();
    if (!window)
        return;
    connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
        watchScreen(screen);
        coverScreen();
    });
    watchScreen(window->screen());
}

void frmclock::watchScreen(QScreen* screen)
{
    disconnect(screenWatch);
    if (screen)
        screenWatch = connect(screen, &QScreen::geometryChanged, this, &frmclock::coverScreen);
}
