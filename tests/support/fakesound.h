#pragma once

#include "platform/sound/soundoutput.h"

#include <condition_variable>
#include <map>
#include <mutex>

// Takes sounds as the sound service does and keeps what it would be playing: per slot, the
// sound of the newest ticket, put together from the parts that came for it.
class FakeSoundOutput : public SoundOutput
{
public:
    struct Sound {
        std::uint64_t ticket = 0;
        std::vector<float> samples;
        int parts = 0;
        bool complete = false;
        int lateParts = 0; // parts of older sounds that came after this one began
    };

    std::uint64_t begin(SoundSlot slot, int rate) override;
    void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) override;

    // What the slot is playing now: its newest sound.
    Sound current(SoundSlot slot);
    // Waits up to timeoutMs for the slot's newest sound to be complete.
    bool waitComplete(SoundSlot slot, int timeoutMs);
    // Waits up to timeoutMs for the slot's newest sound to have some of its samples.
    bool waitBegun(SoundSlot slot, int timeoutMs);
    int begun(SoundSlot slot);

private:
    std::mutex lock;
    std::condition_variable changed;
    std::uint64_t tickets = 0;
    std::map<SoundSlot, Sound> sounds;
    std::map<SoundSlot, int> begins;
};
