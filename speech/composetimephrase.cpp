#include "app/frmclock.h"
#include "speech/timephrase.h"

void frmclock::composeTimePhrase()
{
    const std::optional<ComposedTime> composed = composeTimePhraseFor(shownHour, shownMinuteMark);
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
