// Left click on the clock until the window has repainted, in the real window with the real
// sound stack; each click alternates between a new time and its answer.
#include "app/frmclock.h"
#include "platform/realplatform.h"
#include "platform/sound/serversound.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace
{
void send(QWidget* w, QEvent::Type type, QPoint at)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RealPlatform real({}, [](const QString& dir) { return LoadedSound{makeServerSound(dir), {}}; });
    struct NoPause : EventPump {
        void processPendingEvents() override {}
    } pump;
    real.platform().pump = &pump;
    frmclock w(real.platform());
    w.Form_Load();
    QApplication::processEvents();
    const QPoint at = w.windowPosOf(3000, 4000).toPoint();
    QList<double> times;
    for (int i = 0; i < 200; ++i) {
        const quint64 before = w.framesPainted();
        const auto t0 = std::chrono::steady_clock::now();
        send(&w, QEvent::MouseButtonPress, at);
        send(&w, QEvent::MouseButtonRelease, at);
        while (w.framesPainted() == before)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        times << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                     .count();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s min %8.2f  median %8.2f  max %8.2f ms  (n=%lld)\n",
                "left click -> repaint done", times.first(), times.at(times.size() / 2),
                times.last(), static_cast<long long>(times.size()));
    return 0;
}
