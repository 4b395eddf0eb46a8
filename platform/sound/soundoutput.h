#pragma once

#include "platform/sound/soundtypes.h"

#include <cstdint>
#include <utility>

// Where sounds go, for every client alike: begin() takes a ticket on the caller's thread at
// the moment of the request, so which sound is newest is settled there, and add() then fills
// that sound from whatever thread makes it. Neither call waits for anything.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Cuts off the slot's sound at once and begins a new one of `rate` samples a second, which
    // add() then fills: each voice makes speech at its own rate, and it is played at that rate.
    // A begun sound with nothing in it yet does not look for a server.
    virtual std::uint64_t begin(SoundSlot slot, int rate) = 0;
    // Appends to the sound of that ticket; ignored once the slot has begun another one. `last`
    // says the sound is complete, so it is played even if it is very short.
    virtual void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) = 0;
    // A whole sound likely to be played in the slot again and again: it may be made ready
    // at the server now, so its first play starts as fast as the others.
    virtual void keep(SoundSlot slot, int rate, Samples sound)
    {
        (void)slot, (void)rate, (void)sound;
    }
    void play(SoundSlot slot, int rate, Samples sound)
    {
        add(slot, begin(slot, rate), std::move(sound), true);
    }
};
