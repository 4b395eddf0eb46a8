#pragma once

#include "platform/sound/soundtypes.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

struct pa_stream;

// What one slot is to play and the server has not been given yet, on the service's thread.
// Requests only change this record; write() then hands the server what it is owed, so a burst
// of requests costs one cut and the newest sound, not all of them.
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

    explicit Channel(SoundSlot slot) : slot(slot) {}

    // A newer sound of `rate` samples a second, asked for at `at`: the one before is cut off.
    void begin(std::uint64_t newTicket, Clock::time_point at, int rate);
    // Parts of the sound of that ticket; ignored when it is not the sound in hand.
    void add(std::uint64_t forTicket, std::deque<Samples>&& more, bool last);
    // The server's new streams hold nothing: what the old ones were owed is offered again.
    void reopened();
    // The stream asked the server for more, so it holds less than was written ahead.
    void asked()
    {
        aheadBytes = 0;
        silenceOwed = current != Phase::Writing;
    }
    // The stream played all it had, so the next sound needs a lead-in, and keeping it
    // running has failed: it is left to idle until the next sound.
    void ranDry() { runningUntil = {}; }
    // write() has something to do.
    bool owed() const { return flushOwed || silenceOwed || !parts.empty(); }
    void write(pa_stream* stream, Clock::time_point now);

    Phase phase() const { return current; }

    const SoundSlot slot;

private:
    void followRate(pa_stream* stream);
    void start(pa_stream* stream, bool running, Clock::time_point now);
    void keepRunning(pa_stream* stream, bool flushed);
    void writeSilence(pa_stream* stream, std::size_t samples);
    bool writeParts(pa_stream* stream);

    Phase current = Phase::Idle;
    std::uint64_t ticket = 0;
    Clock::time_point begunAt;
    int rate = 0; // of the sound in hand
    // What the stream was last set to play at; none once it is new, until it is asked.
    std::optional<int> streamRate;
    std::deque<Samples> parts;
    std::size_t offset = 0; // samples of parts.front() already written
    bool lastArrived = false;
    // The server still holds some of an older sound, which it must drop before the new one.
    bool flushOwed = false;
    // Bytes written since the stream last asked for more.
    std::size_t aheadBytes = 0;
    // After a sound the stream is kept playing silence until then, so the next one starts
    // whole the moment it is written; a new stream, or one left to run dry, is not running.
    Clock::time_point runningUntil;
    bool silenceOwed = false; // the stream asked for more while no sound was being written
    // Some of the last sound may still be in the server, beyond the last few milliseconds.
    bool soundQueued = false;
    // The next part goes where the server reads next, over the silence it holds.
    bool overReadIndex = false;
};
