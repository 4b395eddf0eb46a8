#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "speech/currenttimetext.h"

void frmclock::sayCurrentTime()
{
    lblDigital->Visible = true;
    const int minute = os.clock->minute();
    const int hour = os.clock->hour();
    const CurrentTimeText now = currentTimeText(hour, minute);
    shownMinuteMark = minute;
    shownHour = now.hour12;
    timePhrase = now.timePhrase;
    speakText(now.spoken);
    setCaption(*lblDigital, now.caption);
}
