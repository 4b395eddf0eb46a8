#pragma once

#include "practice/modes.h"

#include <array>
#include <cstddef>

// How a random step turns its draw into a time on the clock.
enum class RandomRule {
    wholeHour,     // an hour 1..12, on the hour
    slot,          // one of the cycle's times, the mark as 12 times the hour's fraction
    slotMarkHalfUp // the same, the mark rounded to a whole mark with halves upward
};

// One precision: how many times it offers per hour, how it draws one at random, and the
// unit, in minutes, the minute hand is read and set in. Every precision but the finest reads
// the hand to a whole five-minute mark, as the clock always has; the finest reads it to a
// whole minute. The in-order cycle goes once round the dial, so it is 12 times as long as an
// hour's share.
struct PrecisionRow {
    PrecisionMode mode;
    int perHour;
    RandomRule random;
    int handUnit;

    constexpr int cycleLength() const { return 12 * perHour; }
};

// Read by the steppers and by the tests alike, so a wrong row fails both.
inline constexpr std::array<PrecisionRow, 5> kPrecisions{{
    {PrecisionMode::hour, 1, RandomRule::wholeHour, 5},
    {PrecisionMode::half, 2, RandomRule::slot, 5},
    {PrecisionMode::quarter, 4, RandomRule::slot, 5},
    {PrecisionMode::fiveMin, 12, RandomRule::slotMarkHalfUp, 5},
    {PrecisionMode::oneMin, 60, RandomRule::slot, 1},
}};

constexpr const PrecisionRow& precisionRow(PrecisionMode mode)
{
    return kPrecisions[std::size_t(mode)];
}

constexpr bool rowsInEnumOrder()
{
    for (std::size_t i = 0; i < kPrecisions.size(); ++i)
        if (std::size_t(kPrecisions[i].mode) != i)
            return false;
    return true;
}
static_assert(rowsInEnumOrder(),
              "rows are looked up by position: keep them in the order of PrecisionMode");
