#include "platform/sound/channel.h"

#include "platform/sound/soundlog.h"

#include <pulse/stream.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{
// A sound asked for while the server was still being reached is played once it is, unless
// it has gone stale by then: a tick a second late no longer belongs to its click.
constexpr auto kFreshFor = std::chrono::milliseconds(1000);
// How far beyond the server's own request a stream is written ahead: a tick of the longest
// allowed length fits, and the server's limit (4 MB a stream) is never reached.
constexpr std::size_t kMaxAheadBytes = 2 * 1024 * 1024;
// A stream that has run dry starts again with the server mixing the new sound into what it
// has already mixed ahead; the first two milliseconds or so are lost on the way, and a tick
// is all attack. This much silence goes first and takes the loss instead.
constexpr int kLeadInMs = 3;
// A stream still playing has not run dry: the server takes a sound written after a flush back
// into what it has mixed ahead, whole, and needs no lead-in. Clicks come a few seconds apart,
// so the stream is kept playing silence this long after each sound; then it may idle.
constexpr auto kKeptRunningFor = std::chrono::seconds(10);
// Silence written after a flush, until the stream asks for more: its target length.
constexpr int kRefillMs = 10;

void cannotPlayAt(int rate)
{
    qCWarning(lcSound,
              "The sound server cannot play a sound at %d Hz, so it is heard at the "
              "wrong speed.",
              rate);
}
} // namespace

void Channel::begin(std::uint64_t newTicket, Clock::time_point at, int newRate)
{
    // Silence after the last sound is left playing until the new one is there to replace it.
    flushOwed = flushOwed || current == Phase::Writing || (current == Phase::Done && soundQueued);
    current = Phase::Waiting;
    ticket = newTicket;
    begunAt = at;
    rate = newRate;
    parts.clear();
    offset = 0;
    lastArrived = false;
    silenceOwed = false;
}

void Channel::add(std::uint64_t forTicket, std::deque<Samples>&& more, bool last)
{
    if (forTicket != ticket || (current != Phase::Waiting && current != Phase::Writing))
        return;
    for (Samples& part : more)
        if (part && !part->empty())
            parts.push_back(std::move(part));
    lastArrived = last;
    if (lastArrived && parts.empty())
        current = current == Phase::Waiting ? Phase::Idle : Phase::Done;
}

void Channel::reopened()
{
    flushOwed = false;
    silenceOwed = false;
    soundQueued = false;
    aheadBytes = 0;
    runningUntil = {};
    streamRate.reset();
    if (current == Phase::Writing)
        current = Phase::Waiting;
    else if (current == Phase::Done)
        current = Phase::Idle;
}

void Channel::write(pa_stream* stream, Clock::time_point now)
{
    if (current == Phase::Waiting && now - begunAt > kFreshFor) {
        parts.clear(); // asked for before the server was there, and too long ago
        current = Phase::Idle;
    }
    const bool running = now < runningUntil;
    const bool flushed = std::exchange(flushOwed, false);
    if (flushed) {
        // The server drops what it still holds of the last sound, so it stops now.
        if (pa_operation* op = pa_stream_flush(stream, nullptr, nullptr))
            pa_operation_unref(op);
    }
    if (running && parts.empty())
        keepRunning(stream, flushed);
    if (parts.empty())
        return;
    if (current == Phase::Waiting)
        start(stream, running && !flushed, now);
    // A sound shorter than the server's start threshold would otherwise wait for more.
    if (writeParts(stream) && lastArrived && parts.empty()) {
        if (pa_operation* op = pa_stream_trigger(stream, nullptr, nullptr))
            pa_operation_unref(op);
        current = Phase::Done;
    }
}

// A stream playing silence takes the sound in its place, from where the server reads next:
// the server plays it straight after what it has mixed already, and nothing is ever missing
// in between. Otherwise the stream ran dry, or what it held was flushed, and may start again
// with the first milliseconds lost: a lead-in of silence takes the loss.
void Channel::start(pa_stream* stream, bool running, Clock::time_point now)
{
    followRate(stream);
    if (!running)
        writeSilence(stream, std::size_t(rate) * kLeadInMs / 1000);
    overReadIndex = running;
    runningUntil = now + kKeptRunningFor;
    soundQueued = true;
    current = Phase::Writing;
}

// Silence for as much as the stream asked for, and straight after a flush that nothing else
// follows, which would otherwise leave it dry until it asks.
void Channel::keepRunning(pa_stream* stream, bool flushed)
{
    const bool asked = std::exchange(silenceOwed, false);
    if (flushed) {
        writeSilence(stream, std::size_t(rate) * kRefillMs / 1000);
        soundQueued = false;
    } else if (asked) {
        writeSilence(stream, std::min(pa_stream_writable_size(stream) / sizeof(float),
                                      std::size_t(rate) / 10));
        soundQueued = false; // all of the last sound was written, and it is nearly played out
    }
}

// The server takes the new rate in order with what is written, so the sound after it, and
// the silence before that, play at the sound's own rate; what an older sound left is flushed.
void Channel::followRate(pa_stream* stream)
{
    if (!streamRate)
        streamRate = static_cast<int>(pa_stream_get_sample_spec(stream)->rate);
    if (*streamRate == rate)
        return;
    streamRate = rate; // asked once: the server answers whether it could
    void* wanted = reinterpret_cast<void*>(static_cast<std::intptr_t>(rate));
    pa_operation* op = pa_stream_update_sample_rate(
        stream, static_cast<uint32_t>(rate),
        [](pa_stream*, int success, void* wanted) {
            if (!success)
                cannotPlayAt(static_cast<int>(reinterpret_cast<std::intptr_t>(wanted)));
        },
        wanted);
    if (op)
        pa_operation_unref(op);
    else
        cannotPlayAt(rate);
}

void Channel::writeSilence(pa_stream* stream, std::size_t samples)
{
    if (samples == 0)
        return;
    const std::vector<float> quiet(samples);
    pa_stream_write(stream, quiet.data(), quiet.size() * sizeof(float), nullptr, 0,
                    PA_SEEK_RELATIVE);
}

// Whole parts, as far ahead as the limit allows; true when anything was written.
bool Channel::writeParts(pa_stream* stream)
{
    bool wrote = false;
    while (!parts.empty() && aheadBytes < kMaxAheadBytes) {
        const std::vector<float>& part = *parts.front();
        const std::size_t samples =
            std::min(part.size() - offset, (kMaxAheadBytes - aheadBytes) / sizeof(float));
        if (pa_stream_write(stream, part.data() + offset, samples * sizeof(float), nullptr, 0,
                            std::exchange(overReadIndex, false) ? PA_SEEK_RELATIVE_ON_READ
                                                                : PA_SEEK_RELATIVE) < 0)
            return wrote;
        wrote = true;
        aheadBytes += samples * sizeof(float);
        offset += samples;
        if (offset == part.size()) {
            parts.pop_front();
            offset = 0;
        }
    }
    return wrote;
}
