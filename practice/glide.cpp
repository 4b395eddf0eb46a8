// After a second wrong answer the hands move to the time by themselves, each the shorter way
// to its own place and slowly enough to follow, so the child sees how far off they were.
#include "app/frmclock.h"

void frmclock::glideHandsTo(int minutes)
{
    glideFrom = setHands;
    glideSteps = 0;
    setHands = minutes;
    glideTimer.start();
}

void frmclock::glideStep()
{
    if (unloaded) {
        glideTimer.stop();
        return;
    }
    if (++glideSteps >= kGlideSteps) {
        finishGlide();
        return;
    }
    showHands(glideHands(glideFrom, setHands, double(glideSteps) / kGlideSteps));
}

// The voice says the time as the hands arrive.
void frmclock::finishGlide()
{
    glideTimer.stop();
    showHands(handPositions(setHands));
    speakText(phrasing().shown(timePhrase));
    emit contentChanged();
}
