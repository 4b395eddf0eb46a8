#include "app/form/textfit.h"
#include "app/form/twips.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"

#include <QFontMetricsF>

namespace
{
// The room a numeral keeps from its neighbours and from the rim, so that long Roman ones
// such as VIII and XII never look crowded.
constexpr double kNumeralGap = 8 * kTwipsPerPixel;
// The white a numeral's ink keeps beside a minute mark, so that no mark cuts into a V or an
// X. Wide Roman numerals meet the marks beside the 3 and the 9 at about two thirds of the
// design's size: they shrink to it only while the marks are shown.
constexpr double kMarkGap = 2 * kTwipsPerPixel;

// Where a numeral's glyphs are inked within its box, which its caption exactly fills.
QRectF inkOf(const Control& label)
{
    const QFontMetricsF metrics(labelFont(label));
    const QRectF ink = metrics.tightBoundingRect(label.Caption).translated(0, metrics.ascent());
    return {ink.topLeft() * kTwipsPerPixel, ink.size() * kTwipsPerPixel};
}
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
                           dialRadius - shapeClock->borderWidth * kTwipsPerPixel,
                           lnMinute[0]->Visible ? dialRadius : 0.0f};
    // The ink is measured only where it is weighed, not for the design's numerals at every
    // start.
    const bool inkWeighed = numerals == Numerals::roman && room.marksDialRadius > 0;
    // One pixel a step.
    const double step = 72.0 / 96.0;
    for (double points = kNumeralPoints;; points -= step) {
        std::array<NumeralBox, 12> boxes;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            ring[i]->font.points = points;
            setCaption(*ring[i], numeralText(i == 0 ? 12 : int(i), numerals));
            boxes[i] = {QSizeF(ring[i]->Width, ring[i]->Height),
                        inkWeighed ? inkOf(*ring[i]) : QRectF()};
        }
        if (numerals == Numerals::arabic || points <= kNumeralPoints / 2 ||
            numeralsFit(room, boxes, kNumeralGap, kMarkGap))
            return;
    }
}
