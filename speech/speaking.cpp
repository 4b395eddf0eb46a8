#include "app/frmclock.h"

// Sound is a nicety: whatever goes wrong in the voice or the player, the caller carries on
// as if it had been heard.
void frmclock::speakText(QString text)
{
    try {
        if (voice)
            voice->Speak(text, Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
    } catch (...) {
    }
}

namespace
{
void playWave(WavePlayer* player, const char* path)
{
    try {
        if (player)
            player->sndPlaySoundA(QByteArray(path), WavePlayer::SND_ASYNC);
    } catch (...) {
    }
}
} // namespace

void frmclock::play1Tic()
{
    playWave(os.wave, "sounds\\1tic.wav");
}

void frmclock::play4Tics()
{
    playWave(os.wave, "sounds\\4tics.wav");
}

void frmclock::speakTimePhrase()
{
    speakText(timePhrase);
}

void frmclock::speakAltPhrase()
{
    speakText(altTimePhrase);
}

void frmclock::sayAltPhrase()
{
    speakAltPhrase();
}
