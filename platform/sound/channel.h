#pragma once

#include "platform/sound/samplecache.h"
#include "platform/sound/soundstream.h"
#include "platform/sound/soundtypes.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct pa_context;

// What one slot is to play and the server has not been given yet, on the service's thread.
// Requests only change this record; serve() then hands the server what it is owed, so a burst
// of requests costs one cut and the newest sound, not all of them. The ticks' slot keeps its
// sounds at the server and starts each with one message; the voice's slot, whose sounds come
// in parts as they are made, opens a stream for each. Between sounds nothing of either runs.
class Channel
{
public:
    using Clock = std::chrono::steady_clock;
    enum class Phase {
        Idle,    // nothing to play: no sound yet, an empty one, or one dropped as stale
        Waiting, // a sound is begun and none of it has gone to the server
        Writing, // some of it has gone to the server and more is to come
        Done,    // all of it has gone; the server may still be playing it
    };

    // changed() is called, later on the same thread, when something the channel waits for at
    // the server has come; serve() should then be called again.
    Channel(SoundSlot slot, std::function<void()> changed);

    // A newer sound of `rate` samples a second, asked for at `at`: the one before is cut off.
    void begin(std::uint64_t newTicket, Clock::time_point at, int rate);
    // Parts of the sound of that ticket; ignored when it is not the sound in hand.
    void add(std::uint64_t forTicket, std::deque<Samples>&& more, bool last);
    // A whole sound to have ready at the server before it is first played; a slot that
    // streams its sounds has nothing to ready.
    void keep(const Samples& sound, int rate);
    // A new connection, which holds nothing of ours: what the old one was owed is offered
    // again.
    void reopened(pa_context* context);
    // The connection goes: what was made on it is let go while it still exists.
    void closing();
    // A sound waits to be handed to the server.
    bool owed() const { return current == Phase::Waiting || current == Phase::Writing; }
    void serve(Clock::time_point now);

    Phase phase() const { return current; }

    const SoundSlot slot;

private:
    bool playKept();
    void playStreamed();
    void dropSound(const std::string& why);

    const std::function<void()> changed;
    pa_context* context = nullptr;
    std::unique_ptr<SampleCache> cache; // the ticks' slot only
    std::unique_ptr<SoundStream> stream;
    // Sounds to make ready once connected; the few the player names, and no more.
    std::vector<std::pair<Samples, int>> toKeep;
    Phase current = Phase::Idle;
    std::uint64_t ticket = 0;
    Clock::time_point begunAt;
    int rate = 0; // of the sound in hand
    std::deque<Samples> parts;
    std::size_t offset = 0; // samples of parts.front() already written
    bool lastArrived = false;
    // What the last sound started at the server is to stop before anything else goes.
    bool cutOwed = false;
    bool failureSaid = false; // a sound failed, and none has played since
};
