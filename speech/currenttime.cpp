#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"
#include "speech/currenttimetext.h"
#include "speech/dayphrase.h"
#include "speech/lang/phrasing.h"

void frmclock::sayCurrentTime(const TimeOfDay& now)
{
    lblDigital->Visible = true;
    const CurrentTimeText text = currentTimeText(now.hour, now.minute);
    shownMinuteMark = now.minute;
    shownHour = text.hour12;
    const QString spoken = announcementIn(phrasing(), hours, now.hour, now.minute);
    speakText(spoken);
    showDayPicture(now.hour);
    switch (hours) {
    case Hours::twelve:
        // A reveal of a question asked during the pause says this time. The other languages
        // have no reading for a minute between the marks, so it says the whole announcement.
        timePhrase = language == Language::EnglishUS ? text.timePhrase : spoken;
        // The readout matches the dial: 12-hour, in every language.
        setCaption(*lblDigital, text.caption);
        break;
    case Hours::amPm:
        timePhrase = phrasing().day.readingAmPm(now.hour, now.minute);
        readoutTime = {now.hour, now.minute};
        setCaption(*lblDigital, text.caption, writtenHalf());
        break;
    case Hours::twentyFour:
        timePhrase = phrasing().day.reading24(now.hour, now.minute);
        setCaption(*lblDigital, dayReadout(now.hour, now.minute / 5.0));
        break;
    }
}
