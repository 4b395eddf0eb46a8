#pragma once

// Hands control to the window system once: every pending event is handled, then it returns.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

class QtEventPump : public EventPump
{
public:
    void processPendingEvents() override;
};
