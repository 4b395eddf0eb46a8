// The child's hands in Set mode: dragged with the mouse or a finger (Qt turns touches into
// mouse events), stepped with the keys, always on a whole unit of the precision: a mark, or
// at the finest precision a minute.
#include "app/frmclock.h"
#include "clockface/dialmath.h"

#include <QApplication>
#include <QLineF>
#include <cmath>

void frmclock::lblClickMe_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    if (Button == 1)
        watchTouchHold(X, Y);
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
    // Anywhere on the clock will do: the press takes the hand it is on, or else the hand on its
    // side of the dial.
    const HandPositions hands = handPositions(setHands);
    setGesture.hand =
        handToDrag({dialCenterX, dialCenterY}, {Line1->X2, Line1->Y2}, {Line2->X2, Line2->Y2},
                   {lblClickMe->Left + X, lblClickMe->Top + Y}, hands.minuteMark, hands.hour);
}

void frmclock::lblClickMe_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    if (Button & 1)
        touchMoved(X, Y);
    if (practiceMode != PracticeMode::set || !(Button & 1) || !setGesture.down ||
        setGesture.consumed)
        return;
    // The hands stay put until the press is plainly a drag, so a click never moves them.
    if (!setGesture.dragged && !movedPastDragDistance(setGesture.pressedAt, X, Y))
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
    showHands(handPositions(minutes));
    playSoftTic();
}

// Hands only: in Set mode the readout shows the time asked for, not the hands'.
void frmclock::showHands(const HandPositions& hands)
{
    shownHour = hands.hour;
    shownMinuteMark = hands.minuteMark;
    drawHourHand();
    moveMinuteHand();
    repaintPanel();
}

bool frmclock::movedPastDragDistance(QPointF pressedAt, float x, float y) const
{
    const QPointF from = windowPosOf(float(pressedAt.x()), float(pressedAt.y()));
    const QPointF to = windowPosOf(x, y);
    return QLineF(from, to).length() >= QApplication::startDragDistance();
}
