#pragma once

#include "speech/lang/phrasing.h"

#include <optional>

// The phrases of the time on the clock, with the minute hand read in the precision's unit:
// 5, a whole five-minute mark, as the clock has always been read (composeTimePhraseIn, its
// rounding and its checks unchanged); 1, a whole minute, from which the phrases are made.
// At a whole minute the mark comes back as minute / 5 and the hour as composeTimePhraseIn
// gives it, 12 for a whole part of 0 and unchanged otherwise. nullopt where the hand does not
// read as a time of the dial.
std::optional<ComposedTime> composeShownTimeIn(const Phrasing& phrasing, double shownHour,
                                               double shownMinuteMark, int handUnit);
