#include "tests/support/fakesound.h"

#include <chrono>

std::uint64_t FakeSoundOutput::begin(SoundSlot slot, int)
{
    std::lock_guard guard(lock);
    sounds[slot] = Sound{++tickets, {}, 0, false, 0};
    ++begins[slot];
    changed.notify_all();
    return tickets;
}

void FakeSoundOutput::add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last)
{
    std::lock_guard guard(lock);
    Sound& sound = sounds[slot];
    if (sound.ticket != ticket) {
        ++sound.lateParts;
        return;
    }
    if (part)
        sound.samples.insert(sound.samples.end(), part->begin(), part->end());
    ++sound.parts;
    sound.complete = last;
    changed.notify_all();
}

FakeSoundOutput::Sound FakeSoundOutput::current(SoundSlot slot)
{
    std::lock_guard guard(lock);
    return sounds[slot];
}

bool FakeSoundOutput::waitComplete(SoundSlot slot, int timeoutMs)
{
    std::unique_lock guard(lock);
    return changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                            [&] { return sounds[slot].complete; });
}

bool FakeSoundOutput::waitBegun(SoundSlot slot, int timeoutMs)
{
    std::unique_lock guard(lock);
    return changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                            [&] { return !sounds[slot].samples.empty(); });
}

int FakeSoundOutput::begun(SoundSlot slot)
{
    std::lock_guard guard(lock);
    return begins[slot];
}
