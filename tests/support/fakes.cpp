#include "tests/support/fakes.h"

#include <stdexcept>

TimeOfDay FakeClock::timeOfDay()
{
    return script.isEmpty() ? fixed : script.takeFirst();
}

float FakeRandom::next()
{
    ++draws;
    if (failing)
        throw std::runtime_error("random source failed");
    return script.isEmpty() ? fallback : script.takeFirst();
}

void CountingPump::processPendingEvents()
{
    ++passes;
    if (onPass)
        onPass(passes);
}

static QStringList withPrefix(const QStringList& events, const QString& prefix)
{
    QStringList out;
    for (const QString& e : events)
        if (e.startsWith(prefix))
            out << e.mid(prefix.size());
    return out;
}

QStringList SoundLog::spoken() const
{
    return withPrefix(events, QStringLiteral("speak:"));
}
QStringList SoundLog::waves() const
{
    return withPrefix(events, QStringLiteral("wave:"));
}

int FakeVoice::Speak(const QString& text, int f)
{
    log.events << QStringLiteral("speak:") + text;
    flags << f;
    return 0;
}

bool FakeWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned f)
{
    log.events << QStringLiteral("wave:") + QString::fromLatin1(path);
    flags << f;
    return true;
}

FakePlatform::FakePlatform()
{
    platform.clock = &clock;
    platform.random = &random;
    platform.pump = &pump;
    platform.wave = &wave;
    platform.makeVoice = [this](const QString& name, const QString& language) {
        voiceClassAsked = name;
        voiceLanguageAsked = language;
        VoiceCreation made;
        if (voiceFails)
            made.failure = QStringLiteral("no speech synthesiser in this test");
        else
            made.voice = std::make_unique<FakeVoice>(sounds);
        return made;
    };
    platform.notice = [this](const QString& text) { notices << text; };
}
