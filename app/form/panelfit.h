#pragma once

#include <QSizeF>

// Where the panel goes in the window: its top-left corner in window pixels and the factor
// its pixels are drawn at.
struct PanelFit {
    float left = 0, top = 0;
    double scale = 1;
};

// Centres a panel of panelSize (pixels) in an area of areaSize. A panel larger than the
// area is shrunk uniformly until it fits, so nothing is cut off; a smaller one is enlarged
// the same way to the largest size that fits only when it may grow.
PanelFit fitPanel(QSizeF areaSize, QSizeF panelSize, bool mayGrow = false);
