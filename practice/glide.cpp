// After a second wrong answer the hands move to the time by themselves, smoothly, the
// shorter way round, so the child sees how far off they were.
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
    showHandsAt(glidePosition(glideFrom, setHands, double(glideSteps) / kGlideSteps));
}

void frmclock::finishGlide()
{
    glideTimer.stop();
    showHandsAt(setHands);
    speakText(phrasing().shown(timePhrase));
    emit contentChanged();
}
