#include "app/frmclock.h"
#include "speech/lang/phrasing.h"

// The voice never throws and reports nothing the window acts on: whatever goes wrong in it,
// the caller carries on as if it had been heard.
void frmclock::speakText(QString text)
{
    if (voice)
        voice->Speak(text, Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
}

const Phrasing& frmclock::phrasing() const
{
    return phrasingFor(language);
}

void frmclock::speakTimePhrase()
{
    speakText(timePhrase);
}

void frmclock::speakAltPhrase()
{
    speakText(altTimePhrase);
}

void frmclock::sayAltPhrase()
{
    speakAltPhrase();
}
