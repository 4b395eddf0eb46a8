// Left click on the clock until the window has repainted, in the real window with the real
// sound stack; each click alternates between a new time and its answer. Then, per language,
// the processor time a click costs the whole program (every thread: the voice making its
// phrases, the sound, the painting), each click measured until its sound has played out.
//   bench_click [cycles per language]   (needs PULSE_SERVER: run it through with-pulse.sh)
#include "app/frmclock.h"
#include "bench/cputime.h"
#include "bench/figures.h"
#include "platform/realplatform.h"
#include "platform/sound/serversound.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace
{
void send(QWidget* w, QEvent::Type type, QPoint at)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, QPoint at)
{
    send(w, QEvent::MouseButtonPress, at);
    send(w, QEvent::MouseButtonRelease, at);
}

struct NoPause : EventPump {
    void processPendingEvents() override {}
};

// The window's events go on being handled meanwhile.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

RealPlatform::SoundLoader serverSound()
{
    return [](const QString& dir) { return LoadedSound{makeServerSound(dir), {}}; };
}

void clickToRepaint()
{
    RealPlatform real({}, serverSound());
    NoPause pump;
    real.platform().pump = &pump;
    frmclock w(real.platform());
    w.Form_Load();
    QApplication::processEvents();
    const QPoint at = w.windowPosOf(3000, 4000).toPoint();
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        const quint64 before = w.framesPainted();
        const auto t0 = std::chrono::steady_clock::now();
        click(&w, at);
        while (w.framesPainted() == before)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    printFigure("left click -> repaint done", times, "ms", 2);
}

// A new time (a tick; the voice makes the phrases for it ready) and the click that reveals it
// (the answer spoken), each given long enough for everything it starts to end.
void processorPerClick(Language language, int cycles)
{
    RealPlatform real({}, serverSound());
    NoPause pump;
    real.platform().pump = &pump;
    frmclock w(real.platform());
    w.language = language;
    w.Form_Load();
    runFor(5000); // the announcement and the prompt
    const QPoint at = w.windowPosOf(3000, 4000).toPoint();
    std::vector<double> newTime, reveal, cycle;
    for (int i = 0; i < cycles; ++i) {
        const std::int64_t t0 = processorNs(getpid());
        click(&w, at);
        runFor(1500);
        const std::int64_t t1 = processorNs(getpid());
        click(&w, at);
        runFor(3000);
        const std::int64_t t2 = processorNs(getpid());
        newTime.push_back(double(t1 - t0) / 1e6);
        reveal.push_back(double(t2 - t1) / 1e6);
        cycle.push_back(double(t2 - t0) / 1e6);
    }
    const QByteArray code = languageCode(language).toLatin1();
    std::printf("processor time, %s\n", code.constData());
    printFigure("  new-time click (tick, phrases made ready)", newTime, "ms", 2);
    printFigure("  revealing click (answer spoken)", reveal, "ms", 2);
    printFigure("  the two together", cycle, "ms", 2);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 10;
    clickToRepaint();
    for (Language language : {Language::EnglishUS, Language::EnglishUK, Language::German,
                              Language::French, Language::Spanish, Language::Dutch})
        processorPerClick(language, cycles);
    return 0;
}
