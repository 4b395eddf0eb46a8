// How a tick is best handed to the sound server: plays 1tic.wav through each way of starting
// it, at a child's pace (2 to 10 s apart, now and then after 30 s of quiet), records the
// private server's null sink, lines every tick up with the file sample by sample, and prints
// per way the time from the request to the tick's first sample and how many ticks started
// whole (none of their first samples lost or changed). Then what each way costs between
// sounds: the processor time of this process and of the sound server, with nothing recorded.
// With module-suspend-on-idle loaded, also the first tick after the sink was suspended.
//   bench_leadin <1tic.wav> [--ticks n] [--gaps min,max] [--only text] [--suspended n]
//                [--no-cpu]
// Needs PULSE_SERVER and PA_PID (run it through run-leadin-bench.sh).
#include "bench/cputime.h"
#include "bench/leadinjudge.h"
#include "bench/leadinways.h"
#include "bench/monitorrecorder.h"
#include "platform/sound/wavefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <random>
#include <thread>

namespace
{
struct Row {
    const char* name;
    std::function<std::unique_ptr<TickWay>(PulseServer&, const Samples& tick)> make;
    enum Kind {
        Ticks,
        OverSound, // a long sound plays when the tick comes, and must stop
        CostOnly,  // only what it costs between sounds is measured
    } kind = Ticks;
    // It keeps a stream at the server between sounds, which sets how far ahead the sink
    // mixes for everyone, and so how soon the recording says every other way's tick came:
    // such ways take their turns apart from the others.
    bool keepsStream = false;
    bool ticks() const { return kind != CostOnly; }
};

const Row kRows[] = {
    {"kept running 10 s (before)",
     [](PulseServer& s, const Samples&) { return keptRunning(s, std::chrono::seconds(10)); },
     Row::Ticks, true},
    {"kept running 1 s",
     [](PulseServer& s, const Samples&) { return keptRunning(s, std::chrono::seconds(1)); },
     Row::Ticks, true},
    {"corked, filled, 6 ms lead-in",
     [](PulseServer& s, const Samples& t) { return corkedFilled(s, t, 6); }, Row::Ticks, true},
    {"own stream, 6 ms lead-in", [](PulseServer& s, const Samples&) { return ownStream(s, 6); }},
    {"sample cache, no lead-in", [](PulseServer& s, const Samples&) { return sampleCache(s, 0); }},
    {"sample cache, 6 ms lead-in",
     [](PulseServer& s, const Samples&) { return sampleCache(s, 6); }},
    {"program", [](PulseServer&, const Samples&) { return programService(); }},
    {"program, over a sound", [](PulseServer&, const Samples&) { return programService(); },
     Row::OverSound},
    {"program, speech", [](PulseServer&, const Samples&) { return programVoice(); }, Row::CostOnly},
};
constexpr int kRowCount = int(std::size(kRows));
// Ticks of different ways never come closer than this, so each is heard alone.
constexpr double kSpacingMs = 250;
constexpr double kOverSoundMs = 200; // how long the long sound plays before the tick
constexpr int kLongQuietEvery = 50;  // every so many ticks of a way, one after 30 s of quiet

struct Options {
    int ticks = 200;
    double gapMinS = 2, gapMaxS = 10;
    QString only;
    int suspended = 20;
    bool cpu = true;
};

struct Study {
    PulseServer& server;
    MonitorRecorder& recorder;
    const Samples tick, heardAs, longSound;
    const Options& options;
    std::mt19937 random{17};

    bool included(int row) const
    {
        return options.only.isEmpty() ||
               QString::fromLatin1(kRows[row].name).contains(options.only);
    }
    // One request, heard and judged; the long sound first when the row asks for it.
    void tickOnce(int row, TickWay& way, Result& into)
    {
        if (kRows[row].kind == Row::OverSound) {
            way.play(longSound);
            recorder.listenUntil(recorder.nowMs() + kOverSoundMs);
        }
        const double asked = recorder.nowMs();
        way.play(tick);
        judge(recorder, *heardAs, asked, into);
        way.played();
    }
    void atChildsPace(std::vector<Result>& results, bool keepingStreams);
    void afterSuspendedSink(std::vector<Result>& results);
    void betweenSounds();
};

// Every way of the group has a tick due at its own pace; the earliest due goes next, a little
// later if another way's tick is still being heard. All ways of a group meet the machine
// alike.
void Study::atChildsPace(std::vector<Result>& results, bool keepingStreams)
{
    std::vector<std::unique_ptr<TickWay>> ways(kRowCount);
    std::vector<double> due(kRowCount);
    std::vector<int> done(kRowCount);
    std::uniform_real_distribution<double> gap(options.gapMinS * 1000, options.gapMaxS * 1000);
    // Each way has played once before its first tick is heard, as a program has at its
    // first click: it has made its connection, and what it keeps at the server is there.
    for (int r = 0; r < kRowCount; ++r)
        if (included(r) && kRows[r].ticks() && kRows[r].keepsStream == keepingStreams) {
            ways[r] = kRows[r].make(server, tick);
            ways[r]->play(tick);
            recorder.listenUntil(recorder.nowMs() + 300);
            ways[r]->played();
            due[r] = recorder.nowMs() + 500 + 300.0 * r;
        }
    double free = recorder.nowMs();
    for (;;) {
        int next = -1;
        for (int r = 0; r < kRowCount; ++r)
            if (ways[r] && done[r] < options.ticks && (next < 0 || due[r] < due[next]))
                next = r;
        if (next < 0)
            break;
        const double lead = kRows[next].kind == Row::OverSound ? kOverSoundMs : 0;
        recorder.listenUntil(std::max(due[next], free) - lead);
        const double asked = recorder.nowMs() + lead;
        tickOnce(next, *ways[next], results[next]);
        free = recorder.nowMs() + kSpacingMs;
        ++done[next];
        due[next] = asked + (done[next] % kLongQuietEvery == 0 ? 30000 : gap(random));
    }
}

// Waits, with only that way's objects alive, until the server has suspended the sink, then
// ticks. A way that keeps the sink awake for 30 s says so.
void Study::afterSuspendedSink(std::vector<Result>& results)
{
    for (int r = 0; r < kRowCount; ++r) {
        if (!included(r) || kRows[r].kind != Row::Ticks)
            continue;
        auto way = kRows[r].make(server, tick);
        way->play(tick); // connected, and ready as after a first click
        recorder.listenUntil(recorder.nowMs() + 300);
        way->played();
        for (int i = 0; i < options.suspended; ++i) {
            const double giveUp = recorder.nowMs() + 30000;
            while (!server.sinkSuspended("nullsink") && recorder.nowMs() < giveUp)
                recorder.listenUntil(recorder.nowMs() + 200);
            if (!server.sinkSuspended("nullsink")) {
                results[r].neverSuspended = true; // it keeps the sink awake
                break;
            }
            tickOnce(r, *way, results[r]);
        }
    }
}

struct Cpu {
    std::int64_t program, server;
};

Cpu cpuNow(pid_t server)
{
    return {processorNs(getpid()), processorNs(server)};
}

void printCpu(const char* what, Cpu from, Cpu to)
{
    std::printf("  %-32s program %7.1f ms   server %7.1f ms   together %7.1f ms\n", what,
                double(to.program - from.program) / 1e6, double(to.server - from.server) / 1e6,
                double(to.program - from.program + to.server - from.server) / 1e6);
}

// With nothing recorded, each way alone: the 20 s from 1 s after a tick has ended, and 20 s
// well after that, when any stream kept running after a sound has long stopped.
void Study::betweenSounds()
{
    recorder.stop();
    const pid_t serverPid = pid_t(qEnvironmentVariableIntValue("PA_PID"));
    const auto sleep = [](double s) {
        std::this_thread::sleep_for(std::chrono::duration<double>(s));
    };
    std::printf("processor time in 20 s, this process and the sound server (pid %d)\n",
                int(serverPid));
    sleep(3);
    Cpu before = cpuNow(serverPid);
    sleep(20);
    printCpu("nothing playing", before, cpuNow(serverPid));
    for (int r = 0; r < kRowCount; ++r) {
        if (!included(r) || kRows[r].kind == Row::OverSound)
            continue;
        std::printf("%s\n", kRows[r].name);
        auto way = kRows[r].make(server, tick);
        sleep(2);
        way->play(tick);
        // The speech row's sound is a second long.
        const double length =
            kRows[r].kind == Row::CostOnly ? 1.0 : double(tick->size()) / kStudyRate;
        sleep(0.1 + length + 1.0);
        way->played();
        before = cpuNow(serverPid);
        sleep(20);
        printCpu("from 1 s after the sound ended", before, cpuNow(serverPid));
        sleep(15);
        before = cpuNow(serverPid);
        sleep(20);
        printCpu("idle, from 36 s after it", before, cpuNow(serverPid));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser args;
    args.addPositionalArgument("1tic.wav", "the tick");
    args.addOptions({{"ticks", "ticks per way", "n", "200"},
                     {"gaps", "seconds between a way's ticks", "min,max", "2,10"},
                     {"only", "only the ways whose names hold this", "text"},
                     {"suspended", "ticks per way after a suspended sink", "n", "20"},
                     {"no-cpu", "skip the processor time between sounds"}});
    args.process(app);
    Options options;
    options.ticks = args.value("ticks").toInt();
    options.gapMinS = args.value("gaps").section(',', 0, 0).toDouble();
    options.gapMaxS = args.value("gaps").section(',', 1, 1).toDouble();
    options.only = args.value("only");
    options.suspended = args.value("suspended").toInt();
    options.cpu = !args.isSet("no-cpu");
    if (args.positionalArguments().size() != 1) {
        args.showHelp(2);
    }
    const Samples file = decodeWaveFile(args.positionalArguments().first().toStdString());
    PulseServer server;
    if (!file || !server.connect("lead-in study")) {
        std::fprintf(stderr, "no tick, or no sound server\n");
        return 1;
    }
    MonitorRecorder recorder(server);
    if (!recorder.start()) {
        std::fprintf(stderr, "nothing recorded at nullsink.monitor\n");
        return 1;
    }
    Study study{server, recorder, file, asHeard(file), longSteadySound(), options};
    std::vector<Result> paced(kRowCount), suspended(kRowCount);
    study.atChildsPace(paced, true);
    study.atChildsPace(paced, false);
    const bool suspends = server.hasModule("module-suspend-on-idle");
    if (suspends && options.suspended > 0)
        study.afterSuspendedSink(suspended);
    std::printf("ticks %g to %g s apart, one in %d after 30 s of quiet%s\n", options.gapMinS,
                options.gapMaxS, kLongQuietEvery,
                suspends ? "; the server suspends an idle sink" : "");
    for (int r = 0; r < kRowCount; ++r)
        if (study.included(r) && kRows[r].ticks() && options.ticks > 0)
            report(kRows[r].name, paced[r]);
    if (suspends && options.suspended > 0) {
        std::printf("the first tick after the sink was suspended\n");
        for (int r = 0; r < kRowCount; ++r)
            if (study.included(r) && kRows[r].kind == Row::Ticks)
                report(kRows[r].name, suspended[r]);
    }
    if (options.cpu)
        study.betweenSounds();
    return 0;
}
