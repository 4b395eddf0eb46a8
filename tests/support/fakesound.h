#pragma once

#include "platform/sound/soundservice.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

// Takes sounds as the sound service does and keeps what it would be playing: per slot, the
// sound of the newest ticket, put together from the parts that came for it. Posted work runs
// on a thread of its own, as on the real service, so a test sees what the caller's thread
// pays for.
class FakeSoundOutput : public SoundOutput
{
public:
    struct Sound {
        std::uint64_t ticket = 0;
        std::vector<float> samples;
        int parts = 0;
        bool complete = false;
    };

    FakeSoundOutput();
    ~FakeSoundOutput() override;

    std::uint64_t begin(SoundSlot slot) override;
    void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) override;
    void post(std::function<void()> work) override;

    // Returns once all posted work has run.
    void settle();
    // What the slot is playing now: its newest sound.
    Sound current(SoundSlot slot);
    // Waits up to timeoutMs for the slot's newest sound to be complete.
    bool waitComplete(SoundSlot slot, int timeoutMs);
    int begun(SoundSlot slot);

private:
    std::mutex lock;
    std::condition_variable changed;
    std::uint64_t tickets = 0;
    std::map<SoundSlot, Sound> sounds;
    std::map<SoundSlot, int> begins;
    std::deque<std::function<void()>> work;
    bool busy = false, stopping = false;
    std::thread worker;
};
