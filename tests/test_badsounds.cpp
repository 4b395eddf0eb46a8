// The window's ticks with broken, odd or missing sound files in its working folder: it
// carries on at once, with the file where it can be used and the default sound otherwise.
#include "platform/audio/defaultsound.h"
#include "platform/filewaveplayer.h"
#include "tests/support/clockfixture.h"
#include "tests/support/soundfiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <sndfile.h>

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
}

namespace
{
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
    if (kind == "truncated") {
        if (!writeSoundFile(path, {wav16, 1, 48000, 0.5}))
            return false;
        return QFile::resize(path, 20000);
    }
    return false;
}

bool startsWithDefault(Mixer& mixer)
{
    const SampleBuffer chime = defaultSound();
    std::vector<float> out(512);
    mixer.mix(out.data(), out.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        if (qAbs(out[i] - (*chime)[i]) > 1e-6f)
            return false;
    return true;
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

    Mixer mixer;
    FileWavePlayer player(
        mixer, [] { return true; }, QStringLiteral("/nonexistent"));
    ClockFixture fixture;
    fixture.fakes.platform.wave = &player;
    fixture.window = std::make_unique<frmclock>(fixture.fakes.platform);
    frmclock& w = fixture.load();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblClickMe));
    const qint64 elapsed = clock.elapsed();
    QDir::setCurrent(before);

    QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
    QCOMPARE(w.clickState, QStringLiteral("say"));
    QVERIFY(mixer.isPlaying(Mixer::Slot::Tick));
    QCOMPARE(startsWithDefault(mixer), usesDefault);
}

QTEST_MAIN(BadSoundsTest)
#include "test_badsounds.moc"
