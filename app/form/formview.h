#pragma once

#include "app/form/heldkeys.h"
#include "app/form/panel.h"

#include <QWidget>
#include <map>
#include <optional>

// A window that shows one Panel centred in a black surround and turns mouse and keyboard
// input into the control events the window's logic handles: MouseDown for every press,
// MouseMove while a button is held, MouseUp for every release, all three delivered to the
// control the button went down on; Click for a left press and release on the same control,
// and DblClick for the second left press of a double click. A key goes first to the focused
// control's KeyDown, with every repeat of a held key; what that leaves, the keyboard uses to
// move a focus through the panel's tab order and to press the focused control exactly as the
// mouse would, once for each time a key goes down, however long it is held.
class FormView : public QWidget
{
    Q_OBJECT
public:
    explicit FormView(QWidget* parent = nullptr);
    ~FormView() override;

    Panel& panel() { return form; }
    const Panel& panel() const { return form; }

    // Centres the panel in an area of the given size (logical pixels); a panel larger than
    // the area is shrunk to fit, and a smaller one grows to fit when it may. Every resize of
    // the window does this again.
    void fitPanelTo(QSizeF area);
    // Whether the panel grows to the largest size the window allows, drawn sharp at that
    // size, or keeps its own; it fits the window again at once.
    void setPanelMayGrow(bool grow);
    // Window pixels per panel pixel: 1 unless the panel had to shrink or could grow.
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

    // A control that holds a value a screen reader can read and change, as a slider does;
    // most hold none.
    struct Value {
        double current = 0, minimum = 0, maximum = 0, step = 1;
        QString text; // how the value reads, "3:15" rather than 39
    };
    virtual std::optional<Value> accessibleValue(const Control& control) const;
    // A screen reader setting a control's value: the window's change, then the same repaint
    // and announcements as after any input.
    void setControlValue(Control& control, double value);

    // Repaints the panel alone, for a change that touches nothing outside it.
    void repaintPanel();

    // Frames painted so far; a repaint is done when this moves.
    quint64 framesPainted() const { return frames; }

    // Button codes handed to mouse handlers, and the Shift, Ctrl and Alt keys as a sum of 1,
    // 2 and 4.
    static int buttonCode(Qt::MouseButton button);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

signals:
    // Whoever shows the controls elsewhere (a screen reader's view of them) hears of changes
    // through these; the view itself knows no one who listens.
    // A control's text, state or value may have changed: after every input, and whenever the
    // window changes its controls by itself.
    void contentChanged();
    // The keyboard focus moved to another control.
    void focusMoved();
    // The controls are about to go, while they still exist.
    void controlsEnding();

protected:
    virtual void controlClick(Control& control) = 0;
    virtual void controlMouseUp(Control& control, int button, int shift, float x, float y) = 0;
    virtual void surfaceClick() = 0;
    // x and y are twips from the control's top-left corner; for MouseMove, button is the sum
    // of the codes of the buttons held.
    virtual void controlMouseDown(Control&, int /*button*/, int /*shift*/, float, float) {}
    virtual void controlMouseMove(Control&, int /*button*/, int /*shift*/, float, float) {}
    virtual void controlDblClick(Control&) {}
    // A key pressed while the control has the focus; true when the window used it. Held
    // keys come again with every repeat.
    virtual bool controlKeyDown(Control&, int /*key*/, int /*shift*/) { return false; }
    virtual void setAccessibleValue(Control&, double /*value*/) {}
    // A press by key or by a screen reader, before it becomes the click a mouse would make;
    // true when the window took it otherwise. A control the mouse must hold down or click
    // twice, so that no stray click opens it, opens on one press here.
    virtual bool controlPressed(Control&, int /*button*/) { return false; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
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
    void afterInput();
    void moveFocus(int step);
    void focusOnPressed(const Control* control);

    Panel form;
    std::map<Qt::MouseButton, Press> pressed;
    HeldKeys heldKeys;
    quint64 frames = 0;
    double scale = 1;
    bool mayGrow = false;
    std::size_t focusIndex = 0;
    bool keyboardInUse = false;
};
