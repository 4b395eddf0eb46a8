#include "app/frmclock.h"

// The voice never throws and reports nothing the window acts on: whatever goes wrong in it,
// the caller carries on as if it had been heard.
void frmclock::speakText(QString text)
{
    if (voice)
        voice->Speak(text, Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
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
