// The yardstick for the program's start-up: a bare full-screen Qt Widgets window that paints
// itself in the panel's green, logging the same milestones as the program, on the same clock,
// when QT_LOGGING_RULES="chimewise.timing.info=true". It notices its first frame as the
// program does, from an event loop that looks after every pass.
#include "app/timing.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace
{
class BareWindow : public QWidget
{
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), QColor(0, 64, 0));
        painted = true;
    }
};
} // namespace

int main(int argc, char** argv)
{
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    logMilestone("main", started);
    BareWindow window;
    // Without a window manager, showing full screen alone leaves a small window.
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showFullScreen();
    logMilestone("shown");
    while (!window.painted)
        QCoreApplication::processEvents();
    logMilestone("first-frame");
    logMappedLibraries("first-frame");
    return QApplication::exec();
}
