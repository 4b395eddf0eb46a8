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

int nextSequenceStep(const PrecisionRow& row, int sequenceStep, int turns)
{
    // A step can only exceed the cycle if the precision or the hours changed without the
    // reset that goes with it; starting the cycle again beats counting on past twelve (or
    // overflowing).
    if (sequenceStep >= turns * row.cycleLength())
        return 1;
    return sequenceStep + 1;
}

ShownTime inOrderTimeOfDay(const PrecisionRow& row, int sequenceStep)
{
    const int turn = row.cycleLength();
    const bool afternoon = sequenceStep > turn;
    ShownTime time = inOrderTime(row, afternoon ? sequenceStep - turn : sequenceStep);
    // Each turn ends on twelve, which is the next half's: noon, then midnight.
    const bool twelve = sequenceStep % turn == 0;
    time.half = afternoon != twelve ? DayHalf::pm : DayHalf::am;
    return time;
}

ShownTime randomTimeOfDay(const PrecisionRow& row, float r)
{
    // Exact in float: doubling, and taking 1 from a number in [1, 2).
    const bool afternoon = r >= 0.5f;
    ShownTime time = randomTime(row, afternoon ? 2 * r - 1 : 2 * r);
    time.half = afternoon ? DayHalf::pm : DayHalf::am;
    return time;
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
