// Sound figures of the real program, measured from outside as a parent meets it: clicks go
// through the X server as real input, and what is heard is recorded at the null sink of the
// private sound server that tests/with-pulse.sh starts. Nothing here knows how the program
// makes its sounds, so any two builds can be compared in one run (see run-sound-bench.sh).
//   bench_sound <path to chimewise> [--cycles n] [--quiet s] [--hung-rounds n] [--hung-quiet s]
//               [--language code]
// Needs DISPLAY (a 1280x800 screen without a window manager), PULSE_SERVER and PA_PID.
#include "bench/figures.h"
#include "bench/xsession.h"
#include "tests/support/recorder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>
#include <signal.h>
#include <string>

namespace
{

constexpr float kLoud = 0.02f; // the first sample this loud is when a sound is heard
constexpr int kZeroRun = SinkRecorder::kRate / 500; // 2 ms of samples

// The window fills the 1280x800 screen and centres its 745x705 panel; places in the panel
// are in twips, 15 to the pixel.
QPoint onScreen(int twipsX, int twipsY)
{
    return {int(std::lround(267.5 + twipsX / 15.0)), int(std::lround(47.5 + twipsY / 15.0))};
}
const QPoint kClock = onScreen(3000, 4000); // in the clock's click area
const QPoint kCloseCross = onScreen(10365, 765);
const QPoint kMargin{40, 400}; // beside the panel, where a click does nothing

// The program under test, started from its own folder (it looks for its sounds there
// first), with its start-up milestones logged to a file so no pipe can fill and stall it.
struct Program {
    QTemporaryDir dir;
    QProcess process;

    void start(const QString& exe, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("chimewise.timing.info=true"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QFileInfo(exe).absolutePath());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(dir.filePath(QStringLiteral("log")));
        process.start(QFileInfo(exe).absoluteFilePath(), arguments);
        process.waitForStarted();
    }
    bool logged(const char* milestone)
    {
        QFile log(dir.filePath(QStringLiteral("log")));
        return log.open(QIODevice::ReadOnly) &&
               log.readAll().contains(QByteArray("milestone ") + milestone + ' ');
    }
    ~Program()
    {
        process.kill();
        process.waitForFinished(3000);
    }
};

// Returns once nothing was heard for quietMs; false when the sound went on past giveUpMs.
bool waitForQuiet(SinkRecorder& recorder, double quietMs, double giveUpMs = 20000)
{
    double checked = recorder.nowMs(), quietSince = checked;
    const double giveUp = checked + giveUpMs;
    while (checked - quietSince < quietMs) {
        if (checked > giveUp)
            return false;
        if (recorder.peakBetween(checked, checked + 50) >= kLoud / 2)
            quietSince = checked + 50;
        checked += 50;
    }
    return true;
}

struct Heard {
    std::vector<double> latencies; // to the first loud sample
    std::vector<double> starts;    // to the first sample of the sound, however quiet
    int missed = 0;
};

// Clicks once the sink is quiet and adds the time to the first loud sample to `heard`;
// with `phrase`, also keeps everything heard until the sound has ended.
void clickAndListen(XSession& x, SinkRecorder& recorder, int button, Heard& heard,
                    std::vector<std::vector<float>>* phrases = nullptr)
{
    waitForQuiet(recorder, 300);
    const double clicked = x.click(button);
    const double first = recorder.waitForSound(clicked, kLoud, 3000);
    if (first < 0) {
        ++heard.missed;
        return;
    }
    heard.latencies.push_back(first - clicked);
    // Between sounds the sink carries exact zeros; a sound starts with its first other sample,
    // which for speech can lie a consonant's length before anything is loud.
    heard.starts.push_back(recorder.waitForSound(clicked, 1.0f / 32768, 0) - clicked);
    if (phrases) {
        waitForQuiet(recorder, 600);
        phrases->push_back(recorder.samplesBetween(first, recorder.nowMs()));
    }
}

struct ZeroRuns {
    int count = 0;
    double totalMs = 0, longestMs = 0;
};

// Runs of exact zeros of 2 ms or more between a phrase's first and last loud sample: there
// the stream ran dry (synthesised speech is never that long digital silence).
ZeroRuns zeroRunsIn(const std::vector<float>& phrase)
{
    const auto loud = [](float s) { return std::fabs(s) >= kLoud; };
    const auto first = std::find_if(phrase.begin(), phrase.end(), loud);
    const auto last = std::find_if(phrase.rbegin(), phrase.rend(), loud).base();
    ZeroRuns runs;
    for (auto at = first; at < last;) {
        const auto end = std::find_if(at, last, [](float s) { return s != 0.0f; });
        if (end - at >= kZeroRun) {
            const double ms = 1000.0 * double(end - at) / SinkRecorder::kRate;
            ++runs.count;
            runs.totalMs += ms;
            runs.longestMs = std::max(runs.longestMs, ms);
        }
        at = end == at ? end + 1 : end;
    }
    return runs;
}

void printHeard(const char* what, const Heard& heard)
{
    printFigure(what, heard.starts, "ms");
    printFigure((std::string(what) + " >= 0.02").c_str(), heard.latencies, "ms");
    if (heard.missed)
        std::printf("%-44s %d clicks not heard within 3 s\n", "", heard.missed);
}

void printZeroRuns(const std::vector<std::vector<float>>& phrases)
{
    std::vector<double> counts, totals, longest;
    ZeroRuns all;
    int hit = 0;
    for (const auto& phrase : phrases) {
        const ZeroRuns runs = zeroRunsIn(phrase);
        counts.push_back(runs.count);
        totals.push_back(runs.totalMs);
        longest.push_back(runs.longestMs);
        all.count += runs.count;
        all.totalMs += runs.totalMs;
        all.longestMs = std::max(all.longestMs, runs.longestMs);
        hit += runs.count > 0;
    }
    printFigure("  zero runs >= 2 ms in a phrase", counts, "");
    printFigure("  ms of zeros in a phrase", totals, "ms");
    printFigure("  longest zero run in a phrase", longest, "ms");
    std::printf("  in all: %d runs in %d of %zu phrases, %.1f ms, longest %.1f ms\n", all.count,
                hit, phrases.size(), all.totalMs, all.longestMs);
}

// What a child does, `cycles` times over: a new time (a tick), its answer (spoken), the
// answer in words (right click). Every phrase heard is analysed for dropouts.
void clickCycles(XSession& x, SinkRecorder& recorder, int cycles, const char* label)
{
    Heard tick, reveal, worded;
    std::vector<std::vector<float>> phrases;
    for (int i = 0; i < cycles; ++i) {
        clickAndListen(x, recorder, 1, tick);
        clickAndListen(x, recorder, 1, reveal, &phrases);
        clickAndListen(x, recorder, 3, worded, &phrases);
    }
    std::printf("%s\n", label);
    printHeard("  click -> first tick sample", tick);
    printHeard("  revealing click -> first speech sample", reveal);
    printHeard("  right click -> first speech sample", worded);
    printZeroRuns(phrases);
}

// Two busy processes on the shared two-core machine, so the sound path has no core to
// itself; ended with the object.
struct CpuHogs {
    QProcess hogs[2];
    CpuHogs()
    {
        for (QProcess& hog : hogs)
            hog.start(QStringLiteral("sha256sum"), {QStringLiteral("/dev/zero")});
    }
    ~CpuHogs()
    {
        for (QProcess& hog : hogs)
            hog.kill(), hog.waitForFinished(3000);
    }
};

// How long a click freezes the window, for the three clicks of a cycle. The proxy is the
// _NET_WM_PING a window manager sends to decide a window is not responding: Qt answers it on
// the GUI thread from its event loop, so a click handler that waits delays the answer by as
// long as it waits, whatever it waits for, in any build. A repaint would not do: a right click
// paints nothing, and no build logs when its click handlers run. Pings go out every
// millisecond from the click on; the figure is the longest any of them waited. A click on the
// empty margin beside the panel, which does nothing, shows what the proxy sees of a click
// that waits for nothing.
struct Freezes {
    std::vector<double> newTime, reveal, worded, margin;

    // settle runs before each click, idle between pings.
    void measure(XSession& x, const std::function<void()>& settle,
                 const std::function<void()>& idle, bool withMargin)
    {
        const auto freeze = [&](int button, std::vector<double>& into) {
            settle();
            x.click(button);
            into.push_back(x.longestPingWaitMs(1500, idle));
        };
        if (withMargin) {
            x.moveTo(kMargin.x(), kMargin.y());
            freeze(1, margin);
            x.moveTo(kClock.x(), kClock.y());
        }
        freeze(1, newTime);
        freeze(1, reveal);
        freeze(3, worded);
    }
    void print(const char* label) const
    {
        std::printf("%s\n", label);
        if (!margin.empty())
            printFigure("  click on the empty margin freezes it", margin, "ms");
        printFigure("  new-time click freezes the window", newTime, "ms");
        printFigure("  revealing click freezes the window", reveal, "ms");
        printFigure("  right click freezes the window", worded, "ms");
    }
};

// A fresh recording that waits for seconds of quiet: after the sound server was stopped and
// resumed, an older recording no longer knows when its samples came out.
bool quietFor(double seconds)
{
    SinkRecorder recorder;
    return recorder.start() && waitForQuiet(recorder, 1000 * seconds, 1000 * seconds + 30000);
}

// Start-up ends with the spoken prompt. The window answers clicks before that, but a click
// then would measure start-up, not the click.
bool startAndSettle(Program& program, const QString& exe, const QStringList& arguments, XSession& x,
                    SinkRecorder& recorder)
{
    program.start(exe, arguments);
    if (!x.findWindowOf(program.process.processId(), 30000))
        return false;
    for (int i = 0; i < 300 && !program.logged("announced"); ++i)
        recorder.poll(100);
    waitForQuiet(recorder, 2000);
    std::vector<double> pings;
    for (int i = 0; i < 50; ++i, recorder.poll(10))
        pings.push_back(x.pingMs());
    printFigure("ping round trip, idle window", pings, "ms");
    x.moveTo(kClock.x(), kClock.y());
    return true;
}

// The first tick after a long quiet, when a sound stream may have been closed.
void clickAfterQuiet(XSession& x, SinkRecorder& recorder, double seconds)
{
    Heard lone, answer;
    waitForQuiet(recorder, 1000 * seconds, 1000 * seconds + 30000);
    clickAndListen(x, recorder, 1, lone);
    char label[64];
    std::snprintf(label, sizeof label, "click after %.0f s of quiet -> first tick", seconds);
    printHeard(label, lone);
    clickAndListen(x, recorder, 1, answer); // so that the next click is a new time again
}

// Each round stops the server after a quiet spell, clicks, and lets it go on again.
void clicksWithServerStopped(XSession& x, pid_t server, int rounds, double quietSeconds)
{
    Freezes hung;
    for (int round = 0; round < rounds; ++round) {
        quietFor(quietSeconds);
        kill(server, SIGSTOP);
        hung.measure(
            x, [] {}, [] {}, false);
        kill(server, SIGCONT);
    }
    hung.print("sound server stopped (SIGSTOP) after a quiet spell");
}

void closeClick(XSession& x, QProcess& program, const XSession::Clock& now)
{
    quietFor(1);
    x.moveTo(kCloseCross.x(), kCloseCross.y());
    const double clicked = x.click(1);
    program.waitForFinished(10000);
    const bool gone = program.state() == QProcess::NotRunning;
    printFigure(gone ? "close click -> process gone" : "close click: still running after 10 s",
                {now() - clicked}, "ms");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Defaults for a full run; see run-sound-bench.sh for what each one is.
    QCommandLineParser args;
    for (auto [name, value] : {std::pair{"cycles", "20"},
                               {"quiet", "60"},
                               {"hung-rounds", "3"},
                               {"hung-quiet", "12"},
                               {"language", ""}})
        args.addOption({QString::fromLatin1(name), QString(), QStringLiteral("n"),
                        QString::fromLatin1(value)});
    args.process(app);
    const auto number = [&args](const char* name) {
        return args.value(QString::fromLatin1(name)).toDouble();
    };
    const pid_t server = qEnvironmentVariableIntValue("PA_PID");
    if (args.positionalArguments().size() != 1 || server <= 0) {
        std::fprintf(stderr, "usage: %s <chimewise> [options], run through run-sound-bench.sh\n",
                     argv[0]);
        return 2;
    }
    const QString exe = args.positionalArguments().first();
    const QString language = args.value(QStringLiteral("language"));
    const QStringList arguments =
        language.isEmpty() ? QStringList() : QStringList{QStringLiteral("--language"), language};
    const int cycles = int(number("cycles"));

    auto recorder = std::make_unique<SinkRecorder>();
    const XSession::Clock now = [&recorder] { return recorder->nowMs(); };
    XSession x(now);
    if (!x.isOpen() || !recorder->start()) {
        std::fprintf(stderr, "no X display or nothing recorded from nullsink.monitor\n");
        return 1;
    }
    std::printf("== %s %s\n", qPrintable(QFileInfo(exe).absoluteFilePath()),
                qPrintable(arguments.join(QLatin1Char(' '))));
    Program program;
    if (!startAndSettle(program, exe, arguments, x, *recorder)) {
        std::fprintf(stderr, "%s showed no window\n", qPrintable(exe));
        return 1;
    }

    clickCycles(x, *recorder, cycles, "sound server running, machine as it is");
    Freezes running;
    for (int i = 0; i < 5; ++i)
        running.measure(
            x, [&recorder] { waitForQuiet(*recorder, 300); },
            [&recorder] {
                QCoreApplication::processEvents();
                recorder->poll();
            },
            true);
    running.print("sound server running");
    {
        CpuHogs hogs;
        clickCycles(x, *recorder, cycles, "two CPU hogs running");
    }
    clickAfterQuiet(x, *recorder, number("quiet"));
    recorder->stop();
    clicksWithServerStopped(x, server, int(number("hung-rounds")), number("hung-quiet"));
    closeClick(x, program.process, now);
    return 0;
}
