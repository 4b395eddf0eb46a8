// The part of the day in a small window of the dial, above the 6 as a watch shows the moon:
// between the centre and the numeral, so it covers neither the numerals, in either style,
// nor the minute marks, and the hands pass over it.
#include "app/frmclock.h"
#include "clockface/daypart.h"

void frmclock::placeDayPicture()
{
    imgDayPart->Left = dialCenterX - imgDayPart->Width / 2;
    imgDayPart->Top = dialCenterY + dialRadius / 2 - imgDayPart->Height / 2;
}

// Only a clock that tells the day's hours shows it.
void frmclock::showDayPicture(int hour24)
{
    imgDayPart->Visible = hours != Hours::twelve;
    imgDayPart->picture = dayPartPicture(dayPartAt(hour24));
}
