#include "app/frmclock.h"
#include "speech/lang/phrasing.h"

namespace
{
const QByteArray k1Tic = QByteArrayLiteral("sounds\\1tic.wav");
const QByteArray k4Tics = QByteArrayLiteral("sounds\\4tics.wav");
} // namespace

// The voice and the player never throw and report nothing the window acts on: whatever goes
// wrong in them, the caller carries on as if it had been heard.
void frmclock::speakText(QString text)
{
    if (voice)
        voice->Speak(text, Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
}

void frmclock::play1Tic()
{
    if (os.wave)
        os.wave->sndPlaySoundA(k1Tic, WavePlayer::SND_ASYNC);
}

void frmclock::play4Tics()
{
    if (os.wave)
        os.wave->sndPlaySoundA(k4Tics, WavePlayer::SND_ASYNC);
}

// Every click ticks: the file is read now, in the background, rather than at the first one.
void frmclock::prepareTick()
{
    if (os.wave)
        os.wave->prepare(k1Tic);
}

const Phrasing& frmclock::phrasing() const
{
    return phrasingFor(language);
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
