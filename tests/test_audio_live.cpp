#include "platform/sound/filewaveplayer.h"
#include "platform/sound/soundservice.h"
#include "tests/support/recorder.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/types.h>

namespace
{

// How long to wait for something that must come: only a fault waits this long.
constexpr int kPatienceMs = 60000;

bool serverAnswers()
{
    ChildProcess pactl;
    return pactl.start({"pactl", "info"}) && pactl.wait(kPatienceMs) == 0;
}

// What the server is mixing, one line each; the recorder is a source output, not among them.
QByteArray sinkInputs()
{
    ChildProcess pactl;
    if (!pactl.start({"pactl", "list", "short", "sink-inputs"}, ChildProcess::Keep::Output))
        return "pactl did not start";
    QByteArray lines;
    while (pactl.running())
        lines += pactl.read(100);
    return (lines + pactl.read(0)).trimmed();
}

} // namespace

// Plays through a private sound server (tests/with-pulse.sh) and listens to its null sink.
class TestAudioLive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void promptWithoutServer();
    void soundStartsOnceServerIsThere();
    void tickIsHeardSoonAndWhole();
    void everyTickOfFourIsHeard();
    void newTickCutsOffTheOld();
    void tickAfterAQuietSpellIsHeardAtOnce();
    void nothingRunsBetweenSounds();
    void staleTickIsDropped();
    void serverKilledMidRun();
    void soundReturnsWithANewServer();
    void cleanupTestCase();

private:
    void requestTick();
    // Asks for a tick every so often until one is heard or the time is up.
    bool requestUntilHeard(int timeoutMs);

    static constexpr float kThreshold = 0.05f;
    std::unique_ptr<SinkRecorder> recorder;
    std::unique_ptr<SoundService> service;
    std::unique_ptr<FileWavePlayer> player;
    ChildProcess newServer;
    QByteArray serverAddress;
};

void TestAudioLive::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("PA_PID"))
        QSKIP("needs the private sound server: run through tests/with-pulse.sh");
    serverAddress = qgetenv("PULSE_SERVER");
}

void TestAudioLive::promptWithoutServer()
{
    // The environment is only changed while no service runs: the service reads it.
    qputenv("PULSE_SERVER", "unix:/nonexistent/chimewise-no-server");
    service = std::make_unique<SoundService>();
    player = std::make_unique<FileWavePlayer>(*service);
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < 2500) {
        requestTick();
        QTest::qWait(50);
    }
    player.reset();
    service.reset();
    qputenv("PULSE_SERVER", serverAddress);
}

void TestAudioLive::soundStartsOnceServerIsThere()
{
    service = std::make_unique<SoundService>();
    player = std::make_unique<FileWavePlayer>(*service);
    recorder = std::make_unique<SinkRecorder>();
    QVERIFY2(recorder->start(), "nothing recorded from nullsink.monitor");
    QVERIFY(requestUntilHeard(kPatienceMs));
}

void TestAudioLive::cleanupTestCase()
{
    recorder.reset();
    player.reset();
    service.reset();
    newServer.kill();
}

void TestAudioLive::tickIsHeardSoonAndWhole()
{
    recorder->peakBetween(recorder->nowMs(), recorder->nowMs() + 300); // the last tick ends
    const double asked = recorder->nowMs();
    requestTick();
    const double heard = recorder->waitForSound(asked, kThreshold, kPatienceMs);
    QVERIFY2(heard >= 0, "the tick never reached the sink");
    // How soon is a figure of bench_audio_latency.
    qInfo("tick heard %.1f ms after the request", heard - asked);

    // The file peaks at half scale, and it is over within its 40 ms. (Windows have a few ms
    // of slack for the recorder's timing.)
    const float peak = recorder->peakBetween(heard - 5, heard + 45);
    QVERIFY2(peak > 0.35f && peak < 0.65f, qPrintable(QString::number(peak)));
    QVERIFY(recorder->peakBetween(heard + 60, heard + 300) < 0.01f);
}

// Between clicks the streams run dry; the next tick still starts from its start. How soon is
// a figure of bench_sound.
void TestAudioLive::tickAfterAQuietSpellIsHeardAtOnce()
{
    for (int quietMs : {300, 2000}) {
        // Recorded as it passes: parec left unread for longer than its pipe holds (0.7 s)
        // stalls, and the times of the samples that then come in a burst are known less well,
        // enough to slide a window of the tick off its start.
        const double quietEnds = recorder->nowMs() + quietMs;
        while (recorder->nowMs() < quietEnds) {
            QTest::qWait(20);
            recorder->poll();
        }
        const double asked = recorder->nowMs();
        requestTick();
        const double heard = recorder->waitForSound(asked, kThreshold, kPatienceMs);
        QVERIFY2(heard >= 0, "the tick after a quiet spell never reached the sink");
        qInfo("tick after %d ms of quiet heard %.1f ms after the request", quietMs, heard - asked);
        const float peak = recorder->peakBetween(heard - 5, heard + 45);
        QVERIFY2(peak > 0.35f, qPrintable(QString::number(peak)));
    }
}

// Four ticks a quarter second apart, each played out in full: a stream that closed early
// or dropped data would lose some, or bring them closer. (A busy machine may let the stream
// run dry between them, which only moves them apart.)
void TestAudioLive::everyTickOfFourIsHeard()
{
    const double asked = recorder->nowMs();
    QVERIFY(player->sndPlaySoundA("sounds\\4tics.wav", WavePlayer::SND_ASYNC));
    QList<double> onsets;
    double from = asked;
    while (onsets.size() < 4) {
        const double heard = recorder->waitForSound(from, kThreshold, kPatienceMs);
        if (heard < 0)
            break;
        onsets << heard;
        from = heard + 100;
    }
    QString found;
    for (double t : onsets)
        found += QString::number(t - asked, 'f', 1) + QLatin1Char(' ');
    QVERIFY2(onsets.size() == 4, qPrintable(found));
    QVERIFY2(recorder->peakBetween(from, from + 1000) < kThreshold, "a fifth tick was heard");
    for (int i = 1; i < onsets.size(); ++i)
        QVERIFY2(onsets[i] - onsets[i - 1] > 235, qPrintable(found));
}

// Four ticks a quarter second apart, cut off after the first by a single tick: only those two
// are heard.
void TestAudioLive::newTickCutsOffTheOld()
{
    const double asked = recorder->nowMs();
    QVERIFY(player->sndPlaySoundA("sounds\\4tics.wav", WavePlayer::SND_ASYNC));
    const double first = recorder->waitForSound(asked, kThreshold, 1500);
    QVERIFY2(first >= 0, "the first of four ticks was not heard");
    while (recorder->nowMs() < first + 100)
        recorder->poll(5);
    requestTick();
    recorder->peakBetween(first, first + 1000); // records the rest of the four
    QList<double> after;
    for (double from = first + 60;;) {
        const double heard = recorder->waitForSound(from, kThreshold, 0);
        if (heard < 0 || heard > first + 1000)
            break;
        after << heard - first;
        from = heard + 100;
    }
    QString found;
    for (double t : after)
        found += QString::number(t, 'f', 1) + QLatin1Char(' ');
    QVERIFY2(after.size() == 1 && after[0] < 200, qPrintable(found));
}

// Once a tick and some speech have played, the server mixes nothing of the program's until the
// next sound: no stream is left open, running or idle.
void TestAudioLive::nothingRunsBetweenSounds()
{
    requestTick();
    service->play(SoundSlot::Speech, kSpeechRate,
                  std::make_shared<const std::vector<float>>(kSpeechRate / 4, 0.1f));
    QByteArray left;
    QElapsedTimer waited;
    waited.start();
    do {
        QTest::qWait(100);
        left = sinkInputs();
    } while (!left.isEmpty() && waited.elapsed() < 3000);
    QVERIFY2(left.isEmpty(), left.constData());
}

// A tick asked for while the server could not answer is dropped once it can, more than a
// second later: it no longer belongs to its click. The next one is heard as usual.
void TestAudioLive::staleTickIsDropped()
{
    const pid_t server = pid_t(qEnvironmentVariableIntValue("PA_PID"));
    QVERIFY(server > 0);
    // A new service, which connects with its first tick. The old one goes first: libpulse
    // hands memory between threads through lists ThreadSanitizer cannot follow.
    player.reset();
    service.reset();
    service = std::make_unique<SoundService>();
    player = std::make_unique<FileWavePlayer>(*service);
    // Stopped, the server takes the connection but does not answer it. Only the service's
    // own thread ever talks to it: the request comes back while a client of the server, given
    // a head start, still waits for it.
    QCOMPARE(::kill(server, SIGSTOP), 0);
    auto resume = qScopeGuard([server] { ::kill(server, SIGCONT); });
    ChildProcess waiting;
    QVERIFY(waiting.start({"pactl", "info"}));
    QTest::qWait(500);
    requestTick();
    QVERIFY2(waiting.running(), "the request came back only once a client of the server gave up");
    QTest::qWait(1500);
    resume.dismiss();
    QCOMPARE(::kill(server, SIGCONT), 0);
    const double resumed = recorder->nowMs();
    QVERIFY2(recorder->peakBetween(resumed, resumed + 1000) < 0.01f, "the stale tick was played");

    const double asked = recorder->nowMs();
    requestTick();
    QVERIFY2(recorder->waitForSound(asked, kThreshold, kPatienceMs) >= 0,
             "the fresh tick was not heard");
}

void TestAudioLive::requestTick()
{
    QVERIFY(player->sndPlaySoundA("sounds\\1tic.wav", WavePlayer::SND_ASYNC));
}

bool TestAudioLive::requestUntilHeard(int timeoutMs)
{
    QElapsedTimer total;
    total.start();
    do {
        const double asked = recorder->nowMs();
        requestTick();
        if (recorder->waitForSound(asked, kThreshold, 200) >= 0)
            return true;
    } while (total.elapsed() < timeoutMs);
    return false;
}

void TestAudioLive::serverKilledMidRun()
{
    recorder.reset();
    const pid_t server = pid_t(qEnvironmentVariableIntValue("PA_PID"));
    QVERIFY(server > 0);
    // Stopped first, so that it dies with requests of ours unanswered, which the service
    // waits on: all that was awaited must be let go with the connection.
    QCOMPARE(::kill(server, SIGSTOP), 0);
    for (int i = 0; i < 5; ++i) {
        requestTick();
        QTest::qWait(20);
    }
    QCOMPARE(::kill(server, SIGKILL), 0);
    // The program keeps asking for ticks and speech: every request returns at once.
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < 3000) {
        requestTick();
        service->play(SoundSlot::Speech, kSpeechRate,
                      std::make_shared<const std::vector<float>>(1600, 0.1f));
        QTest::qWait(20);
    }
}

void TestAudioLive::soundReturnsWithANewServer()
{
    const QString socket = QString::fromLocal8Bit(serverAddress).section(':', 1);
    QFile::remove(socket);
    QVERIFY(newServer.start({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                             "--disallow-exit", "--log-level=error",
                             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                             "--load=module-null-sink sink_name=nullsink rate=48000"}));
    QFile pids(qEnvironmentVariable("CHIMEWISE_EXTRA_SERVERS"));
    if (pids.open(QIODevice::Append))
        pids.write(QByteArray::number(newServer.pid()) + '\n');
    bool up = false;
    QElapsedTimer waited;
    waited.start();
    while (!(up = serverAnswers()) && waited.elapsed() < kPatienceMs)
        QTest::qWait(100);
    QVERIFY2(up, "could not start a second sound server");
    recorder = std::make_unique<SinkRecorder>();
    QVERIFY(recorder->start());

    // Reconnection is tried at most every couple of seconds.
    QVERIFY2(requestUntilHeard(kPatienceMs), "no tick through the new server");
}

QTEST_GUILESS_MAIN(TestAudioLive)
#include "test_audio_live.moc"
