// The keyboard: a focus moves through the panel's tab order, and the focused control is
// pressed by the same events a mouse click on it would send.
#include "app/form/formview.h"

#include <QKeyEvent>

namespace
{
bool isCloseKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Q && modifiers == Qt::ControlModifier) ||
           (event->key() == Qt::Key_F4 && modifiers == Qt::AltModifier);
}

// The left click of a button is Space or Enter; its right click is the Menu key or
// Shift+F10. Zero for any other key.
int buttonOfKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 1;
    case Qt::Key_Menu:
        return 2;
    case Qt::Key_F10:
        return event->modifiers() & Qt::ShiftModifier ? 2 : 0;
    default:
        return 0;
    }
}
} // namespace

Control* FormView::focusedControl() const
{
    return focusIndex < form.tabOrder.size() ? form.tabOrder[focusIndex] : nullptr;
}

void FormView::pressControl(Control& control, int button)
{
    if (controlPressed(control, button)) {
        afterInput();
        return;
    }
    controlMouseUp(control, button, 0, control.Width / 2, control.Height / 2);
    if (button == 1)
        controlClick(control);
    afterInput();
}

void FormView::moveFocus(int step)
{
    // Round and round, over any control that is hidden.
    const int count = static_cast<int>(form.tabOrder.size());
    int next = static_cast<int>(focusIndex);
    for (int tried = 0; tried < count; ++tried) {
        next = (next + step + count) % count;
        if (form.tabOrder[next]->Visible) {
            focusIndex = static_cast<std::size_t>(next);
            break;
        }
    }
    update();
    emit focusMoved();
}

void FormView::focusOnPressed(const Control* control)
{
    for (std::size_t i = 0; i < form.tabOrder.size(); ++i)
        if (form.tabOrder[i] == control && focusIndex != i) {
            focusIndex = i;
            emit focusMoved();
        }
    if (keyboardInUse) {
        keyboardInUse = false;
        update();
    }
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    const bool repeat =
        heldKeys.pressIsRepeat(event->key(), event->timestamp(), event->isAutoRepeat());
    keyboardInUse = true;
    update();
    if (isCloseKey(event)) {
        close();
        return;
    }
    Control* focused = focusedControl();
    if (focused && controlKeyDown(*focused, event->key(), shiftCode(event->modifiers()))) {
        afterInput();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        moveFocus(1);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        moveFocus(-1);
        return;
    default:
        break;
    }
    // A held key repeats; a child leaning on it must not click again and again.
    const int button = buttonOfKey(event);
    if (button && focused && !repeat)
        pressControl(*focused, button);
    else if (!button)
        QWidget::keyPressEvent(event); // nothing else, Escape included, does anything
}

void FormView::keyReleaseEvent(QKeyEvent* event)
{
    heldKeys.release(event->key(), event->timestamp(), event->isAutoRepeat());
    QWidget::keyReleaseEvent(event);
}

bool FormView::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab come here: they go round the panel's controls, not out of it.
    keyboardInUse = true;
    moveFocus(next ? 1 : -1);
    return true;
}

void FormView::focusOutEvent(QFocusEvent* event)
{
    // Keys released while another window has the keyboard are never seen here.
    heldKeys.forgetAll();
    QWidget::focusOutEvent(event);
}

void FormView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Qt announces the window itself after this returns; the control follows it.
    QMetaObject::invokeMethod(
        this, [this] { emit focusMoved(); }, Qt::QueuedConnection);
}
