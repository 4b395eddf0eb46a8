// The window's ticks with broken, odd or missing sound files in its working folder: it
// carries on at once, with the file where it can be used and the default sound otherwise.
#include "platform/sound/filewaveplayer.h"
#include "tests/support/clockfixture.h"
#include "tests/support/fakesound.h"
#include "tests/support/soundfiles.h"
#include "tests/support/steppedclock.h"

#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <sndfile.h>
#include <thread>

class BadSoundsTest : public QObject
{
    Q_OBJECT
private slots:
    void clockTicksWhateverTheFile_data();
    void clockTicksWhateverTheFile();
};

void BadSoundsTest::clockTicksWhateverTheFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("usesDefault");
    QTest::newRow("missing") << "missing" << true;
    QTest::newRow("empty") << "empty" << true;
    QTest::newRow("cut inside the header") << "header" << true;
    QTest::newRow("random bytes") << "corrupt" << true;
    QTest::newRow("a folder named like the file") << "folder" << true;
    QTest::newRow("cut inside the samples") << "truncated" << false;
    QTest::newRow("32-bit float") << "float" << false;
    QTest::newRow("8-bit") << "8bit" << false;
    QTest::newRow("stereo") << "stereo" << false;
    QTest::newRow("ten minutes long") << "long" << false;
    // Valid headers over sparse files: nothing but the first seconds may be read.
    QTest::newRow("2 GB, 1024 channels") << "crafted" << true;
    QTest::newRow("106 MB of silence") << "huge" << false;
}

namespace
{
// A 16-bit wave header for that many channels and bytes of samples, then a hole up to them.
bool writeSparseWave(const QString& path, quint16 channels, quint32 dataBytes)
{
    QByteArray header("RIFF....WAVEfmt \x10\0\0\0\1\0", 22);
    const quint32 rate = 48000;
    const auto le = [&header](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header.append(char((v >> (8 * i)) & 0xff));
    };
    le(channels, 2);
    le(rate, 4);
    le(rate * channels * 2, 4);
    le(channels * 2u, 2);
    le(16, 2);
    header.append("data", 4);
    le(dataBytes, 4);
    header.replace(4, 4, QByteArray("\xff\xff\xff\x7f", 4));
    return writeBytes(path, header) && QFile::resize(path, header.size() + qint64(dataBytes));
}

bool makeTick(const QString& kind, const QString& path)
{
    const int wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (kind == "missing")
        return true;
    if (kind == "empty")
        return writeBytes(path, {});
    if (kind == "header")
        return writeBytes(path, QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16));
    if (kind == "corrupt")
        return writeBytes(path, QByteArray(4000, '\x5a'));
    if (kind == "folder")
        return QDir().mkpath(path);
    if (kind == "float")
        return writeSoundFile(path, {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, 0.05});
    if (kind == "8bit")
        return writeSoundFile(path, {SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 22050, 0.05});
    if (kind == "stereo")
        return writeSoundFile(path, {wav16, 2, 48000, 0.05});
    if (kind == "long")
        return writeSoundFile(path, {wav16, 1, 8000, 600.0});
    if (kind == "crafted")
        return writeSparseWave(path, 1024, 0x7ff00000u);
    if (kind == "huge")
        return writeSparseWave(path, 1, 106u * 1000 * 1000);
    if (kind == "truncated") {
        if (!writeSoundFile(path, {wav16, 1, 48000, 0.5}))
            return false;
        return QFile::resize(path, 20000);
    }
    return false;
}

// The real files, counting every look at one made on the thread that asked for the sound.
class WatchedReader : public SoundFileReader
{
public:
    std::optional<FileStamp> stamp(const std::string& path) override
    {
        count();
        return disk->stamp(path);
    }
    Samples decode(const std::string& path, std::string& why) override
    {
        count();
        return disk->decode(path, why);
    }
    std::atomic<int> onAsker{0};

private:
    void count()
    {
        if (std::this_thread::get_id() == asker)
            ++onAsker;
    }
    const std::thread::id asker = std::this_thread::get_id();
    const std::shared_ptr<SoundFileReader> disk = diskReader();
};

bool startsWithDefault(const std::vector<float>& played)
{
    const Samples chime = defaultSound();
    return played.size() >= 512 && std::equal(chime->begin(), chime->begin() + 512, played.begin());
}
} // namespace

void BadSoundsTest::clockTicksWhateverTheFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, usesDefault);
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath("sounds"));
    QVERIFY(makeTick(kind, work.filePath("sounds/1tic.wav")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());

    FakeSoundOutput sound;
    // The deadline never comes: what is played once the file is decoded is what counts here,
    // however long a busy machine takes to decode the long ones.
    FileAccess access;
    const auto reader = std::make_shared<WatchedReader>();
    access.reader = reader;
    access.clock = std::make_shared<SteppedClock>();
    FileWavePlayer player(sound, QStringLiteral("/nonexistent"), access);
    ClockFixture fixture;
    fixture.fakes.platform.wave = &player;
    fixture.window = std::make_unique<frmclock>(fixture.fakes.platform);
    frmclock& w = fixture.load();
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblClickMe));
    QDir::setCurrent(before);

    // Whatever the file, the click only hands the request over; reading it happens elsewhere.
    QVERIFY(sound.waitComplete(SoundSlot::Tick, 60000));
    QCOMPARE(reader->onAsker.load(), 0);
    QCOMPARE(w.clickState, ClickState::say);
    const std::vector<float> played = sound.current(SoundSlot::Tick).samples;
    QCOMPARE(startsWithDefault(played), usesDefault);
    QVERIFY(!played.empty() && played.size() <= std::size_t(10 * kTickRate));
}

QTEST_MAIN(BadSoundsTest)
#include "test_badsounds.moc"
