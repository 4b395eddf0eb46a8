#pragma once

#include "practice/modes.h"
#include "speech/lang/phrasing.h"

// A time of the dial said in the chosen hours. With the dial's twelve the phrases are the
// dial's own; otherwise the time is placed in the day by its half (twelve of the morning's
// half is midnight, of the afternoon's noon) and said in the a.m. and p.m. or the 24-hour
// reading, the worded phrase with its part of the day.

// The composed phrases of the time on the clock, said again placed in the day; the rounded
// hour and mark stay as they were composed.
void placeInDay(ComposedTime& composed, const Phrasing& phrasing, Hours hours, DayHalf half);

// What start-up says of the real time.
QString announcementIn(const Phrasing& phrasing, Hours hours, int hour24, int minute);
// What the readout writes beside a 12-hour time: "pm", or nothing where the hours are not
// told with a.m. and p.m. or the language writes no such thing.
QString writtenHalfIn(const Phrasing& phrasing, Hours hours, int hour24, int minute);
