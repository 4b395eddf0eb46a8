#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "speech/currenttimetext.h"

void frmclock::sayCurrentTime(const TimeOfDay& now)
{
    lblDigital->Visible = true;
    const CurrentTimeText text = currentTimeText(now.hour, now.minute);
    shownMinuteMark = now.minute;
    shownHour = text.hour12;
    timePhrase = text.timePhrase;
    speakText(text.spoken);
    setCaption(*lblDigital, text.caption);
}
