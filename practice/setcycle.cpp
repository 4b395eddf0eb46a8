// Setting the clock: a click asks for a time, the child moves the hands, the next click
// checks them. Twice wrong, and the clock shows the time itself.
#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "speech/dayphrase.h"
#include "speech/timephrase.h"

namespace
{
// The phrases of a time in minutes from twelve; hour 0 is said as twelve, and placed in the
// half of the day where the day's hours are told.
ComposedTime phrasesOf(const Phrasing& phrasing, int minutes, Hours hours, DayHalf half)
{
    std::optional<ComposedTime> composed =
        composeMinutePhraseIn(phrasing, minutes / 60, minutes % 60);
    if (!composed)
        return ComposedTime{};
    placeInDay(*composed, phrasing, hours, half);
    return *composed;
}
} // namespace

void frmclock::setClockClicked(int Button)
{
    if (Button == 1) {
        // The release of a drag, or of a press that did something else, is no click.
        const SetGesture gesture = std::exchange(setGesture, {});
        if (gesture.dragged || gesture.consumed)
            return;
    }
    // A click while the hands glide hurries them there; it asks and checks nothing.
    if (isGliding()) {
        if (Button == 1 || Button == 2)
            finishGlide();
        return;
    }
    if (Button == 1 && setTarget.pending)
        checkHands();
    else if (Button == 1)
        askSetTarget();
    else if (Button == 2 && setTarget.pending)
        speakText(phrasing().askWorded(altTimePhrase));
    else if (Button == 2)
        sayHandsInWords();
}

// The readout shows the time asked for; the hands stay where the child left them.
void frmclock::askSetTarget()
{
    endReward();
    play1Tic();
    const ShownTime next = nextPracticeTime();
    setTarget =
        SetTarget{minutesOf(next, precisionRow(precisionMode).handUnit), true, 0, next.half};
    shownDayHalf = next.half;
    const ComposedTime target = phrasesOf(phrasing(), setTarget.minutes, hours, next.half);
    timePhrase = target.timePhrase;
    altTimePhrase = target.altTimePhrase;
    showReadout(setTarget.minutes / 60, (setTarget.minutes % 60) / 5.0, next.half);
    lblDigital->Visible = true;
    setCaption(*lblTop, promptText());
    // The tick is over before the voice asks, or it would cover the first word; the voice
    // makes the question ready meanwhile, then what may come next while the child turns the
    // hands.
    const QString ask = phrasing().askReading(timePhrase);
    speakTextAfter(ask, kTickAloneMs);
    if (voice)
        voice->prepare({ask, phrasing().right(timePhrase), phrasing().askWorded(altTimePhrase),
                        phrasing().shown(timePhrase)});
}

void frmclock::checkHands()
{
    switch (judge(setTarget, setHands)) {
    case Verdict::right:
        setCaption(*lblTop, QString());
        celebrate(phrasing().right(timePhrase));
        break;
    case Verdict::wrong:
        speakText(
            phrasing().wrong(phrasesOf(phrasing(), setHands, hours, setTarget.half).timePhrase));
        break;
    case Verdict::shown:
        setCaption(*lblTop, QString());
        glideHandsTo(setTarget.minutes); // says the time when the hands are there
        break;
    }
}

// The phrases of the time on the clock again, in the window's language as it is now.
void frmclock::rephraseShownTime()
{
    if (practiceMode == PracticeMode::set && setTarget.pending) {
        const ComposedTime target = phrasesOf(phrasing(), setTarget.minutes, hours, setTarget.half);
        timePhrase = target.timePhrase;
        altTimePhrase = target.altTimePhrase;
    } else if (!altTimePhrase.isEmpty()) {
        // Start-up's announcement leaves no worded phrase, and the hands hold its working
        // values, not a practice time: there is nothing to say again until one is shown.
        composeTimePhrase();
    }
}

void frmclock::sayHandsInWords()
{
    speakText(phrasesOf(phrasing(), setHands, hours, shownDayHalf).altTimePhrase);
}

void frmclock::endSetTarget()
{
    glideTimer.stop();
    endReward();
    setTarget = SetTarget{};
    setGesture = SetGesture{};
    setHands = 0;
    setCaption(*lblTop, QString());
    lblDigital->Visible = false;
}
