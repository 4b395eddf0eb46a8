// The child's hands in Set mode: dragged with the mouse or a finger (Qt turns touches into
// mouse events), stepped with the keys, always on a whole unit of the precision: a mark, or
// at the finest precision a minute.
#include "app/frmclock.h"
#include "clockface/dialmath.h"

#include <QApplication>
#include <QLineF>
#include <cmath>

namespace
{
// How far from a hand a press still takes hold of it: a child's fingertip, about 20 pixels
// either side at the design's size.
constexpr float kReachTwips = 300;
} // namespace

void frmclock::lblClickMe_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    if (practiceMode != PracticeMode::set || Button != 1)
        return;
    setGesture = SetGesture{};
    setGesture.down = true;
    setGesture.pressedAt = QPointF(X, Y);
    if (isGliding()) {
        finishGlide();
        setGesture.consumed = true;
        return;
    }
    const TwipPoint at{lblClickMe->Left + X, lblClickMe->Top + Y};
    setGesture.hand =
        handAt({dialCenterX, dialCenterY}, handTip(Line1), handTip(Line2), at, kReachTwips);
}

void frmclock::lblClickMe_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    if (practiceMode != PracticeMode::set || !(Button & 1) || !setGesture.down ||
        setGesture.consumed)
        return;
    // The hands stay put until the press is plainly a drag, so a click never moves them.
    if (!setGesture.dragged && !movedPastDragDistance(X, Y))
        return;
    setGesture.dragged = true;
    if (setGesture.hand == Hand::none)
        return;
    const double position =
        dialPositionAt({dialCenterX, dialCenterY}, {lblClickMe->Left + X, lblClickMe->Top + Y});
    putHandsAt(setGesture.hand == Hand::minute
                   ? minuteHandDraggedTo(setHands, position, precisionRow(precisionMode).handUnit)
                   : hourHandDraggedTo(setHands, position));
}

// The second click of a double click is the child's hurry, not a second answer.
void frmclock::lblClickMe_DblClick()
{
    if (practiceMode == PracticeMode::set)
        setGesture.consumed = true;
}

bool frmclock::lblClickMe_KeyDown(int KeyCode, int /*Shift*/)
{
    const int step = handStepForKey(KeyCode, precisionRow(precisionMode).handUnit);
    if (practiceMode != PracticeMode::set || step == 0)
        return false;
    if (!isGliding())
        putHandsAt(wrapMinutes(setHands + step));
    return true;
}

// Each time a hand lands on ticks softly.
void frmclock::putHandsAt(int minutes)
{
    if (minutes == setHands)
        return;
    setHands = minutes;
    showHandsAt(minutes);
    playSoftTic();
}

// Hands only: in Set mode the readout shows the time asked for, not the hands'.
void frmclock::showHandsAt(double minutes)
{
    shownHour = minutes / 60;
    shownMinuteMark = std::fmod(minutes, 60) / 5;
    drawHourHand();
    moveMinuteHand();
    repaintPanel();
}

TwipPoint frmclock::handTip(const Control* hand) const
{
    return {hand->X2, hand->Y2};
}

bool frmclock::movedPastDragDistance(float x, float y) const
{
    const QPointF from =
        windowPosOf(float(setGesture.pressedAt.x()), float(setGesture.pressedAt.y()));
    const QPointF to = windowPosOf(x, y);
    return QLineF(from, to).length() >= QApplication::startDragDistance();
}
