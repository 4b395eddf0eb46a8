#include "app/form/textfit.h"
#include "app/form/twips.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"

namespace
{
// The room a numeral keeps from its neighbours and from the rim, so that long Roman ones
// such as VIII and XII never look crowded.
constexpr double kNumeralGap = 8 * kTwipsPerPixel;
} // namespace

void frmclock::layoutDial()
{
    showNumerals();
    Control* const numerals[] = {n12, n1, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11};
    for (std::size_t i = 0; i < std::size(numerals); ++i) {
        Control& label = *numerals[i];
        const TwipPoint place = numeralTopLeft(dialCenterX, dialCenterY, minuteHandLength,
                                               kNumeralNumerators[i], label.Width, label.Height);
        label.Left = place.x;
        label.Top = place.y;
    }
}

// The captions in the chosen numerals, all in one size: the design's where they fit, else
// the largest below it, down to half, at which they keep clear of each other and the rim.
void frmclock::showNumerals()
{
    Control* const ring[] = {n12, n1, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11};
    const NumeralRing room{dialCenterX, dialCenterY, minuteHandLength,
                           dialRadius - shapeClock->borderWidth * kTwipsPerPixel};
    // One pixel a step.
    const double step = 72.0 / 96.0;
    for (double points = kNumeralPoints;; points -= step) {
        std::array<QSizeF, 12> sizes;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            ring[i]->font.points = points;
            setCaption(*ring[i], numeralText(i == 0 ? 12 : int(i), numerals));
            sizes[i] = QSizeF(ring[i]->Width, ring[i]->Height);
        }
        if (numerals == Numerals::arabic || points <= kNumeralPoints / 2 ||
            numeralsFit(room, sizes, kNumeralGap))
            return;
    }
}
