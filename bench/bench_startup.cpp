// Start-up figures of the real program, measured from outside as a parent would meet it:
// process start to first frame, the shared libraries mapped by then, the start-up pause,
// resident memory once started, and the processor time it takes while idling.
//   bench_startup <path to chimewise> [runs]
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

struct Run {
    qint64 started = 0;
    QMap<QString, qint64> milestones;
    int librariesAtFirstFrame = -1;
};

// Shared libraries the process has mapped: each loaded library costs start-up time and memory.
int librariesMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QByteArray path = line.mid(line.indexOf('/'));
        if (line.contains('/') && (path.endsWith(".so") || path.contains(".so.")))
            libraries.insert(path);
    }
    return int(libraries.size());
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
    while (nowNs() < deadline) {
        p.waitForReadyRead(100);
        pending += p.readAllStandardError();
        qsizetype nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = pending.left(nl).simplified().split(' ');
            pending.remove(0, nl + 1);
            if (words.size() != 4 || words[1] != "milestone")
                continue;
            run.milestones[QString::fromLatin1(words[2])] = words[3].toLongLong();
            // Read as soon as the milestone comes in, a few milliseconds after the frame.
            if (words[2] == "first-frame")
                run.librariesAtFirstFrame = librariesMapped(p.processId());
        }
        if (run.milestones.contains(until))
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

double ms(qint64 ns)
{
    return ns / 1e6;
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <chimewise> [runs]\n", argv[0]);
        return 2;
    }
    const QString exe = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
    std::vector<double> firstFrame, pause, libraries;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        Run run;
        if (startAndWait(p, exe, "pause-end", run) && run.milestones.contains("first-frame")) {
            firstFrame.push_back(ms(run.milestones["first-frame"] - run.started));
            pause.push_back(ms(run.milestones["pause-end"] - run.milestones["shown"]));
            libraries.push_back(run.librariesAtFirstFrame);
        }
        stop(p);
    }
    printFigure("process start -> first frame", firstFrame, "ms");
    printFigure("shared libraries mapped at first frame", libraries, "");
    printFigure("start-up pause (1,000,000 passes)", pause, "ms");

    QProcess p;
    Run run;
    if (!startAndWait(p, exe, "announced", run)) {
        std::printf("the program did not finish starting\n");
        return 1;
    }
    QThread::msleep(500);
    const qint64 pid = p.processId();
    std::printf("%-44s %8.1f MB\n", "resident memory after start-up", rssKb(pid) / 1024.0);
    // The sound stream stays open for 10 s after the last sound (the spoken prompt), then
    // closes; both spells are shown.
    const auto cpuOver10s = [pid] {
        const long before = statField(pid, 14) + statField(pid, 15);
        QThread::sleep(10);
        const long after = statField(pid, 14) + statField(pid, 15);
        return 100.0 * (after - before) / sysconf(_SC_CLK_TCK) / 10.0;
    };
    std::printf("%-44s %8.2f %% of one core\n", "CPU, first 10 s idle (stream open)", cpuOver10s());
    QThread::sleep(3);
    std::printf("%-44s %8.2f %% of one core\n", "CPU, next 10 s idle (stream closed)",
                cpuOver10s());
    stop(p);
    return 0;
}
