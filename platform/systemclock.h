#pragma once

// The time of day, read one field at a time: start-up and the announcement take the
// minute and the hour in two separate readings, and a test must be able to script both.
class SystemClock
{
public:
    virtual ~SystemClock() = default;
    virtual int hour() = 0;   // 0..23
    virtual int minute() = 0; // 0..59
};

class LocalSystemClock : public SystemClock
{
public:
    int hour() override;
    int minute() override;
};
