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

// One precision: how many times it offers per hour, and how it draws one at random. The
// in-order cycle goes once round the dial, so it is 12 times as long as an hour's share.
struct PrecisionRow {
    PrecisionMode mode;
    int perHour;
    RandomRule random;

    constexpr int cycleLength() const { return 12 * perHour; }
};

// Read by the steppers and by the tests alike, so a wrong row fails both.
inline constexpr std::array<PrecisionRow, 4> kPrecisions{{
    {PrecisionMode::hour, 1, RandomRule::wholeHour},
    {PrecisionMode::half, 2, RandomRule::slot},
    {PrecisionMode::quarter, 4, RandomRule::slot},
    {PrecisionMode::fiveMin, 12, RandomRule::slotMarkHalfUp},
}};

constexpr const PrecisionRow& precisionRow(PrecisionMode mode)
{
    return kPrecisions[std::size_t(mode)];
}

static_assert(precisionRow(PrecisionMode::hour).mode == PrecisionMode::hour &&
                  precisionRow(PrecisionMode::half).mode == PrecisionMode::half &&
                  precisionRow(PrecisionMode::quarter).mode == PrecisionMode::quarter &&
                  precisionRow(PrecisionMode::fiveMin).mode == PrecisionMode::fiveMin,
              "rows are looked up by position: keep them in the order of PrecisionMode");
