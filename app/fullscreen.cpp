// The window covers the whole screen it is on, and goes on covering it when that screen
// changes size or the window moves to another one; the panel fits itself to the window.
// Asked for a window instead, it is an ordinary one of the panel's size.
#include "app/form/twips.h"
#include "app/frmclock.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtMath>

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

void frmclock::placeInWindow()
{
    setWindowFlag(Qt::FramelessWindowHint, false);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 790, 747);
    const QSize panelSize(qCeil(panel().Width / kTwipsPerPixel),
                          qCeil(panel().Height / kTwipsPerPixel));
    // On a screen too small for it the window shrinks with the panel inside.
    QRect frame(QPoint(), panelSize.boundedTo(area.size()));
    frame.moveCenter(area.center());
    setGeometry(frame);
    fitPanelTo(frame.size());
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
