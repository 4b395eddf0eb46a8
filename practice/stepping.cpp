#include "practice/stepping.h"

#include <cmath>

namespace
{
double minuteMarkFor(double shownHour)
{
    return 12 * (shownHour - std::floor(shownHour));
}
} // namespace

ShownTime inOrderTime(const PrecisionRow& row, int sequenceStep)
{
    const double hour = double(sequenceStep) / row.perHour;
    return {hour, minuteMarkFor(hour)};
}

int nextSequenceStep(const PrecisionRow& row, int sequenceStep)
{
    // A step can only exceed the cycle if the precision changed without the reset that
    // goes with it; starting the cycle again beats counting on past twelve (or overflowing).
    if (sequenceStep >= row.cycleLength())
        return 1;
    return sequenceStep + 1;
}

ShownTime randomTime(const PrecisionRow& row, float r)
{
    if (row.random == RandomRule::wholeHour)
        return {std::floor(double(r) * 12) + 1, 0.0};
    // In double, r * N is exact (24 + 8 bits): no draw is pushed across a slot boundary by
    // rounding, and r just below 1 still lands in the last slot, never in slot N.
    const double slot = std::floor(double(r) * row.cycleLength() + 1) - 1;
    const double hour = slot / row.perHour;
    const double mark = minuteMarkFor(hour);
    return {hour, row.random == RandomRule::slotMarkHalfUp ? roundHalfUp(mark) : mark};
}

double roundHalfUp(double x)
{
    return std::floor(x + 0.5);
}
