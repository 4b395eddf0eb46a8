#include "app/frmclock.h"
#include "speech/lang/phrasing.h"

void frmclock::composeTimePhrase()
{
    const std::optional<ComposedTime> composed =
        composeTimePhraseIn(phrasing(), shownHour, shownMinuteMark);
    if (!composed)
        return;
    shownHour = composed->shownHour;
    shownMinuteMark = composed->shownMinuteMark;
    timePhrase = composed->timePhrase;
    altTimePhrase = composed->altTimePhrase;
    // Either may be asked for next; made now, both are heard the moment they are.
    if (voice)
        voice->prepare({timePhrase, altTimePhrase});
}
