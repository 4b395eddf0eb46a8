#pragma once

#include "app/form/heldkeys.h"
#include "app/form/panel.h"

#include <QWidget>
#include <map>

// A window that shows one Panel centred in a black surround and turns mouse and keyboard
// input into the control events the window's logic handles: Click for a left press and
// release on the same control, MouseUp for every release, delivered to the control the
// button went down on. The keyboard moves a focus through the panel's tab order and
// presses the focused control exactly as the mouse would, once for each time a key goes
// down, however long it is held.
class FormView : public QWidget
{
    Q_OBJECT
public:
    explicit FormView(QWidget* parent = nullptr);
    ~FormView() override;

    Panel& panel() { return form; }
    const Panel& panel() const { return form; }

    // Centres the panel in an area of the given size (logical pixels); a panel larger than
    // the area is shrunk to fit. Every resize of the window does this again.
    void fitPanelTo(QSizeF area);
    // Window pixels per panel pixel: 1 unless the panel had to shrink.
    double panelScale() const { return scale; }

    // The control under a point of the window (logical pixels), or nullptr for the bare
    // panel and the surround.
    Control* controlAt(QPointF windowPos) const;
    // Window position of a point given in twips inside the panel.
    QPointF windowPosOf(float xTwips, float yTwips) const;

    // The control that keys act on, and whether its focus mark shows: only after a key
    // press, until the next mouse press, so a mouse user never sees it.
    Control* focusedControl() const;
    bool showsFocusMark() const { return keyboardInUse; }
    // What a left (button 1) or right (button 2) click on the control does: the same
    // MouseUp and, for the left button, Click, in the same order.
    void pressControl(Control& control, int button);

    // What a screen reader reads after a control's name: its tooltip, unless the window
    // knows more.
    virtual QString accessibleDescription(const Control& control) const;

    // Frames painted so far; a repaint is done when this moves.
    quint64 framesPainted() const { return frames; }

    // Button codes handed to MouseUp handlers.
    static int buttonCode(Qt::MouseButton button);

protected:
    virtual void controlClick(Control& control) = 0;
    virtual void controlMouseUp(Control& control, int button, int shift, float x, float y) = 0;
    virtual void surfaceClick() = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Target { Control, Panel, Surface };
    struct Press {
        Target target;
        Control* control;
    };
    Press pressTargetAt(QPointF pos) const;
    QPointF panelTwipsAt(QPointF windowPos) const;
    void moveFocus(int step);
    void focusOnPressed(const Control* control);

    Panel form;
    std::map<Qt::MouseButton, Press> pressed;
    HeldKeys heldKeys;
    quint64 frames = 0;
    double scale = 1;
    std::size_t focusIndex = 0;
    bool keyboardInUse = false;
};
