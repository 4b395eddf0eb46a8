#include "app/frmclock.h"
#include "clockface/dialmath.h"

void frmclock::layoutDial()
{
    Control* const numerals[] = {n12, n1, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11};
    for (std::size_t i = 0; i < std::size(numerals); ++i) {
        Control& label = *numerals[i];
        const TwipPoint place = numeralTopLeft(dialCenterX, dialCenterY, minuteHandLength,
                                               kNumeralNumerators[i], label.Width, label.Height);
        label.Left = place.x;
        label.Top = place.y;
    }
}
