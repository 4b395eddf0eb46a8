#include "app/form/textfit.h"
#include "app/frmclock.h"

namespace
{
// A step of the click handler that fails is skipped; the handler goes on with the next,
// so a left click always moves the cycle on.
template <typename Step> void attempt(Step step)
{
    try {
        step();
    } catch (...) {
    }
}
} // namespace

void frmclock::lblClickMe_MouseUp(int Button, int /*Shift*/, float /*X*/, float /*Y*/)
{
    if (endTouchHold(Button))
        return;
    if (practiceMode == PracticeMode::set) {
        setClockClicked(Button);
        return;
    }
    if (Button == 1 && clickState == ClickState::get) {
        const QString prompt = promptText();
        attempt([this, &prompt] { setCaption(*lblTop, prompt); });
        attempt([this] { nextTime(); });
        clickState = ClickState::say;
    } else if (Button == 1) {
        attempt([this] { setCaption(*lblTop, QString()); });
        attempt([this] { lblDigital->Visible = true; });
        attempt([this] { speakTimePhrase(); });
        clickState = ClickState::get;
    } else if (Button == 2) {
        attempt([this] { sayAltPhrase(); });
    }
}

// What the prompt on the dial says while the child is asked.
QString frmclock::promptText() const
{
    return practiceMode == PracticeMode::set ? tr("Show The Time") : tr("Say The Time Outloud");
}

void frmclock::nextTime()
{
    play1Tic();
    advanceTime();
    lblDigital->Visible = false;
}
