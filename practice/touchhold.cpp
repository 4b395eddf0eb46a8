// A touch screen has no right button: a finger held still on the clock is its right click,
// in either practice. In Set mode a finger held on a hand is only holding it, and a mouse
// button held down, however long, stays a plain press.
#include "app/frmclock.h"

#include <QMouseEvent>

// Qt hands the window a touch as the mouse events it makes of it; only their device tells.
void frmclock::mousePressEvent(QMouseEvent* event)
{
    const QPointingDevice* device = event->pointingDevice();
    pressByFinger = (device && device->type() == QInputDevice::DeviceType::TouchScreen) ||
                    event->source() == Qt::MouseEventSynthesizedBySystem ||
                    event->source() == Qt::MouseEventSynthesizedByQt;
    FormView::mousePressEvent(event);
}

void frmclock::watchTouchHold(float X, float Y)
{
    touchHoldTimer.stop();
    touchHold = TouchHold{QPointF(X, Y), false};
    if (!pressByFinger || isGliding())
        return;
    const TwipPoint at{lblClickMe->Left + X, lblClickMe->Top + Y};
    if (practiceMode == PracticeMode::set &&
        handUnder({dialCenterX, dialCenterY}, {Line1->X2, Line1->Y2}, {Line2->X2, Line2->Y2}, at) !=
            Hand::none)
        return;
    touchHoldTimer.start();
}

// A finger that slides is dragging, not holding.
void frmclock::touchMoved(float X, float Y)
{
    if (touchHoldTimer.isActive() && movedPastDragDistance(touchHold.at, X, Y))
        touchHoldTimer.stop();
}

void frmclock::touchHeld()
{
    if (unloaded)
        return;
    touchHold.served = true;
    setGesture.consumed = true; // nor does the finger move the hands any more
    lblClickMe_MouseUp(2, 0, float(touchHold.at.x()), float(touchHold.at.y()));
    emit contentChanged();
}

// Lifting the finger that made the right click is no left click.
bool frmclock::endTouchHold(int Button)
{
    if (Button != 1)
        return false;
    touchHoldTimer.stop();
    if (!std::exchange(touchHold.served, false))
        return false;
    setGesture = SetGesture{};
    return true;
}
