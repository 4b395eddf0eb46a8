#include "platform/sound/wavefile.h"
#include "tests/support/soundfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <random>
#include <sndfile.h>

Q_DECLARE_METATYPE(ToneFile)

namespace
{

constexpr int kOut = kTickRate;

float peakOf(const std::vector<float>& samples)
{
    float peak = 0.0f;
    for (float v : samples)
        peak = std::max(peak, std::fabs(v));
    return peak;
}

ToneFile tone(int format, int channels, int rate, double seconds, float otherLevel = 0.0f)
{
    return {format, channels, rate, seconds, 0.5f, otherLevel, false};
}

} // namespace

class TestWaveFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(temp.isValid()); }
    void decodes_data();
    void decodes();
    void refuses_data();
    void refuses();
    void cutShortDataGivesWhatIsThere();
    void shippedSounds_data();
    void shippedSounds();
    void resampleRejectsImpossibleRates_data();
    void resampleRejectsImpossibleRates();

private:
    QTemporaryDir temp;
    QString path(const QString& name) const { return temp.filePath(name); }
};

void TestWaveFiles::decodes_data()
{
    QTest::addColumn<ToneFile>("file");
    QTest::addColumn<double>("expectedSeconds");
    QTest::addColumn<float>("expectedPeak");
    const int wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

    QTest::newRow("16-bit") << tone(wav16, 1, 48000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("8-bit") << tone(SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 48000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("32-bit float") << tone(SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 48000, 0.5) << 0.5
                                  << 0.5f;
    QTest::newRow("stereo averaged") << tone(wav16, 2, 48000, 0.5) << 0.5 << 0.25f;
    QTest::newRow("stereo in phase") << tone(wav16, 2, 48000, 0.5, 0.5f) << 0.5 << 0.5f;
    QTest::newRow("six channels") << tone(wav16, 6, 48000, 0.5, 0.5f) << 0.5 << 0.5f;
    QTest::newRow("22050 Hz") << tone(wav16, 1, 22050, 0.5) << 0.5 << 0.5f;
    QTest::newRow("44100 Hz, short") << tone(wav16, 1, 44100, 0.04) << 0.04 << 0.5f;
    QTest::newRow("8000 Hz") << tone(wav16, 1, 8000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("96000 Hz") << tone(wav16, 1, 96000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("24-bit") << tone(SF_FORMAT_WAV | SF_FORMAT_PCM_24, 1, 48000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("32-bit integer")
        << tone(SF_FORMAT_WAV | SF_FORMAT_PCM_32, 1, 48000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("64-bit float") << tone(SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 2, 44100, 0.5) << 0.5
                                  << 0.25f;
    QTest::newRow("AIFF") << tone(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 44100, 0.5) << 0.5 << 0.5f;
    QTest::newRow("extensible header")
        << tone(SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 1, 48000, 0.5) << 0.5 << 0.5f;
    QTest::newRow("30 s capped") << tone(wav16, 1, 8000, 30.0) << kMaxDecodedSeconds << 0.5f;
}

void TestWaveFiles::decodes()
{
    QFETCH(ToneFile, file);
    QFETCH(double, expectedSeconds);
    QFETCH(float, expectedPeak);
    const QString name = path(QStringLiteral("decode.snd"));
    QVERIFY(writeSoundFile(name, file));

    const Samples decoded = decodeWaveFile(name.toStdString());
    QVERIFY(decoded);
    const double expectedFrames = expectedSeconds * kOut;
    QVERIFY2(std::fabs(double(decoded->size()) - expectedFrames) <= 2 + expectedFrames / 1000,
             qPrintable(QString::number(decoded->size())));
    QVERIFY2(std::fabs(peakOf(*decoded) - expectedPeak) < 0.02f,
             qPrintable(QString::number(peakOf(*decoded))));
}

void TestWaveFiles::refuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty") << "empty";
    QTest::newRow("cut inside the header") << "header";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("header without samples") << "nosamples";
    QTest::newRow("folder") << "folder";
}

void TestWaveFiles::refuses()
{
    QFETCH(QString, kind);
    const QString file = path(QStringLiteral("refused-%1.wav").arg(kind));
    const QString whole = path(QStringLiteral("whole.wav"));
    QVERIFY(writeSoundFile(whole, tone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100, 0.2)));
    QFile source(whole);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray valid = source.readAll();
    std::mt19937 noise(7);
    QByteArray random(4096, '\0');
    for (char& c : random)
        c = char(noise());

    if (kind == "empty")
        QVERIFY(writeBytes(file, {}));
    else if (kind == "header")
        QVERIFY(writeBytes(file, valid.left(30)));
    else if (kind == "random")
        QVERIFY(writeBytes(file, random));
    else if (kind == "nosamples")
        QVERIFY(writeBytes(file, valid.left(44)));
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(file));
    QVERIFY(!decodeWaveFile(file.toStdString()));
}

// A file cut off partway through its samples still holds a usable start of the sound.
void TestWaveFiles::cutShortDataGivesWhatIsThere()
{
    const QString whole = path(QStringLiteral("long.wav"));
    QVERIFY(writeSoundFile(whole, tone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 48000, 1.0)));
    QFile source(whole);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString cut = path(QStringLiteral("cut.wav"));
    QVERIFY(writeBytes(cut, source.read(44 + 2 * 12000)));

    const Samples decoded = decodeWaveFile(cut.toStdString());
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), std::size_t(12000));
}

void TestWaveFiles::shippedSounds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<float>("quietestPeak");
    QTest::addColumn<float>("loudestPeak");
    QTest::newRow("one tick") << "sounds/1tic.wav" << 0.04 << 0.2f << 1.0f;
    QTest::newRow("four ticks") << "sounds/4tics.wav" << 1.0 << 0.2f << 1.0f;
    QTest::newRow("chime") << "sounds/chime.wav" << 0.8 << 0.2f << 1.0f;
    // Several a second while a hand is dragged: it must stay far below a tick.
    QTest::newRow("soft tick") << "sounds/softtic.wav" << 0.025 << 0.02f << 0.1f;
}

void TestWaveFiles::shippedSounds()
{
    QFETCH(QString, file);
    QFETCH(double, seconds);
    QFETCH(float, quietestPeak);
    QFETCH(float, loudestPeak);
    const Samples decoded = decodeWaveFile(file.toStdString());
    QVERIFY2(decoded, qPrintable(file + " (tests run in the build folder)"));
    QVERIFY(std::fabs(double(decoded->size()) / kOut - seconds) < 0.005);
    // Made at the rate they are played at, so nothing is converted when the program starts.
    SF_INFO info{};
    SNDFILE* opened = sf_open(qPrintable(file), SFM_READ, &info);
    QVERIFY(opened);
    sf_close(opened);
    QCOMPARE(info.samplerate, kOut);
    QVERIFY(peakOf(*decoded) > quietestPeak && peakOf(*decoded) <= loudestPeak);
}

void TestWaveFiles::resampleRejectsImpossibleRates_data()
{
    QTest::addColumn<int>("rate");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -16000;
    QTest::newRow("too low to convert") << 100;
}

void TestWaveFiles::resampleRejectsImpossibleRates()
{
    QFETCH(int, rate);
    const std::vector<float> input(1000, 0.5f);
    const Samples out = resampleToOutput(input.data(), input.size(), rate);
    QVERIFY(out);
    QVERIFY(out->empty());
}

QTEST_APPLESS_MAIN(TestWaveFiles)
#include "test_wavefiles.moc"
