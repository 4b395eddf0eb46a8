#pragma once

#include "platform/sound/soundtypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

struct pa_context;
struct pa_stream;

// One sound's own playback stream, at the sound's own rate, on the service's thread: opened
// when the sound begins, fed as its parts come, and closed once the server has played it all.
// Between sounds there is no stream, so the server has nothing of ours to mix, and the sink
// may sleep. Closing it sooner cuts the sound off: the server drops what it still holds.
class SoundStream
{
public:
    enum class State {
        Opening, // asked for; nothing may be written yet
        Open,    // takes samples
        Played,  // finished, and the server has played all of it
        Failed,  // the server would not make it, or it broke; failure() says why
    };

    // changed() is called on the same thread, from libpulse's callbacks, whenever the stream
    // can take more than before or has changed its state; it must not close the stream.
    // Nothing waits on the server for long: a stream is known to have played out by its
    // running dry at its end, not by an answer that would hold up everything after it.
    SoundStream(pa_context* context, SoundSlot slot, int rate, std::function<void()> changed);
    // Closes the stream; whatever of the sound the server still holds is not played.
    ~SoundStream();
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    State state() const { return current; }
    std::string failure() const { return why; }
    // Hands the server as many of the samples as may go ahead now (the whole sound, as far
    // as the server's limit allows, so it never runs dry half way). Returns how many.
    std::size_t write(const float* samples, std::size_t count);
    // Nothing more follows: a sound shorter than the server's start threshold starts now,
    // and once the server has played all of it, the state is Played.
    void finish();
    bool finishing() const { return endsAt >= 0; }

private:
    void fail(const std::string& what);

    void ranDry(std::int64_t at);
    void writeSilence(int ms);

    pa_stream* stream = nullptr;
    pa_context* context;
    const int rate;
    const std::function<void()> changed;
    State current = State::Opening;
    std::string why;
    std::size_t aheadBytes = 0; // written since the server last asked for more
    bool leadInOwed = true;
    std::int64_t written = 0; // bytes, lead-in and trail included
    std::int64_t endsAt = -1; // once finishing: where the sound ends in the stream
};

// Every sound starts with this much silence. A sink that takes a new sound in at once does
// so by going back over what it has already mixed ahead, and may lose up to one of its
// periods of the new sound's start on the way (a few milliseconds; a tick is all attack):
// the silence is lost instead.
constexpr int kLeadInMs = 6;
