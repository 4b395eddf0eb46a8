// Start-up figures of the real program, measured from outside as a parent would meet it,
// beside a bare full-screen Qt Widgets window (bench_bare_window) started in turn in the same
// run: process start until the whole panel is on the X server, as a second X client sees it
// at a point of the dial's maroon rim (the bare window: its green at the same point), with the
// program's own milestones beside it; the shared libraries mapped at the first frame, the
// start-up pause, resident memory once started, and the processor time the program and the
// sound server take between sounds.
//   bench_startup <path to chimewise> <path to bench_bare_window> [pairs of runs]
//                 [older builds of chimewise, started in the same rounds]
// Needs DISPLAY, a 1280 x 800 screen without a window manager; PA_PID for the sound server.
#include "bench/cputime.h"
#include "bench/figures.h"
#include "bench/pixelwatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace
{
qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Libraries by name without the version: "libpulse.so".
QByteArray libraryName(const QByteArray& file)
{
    const qsizetype so = file.indexOf(".so");
    return so < 0 ? file : file.left(so + 3);
}

// What the sound and the voices need, and nothing else does.
bool isSoundLibrary(const QByteArray& name)
{
    for (const char* sound : {"libpulse", "libsndfile", "libsamplerate", "libflite", "libespeak",
                              "libasound", "libasyncns", "libchimewise-sound", "libFLAC", "libogg",
                              "libvorbis", "libopus", "libmpg123", "libmp3lame"})
        if (name.startsWith(sound))
            return true;
    return false;
}

// Where the program's full-screen window on a 1280 x 800 screen has the dial's maroon rim
// (the panel of 745 x 705 pixels is centred, and its rim is 14 pixels wide there), which only
// the finished clock has: a partial frame would show the panel's green. The bare window
// paints that green.
constexpr int kWatchX = 340, kWatchY = 456;
constexpr std::uint32_t kMaroon = 0x800000, kPanelGreen = 0x004000;

struct Run {
    qint64 started = 0;
    qint64 seenOnScreen = 0; // when the watched point took its colour, from outside
    QMap<QString, qint64> milestones;
    QSet<QByteArray> librariesAtFirstFrame;
    bool seenFirstFrame() const { return milestones.contains("first-frame"); }
    double msTo(const char* milestone) const
    {
        return (milestones.value(milestone) - started) / 1e6;
    }
    double msBetween(const char* from, const char* to) const
    {
        return (milestones.value(to) - milestones.value(from)) / 1e6;
    }
    double msToScreen() const { return (seenOnScreen - started) / 1e6; }
};

// Shared libraries another process has mapped, for a program that does not say so itself:
// read a few milliseconds after its first frame.
QSet<QByteArray> librariesMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QSet<QByteArray> libraries;
    if (!maps.open(QIODevice::ReadOnly))
        return libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QByteArray file = line.mid(line.lastIndexOf('/') + 1);
        if (line.contains('/') && (file.endsWith(".so") || file.contains(".so.")))
            libraries.insert(libraryName(file));
    }
    return libraries;
}

// Starts the program and reads its milestones until `until` has been seen and the watched
// point has taken its colour.
bool startAndWait(QProcess& p, const QString& exe, const QString& until, Run& run,
                  PixelWatch& watch, std::uint32_t colour)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_LOGGING_RULES", "chimewise.timing.info=true");
    // Without a session bus, the program starts none, but Qt in the bare window would have
    // dbus-launch start one while it opens: both meet the bus alike, as on a desktop.
    if (!env.contains("DBUS_SESSION_BUS_ADDRESS"))
        env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    watch.start(colour);
    run.started = nowNs();
    p.start(exe, {});
    const qint64 deadline = run.started + 60'000'000'000LL;
    QByteArray pending;
    bool toldLibraries = false;
    while (nowNs() < deadline) {
        p.waitForReadyRead(100);
        pending += p.readAllStandardError();
        qsizetype nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = pending.left(nl).simplified().split(' ');
            pending.remove(0, nl + 1);
            if (words.size() > 3 && words[1] == "libraries" && words[2] == "first-frame") {
                run.librariesAtFirstFrame.clear();
                for (const QByteArray& file : words.mid(3))
                    run.librariesAtFirstFrame.insert(libraryName(file));
                toldLibraries = true;
            }
            if (words.size() != 4 || words[1] != "milestone")
                continue;
            run.milestones[QString::fromLatin1(words[2])] = words[3].toLongLong();
            if (words[2] == "first-frame")
                run.librariesAtFirstFrame = librariesMapped(p.processId());
        }
        run.seenOnScreen = watch.seen();
        if (run.milestones.contains(until) && (toldLibraries || until != "first-frame") &&
            run.seenOnScreen)
            return true;
        if (p.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

void stop(QProcess& p)
{
    p.terminate();
    if (!p.waitForFinished(3000))
        p.kill(), p.waitForFinished(3000);
}

long rssKb(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').value(0).toLong();
    return -1;
}

struct Figures {
    std::vector<double> onScreen, firstFrame, toMain, toShown, shown, painting, libraries;
    void add(const Run& run)
    {
        onScreen.push_back(run.msToScreen());
        firstFrame.push_back(run.msTo("first-frame"));
        if (run.milestones.contains("main")) {
            toMain.push_back(run.msTo("main"));
            toShown.push_back(run.msBetween("main", "shown"));
        }
        // A program older than the milestone of main still shows its way to the window.
        shown.push_back(run.msTo("shown"));
        painting.push_back(run.msBetween("shown", "first-frame"));
        libraries.push_back(double(run.librariesAtFirstFrame.size()));
    }
    void print(const char* who) const
    {
        std::printf("%s\n", who);
        printFigure("  process start -> on the X server (outside)", onScreen, "ms");
        printFigure("  process start -> first frame (its own)", firstFrame, "ms");
        printFigure("  process start -> main", toMain, "ms");
        printFigure("  main -> shown (construction and show)", toShown, "ms");
        printFigure("  process start -> shown", shown, "ms");
        printFigure("  shown -> first frame (first paint)", painting, "ms");
        printFigure("  shared libraries mapped at first frame", libraries, "");
    }
};

QByteArray joined(QSet<QByteArray> names)
{
    QByteArrayList sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted.isEmpty() ? QByteArray("none") : sorted.join(' ');
}

// What one program showed over the runs, beside the bare window of the same round.
struct ProgramFigures {
    Figures figures;
    std::vector<double> outsideRatios, ratios, pause;
    QSet<QByteArray> sound, beyondBare;

    void add(const Run& run, const Run& bareRun)
    {
        figures.add(run);
        outsideRatios.push_back(run.msToScreen() / bareRun.msToScreen());
        ratios.push_back(run.msTo("first-frame") / bareRun.msTo("first-frame"));
        pause.push_back(run.msBetween("shown", "pause-end"));
        for (const QByteArray& name : run.librariesAtFirstFrame) {
            if (isSoundLibrary(name))
                sound.insert(name);
            if (!bareRun.librariesAtFirstFrame.contains(name))
                beyondBare.insert(name);
        }
    }
    void print(const QString& exe) const
    {
        figures.print(qPrintable(QStringLiteral("the program ") + exe));
        printFigure("on the X server, program / bare window", outsideRatios, "x", 3);
        printFigure("first frame (own), program / bare window", ratios, "x", 3);
        std::printf("%-44s %s\n", "sound or voice libraries at first frame",
                    joined(sound).constData());
        std::printf("%-44s %s\n", "libraries beyond the bare window's",
                    joined(beyondBare).constData());
        printFigure("start-up pause (1,000,000 passes)", pause, "ms");
    }
};

// Programs and bare window in turn, so all meet the machine as it is at the time: each
// round runs the first program, the bare window, then any other programs (older builds).
void compareFirstFrames(const QStringList& exes, const QString& bare, int pairs)
{
    PixelWatch watch(kWatchX, kWatchY, nowNs);
    if (!watch.isOpen()) {
        std::printf("no X display to watch\n");
        return;
    }
    Figures window;
    std::vector<ProgramFigures> programs(std::size_t(exes.size()));
    for (int i = 0; i < pairs; ++i) {
        std::vector<Run> runs(programs.size());
        std::vector<bool> ran(programs.size());
        Run bareRun;
        for (std::size_t k = 0; k < programs.size(); ++k) {
            QProcess p;
            watch.waitUntilNot(kMaroon, 3000); // the last window has gone
            ran[k] = startAndWait(p, exes[qsizetype(k)], "pause-end", runs[k], watch, kMaroon) &&
                     runs[k].seenFirstFrame();
            stop(p);
            if (k == 0) {
                QProcess b;
                watch.waitUntilNot(kPanelGreen, 3000);
                ran[k] =
                    startAndWait(b, bare, "first-frame", bareRun, watch, kPanelGreen) && ran[k];
                stop(b);
            }
        }
        if (!ran[0])
            continue;
        window.add(bareRun);
        for (std::size_t k = 0; k < programs.size(); ++k)
            if (ran[k])
                programs[k].add(runs[k], bareRun);
    }
    window.print("a bare full-screen Qt Widgets window");
    for (std::size_t k = 0; k < programs.size(); ++k)
        programs[k].print(exes[qsizetype(k)]);
}

// Memory, and the processor time of the program and the sound server together between
// sounds: the 20 s from a second after the spoken prompt has ended, and 20 s long after.
bool printIdling(const QString& exe, PixelWatch& watch)
{
    QProcess p;
    Run run;
    if (!startAndWait(p, exe, "announced", run, watch, kMaroon)) {
        std::printf("the program did not finish starting\n");
        return false;
    }
    const qint64 pid = p.processId();
    const pid_t server = pid_t(qEnvironmentVariableIntValue("PA_PID"));
    // The prompt, "click the clock to begin", lasts under two seconds.
    QThread::msleep(3000);
    std::printf("%s\n%-44s %8.1f MB\n", qPrintable(exe), "resident memory after start-up",
                rssKb(pid) / 1024.0);
    const auto cpuOver20s = [pid, server](const char* what) {
        const std::int64_t program = processorNs(pid), sound = processorNs(server);
        QThread::sleep(20);
        std::printf("%-44s program %6.1f ms, sound server %6.1f ms\n", what,
                    double(processorNs(pid) - program) / 1e6,
                    server > 0 ? double(processorNs(server) - sound) / 1e6 : -1.0);
    };
    cpuOver20s("processor time, 20 s from 1 s after the prompt");
    QThread::sleep(20);
    cpuOver20s("processor time, 20 s idle from 41 s after it");
    stop(p);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <chimewise> <bench_bare_window> [pairs] [chimewise...]\n",
                     argv[0]);
        return 2;
    }
    const int pairs = argc > 3 ? std::atoi(argv[3]) : 20;
    QStringList exes{QString::fromLocal8Bit(argv[1])};
    for (int k = 4; k < argc; ++k)
        exes << QString::fromLocal8Bit(argv[k]);
    compareFirstFrames(exes, QString::fromLocal8Bit(argv[2]), pairs);
    PixelWatch watch(kWatchX, kWatchY, nowNs);
    for (const QString& exe : exes)
        if (!printIdling(exe, watch))
            return 1;
    return 0;
}
