#include "platform/systemclock.h"

#include <QTime>

TimeOfDay LocalSystemClock::timeOfDay()
{
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute()};
}
