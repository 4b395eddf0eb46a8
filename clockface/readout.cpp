#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"
#include "speech/dayphrase.h"

#include <cmath>

void frmclock::showDigitalTime()
{
    showReadout(shownHour, shownMinuteMark, shownDayHalf);
}

// The readout of a time and the picture of its part of the day. On the dial's twelve hours
// the readout is as it has always been; a.m. and p.m. write the half beside the 12-hour
// time where the language writes one, and the 24-hour clock counts the day's hours.
void frmclock::showReadout(double hour, double mark, DayHalf half)
{
    // Start-up holds the hour of the day itself, which the dial's hour of the half gives too.
    const int hour24 = hourOfDay(int(std::floor(hour)), half);
    showDayPicture(hour24);
    switch (hours) {
    case Hours::twelve:
        setCaption(*lblDigital, digitalReadout(hour, mark));
        break;
    case Hours::amPm:
        readoutTime = {hour24, int(std::nearbyint(mark * 5))};
        setCaption(*lblDigital, digitalReadout(hour24 % 12, mark), writtenHalf());
        break;
    case Hours::twentyFour:
        setCaption(*lblDigital, dayReadout(hour24, mark));
        break;
    }
}

QString frmclock::writtenHalf() const
{
    return writtenHalfIn(phrasing(), hours, readoutTime.hour24, readoutTime.minute);
}

// The half of the day is written in each language's own way ("pm", "p. m.", or not at all);
// the digits are the same in every language.
void frmclock::rewriteReadout()
{
    if (hours == Hours::amPm)
        setCaption(*lblDigital, lblDigital->Caption, writtenHalf());
}
