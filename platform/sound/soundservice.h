#pragma once

#include "platform/sound/soundoutput.h"

#include <memory>
#include <thread>

// The program's sound: one thread of its own makes every call into the sound server, and
// everyone else only leaves requests for it, so a slow, hung or missing server can never hold
// up the window. Sounds are handed to the server whole, as far ahead as it will take them,
// so none can run dry half way; the server mixes the slots and its buffer is the latency.
// Without a server everything is dropped, and why is logged once; the next sound after a
// couple of seconds looks for one again.
class SoundService final : public SoundOutput
{
public:
    explicit SoundService(SlotRates rates = {});
    // Returns promptly whatever the server is doing: nothing in here waits for it.
    ~SoundService() override;

    std::uint64_t begin(SoundSlot slot, int rate) override;
    void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) override;

private:
    struct Engine;
    std::unique_ptr<Engine> engine;
    std::thread thread; // last: starts once the engine exists
};
