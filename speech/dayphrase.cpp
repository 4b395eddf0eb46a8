#include "speech/dayphrase.h"

#include <cmath>

void placeInDay(ComposedTime& composed, const Phrasing& phrasing, Hours hours, DayHalf half)
{
    if (hours == Hours::twelve)
        return;
    // Composed, the hour is whole or a whole hour with its fraction, the mark a whole mark or
    // a minute's fifth a hair off.
    const int hour24 = hourOfDay(int(std::floor(composed.shownHour)), half);
    const int minute = int(std::nearbyint(composed.shownMinuteMark * 5));
    const DayPhrasing& day = phrasing.day;
    composed.timePhrase =
        hours == Hours::amPm ? day.readingAmPm(hour24, minute) : day.reading24(hour24, minute);
    composed.altTimePhrase = day.worded(hour24, minute);
}

QString announcementIn(const Phrasing& phrasing, Hours hours, int hour24, int minute)
{
    switch (hours) {
    case Hours::twelve:
        break;
    case Hours::amPm:
        return phrasing.day.announcementAmPm(hour24, minute);
    case Hours::twentyFour:
        return phrasing.day.announcement24(hour24, minute);
    }
    return phrasing.announcement(hour24, minute);
}

QString writtenHalfIn(const Phrasing& phrasing, Hours hours, int hour24, int minute)
{
    return hours == Hours::amPm ? phrasing.day.written(hour24, minute) : QString();
}
