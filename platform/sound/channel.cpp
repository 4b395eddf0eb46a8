#include "platform/sound/channel.h"

#include "platform/sound/soundlog.h"

#include <utility>

namespace
{
// A sound asked for while the server was still being reached is played once it is, unless
// it has gone stale by then: a tick a second late no longer belongs to its click.
constexpr auto kFreshFor = std::chrono::milliseconds(1000);
} // namespace

Channel::Channel(SoundSlot slot, std::function<void()> changed)
    : slot(slot), changed(std::move(changed))
{
    // A tick is a whole file, played again and again: kept at the server, it starts with one
    // message, with no stream to open and no answer to wait for.
    if (slot == SoundSlot::Tick)
        cache = std::make_unique<SampleCache>(this->changed);
}

void Channel::begin(std::uint64_t newTicket, Clock::time_point at, int newRate)
{
    cutOwed = true;
    current = Phase::Waiting;
    ticket = newTicket;
    begunAt = at;
    rate = newRate;
    parts.clear();
    offset = 0;
    lastArrived = false;
}

void Channel::add(std::uint64_t forTicket, std::deque<Samples>&& more, bool last)
{
    if (forTicket != ticket || !owed())
        return;
    for (Samples& part : more)
        if (part && !part->empty())
            parts.push_back(std::move(part));
    lastArrived = last;
    if (lastArrived && parts.empty() && current == Phase::Waiting)
        current = Phase::Idle; // an empty sound: the cut is all there is to it
}

void Channel::keep(const Samples& sound, int soundRate)
{
    if (cache && toKeep.size() < 8)
        toKeep.emplace_back(sound, soundRate);
}

void Channel::reopened(pa_context* c)
{
    context = c;
    if (cache)
        cache->attach(c);
    cutOwed = false;
    if (current == Phase::Writing)
        current = Phase::Waiting;
    else if (current == Phase::Done)
        current = Phase::Idle;
}

void Channel::closing()
{
    stream.reset();
    if (cache)
        cache->detach();
    context = nullptr;
}

void Channel::serve(Clock::time_point now)
{
    if (!context)
        return;
    if (current == Phase::Waiting && now - begunAt > kFreshFor) {
        parts.clear(); // asked for before the server was there, and too long ago
        current = Phase::Idle;
    }
    if (std::exchange(cutOwed, false)) {
        stream.reset(); // the server drops what it still holds of it
        if (cache)
            cache->cut();
    }
    if (stream && stream->state() == SoundStream::State::Played) {
        stream.reset();
        failureSaid = false;
    }
    if (stream && stream->state() == SoundStream::State::Failed)
        return dropSound(stream->failure());
    for (const auto& [sound, soundRate] : std::exchange(toKeep, {}))
        if (cache->entry(sound, soundRate) == SampleCache::Entry::Absent)
            cache->upload(sound, soundRate);
    if (!owed())
        return;
    if (cache && playKept())
        return;
    playStreamed();
}

// A whole sound of one part, as files are, goes through the cache; anything else, or one the
// server would not keep, is streamed. A sound still coming waits whole, as it soon is.
bool Channel::playKept()
{
    if (parts.size() != 1 || offset != 0)
        return false;
    if (!lastArrived)
        return true;
    const Samples sound = parts.front();
    switch (cache->entry(sound, rate)) {
    case SampleCache::Entry::Absent:
        cache->upload(sound, rate);
        return true;
    case SampleCache::Entry::Uploading:
        return true;
    case SampleCache::Entry::Kept:
        cache->play(sound, rate);
        parts.clear();
        current = Phase::Done;
        failureSaid = false;
        return true;
    case SampleCache::Entry::Refused:
        break;
    }
    return false;
}

void Channel::playStreamed()
{
    if (!stream) {
        if (parts.empty())
            return;
        stream = std::make_unique<SoundStream>(context, slot, rate, changed);
        current = Phase::Writing;
    }
    if (stream->state() == SoundStream::State::Failed)
        return dropSound(stream->failure());
    if (stream->state() != SoundStream::State::Open)
        return;
    while (!parts.empty()) {
        const std::vector<float>& part = *parts.front();
        const std::size_t n = stream->write(part.data() + offset, part.size() - offset);
        if (n == 0)
            return; // as far ahead as may go: the rest when the server asks
        offset += n;
        if (offset == part.size()) {
            parts.pop_front();
            offset = 0;
        }
    }
    if (lastArrived) {
        stream->finish();
        current = Phase::Done;
    }
}

// Said once, until a sound plays again; the slot waits for the next sound.
void Channel::dropSound(const std::string& why)
{
    if (!std::exchange(failureSaid, true))
        qCWarning(lcSound, "No sound: %s. The clock carries on.", why.c_str());
    stream.reset();
    parts.clear();
    if (owed())
        current = Phase::Idle;
}
