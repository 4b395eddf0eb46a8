// Request-to-first-sample latency of the program's sounds, as recorded at the null sink of
// the private server that run-audio-bench.sh starts.
#include "platform/sound/filewaveplayer.h"
#include "platform/sound/soundservice.h"
#include "platform/sound/voice/numberwords.h"
#include "platform/voice.h"
#include "speech/lang/phrasing.h"
#include "speech/language/language.h"
#include "tests/support/recorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace
{

constexpr int kRuns = 20;
constexpr float kThreshold = 0.02f;
constexpr double kClockSlackMs = 5.0;
constexpr int kAsyncPurge = Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak;

// One thing to measure: a name for the report and the call that asks for the sound, after
// what readies it, which is not timed.
struct Case {
    QString name;
    std::function<void()> request;
    std::function<void()> ready = [] {};
};

// Lets the last sound die away: returns once nothing was heard for quietMs.
void waitForQuiet(SinkRecorder& recorder, double quietMs)
{
    double quietSince = recorder.nowMs();
    const double giveUp = quietSince + 10000;
    while (recorder.nowMs() - quietSince < quietMs && recorder.nowMs() < giveUp) {
        const double from = recorder.nowMs();
        if (recorder.peakBetween(from, from + 50) >= kThreshold / 2)
            quietSince = recorder.nowMs();
    }
}

// Milliseconds from calling request to the first sample above the threshold; negative when
// nothing was heard within two seconds.
double latencyOnce(
    SinkRecorder& recorder, const std::function<void()>& request,
    const std::function<void()>& ready = [] {})
{
    waitForQuiet(recorder, 200);
    ready();
    const double asked = recorder.nowMs();
    request();
    // The server mixes a new sound into what it had already mixed ahead, so a sound can be
    // heard at the very moment of the request; the recorder's clock is good to a couple of
    // milliseconds, so it is searched for from a little before.
    const double heard = recorder.waitForSound(asked - kClockSlackMs, kThreshold, 2000);
    return heard < 0 ? -1e9 : heard - asked;
}

void measure(SinkRecorder& recorder, const Case& c)
{
    std::vector<double> times;
    int missed = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = latencyOnce(recorder, c.request, c.ready);
        if (ms < -kClockSlackMs)
            ++missed;
        else
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    if (times.empty()) {
        std::printf("%-28s nothing heard in %d runs\n", qPrintable(c.name), kRuns);
        return;
    }
    const double median = times.size() % 2
                              ? times[times.size() / 2]
                              : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::printf("%-28s min %6.1f  median %6.1f  max %6.1f ms   (%zu runs, %d missed)\n",
                qPrintable(c.name), times.front(), median, times.back(), times.size(), missed);
}

// What writing the numbers out adds to every spoken text, before synthesis starts.
void measureNumberWords()
{
    const QString texts[] = {QStringLiteral("the current time is  10 59"),
                             QStringLiteral("25 minutes to 11"), QStringLiteral("half past  4")};
    constexpr int kRounds = 100000;
    qsizetype total = 0; // used, so the calls are not optimised away
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round)
        total += numbersInWords(texts[round % 3]).size();
    std::printf("%-28s %6.2f us per text   (%lld characters)\n", "numbers into words",
                double(timer.nsecsElapsed()) / 1000.0 / kRounds, static_cast<long long>(total));
}

// What the window's sound calls cost its thread while the server is stopped (SIGSTOP): each
// of them only hands a request over, so this is their whole share of a click.
void measureCallsToAStoppedServer(FileWavePlayer& player, Voice& voice)
{
    const pid_t server = pid_t(qEnvironmentVariableIntValue("PA_PID"));
    if (server <= 0 || ::kill(server, SIGSTOP) != 0)
        return;
    std::vector<double> took[3];
    for (int round = 0; round < 200; ++round) {
        const QString hour = QString::number(round % 12 + 1);
        QElapsedTimer timer;
        timer.start();
        player.sndPlaySoundA("sounds\\1tic.wav", WavePlayer::SND_ASYNC);
        took[0].push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        voice.prepare({" " + hour + " 15", "quarter after  " + hour});
        took[1].push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        voice.Speak(" " + hour + " 15", kAsyncPurge);
        took[2].push_back(double(timer.nsecsElapsed()) / 1e6);
        QThread::msleep(round % 3 ? 20 : 300);
    }
    ::kill(server, SIGCONT);
    const char* names[] = {"server stopped: tick call", "server stopped: prepare call",
                           "server stopped: speak call"};
    for (int k = 0; k < 3; ++k) {
        std::vector<double>& t = took[k];
        std::sort(t.begin(), t.end());
        std::printf("%-28s median %6.3f  p99 %6.3f  max %6.3f ms   (%zu calls)\n", names[k],
                    t[t.size() / 2], t[t.size() * 99 / 100], t.back(), t.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SinkRecorder recorder;
    if (!recorder.start()) {
        std::fprintf(stderr,
                     "nothing recorded from nullsink.monitor: run through run-audio-bench.sh\n");
        return 1;
    }
    measureNumberWords();
    SoundService sound;
    FileWavePlayer player(sound);
    const auto tick = [&player] {
        player.sndPlaySoundA("sounds\\1tic.wav", WavePlayer::SND_ASYNC);
    };

    // The very first request also connects to the server.
    std::printf("%-28s %6.1f ms\n", "tick, first (connects)", latencyOnce(recorder, tick));

    // Further sounds are added here, each a name and the call that asks for it, e.g. the
    // speech voice saying "half past  4".
    std::vector<Case> cases = {
        {QStringLiteral("tick"), tick},
    };
    // Synthesis happens after the request, so it counts; each request purges, as the
    // window's do. After its first run a text is known and only played, as "half past  4"
    // is here. A time's two phrases are made ready when it is shown, so a revealing click
    // only plays them ("prepared"); a text never said nor prepared is made after the request
    // ("new text": a reading of another of twelve hours each run, more than the voice keeps).
    const VoiceCreation speech =
        createVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("en-US"), sound);
    const VoiceCreation german =
        createVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("de"), sound);
    if (speech.voice)
        cases.push_back({QStringLiteral("speech \"half past  4\""), [&speech] {
                             speech.voice->Speak(QStringLiteral("half past  4"), kAsyncPurge);
                         }});
    for (const auto& [made, language] :
         {std::pair{&speech, Language::EnglishUS}, std::pair{&german, Language::German}}) {
        if (!made->voice) {
            std::printf("no speech in %s: %s\n", qPrintable(languageCode(language)),
                        qPrintable(made->failure));
            continue;
        }
        Voice* voice = made->voice.get();
        const auto next = [language, run = std::make_shared<int>(0)] {
            const int hour = ++*run % 12 + 1;
            return phrasingFor(language).reading(hour, hour % 12);
        };
        const QString code = languageCode(language);
        cases.push_back({code + QStringLiteral(" new text"),
                         [voice, next] { voice->Speak(next(), kAsyncPurge); }});
        auto shown = std::make_shared<QString>();
        cases.push_back({code + QStringLiteral(" prepared"),
                         [voice, shown] { voice->Speak(*shown, kAsyncPurge); },
                         [voice, shown, next] {
                             *shown = next();
                             voice->prepare({*shown});
                             QThread::msleep(300);
                         }});
    }
    for (const Case& c : cases)
        measure(recorder, c);
    if (speech.voice)
        measureCallsToAStoppedServer(player, *speech.voice);
    return 0;
}
