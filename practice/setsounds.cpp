#include "app/frmclock.h"

namespace
{
const QByteArray kSoftTic = QByteArrayLiteral("sounds\\softtic.wav");
const QByteArray kChime = QByteArrayLiteral("sounds\\chime.wav");
} // namespace

// A hand landing on a mark: quiet, as it may come many times a second.
void frmclock::playSoftTic()
{
    if (os.wave)
        os.wave->sndPlaySoundA(kSoftTic, WavePlayer::SND_ASYNC);
}

void frmclock::playChime()
{
    if (os.wave)
        os.wave->sndPlaySoundA(kChime, WavePlayer::SND_ASYNC);
}

// The first mark a hand lands on must tick at once, not after the file is read.
void frmclock::prepareSetSounds()
{
    if (os.wave) {
        os.wave->prepare(kSoftTic);
        os.wave->prepare(kChime);
    }
}
