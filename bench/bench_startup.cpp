// Start-up figures of the real program, measured from outside as a parent would meet it,
// beside a bare full-screen Qt Widgets window (bench_bare_window) started in turn in the same
// run: process start to first frame and its phases, the shared libraries mapped by then, the
// start-up pause, resident memory once started, and the processor time it takes while idling.
//   bench_startup <path to chimewise> <path to bench_bare_window> [pairs of runs]
//                 [older builds of chimewise, started in the same rounds]
#include "bench/figures.h"

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

struct Run {
    qint64 started = 0;
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

// Starts the program and reads its milestones until `until` has been seen.
bool startAndWait(QProcess& p, const QString& exe, const QString& until, Run& run)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_LOGGING_RULES", "chimewise.timing.info=true");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
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
        if (run.milestones.contains(until) && (toldLibraries || until != "first-frame"))
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

long statField(qint64 pid, int field)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = f.readAll();
    const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return rest.value(field - 3).toLong();
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
    std::vector<double> firstFrame, toMain, toShown, shown, painting, libraries;
    void add(const Run& run)
    {
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
        printFigure("  process start -> first frame", firstFrame, "ms");
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
    std::vector<double> ratios, pause;
    QSet<QByteArray> sound, beyondBare;

    void add(const Run& run, const Run& bareRun)
    {
        figures.add(run);
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
        printFigure("first frame, program / bare window", ratios, "x", 3);
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
    Figures window;
    std::vector<ProgramFigures> programs(std::size_t(exes.size()));
    for (int i = 0; i < pairs; ++i) {
        std::vector<Run> runs(programs.size());
        std::vector<bool> ran(programs.size());
        Run bareRun;
        for (std::size_t k = 0; k < programs.size(); ++k) {
            QProcess p;
            ran[k] = startAndWait(p, exes[qsizetype(k)], "pause-end", runs[k]) &&
                     runs[k].seenFirstFrame();
            stop(p);
            if (k == 0) {
                QProcess b;
                ran[k] = startAndWait(b, bare, "first-frame", bareRun) && ran[k];
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

// Memory and the processor time of idling, once started. The streams are kept playing
// silence for 10 s after the last sound (the spoken prompt), then left to idle; both spells
// are shown.
bool printIdling(const QString& exe)
{
    QProcess p;
    Run run;
    if (!startAndWait(p, exe, "announced", run)) {
        std::printf("the program did not finish starting\n");
        return false;
    }
    QThread::msleep(500);
    const qint64 pid = p.processId();
    std::printf("%s\n%-44s %8.1f MB\n", qPrintable(exe), "resident memory after start-up",
                rssKb(pid) / 1024.0);
    const auto cpuOver10s = [pid] {
        const long before = statField(pid, 14) + statField(pid, 15);
        QThread::sleep(10);
        const long after = statField(pid, 14) + statField(pid, 15);
        return 100.0 * (after - before) / sysconf(_SC_CLK_TCK) / 10.0;
    };
    std::printf("%-44s %8.2f %% of one core\n", "CPU, first 10 s idle (after the prompt)",
                cpuOver10s());
    QThread::sleep(3);
    std::printf("%-44s %8.2f %% of one core\n", "CPU, next 10 s idle", cpuOver10s());
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
    for (const QString& exe : exes)
        if (!printIdling(exe))
            return 1;
    return 0;
}
