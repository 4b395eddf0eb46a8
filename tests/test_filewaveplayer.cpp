#include "platform/sound/filewaveplayer.h"
#include "platform/sound/soundservice.h"
#include "platform/sound/voice/flitevoice.h"
#include "tests/support/fakesound.h"
#include "tests/support/soundfiles.h"
#include "tests/support/steppedclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <condition_variable>
#include <mutex>

namespace
{

constexpr int kOut = kTickRate;
// How long a wait for something that must come may last: it ends as soon as it comes, so
// only a fault ever waits this long.
constexpr std::chrono::milliseconds kPatience{60000};
// Distinct lengths tell which copy of a file was played.
constexpr double kWorkSeconds = 0.05, kDataSeconds = 0.1, kExeSeconds = 0.15;

int framesOf(double seconds)
{
    return int(std::lround(seconds * kOut));
}

// How many frames the tick slot plays once the request has been served.
int playedFrames(FakeSoundOutput& sound)
{
    if (!sound.waitComplete(SoundSlot::Tick, int(kPatience.count())))
        return -1;
    return int(sound.current(SoundSlot::Tick).samples.size());
}

// The real files, behind a folder that can be made to hang as a network share that stops
// answering: every look at a file then waits until the test lets go (or half a minute, so a
// fault that waits for it ends the test rather than hanging it).
class HangingReader : public SoundFileReader
{
public:
    struct Gate {
        std::mutex lock;
        std::condition_variable released;
        bool hung = false;
        int waiting = 0; // reads held at the gate now
        void set(bool hang)
        {
            std::lock_guard guard(lock);
            hung = hang;
            released.notify_all();
        }
        int held()
        {
            std::lock_guard guard(lock);
            return waiting;
        }
        bool waitHeld()
        {
            std::unique_lock guard(lock);
            return released.wait_for(guard, kPatience, [this] { return waiting > 0; });
        }
    };
    explicit HangingReader(std::shared_ptr<Gate> gate) : gate(std::move(gate)) {}
    std::optional<FileStamp> stamp(const std::string& path) override
    {
        std::unique_lock guard(gate->lock);
        ++gate->waiting;
        gate->released.notify_all();
        gate->released.wait_for(guard, std::chrono::seconds(30), [this] { return !gate->hung; });
        --gate->waiting;
        guard.unlock();
        return disk->stamp(path);
    }
    Samples decode(const std::string& path, std::string& why) override
    {
        return disk->decode(path, why);
    }

private:
    std::shared_ptr<Gate> gate;
    std::shared_ptr<SoundFileReader> disk = diskReader();
};

// Removes a file it is given when it goes, so nothing is left in the build folder.
struct RemoveAfter {
    QString file;
    ~RemoveAfter() { QFile::remove(file); }
};

} // namespace

class TestFileWavePlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QDir::setCurrent(originalWorkDir); }
    void candidates_data();
    void candidates();
    void searchOrder_data();
    void searchOrder();
    void fallback_data();
    void fallback();
    void changedFileIsDecodedAgain();
    void noServerReturnsPromptly();
    void hungFolderHoldsNothingUp_data();
    void hungFolderHoldsNothingUp();

private:
    QTemporaryDir temp;
    QString originalWorkDir;
    const int defaultFrames = int(defaultSound()->size());
};

void TestFileWavePlayer::initTestCase()
{
    QVERIFY(temp.isValid());
    originalWorkDir = QDir::currentPath();
}

void TestFileWavePlayer::candidates_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QStringList>("expected");
    const QString data = QStringLiteral("/usr/share/chimewise");

    QTest::newRow("backslashes, every folder")
        << QByteArray("sounds\\1tic.wav") << "/opt/cw/bin"
        << QStringList{"/home/kid/sounds/1tic.wav", data + "/sounds/1tic.wav",
                       "/opt/cw/share/chimewise/sounds/1tic.wav", "/opt/cw/bin/sounds/1tic.wav"};
    QTest::newRow("no application object")
        << QByteArray("sounds\\1tic.wav") << ""
        << QStringList{"/home/kid/sounds/1tic.wav", data + "/sounds/1tic.wav"};
    QTest::newRow("working folder is the executable's")
        << QByteArray("a.wav") << "/home/kid"
        << QStringList{"/home/kid/a.wav", data + "/a.wav", "/home/share/chimewise/a.wav"};
    QTest::newRow("parent folder")
        << QByteArray("..\\a.wav") << "" << QStringList{"/home/a.wav", "/usr/share/a.wav"};
    QTest::newRow("absolute") << QByteArray("/tmp/x/a.wav") << "/opt/cw/bin"
                              << QStringList{"/tmp/x/a.wav"};
    QTest::newRow("absolute with backslashes")
        << QByteArray("\\tmp\\x\\a.wav") << "/opt/cw/bin" << QStringList{"/tmp/x/a.wav"};
}

void TestFileWavePlayer::candidates()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, exeDir);
    QFETCH(QStringList, expected);
    QCOMPARE(soundFileCandidates(request, QStringLiteral("/home/kid"),
                                 QStringLiteral("/usr/share/chimewise"), exeDir),
             expected);
}

void TestFileWavePlayer::searchOrder_data()
{
    QTest::addColumn<bool>("inWork");
    QTest::addColumn<bool>("inData");
    QTest::addColumn<bool>("inExe");
    QTest::addColumn<bool>("folderInWork");
    QTest::addColumn<double>("playedSeconds"); // 0: the default sound

    QTest::newRow("working folder first") << true << true << true << false << kWorkSeconds;
    QTest::newRow("then data folder") << false << true << true << false << kDataSeconds;
    QTest::newRow("then executable's folder") << false << false << true << false << kExeSeconds;
    QTest::newRow("folder of that name skipped") << false << true << false << true << kDataSeconds;
    QTest::newRow("nowhere") << false << false << false << false << 0.0;
}

void TestFileWavePlayer::searchOrder()
{
    QFETCH(bool, inWork);
    QFETCH(bool, inData);
    QFETCH(bool, inExe);
    QFETCH(bool, folderInWork);
    QFETCH(double, playedSeconds);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString name =
        QStringLiteral("chimewise-order-%1.wav").arg(QCoreApplication::applicationPid());
    const QString work = root.filePath(QStringLiteral("work"));
    const QString data = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(work) && QDir().mkpath(data));
    RemoveAfter exeCopy{QCoreApplication::applicationDirPath() + '/' + name};
    if (inWork)
        QVERIFY(writeSteadyFile(work + '/' + name, kWorkSeconds));
    if (folderInWork)
        QVERIFY(QDir().mkpath(work + '/' + name));
    if (inData)
        QVERIFY(writeSteadyFile(data + '/' + name, kDataSeconds));
    if (inExe)
        QVERIFY(writeSteadyFile(exeCopy.file, kExeSeconds));
    QVERIFY(QDir::setCurrent(work));

    FakeSoundOutput sound;
    FileWavePlayer player(sound, data);
    QVERIFY(player.sndPlaySoundA(name.toLocal8Bit(), WavePlayer::SND_ASYNC));
    const int expected = playedSeconds > 0 ? framesOf(playedSeconds) : defaultFrames;
    QCOMPARE(playedFrames(sound), expected);
}

void TestFileWavePlayer::fallback_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("busy"); // another tick is playing when the request comes
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("playedFrames");
    const int good = framesOf(kWorkSeconds);
    const int busyFrames = 30000;

    QTest::newRow("file") << QByteArray("sub\\good.wav") << false << true << good;
    QTest::newRow("file replaces a tick") << QByteArray("sub\\good.wav") << true << true << good;
    QTest::newRow("missing") << QByteArray("sub\\none.wav") << false << true << defaultFrames;
    QTest::newRow("corrupt") << QByteArray("sub\\bad.wav") << false << true << defaultFrames;
    QTest::newRow("no name") << QByteArray() << true << false << busyFrames;
}

void TestFileWavePlayer::fallback()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, busy);
    QFETCH(bool, taken);
    QFETCH(int, playedFrames);
    const QString work = temp.filePath(QStringLiteral("flags"));
    QVERIFY(writeSteadyFile(work + "/sub/good.wav", kWorkSeconds));
    QVERIFY(writeBytes(work + "/sub/bad.wav", QByteArray(500, 'x')));
    QVERIFY(QDir::setCurrent(work));

    FakeSoundOutput sound;
    if (busy)
        sound.play(SoundSlot::Tick, kTickRate,
                   std::make_shared<const std::vector<float>>(30000, 0.1f));
    FileWavePlayer player(sound, temp.filePath(QStringLiteral("nodata")));
    QCOMPARE(player.sndPlaySoundA(request, WavePlayer::SND_ASYNC), taken);
    QCOMPARE(::playedFrames(sound), playedFrames);
}

void TestFileWavePlayer::changedFileIsDecodedAgain()
{
    const QString file = temp.filePath(QStringLiteral("changing.wav"));
    FakeSoundOutput sound;
    FileWavePlayer player(sound, QString());
    const QByteArray request = QFile::encodeName(file);
    for (double seconds : {kWorkSeconds, kDataSeconds, kWorkSeconds}) {
        QVERIFY(writeSteadyFile(file, seconds));
        for (int repeat = 0; repeat < 2; ++repeat) {
            QVERIFY(player.sndPlaySoundA(request, WavePlayer::SND_ASYNC));
            QCOMPARE(playedFrames(sound), framesOf(seconds));
        }
    }
}

// CTest points PULSE_SERVER at a socket that does not exist. The real player must shrug and
// take every request, also while the service looks for a server again in the background.
// What a request costs is a figure of bench_audio_latency.
void TestFileWavePlayer::noServerReturnsPromptly()
{
    SoundService service;
    FileWavePlayer player(service);
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < 2500) {
        QVERIFY(player.sndPlaySoundA("sounds\\1tic.wav", WavePlayer::SND_ASYNC));
        QTest::qWait(20);
    }
}

void TestFileWavePlayer::hungFolderHoldsNothingUp_data()
{
    QTest::addColumn<bool>("readBefore"); // the file was read once before the folder hung
    QTest::addColumn<int>("playedFrames");
    QTest::newRow("hung from the start") << false << defaultFrames;
    QTest::newRow("hung after a good read") << true << framesOf(kWorkSeconds);
}

// The player keeps its own deadline; the clock it is kept by stands still until moved here.
void TestFileWavePlayer::hungFolderHoldsNothingUp()
{
    QFETCH(bool, readBefore);
    QFETCH(int, playedFrames);
    const QString file = temp.filePath(QStringLiteral("hung/1tic.wav"));
    QVERIFY(writeSteadyFile(file, kWorkSeconds));
    const QByteArray request = QFile::encodeName(file);
    const auto gate = std::make_shared<HangingReader::Gate>();
    const auto clock = std::make_shared<SteppedClock>();
    FileAccess hanging;
    hanging.reader = std::make_shared<HangingReader>(gate);
    hanging.clock = clock;
    // The reading threads left behind end once the folder answers again.
    const auto answerAgain = qScopeGuard([gate] { gate->set(false); });
    constexpr int kAsyncPurge = Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak;
    using std::chrono::milliseconds;

    FakeSoundOutput sound;
    FliteVoice voice(sound);
    {
        FileWavePlayer player(sound, QString(), hanging);
        if (readBefore) {
            QVERIFY(player.sndPlaySoundA(request, WavePlayer::SND_ASYNC));
            QCOMPARE(::playedFrames(sound), framesOf(kWorkSeconds));
        }
        gate->set(true);
        QVERIFY(player.sndPlaySoundA(request, WavePlayer::SND_ASYNC));
        voice.Speak(QStringLiteral("half past  4"), kAsyncPurge);
        // The voice is heard while the file hangs.
        QVERIFY(sound.waitComplete(SoundSlot::Speech, int(kPatience.count())));
        QVERIFY(gate->waitHeld());
        // Not a moment before the deadline is the tick given up on, and at it, it is.
        clock->set(milliseconds(249));
        QVERIFY2(clock->waitForLook(int(kPatience.count())), "given up on before the deadline");
        QVERIFY(!sound.current(SoundSlot::Tick).complete);
        clock->set(milliseconds(250));
        QCOMPARE(::playedFrames(sound), playedFrames);
        QCOMPARE(gate->held(), 1);
    }
    // Closing leaves the read hanging where it is.
    QCOMPARE(gate->held(), 1);

    // Nor does it hold up closing the real service.
    gate->set(false);
    QTRY_COMPARE_WITH_TIMEOUT(gate->held(), 0, int(kPatience.count()));
    gate->set(true);
    {
        SoundService service;
        FileWavePlayer player(service, QString(), hanging);
        QVERIFY(player.sndPlaySoundA(request, WavePlayer::SND_ASYNC));
        QVERIFY(gate->waitHeld());
    }
    QCOMPARE(gate->held(), 1);
}

QTEST_GUILESS_MAIN(TestFileWavePlayer)
#include "test_filewaveplayer.moc"
