#pragma once

#include "platform/sound/filewaveplayer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

// A deadline clock that stands still until the test moves it, so a deadline passes when the
// test says, not when a busy machine gets round to it.
class SteppedClock : public DeadlineClock
{
public:
    time_point now() override;
    // Looks at the clock again every millisecond: a step the waiter could not be woken for
    // is still seen at once.
    void waitUntil(std::condition_variable& changed, std::unique_lock<std::mutex>& guard,
                   time_point due) override;

    // Sets the clock to that long after it was made.
    void set(std::chrono::milliseconds sinceStart);
    // Returns once the waiter has looked at the clock again since the last step, or false
    // after timeoutMs of nobody waiting on it.
    bool waitForLook(int timeoutMs);

private:
    std::mutex lock;
    std::condition_variable looked;
    const time_point start = std::chrono::steady_clock::now();
    std::chrono::milliseconds offset{0};
    unsigned long waits = 0;
};
