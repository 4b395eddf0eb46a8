#include "platform/sound/soundservice.h"

#include "platform/sound/channel.h"
#include "platform/sound/pulselink.h"

#include <pulse/mainloop.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>

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

    void post(std::function<void()> request);
    void ring() const;
    void run();
    // Serves what was posted; false once the service is to stop.
    bool serveQueue();
    // A server that falls behind (or has stopped answering) is sent nothing more until it
    // has caught up; by then only the newest sound of each slot is still wanted.
    void pump();
    Channel& channel(SoundSlot slot) { return channels[static_cast<int>(slot)]; }
};

void SoundService::Engine::post(std::function<void()> request)
{
    {
        std::lock_guard guard(queueLock);
        if (stopping)
            return;
        queue.push_back(std::move(request));
    }
    ring();
}

void SoundService::Engine::ring() const
{
    const std::uint64_t one = 1;
    (void)!::write(bell, &one, sizeof one);
}

void SoundService::Engine::run()
{
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return;
    pa_mainloop_api* api = pa_mainloop_get_api(loop);
    {
        PulseLink pulse(
            api,
            [this] {
                for (Channel& ch : channels)
                    ch.serverLost();
                pump();
            },
            [this](SoundSlot slot) {
                channel(slot).serverAsked();
                pump();
            });
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

bool SoundService::Engine::serveQueue()
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

void SoundService::Engine::pump()
{
    if (link->state() != PulseLink::State::Ready)
        return;
    if (link->backlogged()) {
        link->afterBacklog([this] { pump(); });
        return;
    }
    for (Channel& ch : channels)
        if (ch.pending())
            ch.pump(link->stream(ch.slotOf()));
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
        if (ch.add(ticket, std::move(part), last) && ch.pending() && e->link->mayConnect())
            e->link->handle(PulseLink::Event::SoundWanted);
    });
}

void SoundService::post(std::function<void()> work)
{
    engine->post(std::move(work));
}
