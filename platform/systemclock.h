#pragma once

// The hour and minute of one reading: read apart, a turn of the minute between the two can
// pair the old minute with the new hour.
struct TimeOfDay {
    int hour;   // 0..23
    int minute; // 0..59
};

class SystemClock
{
public:
    virtual ~SystemClock() = default;
    virtual TimeOfDay timeOfDay() = 0;
};

class LocalSystemClock : public SystemClock
{
public:
    TimeOfDay timeOfDay() override;
};
