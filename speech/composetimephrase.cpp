#include "app/frmclock.h"
#include "practice/practicetable.h"
#include "speech/dayphrase.h"
#include "speech/shownphrase.h"

// The hand is read in the unit of the precision that put it there: a time of the finest
// precision is a whole minute, and is said as one; then it is placed in its half of the day
// where the hours of the day are told.
void frmclock::composeTimePhrase()
{
    std::optional<ComposedTime> composed = composeShownTimeIn(
        phrasing(), shownHour, shownMinuteMark, precisionRow(precisionMode).handUnit);
    if (!composed)
        return;
    placeInDay(*composed, phrasing(), hours, shownDayHalf);
    shownHour = composed->shownHour;
    shownMinuteMark = composed->shownMinuteMark;
    timePhrase = composed->timePhrase;
    altTimePhrase = composed->altTimePhrase;
    // Either may be asked for next; made now, both are heard the moment they are.
    if (voice)
        voice->prepare({timePhrase, altTimePhrase});
}
