#pragma once

#include "app/form/panel.h"

class QPainter;

// Paints the panel and its visible children with the painter's origin at the panel's
// top-left corner, in logical pixels; everything is clipped to the panel. A focus mark is
// drawn round focusFrame when one is given.
void paintPanel(QPainter& painter, const Panel& panel, const Control* focusFrame = nullptr);
