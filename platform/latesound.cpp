#include "platform/latesound.h"

// Requests are taken whatever becomes of them, as the real player takes one with no sound
// server: what the caller asked for is settled here.
bool LateWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned flags)
{
    if (path.isEmpty())
        return false;
    calls.call([path, flags](WavePlayer& real) { real.sndPlaySoundA(path, flags); });
    return true;
}

void LateWavePlayer::prepare(const QByteArray& path)
{
    calls.call([path](WavePlayer& real) { real.prepare(path); });
}

int LateVoice::Speak(const QString& text, int flags)
{
    calls->call([text, flags](Voice& real) { real.Speak(text, flags); });
    return 0;
}

void LateVoice::prepare(const QStringList& texts)
{
    calls->call([texts](Voice& real) { real.prepare(texts); });
}
