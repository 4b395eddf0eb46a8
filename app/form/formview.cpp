#include "app/form/formview.h"

#include "app/form/controlpainter.h"
#include "app/form/panelfit.h"
#include "app/form/twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

FormView::FormView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

FormView::~FormView()
{
    emit controlsEnding();
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

int FormView::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

QString FormView::accessibleDescription(const Control& control) const
{
    return control.toolTip;
}

std::optional<FormView::Value> FormView::accessibleValue(const Control&) const
{
    return std::nullopt;
}

void FormView::setControlValue(Control& control, double value)
{
    setAccessibleValue(control, value);
    afterInput();
}

void FormView::afterInput()
{
    update();
    emit contentChanged();
}

void FormView::repaintPanel()
{
    const QPointF topLeft = windowPosOf(0, 0);
    const QPointF bottomRight = windowPosOf(form.Width, form.Height);
    update(QRectF(topLeft, bottomRight).toAlignedRect());
}

void FormView::fitPanelTo(QSizeF area)
{
    const PanelFit fit =
        fitPanel(area, QSizeF(form.Width / kTwipsPerPixel, form.Height / kTwipsPerPixel), mayGrow);
    form.Left = fit.left;
    form.Top = fit.top;
    scale = fit.scale;
    update();
}

void FormView::setPanelMayGrow(bool grow)
{
    mayGrow = grow;
    fitPanelTo(size());
}

QPointF FormView::windowPosOf(float xTwips, float yTwips) const
{
    return {form.Left + xTwips / kTwipsPerPixel * scale,
            form.Top + yTwips / kTwipsPerPixel * scale};
}

QPointF FormView::panelTwipsAt(QPointF pos) const
{
    return {(pos.x() - form.Left) / scale * kTwipsPerPixel,
            (pos.y() - form.Top) / scale * kTwipsPerPixel};
}

Control* FormView::controlAt(QPointF pos) const
{
    const QPointF twips = panelTwipsAt(pos);
    return form.hitTest(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

FormView::Press FormView::pressTargetAt(QPointF pos) const
{
    if (Control* control = controlAt(pos))
        return {Target::Control, control};
    const QPointF twips = panelTwipsAt(pos);
    const bool onPanel =
        form.contains(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    return {onPanel ? Target::Panel : Target::Surface, nullptr};
}

void FormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // QPainter never draws below one device pixel per logical pixel, so with a scale
    // factor under 1 it would paint a larger picture than the window's logical size and
    // the mouse's positions describe, cut off at the screen's edge; shrink it back.
    const qreal ratio = painter.device()->devicePixelRatio();
    if (ratio < 1)
        painter.scale(ratio, ratio);
    painter.fillRect(rect(), Qt::black);
    painter.translate(form.Left, form.Top);
    if (scale != 1)
        painter.scale(scale, scale);
    const Control* focused = keyboardInUse ? focusedControl() : nullptr;
    paintPanel(painter, form, focused && focused->focusFrame ? focused->focusFrame : focused);
    ++frames;
}

void FormView::resizeEvent(QResizeEvent* event)
{
    fitPanelTo(event->size());
    QWidget::resizeEvent(event);
}

void FormView::mousePressEvent(QMouseEvent* event)
{
    const Press press = pressTargetAt(event->position());
    pressed[event->button()] = press;
    focusOnPressed(press.control);
    if (press.control) {
        const QPointF twips = panelTwipsAt(event->position());
        controlMouseDown(*press.control, buttonCode(event->button()), shiftCode(event->modifiers()),
                         static_cast<float>(twips.x()) - press.control->Left,
                         static_cast<float>(twips.y()) - press.control->Top);
    }
}

void FormView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is an ordinary press, so it gets its own
    // release events like the first.
    mousePressEvent(event);
    const Press press = pressed[event->button()];
    if (event->button() == Qt::LeftButton && press.control)
        controlDblClick(*press.control);
}

void FormView::mouseMoveEvent(QMouseEvent* event)
{
    // The moves go where the first button held went down, as long as any is held.
    Control* control = nullptr;
    int buttons = 0;
    for (const auto& [button, press] : pressed) {
        if (!(event->buttons() & button))
            continue;
        buttons |= buttonCode(button);
        if (!control)
            control = press.control;
    }
    if (!control)
        return;
    const QPointF twips = panelTwipsAt(event->position());
    controlMouseMove(*control, buttons, shiftCode(event->modifiers()),
                     static_cast<float>(twips.x()) - control->Left,
                     static_cast<float>(twips.y()) - control->Top);
    emit contentChanged();
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
        const QPointF twips = panelTwipsAt(event->position());
        controlMouseUp(*press.control, buttonCode(event->button()), shiftCode(event->modifiers()),
                       static_cast<float>(twips.x()) - press.control->Left,
                       static_cast<float>(twips.y()) - press.control->Top);
        if (leftClick)
            controlClick(*press.control);
    } else if (leftClick && press.target == Target::Surface) {
        surfaceClick();
    }
    afterInput();
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
