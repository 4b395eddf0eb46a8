// Sixty marks round the dial for counting minutes. They are needed only where the hand is
// read to the minute; at the other precisions the dial stays as plain as it has always been.
#include "app/frmclock.h"
#include "clockface/dialmath.h"
#include "practice/practicetable.h"

void frmclock::placeMinuteMarks()
{
    for (std::size_t minute = 0; minute < lnMinute.size(); ++minute) {
        const TwipSegment ends = minuteMarkEnds(dialCenterX, dialCenterY, dialRadius, int(minute));
        Control& mark = *lnMinute[minute];
        mark.X1 = ends.inner.x;
        mark.Y1 = ends.inner.y;
        mark.X2 = ends.outer.x;
        mark.Y2 = ends.outer.y;
    }
}

void frmclock::showMinuteMarks()
{
    const bool shown = precisionRow(precisionMode).handUnit == 1;
    if (lnMinute[0]->Visible == shown)
        return;
    for (Control* mark : lnMinute)
        mark->Visible = shown;
    // Roman numerals make room for the marks, and take it back.
    layoutDial();
}
