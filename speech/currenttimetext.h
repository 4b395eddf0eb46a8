#pragma once

#include <QString>

// What the start-up announcement says and shows for a reading of the system clock.
struct CurrentTimeText {
    int hour12;         // 1..12
    QString timePhrase; // " 9 o 5"
    QString spoken;     // "the current time is  9 o 5"
    QString caption;    // " 9:05" (keeps the blank, no leading zero on the hour)
};

// hour24 0..23 and minute 0..59, as the system clock reports them.
CurrentTimeText currentTimeText(int hour24, int minute);
