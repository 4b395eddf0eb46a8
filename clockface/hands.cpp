#include "app/frmclock.h"
#include "clockface/dialmath.h"

void frmclock::drawHourHand()
{
    const TwipPoint end = handEnd(dialCenterX, dialCenterY, hourHandLength, shownHour);
    Line2->X2 = end.x;
    Line2->Y2 = end.y;
}

// The readout follows the minute hand, so whoever moves the time on reads it right away.
void frmclock::drawMinuteHand()
{
    moveMinuteHand();
    showDigitalTime();
}

void frmclock::moveMinuteHand()
{
    const TwipPoint end = handEnd(dialCenterX, dialCenterY, minuteHandLength, shownMinuteMark);
    Line1->X2 = end.x;
    Line1->Y2 = end.y;
}
