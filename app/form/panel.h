#pragma once

#include "app/form/control.h"

#include <QColor>
#include <memory>
#include <vector>

// The dark green container and its children. The list order is the drawing order, top
// first, and the same order decides which control a mouse press lands on. One control
// (the close box) is a window of its own and lies above all the others.
class Panel
{
public:
    float Left = 0, Top = 0;             // pixels inside the window
    float Width = 11175, Height = 10575; // twips
    QColor background{0, 64, 0};

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
