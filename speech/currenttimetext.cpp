#include "speech/currenttimetext.h"

#include "speech/timephrase.h"

CurrentTimeText currentTimeText(int hour24, int minute)
{
    CurrentTimeText text{};
    text.hour12 = hour24 > 12 ? hour24 - 12 : hour24;
    if (text.hour12 == 0)
        text.hour12 = 12;

    const QString h = numberText(text.hour12);
    const QString m = numberText(minute);
    if (minute == 0) {
        text.timePhrase = h + QLatin1String(" o clock");
        text.caption = h + QLatin1String(":00");
    } else if (minute >= 1 && minute <= 9) {
        // Unlike the practice phrase's " oh 5", the announcement says a bare "o".
        const QString digit = QString::number(minute);
        text.timePhrase = h + QLatin1String(" o ") + digit;
        text.caption = h + QLatin1String(":0") + digit;
    } else {
        text.timePhrase = h + m;
        text.caption = h + QLatin1Char(':') + m.right(2);
    }
    text.spoken = QLatin1String("the current time is ") + text.timePhrase;
    return text;
}
