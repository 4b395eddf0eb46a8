#include "tests/support/steppedclock.h"

DeadlineClock::time_point SteppedClock::now()
{
    std::lock_guard guard(lock);
    return start + offset;
}

void SteppedClock::waitUntil(std::condition_variable& changed, std::unique_lock<std::mutex>& guard,
                             time_point)
{
    {
        std::lock_guard counting(lock);
        ++waits;
    }
    looked.notify_all();
    changed.wait_for(guard, std::chrono::milliseconds(1));
}

void SteppedClock::set(std::chrono::milliseconds sinceStart)
{
    std::lock_guard guard(lock);
    offset = sinceStart;
}

// The waiter reads the clock before every wait; the second wait after now follows a reading
// made after now.
bool SteppedClock::waitForLook(int timeoutMs)
{
    std::unique_lock guard(lock);
    const unsigned long seen = waits;
    return looked.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                           [&] { return waits >= seen + 2; });
}
