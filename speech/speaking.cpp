#include "app/frmclock.h"
#include "speech/lang/phrasing.h"

// The voice never throws and reports nothing the window acts on: whatever goes wrong in it,
// the caller carries on as if it had been heard.
void frmclock::speakText(QString text)
{
    // A text still waiting to be said is dropped, as the voice drops what it is saying.
    voiceWait.stop();
    waitingText.clear();
    if (voice)
        voice->Speak(text, Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
}

// A sound played just before is heard on its own; any text said meanwhile takes this one's
// place rather than being followed by it.
void frmclock::speakTextAfter(QString text, int delayMs)
{
    voiceWait.stop();
    waitingText = std::move(text);
    voiceWait.start(delayMs);
}

void frmclock::speakWaitingText()
{
    voiceWait.stop();
    const QString text = std::exchange(waitingText, QString());
    if (!unloaded && !text.isNull())
        speakText(text);
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
