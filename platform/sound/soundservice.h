#pragma once

#include "platform/sound/soundoutput.h"

#include <memory>
#include <thread>

// The program's sound: one thread of its own makes every call into the sound server, and
// everyone else only leaves requests for it, so a slow, hung or missing server can never hold
// up the window. Ticks are kept at the server and started by name; speech goes through a
// stream of its own for each utterance, handed over as far ahead as the server takes it, so
// none can run dry half way. Between sounds nothing of ours runs at the server, and this
// thread sleeps. Without a server everything is dropped, and why is logged once; the next
// sound after a couple of seconds looks for one again.
class SoundService final : public SoundOutput
{
public:
    SoundService();
    // Returns promptly whatever the server is doing: nothing in here waits for it.
    ~SoundService() override;

    std::uint64_t begin(SoundSlot slot, int rate) override;
    void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) override;
    void keep(SoundSlot slot, int rate, Samples sound) override;

private:
    struct Engine;
    std::unique_ptr<Engine> engine;
    std::thread thread; // last: starts once the engine exists
};
