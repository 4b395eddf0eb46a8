// The sound comes as a plugin once the window's first frame is out: what the window asks for
// before is kept in order, a voice that cannot start is still told, a module that cannot be
// used leaves the program silent saying why, and the real program maps none of the sound and
// voice libraries before its first frame, and has them once its start-up pause is over.
#include "platform/realplatform.h"

#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <mutex>
#include <thread>

namespace
{
// Everything the plugin's player and voice were asked, from whichever thread.
struct Heard {
    std::mutex lock;
    QStringList events;
    void add(const QString& event)
    {
        std::lock_guard guard(lock);
        events << event;
    }
    QStringList all()
    {
        std::lock_guard guard(lock);
        return events;
    }
};

struct HeardPlayer : WavePlayer {
    explicit HeardPlayer(Heard& heard) : heard(heard) {}
    bool sndPlaySoundA(const QByteArray& path, unsigned) override
    {
        heard.add("play " + QString::fromLatin1(path));
        return true;
    }
    void prepare(const QByteArray& path) override
    {
        heard.add("prepare " + QString::fromLatin1(path));
    }
    Heard& heard;
};

struct HeardVoice : Voice {
    explicit HeardVoice(Heard& heard) : heard(heard) {}
    int Speak(const QString& text, int) override
    {
        heard.add("speak " + text);
        return 0;
    }
    Heard& heard;
};

struct HeardPlugin : SoundPlugin {
    HeardPlugin(Heard& heard, bool voiceFails) : heard(heard), player(heard), voiceFails(voiceFails)
    {
    }
    WavePlayer& wave() override { return player; }
    VoiceCreation makeVoice(const QString& className, const QString& language) override
    {
        heard.add("voice " + className + ' ' + language);
        if (voiceFails)
            return {nullptr, QStringLiteral("no voice in this test")};
        return {std::make_unique<HeardVoice>(heard), QString()};
    }
    Heard& heard;
    HeardPlayer player;
    bool voiceFails;
};

// What the late calls were made on, in the order they came. Calls made where it arrives are
// slowed down, so the caller has time to overtake them if it can.
struct Counter {
    std::thread::id caller = std::this_thread::get_id();
    std::mutex lock; // only so a fault shows as a wrong order, not as a torn vector
    std::vector<int> seen;
    void count(int i)
    {
        if (std::this_thread::get_id() != caller)
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        std::lock_guard guard(lock);
        seen.push_back(i);
    }
};
} // namespace

class SoundPluginTest : public QObject
{
    Q_OBJECT
private slots:
    void requestsBeforeTheSoundComeInOrder();
    void voiceThatCannotStartIsToldOnTheWindowsThread();
    void callsWhileTheSoundArrivesKeepTheirOrder();
    void moduleThatCannotBeUsedSaysWhy_data();
    void moduleThatCannotBeUsedSaysWhy();
    void realProgramMapsTheSoundOnlyAfterItsFirstFrame_data();
    void realProgramMapsTheSoundOnlyAfterItsFirstFrame();

private:
    void runRealProgram();
    // The libraries the real program had mapped at each milestone, read once.
    QMap<QByteArray, QByteArrayList> mapped;
};

void SoundPluginTest::requestsBeforeTheSoundComeInOrder()
{
    Heard heard;
    RealPlatform real({}, [&heard](const QString&) {
        return LoadedSound{std::make_unique<HeardPlugin>(heard, false), QString()};
    });
    Platform& os = real.platform();
    VoiceCreation made = os.makeVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("en-GB"));
    QVERIFY(made.voice && made.failure.isEmpty());
    os.wave->sndPlaySoundA("sounds\\4tics.wav", WavePlayer::SND_ASYNC);
    os.wave->prepare("sounds\\1tic.wav");
    made.voice->Speak(QStringLiteral("one"), 3);
    made.voice->Speak(QStringLiteral("two"), 3);
    os.wave->sndPlaySoundA("sounds\\1tic.wav", WavePlayer::SND_ASYNC);
    QTest::qWait(50);
    QCOMPARE(heard.all(), QStringList());

    os.afterFirstFrame();
    QTRY_COMPARE_WITH_TIMEOUT(heard.all().size(), 6, 60000);
    // The start-up ticks are not held up by making the voice: the player comes first.
    QCOMPARE(heard.all(), QStringList({"play sounds\\4tics.wav", "prepare sounds\\1tic.wav",
                                       "play sounds\\1tic.wav", "voice SAPI.spVoice en-GB",
                                       "speak one", "speak two"}));
    // Once it is there, requests go straight through.
    made.voice->Speak(QStringLiteral("three"), 3);
    QCOMPARE(heard.all().last(), QStringLiteral("speak three"));
}

void SoundPluginTest::voiceThatCannotStartIsToldOnTheWindowsThread()
{
    Heard heard;
    QStringList notices;
    QThread* toldOn = nullptr;
    RealPlatform real(
        [&](const QString& text) {
            notices << text;
            toldOn = QThread::currentThread();
        },
        [&heard](const QString&) {
            return LoadedSound{std::make_unique<HeardPlugin>(heard, true), QString()};
        });
    VoiceCreation made =
        real.platform().makeVoice(QStringLiteral("SAPI.spVoice"), QStringLiteral("en-US"));
    made.voice->Speak(QStringLiteral("unheard"), 3);
    real.platform().afterFirstFrame();
    QTRY_COMPARE_WITH_TIMEOUT(notices, QStringList{"no voice in this test"}, 60000);
    QCOMPARE(toldOn, QThread::currentThread());
    QCOMPARE(heard.all(), QStringList{"voice SAPI.spVoice en-US"});
}

// The real object arrives on another thread while calls keep coming: none may be lost
// between looking for it and queueing, and none may overtake one kept from before.
void SoundPluginTest::callsWhileTheSoundArrivesKeepTheirOrder()
{
    for (int round = 0; round < 20; ++round) {
        LateCalls<Counter> calls;
        auto counter = std::make_shared<Counter>();
        std::atomic<bool> arrived{false};
        std::thread arriving([&] {
            calls.arrive(counter);
            arrived = true;
        });
        int made = 0;
        for (int after = 0; after < 100; after += arrived ? 1 : 0)
            calls.call([i = made++](Counter& c) { c.count(i); });
        arriving.join();
        // The oldest of too many kept calls are let go; from the first one made on, none is
        // missing or out of place.
        const std::vector<int>& seen = counter->seen;
        QVERIFY(!seen.empty());
        QCOMPARE(seen.back(), made - 1);
        for (std::size_t k = 1; k < seen.size(); ++k)
            QVERIFY2(seen[k] == seen[k - 1] + 1,
                     qPrintable(QStringLiteral("%1 after %2").arg(seen[k]).arg(seen[k - 1])));
    }
}

void SoundPluginTest::moduleThatCannotBeUsedSaysWhy_data()
{
    QTest::addColumn<QString>("file"); // empty: none of the candidates exists
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << QString() << "cannot find libchimewise-sound.so in any of ";
    QTest::newRow("not a library") << "text"
                                   << "cannot load ";
    // Its code is all there, the rest is not: the loader would map what is not there.
    QTest::newRow("cut short") << "cut 120000"
                               << "libchimewise-sound.so: it is cut short: 120000 bytes, where ";
    QTest::newRow("another library")
        << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6"
        << " is not the sound module: it has no chimewise_sound_plugin";
}

void SoundPluginTest::moduleThatCannotBeUsedSaysWhy()
{
    QFETCH(QString, file);
    QFETCH(QString, why);
    QTemporaryDir scratch;
    const QString text = scratch.filePath(QStringLiteral("libchimewise-sound.so"));
    QFile written(text);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write("not ELF") > 0);
    written.close();
    if (file.startsWith("cut ")) {
        const QString module = QFileInfo(QStringLiteral(CHIMEWISE_BINARY))
                                   .dir()
                                   .filePath(QStringLiteral("libchimewise-sound.so"));
        QVERIFY(QFile::remove(text) && QFile::copy(module, text) &&
                QFile::resize(text, file.section(' ', 1).toLongLong()));
        file = "text";
    }
    const QStringList candidates{scratch.filePath(QStringLiteral("nothing/here.so")),
                                 file == "text" ? text : file};
    const LoadedSound loaded =
        loadSoundModule(file.isEmpty() ? candidates.mid(0, 1) : candidates, QString());
    QVERIFY(!loaded.plugin);
    QVERIFY2(loaded.failure.contains(why), qPrintable(loaded.failure));
}

void SoundPluginTest::realProgramMapsTheSoundOnlyAfterItsFirstFrame_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::newRow("the module") << QByteArray("libchimewise-sound.so");
    QTest::newRow("PulseAudio") << QByteArray("libpulse.so");
    QTest::newRow("its own helpers") << QByteArray("libpulsecommon-");
    QTest::newRow("libsndfile") << QByteArray("libsndfile.so");
    QTest::newRow("libsamplerate") << QByteArray("libsamplerate.so");
    QTest::newRow("flite") << QByteArray("libflite.so");
    QTest::newRow("flite's voice") << QByteArray("libflite_cmu_us_slt.so");
    QTest::newRow("espeak-ng") << QByteArray("libespeak-ng.so");
}

// Offscreen and without a sound server, once for every row.
void SoundPluginTest::runRealProgram()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("chimewise.timing.info=true"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CHIMEWISE_BINARY), {});
    QVERIFY(program.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT(
        (said += program.readAllStandardError()).contains("milestone announced") ||
            program.state() != QProcess::Running,
        60000);
    program.kill();
    program.waitForFinished(3000);
    for (const QByteArray& line : said.split('\n')) {
        const QByteArrayList words = line.split(' ');
        if (words.size() > 2 && words[1] == "libraries")
            mapped[words[2]] = words.mid(3);
    }
    QVERIFY2(mapped.contains("first-frame") && mapped.contains("pause-end"), said.constData());
}

void SoundPluginTest::realProgramMapsTheSoundOnlyAfterItsFirstFrame()
{
    QFETCH(QByteArray, library);
    if (mapped.isEmpty())
        runRealProgram();
    const auto has = [&library](const QByteArrayList& names) {
        return std::any_of(names.begin(), names.end(),
                           [&library](const QByteArray& name) { return name.startsWith(library); });
    };
    QVERIFY2(!has(mapped["first-frame"]), "mapped before the first frame");
    QVERIFY2(has(mapped["pause-end"]), "not mapped when the start-up pause ended");
}

QTEST_GUILESS_MAIN(SoundPluginTest)
#include "test_soundplugin.moc"
