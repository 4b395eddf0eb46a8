// What keyboards and screen readers are offered: the clock, the six options and the close
// cross, in the order the keys go through them.
#include "app/frmclock.h"

void frmclock::describeForScreenReaders()
{
    lblClickMe->accessibleRole = AccessibleRole::Button;
    lblClickMe->accessibleName =
        tr("Clock: click for a new time, click again to hear it, right click to hear it in words");
    lblClickMe->focusFrame = shapeClock;
    Picture1->accessibleRole = AccessibleRole::Button;
    Picture1->accessibleName = tr("Close");

    struct Option {
        Control *area, *marker, *caption, *button;
    };
    const Option options[] = {
        {lblRandom, shpRandom, lblRandom1, Image2},    {lblOrder, shpOrder, lblOrder1, Image3},
        {lblHour, shpHour, lblHour1, Image1},          {lblHalf, shpHalf, lblHalf1, Image4},
        {lblQuarter, shpQuarter, lblQuarter1, Image5}, {lbl5min, shp5min, lbl5min1, Image6}};
    panel().tabOrder = {lblClickMe};
    for (const Option& option : options) {
        option.area->accessibleRole = AccessibleRole::RadioButton;
        option.area->accessibleName = option.caption->Caption;
        option.area->checkedBy = option.marker;
        option.area->focusFrame = option.button;
        panel().tabOrder.push_back(option.area);
    }
    panel().tabOrder.push_back(Picture1);
}

QString frmclock::accessibleDescription(const Control& control) const
{
    if (&control != lblClickMe)
        return FormView::accessibleDescription(control);
    // While the child is asked, the readout is hidden and the answer must not be read out.
    if (clickState != ClickState::get)
        return tr("Say the time out loud, then click the clock again to check.");
    if (lblDigital->Visible)
        return tr("The clock shows %1.").arg(lblDigital->Caption.trimmed());
    return {};
}
