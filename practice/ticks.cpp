#include "app/frmclock.h"

namespace
{
const QByteArray k1Tic = QByteArrayLiteral("sounds\\1tic.wav");
const QByteArray k4Tics = QByteArrayLiteral("sounds\\4tics.wav");
} // namespace

// The player never throws and reports nothing the window acts on: whatever goes wrong with a
// file, the caller carries on as if it had been heard.
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
