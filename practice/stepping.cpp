#include "practice/stepping.h"

#include <cmath>

std::optional<Precision> precisionFor(const QString& precisionMode)
{
    if (precisionMode == QLatin1String("hour"))
        return Precision{1, 12};
    if (precisionMode == QLatin1String("half"))
        return Precision{2, 24};
    if (precisionMode == QLatin1String("quarter"))
        return Precision{4, 48};
    if (precisionMode == QLatin1String("5min"))
        return Precision{12, 144};
    return std::nullopt;
}

double inOrderHour(int sequenceStep, int perHour)
{
    return double(sequenceStep) / perHour;
}

double minuteMarkFor(double shownHour)
{
    return 12 * (shownHour - std::floor(shownHour));
}

int nextSequenceStep(int sequenceStep, int cycleLength)
{
    // A step can only exceed the cycle if the precision changed without the reset that
    // goes with it; starting the cycle again beats counting on past twelve (or overflowing).
    if (sequenceStep >= cycleLength)
        return 1;
    return sequenceStep + 1;
}

double randomWholeHour(float r)
{
    return std::floor(double(r) * 12) + 1;
}

double randomSlotHour(float r, const Precision& p)
{
    // In double, r * N is exact (24 + 8 bits): no draw is pushed across a slot boundary by
    // rounding, and r just below 1 still lands in the last slot, never in slot N.
    const double slot = std::floor(double(r) * p.cycleLength + 1) - 1;
    return slot / p.perHour;
}

double roundHalfUp(double x)
{
    return std::floor(x + 0.5);
}
