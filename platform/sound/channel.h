#pragma once

#include "platform/sound/soundservice.h"

#include <chrono>
#include <cstdint>
#include <deque>

struct pa_stream;

// What one slot is to play and the server has not been given yet, on the service's thread.
// Requests only change this record; pump() then hands the server what it is owed, so a burst
// of requests costs one cut and the newest sound, not all of them.
class Channel
{
public:
    explicit Channel(SoundSlot slot) : slot(slot) {}
    SoundSlot slotOf() const { return slot; }

    void begin(std::uint64_t ticket);
    // False when the ticket is no longer the slot's newest sound.
    bool add(std::uint64_t ticket, Samples part, bool last);
    // Something is waiting for the server.
    bool pending() const { return cut || !parts.empty(); }
    // The server's buffer ran low: it will take more now.
    void serverAsked() { aheadBytes = 0; }
    // Sends the cut, if one is due, and as much of the sound as the server will take.
    void pump(pa_stream* stream);
    // A new connection: nothing of the old one's is left to cut, and what it had not taken
    // yet is offered to the new one if it is still fresh.
    void serverLost();

private:
    using Clock = std::chrono::steady_clock;

    const SoundSlot slot;
    std::uint64_t ticket = 0;
    std::deque<Samples> parts;
    std::size_t offset = 0; // samples of parts.front() already written
    bool complete = false;
    bool cut = false;     // the server still holds the previous sound
    bool started = false; // some of this sound has gone to the server
    Clock::time_point begun;
    std::size_t aheadBytes = 0; // written since the server last asked for more
};
