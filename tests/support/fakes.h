#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

// Readings are taken from the script; when it runs dry the fixed time answers.
class FakeClock : public SystemClock
{
public:
    FakeClock(int h = 14, int m = 7) : fixed{h, m} {}
    void set(int h, int m) { fixed = {h, m}; }
    TimeOfDay timeOfDay() override;

    QList<TimeOfDay> script;
    TimeOfDay fixed;
};

class FakeRandom : public RandomSource
{
public:
    void reseedFromTimer() override { ++reseeds; }
    float next() override;

    QList<float> script; // consumed first; then `fallback`
    float fallback = 0.0f;
    bool failing = false; // next() throws, as a broken source would
    int reseeds = 0;
    int draws = 0;
};

class CountingPump : public EventPump
{
public:
    void processPendingEvents() override;

    long long passes = 0;
    std::function<void(long long)> onPass; // called with the pass number, 1-based
};

// Every sound or speech request, in order, as "speak:<text>" / "wave:<path>".
struct SoundLog {
    QStringList events;
    QStringList spoken() const;
    QStringList waves() const;
};

class FakeVoice : public Voice
{
public:
    explicit FakeVoice(SoundLog& log) : log(log) {}
    int Speak(const QString& text, int flags) override;
    SoundLog& log;
    QList<int> flags;
};

class FakeWavePlayer : public WavePlayer
{
public:
    explicit FakeWavePlayer(SoundLog& log) : log(log) {}
    bool sndPlaySoundA(const QByteArray& path, unsigned flags) override;
    SoundLog& log;
    QList<unsigned> flags;
};

// A full set of fakes wired into a Platform.
struct FakePlatform {
    FakePlatform();
    FakeClock clock;
    FakeRandom random;
    CountingPump pump;
    SoundLog sounds;
    FakeWavePlayer wave{sounds};
    QStringList notices;
    bool voiceFails = false;
    QString voiceClassAsked;
    QString voiceLanguageAsked;
    Platform platform;
};
