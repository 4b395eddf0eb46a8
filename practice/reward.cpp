// A right answer is celebrated so that a child notices: the chime alone first, then the
// voice's praise, and for a second the rim of the clock glows gold, which needs no reading.
// The hands and the readout stay as they are; a wrong answer has none of it.
#include "app/frmclock.h"

namespace
{
const QColor kGold(255, 196, 0);
} // namespace

void frmclock::celebrate(const QString& praise)
{
    playChime();
    // Whatever the voice was still saying would cover the chime.
    speakText(QString());
    speakTextAfter(praise, kChimeAloneMs);
    if (!rewardShown)
        rimColor = shapeClock->borderColor;
    rewardShown = true;
    shapeClock->borderColor = kGold;
    rewardTimer.start();
    repaintPanel();
}

void frmclock::endReward()
{
    rewardTimer.stop();
    if (!std::exchange(rewardShown, false))
        return;
    shapeClock->borderColor = rimColor;
    repaintPanel();
}
