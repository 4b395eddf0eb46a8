#include "platform/sound/voice/espeakvoice.h"
#include "platform/sound/voice/flitesynth.h"
#include "platform/sound/voice/flitevoice.h"
#include "platform/sound/voice/speechparts.h"
#include "platform/voice.h"
#include "tests/support/fakesound.h"

#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>

namespace
{

constexpr int kAsyncPurge = Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak;

// The utterance the voice sends for text, made by hand through the same two steps.
std::vector<float> utterance(const QString& text)
{
    FliteSynth synth;
    SpeechParts parts(FliteSynth::kRate);
    synth.synthesize(text, [&](const short* samples, int count) {
        parts.add(samples, count);
        return true;
    });
    parts.take(true);
    const Samples whole = parts.whole();
    return whole ? *whole : std::vector<float>{};
}

qsizetype firstLoud(const std::vector<float>& samples)
{
    const auto it = std::find_if(samples.begin(), samples.end(),
                                 [](float s) { return std::fabs(s) > kSilenceThreshold; });
    return it - samples.begin();
}

// Utterances of one text differ in flite's noise, and so where the quiet around them is cut:
// now and then a grain of the trailing hiss counts as sound, up to a tenth of a second more.
// Different texts differ by far more.
bool sameLength(std::size_t got, std::size_t want)
{
    return std::abs(double(got) - double(want)) <= 0.1 * double(want);
}

// The voice the program makes for a language.
std::unique_ptr<Voice> voiceFor(const QString& language, SoundOutput& sound)
{
    return createVoice(QStringLiteral("SAPI.spVoice"), language, sound).voice;
}

// An engine that tells when it has finished making a text.
class CountingEngine : public SpeechEngine
{
public:
    explicit CountingEngine(std::unique_ptr<SpeechEngine> engine) : engine(std::move(engine)) {}
    QString failure() const override { return engine->failure(); }
    int rate() const override { return engine->rate(); }
    bool synthesize(const QString& text, const Sink& sink) override
    {
        const bool whole = engine->synthesize(text, sink);
        std::lock_guard guard(lock);
        ++made;
        changed.notify_all();
        return whole;
    }
    bool waitMade(int texts)
    {
        std::unique_lock guard(lock);
        return changed.wait_for(guard, std::chrono::minutes(1), [&] { return made >= texts; });
    }

private:
    const std::unique_ptr<SpeechEngine> engine;
    std::mutex lock;
    std::condition_variable changed;
    int made = 0;
};

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
    void missingEspeakVoiceSaysWhy();
    void onlyTheNewestTextIsHeard_data();
    void onlyTheNewestTextIsHeard();
    void preparedTextPlaysWholeAtOnce_data();
    void preparedTextPlaysWholeAtOnce();
    void longTextStartsBeforeItIsMade();
    void speakReturnsAtOnce();
    void survivesRapidRequestsAndDestruction();
};

void TestVoice::createVoiceByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QString>("failure"); // a part of the reason given; empty: none given
    QTest::addColumn<QString>("logged");  // the reason said in the log; empty: nothing said
    const QString none;
    QTest::newRow("as the program asks") << "SAPI.spVoice"
                                         << "en-US" << true << none << none;
    QTest::newRow("other letter case") << "sapi.spvoice"
                                       << "en-US" << true << none << none;
    QTest::newRow("British") << "SAPI.spVoice"
                             << "en-GB" << true << none << none;
    for (const char* language : {"de", "fr", "es", "es-419", "nl"})
        QTest::addRow("%s", language) << "SAPI.spVoice" << language << true << none << none;
    QTest::newRow("unknown voice") << "Nope.Voice"
                                   << "en-US" << false << "\"Nope.Voice\"" << none;
    QTest::newRow("no name") << ""
                             << "en-US" << false << "\"\"" << none;
    // Shown in that language but silent, without a notice over the clock.
    QTest::newRow("language nobody speaks")
        << "SAPI.spVoice"
        << "xx" << false << none << "No voice for the language xx: no voice speaks it";
}

void TestVoice::createVoiceByName()
{
    QFETCH(QString, name);
    QFETCH(QString, language);
    QFETCH(bool, made);
    QFETCH(QString, failure);
    QFETCH(QString, logged);
    if (!logged.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(logged + ". The clock will not speak."));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    FakeSoundOutput sound;
    const VoiceCreation creation = createVoice(name, language, sound);
    QCOMPARE(bool(creation.voice), made);
    QVERIFY2(failure.isEmpty() ? creation.failure.isEmpty() : creation.failure.contains(failure),
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
    const std::vector<float> samples = utterance(text);
    const double seconds = double(samples.size()) / FliteSynth::kRate;
    QVERIFY2(seconds > 0.4 && seconds < 3.0, qPrintable(QString::number(seconds)));
    QVERIFY2(firstLoud(samples) <= FliteSynth::kRate * 15 / 1000,
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
    std::vector<short> samples(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) // a hiss just under the threshold, as flite's silence is
        samples[std::size_t(i)] = short((i % 2 ? 0.9 : -0.9) * kSilenceThreshold * 32768);
    for (int i = loudFrom; i < loudTo; ++i)
        samples[std::size_t(i)] = short(16384 + i);
    // Handed over in flite's small portions, as it makes them.
    SpeechParts parts(1000);
    std::vector<float> sent;
    for (int from = 0; from < size; from += 7) {
        parts.add(samples.data() + from, std::min(7, size - from));
        if (const Samples part = parts.take(false))
            sent.insert(sent.end(), part->begin(), part->end());
    }
    if (const Samples part = parts.take(true))
        sent.insert(sent.end(), part->begin(), part->end());
    QCOMPARE(qsizetype(sent.size()), qsizetype(keptTo - keptFrom));
    for (std::size_t i = 0; i < sent.size(); ++i)
        QCOMPARE(sent[i], samples[std::size_t(keptFrom) + i] / 32768.0f);
    const Samples whole = parts.whole();
    QCOMPARE(whole ? qsizetype(whole->size()) : 0, qsizetype(sent.size()));
}

void TestVoice::missingEspeakVoiceSaysWhy()
{
    FakeSoundOutput sound;
    const EspeakVoice voice(sound, "xx-nowhere");
    QVERIFY2(voice.failure().contains(QLatin1String("\"xx-nowhere\"")),
             qPrintable(voice.failure()));
}

void TestVoice::onlyTheNewestTextIsHeard_data()
{
    const QString longer = QStringLiteral("click the clock to begin");
    const QString newest = QStringLiteral("half past  4");
    // flite's "half past  4" as sent, measured: 17,490 to 17,660 samples (1.1 s).
    const int newestSamples = 17500;
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("pauseMs"); // between requests
    QTest::addColumn<int>("heardSamples");
    QTest::newRow("before synthesis")
        << "en-US" << QStringList{longer, newest} << 0 << newestSamples;
    QTest::newRow("during synthesis")
        << "en-US" << QStringList{longer, newest} << 3 << newestSamples;
    QTest::newRow("after it was said")
        << "en-US" << QStringList{longer, newest} << 300 << newestSamples;
    QTest::newRow("blank text silences") << "en-US" << QStringList{longer, "   "} << 3 << 0;
    QStringList burst;
    for (int i = 0; i < 20; ++i)
        burst << QStringLiteral("quarter after %1").arg(i);
    QTest::newRow("burst") << "en-US" << (burst << newest) << 1 << newestSamples;
    // espeak-ng makes a second of speech in about a millisecond: only a long text is still
    // being made 3 ms on. "halb fünf" as sent, measured: 15,950 to 16,240 samples (0.7 s).
    const QString german =
        QStringLiteral("Es ist drei Uhr, und die Uhr geht weiter. ").repeated(40);
    QTest::newRow("espeak, during synthesis")
        << "de" << QStringList{german, QStringLiteral("halb fünf")} << 3 << 16100;
    QTest::newRow("espeak, blank text silences") << "de" << QStringList{german, "   "} << 3 << 0;
}

void TestVoice::onlyTheNewestTextIsHeard()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QFETCH(int, pauseMs);
    QFETCH(int, heardSamples);
    FakeSoundOutput sound;
    {
        const std::unique_ptr<Voice> voice = voiceFor(language, sound);
        for (const QString& text : texts) {
            if (&text != &texts.first())
                QThread::msleep(static_cast<unsigned long>(pauseMs));
            voice->Speak(text, kAsyncPurge);
        }
        if (heardSamples > 0)
            QVERIFY(sound.waitComplete(SoundSlot::Speech, 60000));
        QThread::msleep(100); // nothing older may arrive late
    }
    const FakeSoundOutput::Sound now = sound.current(SoundSlot::Speech);
    QCOMPARE(sound.begun(SoundSlot::Speech), int(texts.size()));
    // What the voice was making when the newest text came stops there: at most the part
    // already on its way follows.
    QVERIFY2(now.lateParts <= 1, qPrintable(QString::number(now.lateParts)));
    QVERIFY2(sameLength(now.samples.size(), std::size_t(heardSamples)),
             qPrintable(QStringLiteral("%1 samples").arg(now.samples.size())));
}

void TestVoice::preparedTextPlaysWholeAtOnce_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("prepared"); // the last is then spoken
    QTest::addColumn<int>("heardSamples");     // measured, as sent
    // Measured: 19,910 to 20,190 samples (1.25 s at 16,000 a second), and 25,580 to 25,880
    // (1.17 s at 22,050).
    QTest::newRow("flite") << "en-US" << QStringList{"ten to 3", "quarter to 12"} << 20000;
    QTest::newRow("espeak") << "de" << QStringList{"zehn vor drei", "Viertel vor zwölf"} << 25800;
}

void TestVoice::preparedTextPlaysWholeAtOnce()
{
    QFETCH(QString, language);
    QFETCH(QStringList, prepared);
    QFETCH(int, heardSamples);
    FakeSoundOutput sound;
    auto counting = std::make_unique<CountingEngine>(
        language == "de" ? makeEspeakEngine("de") : std::make_unique<FliteSynth>());
    CountingEngine& engine = *counting;
    SynthVoice voice(sound, std::move(counting));
    voice.prepare(prepared);
    QVERIFY(engine.waitMade(int(prepared.size())));
    voice.Speak(prepared.last(), kAsyncPurge);
    QVERIFY(sound.waitComplete(SoundSlot::Speech, 60000));
    const FakeSoundOutput::Sound now = sound.current(SoundSlot::Speech);
    QCOMPARE(now.parts, 1);
    QVERIFY2(sameLength(now.samples.size(), std::size_t(heardSamples)),
             qPrintable(QStringLiteral("%1 samples").arg(now.samples.size())));
}

void TestVoice::longTextStartsBeforeItIsMade()
{
    FakeSoundOutput sound;
    FliteVoice voice(sound);
    const QString text = QStringLiteral("click the clock, then say the time out loud, then click "
                                        "the clock again to check your response.");
    voice.Speak(text, kAsyncPurge);
    QVERIFY(sound.waitComplete(SoundSlot::Speech, 60000));
    QVERIFY2(sound.current(SoundSlot::Speech).parts > 10,
             qPrintable(QString::number(sound.current(SoundSlot::Speech).parts)));
}

// Speaking and preparing only hand the texts over: the voice's thread has not finished even
// the one text when they return, though it started on it first.
void TestVoice::speakReturnsAtOnce()
{
    FakeSoundOutput sound;
    VoiceCreation made =
        createVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("en-US"), sound);
    QVERIFY(made.voice);
    const QString text = QStringLiteral("click the clock to begin, ").repeated(40);
    made.voice->Speak(text, kAsyncPurge);
    made.voice->prepare({text, text + text});
    QVERIFY(!sound.current(SoundSlot::Speech).complete);
}

// The newest of many texts is being made when the voice goes; it goes without finishing it.
void TestVoice::survivesRapidRequestsAndDestruction()
{
    FakeSoundOutput sound;
    {
        VoiceCreation made =
            createVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("en-US"), sound);
        QVERIFY(made.voice);
        for (int i = 0; i < 50; ++i)
            made.voice->Speak(QStringLiteral("the current time is  %1 30").arg(i % 12 + 1),
                              kAsyncPurge);
        made.voice->Speak(QStringLiteral("The current time is  4 30. ").repeated(40), kAsyncPurge);
        QVERIFY(sound.waitBegun(SoundSlot::Speech, 60000));
    }
    // Nothing queued up behind the newest text, and it stopped at flite's next few samples.
    const FakeSoundOutput::Sound last = sound.current(SoundSlot::Speech);
    QCOMPARE(sound.begun(SoundSlot::Speech), 51);
    QVERIFY(!last.complete);
    QVERIFY2(last.lateParts <= 1, qPrintable(QString::number(last.lateParts)));
}

QTEST_GUILESS_MAIN(TestVoice)
#include "test_voice.moc"
