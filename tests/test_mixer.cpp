#include "platform/audio/mixer.h"

#include <QList>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

namespace
{

// A constant-level sound started in a slot at a given frame of the output.
struct Cue {
    Mixer::Slot slot;
    float level;
    int length;
    int atFrame;
};

// `count` output frames at `level`.
struct Run {
    float level;
    int count;
};

SampleBuffer constant(float level, int length)
{
    return std::make_shared<const std::vector<float>>(std::size_t(length), level);
}

constexpr float kGuard = 123.0f;

// Mixes frames into a buffer with guard samples behind it and fails if mix() wrote past the
// end.
QList<float> mixGuarded(Mixer& mixer, qsizetype frames)
{
    QList<float> out(frames + 8, kGuard);
    mixer.mix(out.data(), std::size_t(frames));
    for (qsizetype i = frames; i < out.size(); ++i)
        if (out[i] != kGuard)
            qFatal("mix() wrote past the end of its buffer");
    out.resize(frames);
    return out;
}

// Renders `frames` frames, starting each cue exactly at its frame, in uneven block sizes so
// that buffer boundaries fall in awkward places.
QList<float> render(Mixer& mixer, QList<Cue> cues, int frames)
{
    std::sort(cues.begin(), cues.end(),
              [](const Cue& a, const Cue& b) { return a.atFrame < b.atFrame; });
    QList<float> out;
    int position = 0;
    while (position < frames) {
        while (!cues.isEmpty() && cues.first().atFrame <= position) {
            const Cue cue = cues.takeFirst();
            mixer.play(cue.slot, constant(cue.level, cue.length));
        }
        const int until = cues.isEmpty() ? frames : std::min(frames, cues.first().atFrame);
        const int block = std::min(until - position, 7);
        out += mixGuarded(mixer, block);
        position += block;
    }
    return out;
}

QList<float> expand(const QList<Run>& runs)
{
    QList<float> out;
    for (const Run& run : runs)
        out += QList<float>(run.count, run.level);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Cue)
Q_DECLARE_METATYPE(Run)

class TestMixer : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data();
    void sequence();
    void stop_data();
    void stop();
    void emptyOrNullSoundIsSilent_data();
    void emptyOrNullSoundIsSilent();
    void notANumberComesOutSilent();
    void playFromAnotherThreadWhileMixing();
};

void TestMixer::sequence_data()
{
    using S = Mixer::Slot;
    QTest::addColumn<QList<Cue>>("cues");
    QTest::addColumn<QList<Run>>("expected");

    QTest::newRow("sound then silence")
        << QList<Cue>{{S::Speech, 0.5f, 30, 0}} << QList<Run>{{0.5f, 30}, {0.0f, 20}};
    QTest::newRow("speech cuts off speech")
        << QList<Cue>{{S::Speech, 0.25f, 40, 0}, {S::Speech, 0.5f, 20, 10}}
        << QList<Run>{{0.25f, 10}, {0.5f, 20}, {0.0f, 20}};
    QTest::newRow("tick cuts off tick")
        << QList<Cue>{{S::Tick, 0.25f, 40, 0}, {S::Tick, 0.5f, 20, 10}}
        << QList<Run>{{0.25f, 10}, {0.5f, 20}, {0.0f, 20}};
    QTest::newRow("tick over speech")
        << QList<Cue>{{S::Speech, 0.25f, 40, 0}, {S::Tick, 0.5f, 10, 5}}
        << QList<Run>{{0.25f, 5}, {0.75f, 10}, {0.25f, 25}, {0.0f, 10}};
    QTest::newRow("speech over tick")
        << QList<Cue>{{S::Tick, 0.5f, 30, 0}, {S::Speech, 0.25f, 10, 10}}
        << QList<Run>{{0.5f, 10}, {0.75f, 10}, {0.5f, 10}, {0.0f, 10}};
    QTest::newRow("same sound restarted at once")
        << QList<Cue>{{S::Tick, 0.5f, 10, 0}, {S::Tick, 0.5f, 10, 6}}
        << QList<Run>{{0.5f, 16}, {0.0f, 4}};
    QTest::newRow("sum limited above")
        << QList<Cue>{{S::Speech, 0.75f, 20, 0}, {S::Tick, 0.5f, 10, 0}}
        << QList<Run>{{1.0f, 10}, {0.75f, 10}};
    QTest::newRow("sum limited below")
        << QList<Cue>{{S::Speech, -0.75f, 20, 0}, {S::Tick, -0.5f, 10, 0}}
        << QList<Run>{{-1.0f, 10}, {-0.75f, 10}};
    QTest::newRow("loud single sound limited")
        << QList<Cue>{{S::Tick, 3.0f, 10, 0}} << QList<Run>{{1.0f, 10}, {0.0f, 5}};
    QTest::newRow("opposite signs cancel")
        << QList<Cue>{{S::Speech, 0.5f, 10, 0}, {S::Tick, -0.5f, 10, 0}} << QList<Run>{{0.0f, 12}};
}

void TestMixer::sequence()
{
    QFETCH(QList<Cue>, cues);
    QFETCH(QList<Run>, expected);
    const QList<float> want = expand(expected);
    Mixer mixer;
    const QList<float> got = render(mixer, cues, int(want.size()));
    QCOMPARE(got, want);
    QVERIFY(!mixer.isPlaying(Mixer::Slot::Speech));
    QVERIFY(!mixer.isPlaying(Mixer::Slot::Tick));
}

void TestMixer::stop_data()
{
    QTest::addColumn<Mixer::Slot>("stopped");
    QTest::addColumn<Mixer::Slot>("kept");
    QTest::addColumn<float>("keptLevel");
    QTest::newRow("stop speech") << Mixer::Slot::Speech << Mixer::Slot::Tick << 0.5f;
    QTest::newRow("stop tick") << Mixer::Slot::Tick << Mixer::Slot::Speech << 0.25f;
}

void TestMixer::stop()
{
    QFETCH(Mixer::Slot, stopped);
    QFETCH(Mixer::Slot, kept);
    QFETCH(float, keptLevel);
    Mixer mixer;
    mixer.play(Mixer::Slot::Speech, constant(0.25f, 100));
    mixer.play(Mixer::Slot::Tick, constant(0.5f, 100));
    mixGuarded(mixer, 10);

    mixer.stop(stopped);
    QVERIFY(!mixer.isPlaying(stopped));
    QVERIFY(mixer.isPlaying(kept));
    QCOMPARE(mixGuarded(mixer, 10), QList<float>(10, keptLevel));
}

void TestMixer::emptyOrNullSoundIsSilent_data()
{
    QTest::addColumn<bool>("null");
    QTest::newRow("null") << true;
    QTest::newRow("empty") << false;
}

void TestMixer::emptyOrNullSoundIsSilent()
{
    QFETCH(bool, null);
    Mixer mixer;
    mixer.play(Mixer::Slot::Tick, constant(0.5f, 100));
    mixer.play(Mixer::Slot::Tick, null ? SampleBuffer() : constant(0.0f, 0));
    QVERIFY(!mixer.isPlaying(Mixer::Slot::Tick));
    QCOMPARE(mixGuarded(mixer, 10), QList<float>(10, 0.0f));
}

void TestMixer::notANumberComesOutSilent()
{
    Mixer mixer;
    mixer.play(Mixer::Slot::Tick, constant(std::numeric_limits<float>::quiet_NaN(), 4));
    QCOMPARE(mixGuarded(mixer, 6), QList<float>(6, 0.0f));
}

// Replacing a sound while the audio thread reads it must never leave mix() reading a freed
// buffer (the sanitizer build catches it if it does).
void TestMixer::playFromAnotherThreadWhileMixing()
{
    Mixer mixer;
    std::thread player([&mixer] {
        for (int i = 0; i < 20000; ++i)
            mixer.play(i % 2 ? Mixer::Slot::Tick : Mixer::Slot::Speech,
                       constant(0.25f, 1 + i % 300));
    });
    float loudest = 0.0f;
    for (int i = 0; i < 5000; ++i)
        for (float v : mixGuarded(mixer, 64))
            loudest = std::max(loudest, std::fabs(v));
    player.join();
    QVERIFY(loudest <= 0.5f);
}

QTEST_APPLESS_MAIN(TestMixer)
#include "test_mixer.moc"
