#include "clockface/daypart.h"

DayPart dayPartAt(int hour24)
{
    if (hour24 >= 6 && hour24 < 12)
        return DayPart::morning;
    if (hour24 >= 12 && hour24 < 18)
        return DayPart::afternoon;
    if (hour24 >= 18 && hour24 < 21)
        return DayPart::evening;
    return DayPart::night;
}

QString dayPartPicture(DayPart part)
{
    switch (part) {
    case DayPart::morning:
        return QStringLiteral(":/pictures/day-morning.png");
    case DayPart::afternoon:
        return QStringLiteral(":/pictures/day-afternoon.png");
    case DayPart::evening:
        return QStringLiteral(":/pictures/day-evening.png");
    case DayPart::night:
        break;
    }
    return QStringLiteral(":/pictures/day-night.png");
}
