#include "platform/sound/soundservice.h"

#include "platform/sound/pulselink.h"

#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>

namespace
{

using Clock = std::chrono::steady_clock;

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

// What one slot is to play and the server has not been given yet. Requests only change this
// record; pump() then hands the server what it is owed, so a burst of requests costs one cut
// and the newest sound, not all of them.
struct Channel {
    explicit Channel(SoundSlot slot) : slot(slot) {}

    const SoundSlot slot;
    std::uint64_t ticket = 0;
    std::deque<Samples> parts;
    std::size_t offset = 0; // samples of parts.front() already written
    bool complete = false;
    bool cut = false;     // the server still holds the previous sound
    bool started = false; // some of this sound has gone to the server
    Clock::time_point begun;
    std::size_t aheadBytes = 0; // written since the server last asked for more

    void begin(std::uint64_t newTicket)
    {
        cut = cut || started;
        ticket = newTicket;
        parts.clear();
        offset = 0;
        complete = started = false;
        begun = Clock::now();
    }
    bool pending() const { return cut || !parts.empty(); }
    void pump(pa_stream* s);
};

void Channel::pump(pa_stream* s)
{
    if (cut) {
        // The server drops what it still holds of the last sound, so it stops now.
        if (pa_operation* op = pa_stream_flush(s, nullptr, nullptr))
            pa_operation_unref(op);
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
        if (pa_operation* op = pa_stream_trigger(s, nullptr, nullptr))
            pa_operation_unref(op);
}

} // namespace

struct SoundService::Engine {
    Engine() : bell(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~Engine() { close(bell); }

    // Shared with posting threads: the queue under queueLock, and the bell that wakes the
    // service's loop (writing to it never blocks).
    std::mutex queueLock;
    std::deque<std::function<void()>> queue;
    bool stopping = false;
    const int bell;
    std::atomic<std::uint64_t> tickets{0};

    // The service thread's alone, while it runs.
    Channel channels[2] = {Channel(SoundSlot::Tick), Channel(SoundSlot::Speech)};
    PulseLink* link = nullptr;

    Channel& channel(SoundSlot slot) { return channels[static_cast<int>(slot)]; }

    void post(std::function<void()> request)
    {
        {
            std::lock_guard guard(queueLock);
            if (stopping)
                return;
            queue.push_back(std::move(request));
        }
        ring();
    }

    void ring() const
    {
        const std::uint64_t one = 1;
        (void)!::write(bell, &one, sizeof one);
    }

    // Serves what was posted; false once the service is to stop.
    bool serveQueue()
    {
        std::deque<std::function<void()>> batch;
        {
            std::lock_guard guard(queueLock);
            if (stopping)
                return false;
            batch.swap(queue);
        }
        for (auto& request : batch)
            request();
        pump();
        return true;
    }

    void hear(PulseLink::News news, SoundSlot asking)
    {
        for (Channel& ch : channels) {
            // New streams hold nothing to cut; what the old ones had not taken is offered to
            // them, if it is still fresh.
            if (news == PulseLink::News::Opened)
                ch.cut = ch.started = false;
            if (news == PulseLink::News::Opened ||
                (news == PulseLink::News::Asked && ch.slot == asking))
                ch.aheadBytes = 0;
        }
        pump();
    }

    // A server that falls behind (or has stopped answering) is sent nothing more until it
    // has caught up; by then only the newest sound of each slot is still wanted.
    void pump()
    {
        if (link->writable())
            for (Channel& ch : channels)
                if (ch.pending())
                    ch.pump(link->stream(ch.slot));
    }

    void run();
};

void SoundService::Engine::run()
{
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return;
    pa_mainloop_api* api = pa_mainloop_get_api(loop);
    {
        PulseLink pulse(api, [this](PulseLink::News news, SoundSlot slot) { hear(news, slot); });
        link = &pulse;
        // The bell is just another file the loop watches, so a request is never missed
        // between looking at the queue and waiting.
        pa_io_event* watch = api->io_new(
            api, bell, PA_IO_EVENT_INPUT,
            [](pa_mainloop_api* a, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
                std::uint64_t rings;
                (void)!::read(fd, &rings, sizeof rings);
                if (!static_cast<Engine*>(self)->serveQueue())
                    a->quit(a, 0);
            },
            this);
        if (serveQueue())
            pa_mainloop_run(loop, nullptr);
        api->io_free(watch);
        pulse.handle(PulseLink::Event::Shutdown);
    }
    pa_mainloop_free(loop);
}

SoundService::SoundService() : engine(std::make_unique<Engine>()), thread([this] { engine->run(); })
{
}

SoundService::~SoundService()
{
    {
        std::lock_guard guard(engine->queueLock);
        engine->stopping = true;
    }
    engine->ring();
    thread.join();
}

std::uint64_t SoundService::begin(SoundSlot slot)
{
    const std::uint64_t ticket = ++engine->tickets;
    engine->post([e = engine.get(), slot, ticket] { e->channel(slot).begin(ticket); });
    return ticket;
}

void SoundService::add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last)
{
    engine->post([e = engine.get(), slot, ticket, part = std::move(part), last]() mutable {
        Channel& ch = e->channel(slot);
        if (ticket != ch.ticket)
            return; // the slot has begun a newer sound
        if (part && !part->empty())
            ch.parts.push_back(std::move(part));
        ch.complete = last;
        if (ch.pending() && e->link->mayConnect())
            e->link->handle(PulseLink::Event::SoundWanted);
    });
}

void SoundService::post(std::function<void()> work)
{
    engine->post(std::move(work));
}
