#pragma once

#include "app/form/panel.h"

#include <QWidget>
#include <map>

// A window that shows one Panel centred in a black surround and turns mouse input into
// the control events the window's logic handles: Click for a left press and release on
// the same control, MouseUp for every release, delivered to the control the button went
// down on.
class FormView : public QWidget
{
    Q_OBJECT
public:
    explicit FormView(QWidget* parent = nullptr);

    Panel& panel() { return form; }
    const Panel& panel() const { return form; }

    // The control under a point of the window (logical pixels), or nullptr for the bare
    // panel and the surround.
    Control* controlAt(QPointF windowPos) const;
    // Window position of a point given in twips inside the panel.
    QPointF windowPosOf(float xTwips, float yTwips) const;

    // Frames painted so far; a repaint is done when this moves.
    quint64 framesPainted() const { return frames; }

    // Button codes handed to MouseUp handlers.
    static int buttonCode(Qt::MouseButton button);

protected:
    virtual void controlClick(Control& control) = 0;
    virtual void controlMouseUp(Control& control, int button, int shift, float x, float y) = 0;
    virtual void surfaceClick() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Target { Control, Panel, Surface };
    struct Press {
        Target target;
        Control* control;
    };
    Press pressTargetAt(QPointF pos) const;

    Panel form;
    std::map<Qt::MouseButton, Press> pressed;
    quint64 frames = 0;
};
