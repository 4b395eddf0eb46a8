#include "platform/systemclock.h"

#include <QTime>

int LocalSystemClock::hour()
{
    return QTime::currentTime().hour();
}

int LocalSystemClock::minute()
{
    return QTime::currentTime().minute();
}
