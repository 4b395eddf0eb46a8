#include "app/form/formview.h"

#include "app/form/controlpainter.h"
#include "app/form/formaccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace
{
constexpr float kTwips = 15.0f;

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}
} // namespace

FormView::FormView(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(formAccessibleFactory), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int FormView::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    case Qt::BackButton:
        return 8;
    case Qt::ForwardButton:
        return 16;
    default:
        return 0;
    }
}

QPointF FormView::windowPosOf(float xTwips, float yTwips) const
{
    return {form.Left + xTwips / kTwips, form.Top + yTwips / kTwips};
}

Control* FormView::controlAt(QPointF pos) const
{
    return form.hitTest(static_cast<float>((pos.x() - form.Left) * kTwips),
                        static_cast<float>((pos.y() - form.Top) * kTwips));
}

FormView::Press FormView::pressTargetAt(QPointF pos) const
{
    if (Control* control = controlAt(pos))
        return {Target::Control, control};
    const bool onPanel = form.contains(static_cast<float>((pos.x() - form.Left) * kTwips),
                                       static_cast<float>((pos.y() - form.Top) * kTwips));
    return {onPanel ? Target::Panel : Target::Surface, nullptr};
}

void FormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.translate(form.Left, form.Top);
    paintPanel(painter, form);
    ++frames;
}

void FormView::mousePressEvent(QMouseEvent* event)
{
    pressed[event->button()] = pressTargetAt(event->position());
}

void FormView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is an ordinary press, so it gets its own
    // release events like the first.
    mousePressEvent(event);
}

void FormView::mouseReleaseEvent(QMouseEvent* event)
{
    const auto found = pressed.find(event->button());
    if (found == pressed.end())
        return;
    const Press press = found->second;
    pressed.erase(found);
    const Press here = pressTargetAt(event->position());
    const bool leftClick = event->button() == Qt::LeftButton && here.target == press.target &&
                           here.control == press.control;
    if (press.control) {
        const float x =
            static_cast<float>((event->position().x() - form.Left) * kTwips) - press.control->Left;
        const float y =
            static_cast<float>((event->position().y() - form.Top) * kTwips) - press.control->Top;
        controlMouseUp(*press.control, buttonCode(event->button()), shiftCode(event->modifiers()),
                       x, y);
        if (leftClick)
            controlClick(*press.control);
    } else if (leftClick && press.target == Target::Surface) {
        surfaceClick();
    }
    update();
}

bool FormView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Control* control = controlAt(help->pos());
        if (control && !control->toolTip.isEmpty())
            QToolTip::showText(help->globalPos(), control->toolTip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
