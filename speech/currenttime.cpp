#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "speech/currenttimetext.h"
#include "speech/lang/phrasing.h"

void frmclock::sayCurrentTime(const TimeOfDay& now)
{
    lblDigital->Visible = true;
    const CurrentTimeText text = currentTimeText(now.hour, now.minute);
    shownMinuteMark = now.minute;
    shownHour = text.hour12;
    const QString spoken = phrasing().announcement(now.hour, now.minute);
    // A reveal of a question asked during the pause says this time. The other languages
    // have no reading for a minute between the marks, so it says the whole announcement.
    timePhrase = language == Language::EnglishUS ? text.timePhrase : spoken;
    speakText(spoken);
    // The readout matches the dial: 12-hour, in every language.
    setCaption(*lblDigital, text.caption);
}
