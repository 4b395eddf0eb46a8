#pragma once

#include "app/form/control.h"

#include <QColor>
#include <memory>
#include <vector>

// The container of every control. The list order is the drawing order, top first, and
// the same order decides which control a mouse press lands on. One control may be made
// topmost: it then lies above all the others, as a window of its own would.
class Panel
{
public:
    float Left = 0, Top = 0;     // pixels inside the window
    float Width = 0, Height = 0; // twips
    QColor background;
    // The controls the keyboard moves through, in this order; no other control takes focus.
    std::vector<Control*> tabOrder;

    // Appends below every control added so far.
    Control& add(Control control);
    void setTopmost(Control& control) { topmost = &control; }

    Control* find(const QString& name) const;
    const std::vector<std::unique_ptr<Control>>& topToBottom() const { return controls; }
    Control* topmostControl() const { return topmost; }

    bool contains(float x, float y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    // The visible control that takes the mouse at (x, y) in twips, or nullptr when the
    // point falls on the bare panel or outside it.
    Control* hitTest(float x, float y) const;

private:
    std::vector<std::unique_ptr<Control>> controls;
    Control* topmost = nullptr;
};
