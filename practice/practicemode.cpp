// The Practice options: Read, where the clock shows a time and the child says it, and Set,
// where the voice asks for a time and the child puts the hands there.
#include "app/form/textfit.h"
#include "app/frmclock.h"

#include <algorithm>

namespace
{
struct Instructions {
    const char* steps;      // lblClickTheGreen
    const char* rightClick; // Label1, with the blank it has always begun with
};

// Translated where they are shown.
constexpr Instructions kRead{
    QT_TRANSLATE_NOOP("frmclock", "click the clock, then say the time outloud, then click the "
                                  "clock again to check your response."),
    QT_TRANSLATE_NOOP("frmclock", " right click the clock for an alternate time phrase.")};
constexpr Instructions kSet{
    QT_TRANSLATE_NOOP("frmclock", "click the clock to hear a time, move the hands to show it, "
                                  "then click the clock to check."),
    QT_TRANSLATE_NOOP("frmclock", " right click the clock to hear the time in words.")};
} // namespace

void frmclock::lblRead_Click()
{
    choosePracticeMode(PracticeMode::read);
}

void frmclock::lblSet_Click()
{
    choosePracticeMode(PracticeMode::set);
}

// Switching starts the practice afresh from twelve o'clock, as a precision does; a time
// asked or shown before is over. The practice already chosen is only named again: the
// question the child is answering, or the hands on their way, go on as they were.
void frmclock::choosePracticeMode(PracticeMode mode)
{
    const bool set = mode == PracticeMode::set;
    if (mode == practiceMode) {
        speakText(saying(phrasing(), set ? Saying::SetMode : Saying::ReadMode));
        return;
    }
    shpRead->Visible = !set;
    shpSet->Visible = set;
    glideTimer.stop();
    endReward();
    practiceMode = mode;
    fitClickAreaToPractice();
    showInstructions();
    describeClock();
    if (set)
        prepareSetSounds();
    speakText(saying(phrasing(), set ? Saying::SetMode : Saying::ReadMode));
    refreshClock();
    clickState = ClickState::get;
    setCaption(*lblTop, QString());
    lblDigital->Visible = !set;
}

// Setting the clock, a finger may take hold anywhere on the dial, its rim and a fingertip
// beyond, where the design's click area stops short of the rim at the sides. Reading keeps
// the design's area.
void frmclock::fitClickAreaToPractice()
{
    if (!readClickArea)
        readClickArea =
            QRectF(lblClickMe->Left, lblClickMe->Top, lblClickMe->Width, lblClickMe->Height);
    float left = float(readClickArea->left()), width = float(readClickArea->width());
    if (practiceMode == PracticeMode::set) {
        left = std::min(left, dialCenterX - dialRadius - kHandReachTwips);
        width =
            std::max(float(readClickArea->right()), dialCenterX + dialRadius + kHandReachTwips) -
            left;
    }
    lblClickMe->Left = left;
    lblClickMe->Width = width;
}

void frmclock::wirePracticeTimers()
{
    glideTimer.setInterval(kGlideStepMs);
    connect(&glideTimer, &QTimer::timeout, this, &frmclock::glideStep);
    voiceWait.setSingleShot(true);
    connect(&voiceWait, &QTimer::timeout, this, &frmclock::speakWaitingText);
    rewardTimer.setSingleShot(true);
    rewardTimer.setInterval(kRewardMs);
    connect(&rewardTimer, &QTimer::timeout, this, &frmclock::endReward);
    touchHoldTimer.setSingleShot(true);
    touchHoldTimer.setInterval(kTouchHoldMs);
    connect(&touchHoldTimer, &QTimer::timeout, this, &frmclock::touchHeld);
}

void frmclock::showInstructions()
{
    const Instructions& text = practiceMode == PracticeMode::set ? kSet : kRead;
    setCaption(*lblClickTheGreen, tr(text.steps));
    setCaption(*Label1, tr(text.rightClick));
}
