#include "app/form/panelfit.h"

#include <algorithm>

PanelFit fitPanel(QSizeF areaSize, QSizeF panelSize, bool mayGrow)
{
    PanelFit fit;
    // An empty area (a window not yet sized) shows nothing whatever the scale; keep it 1.
    if (!areaSize.isEmpty() && !panelSize.isEmpty()) {
        const double fits =
            std::min(areaSize.width() / panelSize.width(), areaSize.height() / panelSize.height());
        fit.scale = mayGrow ? fits : std::min(1.0, fits);
    }
    // With the scale at 1 this is the plain centring the window always had, to the bit.
    fit.left = static_cast<float>(areaSize.width() / 2.0 - panelSize.width() * fit.scale / 2.0);
    fit.top = static_cast<float>(areaSize.height() / 2.0 - panelSize.height() * fit.scale / 2.0);
    return fit;
}
