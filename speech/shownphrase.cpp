#include "speech/shownphrase.h"

#include <cmath>

std::optional<ComposedTime> composeShownTimeIn(const Phrasing& phrasing, double shownHour,
                                               double shownMinuteMark, int handUnit)
{
    if (handUnit != 1)
        return composeTimePhraseIn(phrasing, shownHour, shownMinuteMark);
    if (!std::isfinite(shownHour) || !std::isfinite(shownMinuteMark))
        return std::nullopt;
    // Rounded as the readout rounds it, so what is said is what is shown: the mark comes
    // out of fractional arithmetic a hair off the minute, either way.
    const double minute = std::nearbyint(shownMinuteMark * 5) + 0.0;
    const double wholeHour = std::floor(shownHour);
    if (wholeHour < 0 || wholeHour > 12 || minute < 0 || minute > 59)
        return std::nullopt;
    std::optional<ComposedTime> composed =
        composeMinutePhraseIn(phrasing, int(wholeHour), int(minute));
    if (composed && wholeHour != 0)
        composed->shownHour = shownHour;
    return composed;
}
