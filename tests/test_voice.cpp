#include "platform/audio/mixer.h"
#include "platform/audio/resample.h"
#include "platform/flitesynth.h"
#include "platform/flitevoice.h"
#include "platform/voice.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cmath>

using Request = QPair<QString, int>;
using Requests = QList<Request>;

namespace
{

constexpr int kAsyncPurge = Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak;
constexpr int kAsync = Voice::SVSFlagsAsync;

// Frames the mixer would play for text, as FliteVoice prepares it.
qsizetype renderedFrames(const QString& text)
{
    int rate = 0;
    const std::vector<float> samples = FliteSynth::instance().synthesize(text, rate);
    return qsizetype(resampleToOutput(samples.data(), samples.size(), rate)->size());
}

bool waitUntilPlaying(const Mixer& mixer, int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (!mixer.isPlaying(Mixer::Slot::Speech)) {
        if (waited.elapsed() > ms)
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Plays the mixer out by hand, as the audio thread would, and gives the length of each
// utterance that came through, until nothing new starts for a second.
QList<qsizetype> drainUtterances(Mixer& mixer)
{
    QList<qsizetype> lengths;
    float frame = 0.0f;
    while (waitUntilPlaying(mixer, 1000)) {
        qsizetype frames = 0;
        for (; mixer.isPlaying(Mixer::Slot::Speech); ++frames)
            mixer.mix(&frame, 1);
        lengths << frames;
    }
    return lengths;
}

bool sameLength(qsizetype got, qsizetype want)
{
    return std::abs(double(got - want)) < 0.05 * double(want);
}

qsizetype firstLoud(const std::vector<float>& samples)
{
    const auto it = std::find_if(samples.begin(), samples.end(),
                                 [](float s) { return std::fabs(s) > kSilenceThreshold; });
    return it - samples.begin();
}

} // namespace

class TestVoice : public QObject
{
    Q_OBJECT

private slots:
    void createVoiceByName_data();
    void createVoiceByName();
    void synthesizesPhrase_data();
    void synthesizesPhrase();
    void trimsSilence_data();
    void trimsSilence();
    void playsOnlyWhatSurvivesPurges_data();
    void playsOnlyWhatSurvivesPurges();
    void speakReturnsAtOnce();
    void survivesRapidRequestsAndDestruction();
};

void TestVoice::createVoiceByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("made");
    QTest::newRow("as the program asks") << "SAPI.spVoice" << true;
    QTest::newRow("other letter case") << "sapi.spvoice" << true;
    QTest::newRow("unknown voice") << "Nope.Voice" << false;
    QTest::newRow("no name") << "" << false;
}

void TestVoice::createVoiceByName()
{
    QFETCH(QString, name);
    QFETCH(bool, made);
    const VoiceCreation creation = createVoice(name);
    QCOMPARE(bool(creation.voice), made);
    QCOMPARE(creation.failure.isEmpty(), made);
    if (!made)
        QVERIFY2(creation.failure.contains(QLatin1Char('"') + name + QLatin1Char('"')),
                 qPrintable(creation.failure));
}

void TestVoice::synthesizesPhrase_data()
{
    QTest::addColumn<QString>("text");
    for (const char* phrase : {" 12 o clock", "quarter after  3", "the current time is  2 30",
                               " 5 minute precision", "click the clock to begin", "half past  4"})
        QTest::newRow(phrase) << QString::fromLatin1(phrase);
}

void TestVoice::synthesizesPhrase()
{
    QFETCH(QString, text);
    int rate = 0;
    const std::vector<float> samples = FliteSynth::instance().synthesize(text, rate);
    QVERIFY(rate > 0);
    const double seconds = double(samples.size()) / rate;
    QVERIFY2(seconds > 0.4 && seconds < 3.0, qPrintable(QString::number(seconds)));
    QVERIFY2(firstLoud(samples) <= rate * 15 / 1000,
             qPrintable(QString::number(firstLoud(samples))));
    const float peak =
        std::fabs(*std::max_element(samples.begin(), samples.end(),
                                    [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
    QVERIFY2(peak > 0.1f, qPrintable(QString::number(peak)));
}

// At 1000 Hz the kept margins are 10 samples before the sound and 20 after it.
void TestVoice::trimsSilence_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("loudFrom");
    QTest::addColumn<int>("loudTo"); // one past the last loud sample
    QTest::addColumn<int>("keptFrom");
    QTest::addColumn<int>("keptTo");
    QTest::newRow("silence only") << 500 << 0 << 0 << 0 << 0;
    QTest::newRow("sound in the middle") << 500 << 200 << 300 << 190 << 320;
    QTest::newRow("sound from the start") << 500 << 0 << 100 << 0 << 120;
    QTest::newRow("sound to the end") << 500 << 450 << 500 << 440 << 500;
    QTest::newRow("margin cut by the edges") << 40 << 5 << 35 << 0 << 40;
    QTest::newRow("a single loud sample") << 500 << 250 << 251 << 240 << 271;
}

void TestVoice::trimsSilence()
{
    QFETCH(int, size);
    QFETCH(int, loudFrom);
    QFETCH(int, loudTo);
    QFETCH(int, keptFrom);
    QFETCH(int, keptTo);
    std::vector<float> samples(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) // a hiss just under the threshold, as flite's silence is
        samples[std::size_t(i)] = (i % 2 ? 0.9f : -0.9f) * kSilenceThreshold;
    for (int i = loudFrom; i < loudTo; ++i)
        samples[std::size_t(i)] = 0.5f + float(i) / 10000.0f;
    const std::vector<float> kept = trimSilence(samples, 1000);
    QCOMPARE(qsizetype(kept.size()), qsizetype(keptTo - keptFrom));
    QVERIFY(std::equal(kept.begin(), kept.end(), samples.begin() + keptFrom));
}

void TestVoice::playsOnlyWhatSurvivesPurges_data()
{
    const QString longer = QStringLiteral("click the clock to begin");
    const QString shorter = QStringLiteral("quarter hour");
    const QString newest = QStringLiteral("half past  4");
    QTest::addColumn<Requests>("requests");
    QTest::addColumn<int>("pauseMs"); // between requests: long enough for synthesis to start
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("purge before synthesis")
        << Requests{{longer, kAsyncPurge}, {shorter, kAsyncPurge}} << 0 << QStringList{shorter};
    QTest::newRow("purge during synthesis")
        << Requests{{longer, kAsyncPurge}, {shorter, kAsyncPurge}} << 5 << QStringList{shorter};
    QTest::newRow("queued text follows")
        << Requests{{longer, kAsyncPurge}, {shorter, kAsync}} << 5 << QStringList{longer, shorter};
    QTest::newRow("purge drops the queue")
        << Requests{{longer, kAsyncPurge}, {shorter, kAsync}, {newest, kAsyncPurge}} << 5
        << QStringList{newest};
    QTest::newRow("blank text silences")
        << Requests{{longer, kAsyncPurge}, {QStringLiteral("   "), kAsyncPurge}} << 5
        << QStringList{};
    QTest::newRow("blank text silences without purge flag")
        << Requests{{longer, kAsync}, {QString(), kAsync}} << 5 << QStringList{};
    Requests burst;
    for (int i = 0; i < 20; ++i)
        burst << Request{QStringLiteral("quarter after %1").arg(i), kAsyncPurge};
    burst << Request{newest, kAsyncPurge};
    QTest::newRow("burst of purges") << burst << 2 << QStringList{newest};
}

void TestVoice::playsOnlyWhatSurvivesPurges()
{
    QFETCH(Requests, requests);
    QFETCH(int, pauseMs);
    QFETCH(QStringList, heard);
    Mixer mixer;
    int openings = 0;
    {
        FliteVoice voice(FliteSynth::instance(), mixer, [&openings] { ++openings; });
        for (const Request& request : requests) {
            if (&request != &requests.first())
                QThread::msleep(static_cast<unsigned long>(pauseMs));
            voice.Speak(request.first, request.second);
        }
        // Nothing plays for a while, so a queued text has time to (wrongly) jump the queue.
        QThread::msleep(300);
        const QList<qsizetype> lengths = drainUtterances(mixer);
        QCOMPARE(lengths.size(), heard.size());
        for (qsizetype i = 0; i < heard.size(); ++i) {
            const qsizetype want = renderedFrames(heard[i]);
            QVERIFY2(sameLength(lengths[i], want),
                     qPrintable(QStringLiteral("%1: %2 frames, expected about %3")
                                    .arg(heard[i])
                                    .arg(lengths[i])
                                    .arg(want)));
        }
    }
    QVERIFY(openings >= heard.size());
}

void TestVoice::speakReturnsAtOnce()
{
    VoiceCreation made = createVoice(QStringLiteral("SAPI.spVoice"));
    QVERIFY(made.voice);
    const QString text = QStringLiteral("click the clock to begin, ").repeated(40);
    for (int flags : {kAsyncPurge, kAsync}) {
        QElapsedTimer timer;
        timer.start();
        made.voice->Speak(text, flags);
        QVERIFY2(timer.elapsed() < 20, qPrintable(QString::number(timer.elapsed())));
    }
}

void TestVoice::survivesRapidRequestsAndDestruction()
{
    QElapsedTimer timer;
    timer.start();
    {
        VoiceCreation made = createVoice(QStringLiteral("SAPI.spVoice"));
        QVERIFY(made.voice);
        for (int i = 0; i < 50; ++i)
            made.voice->Speak(QStringLiteral("the current time is  %1 30").arg(i % 12 + 1),
                              i % 5 ? kAsyncPurge : kAsync);
    }
    // Destruction waits for at most the one synthesis in progress.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestVoice)
#include "test_voice.moc"
