#include "platform/sound/channel.h"

#include <pulse/stream.h>

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
// has already mixed ahead; the first millisecond or so can be lost on the way, and a tick
// is all attack. This much silence goes first and takes the loss instead.
constexpr int kLeadInMs = 3;

void done(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}

} // namespace

void Channel::begin(std::uint64_t newTicket)
{
    cut = cut || started;
    ticket = newTicket;
    parts.clear();
    offset = 0;
    complete = started = false;
    begun = Clock::now();
}

bool Channel::add(std::uint64_t forTicket, Samples part, bool last)
{
    if (forTicket != ticket)
        return false;
    if (part && !part->empty())
        parts.push_back(std::move(part));
    complete = last;
    return true;
}

void Channel::serverLost()
{
    cut = started = false;
    aheadBytes = 0;
}

void Channel::pump(pa_stream* s)
{
    if (cut) {
        // The server drops what it still holds of the last sound, so it stops now.
        done(pa_stream_flush(s, nullptr, nullptr));
        cut = false;
    }
    if (!started && Clock::now() - begun > kFreshFor)
        parts.clear(); // asked for before the server was there, and too long ago
    if (parts.empty())
        return;
    if (!started) {
        const std::vector<float> quiet(std::size_t(SoundService::rateOf(slot)) * kLeadInMs / 1000);
        pa_stream_write(s, quiet.data(), quiet.size() * sizeof(float), nullptr, 0,
                        PA_SEEK_RELATIVE);
        started = true;
    }
    bool wrote = false;
    while (!parts.empty() && aheadBytes < kMaxAheadBytes) {
        const std::vector<float>& part = *parts.front();
        const std::size_t samples =
            std::min(part.size() - offset, (kMaxAheadBytes - aheadBytes) / sizeof(float));
        if (pa_stream_write(s, part.data() + offset, samples * sizeof(float), nullptr, 0,
                            PA_SEEK_RELATIVE) < 0)
            return;
        wrote = true;
        aheadBytes += samples * sizeof(float);
        offset += samples;
        if (offset == part.size()) {
            parts.pop_front();
            offset = 0;
        }
    }
    // A sound shorter than the server's start threshold would otherwise wait for more.
    if (wrote && complete && parts.empty())
        done(pa_stream_trigger(s, nullptr, nullptr));
}
