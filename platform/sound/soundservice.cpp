#include "platform/sound/soundservice.h"

#include "platform/sound/channel.h"
#include "platform/sound/pulselink.h"
#include "platform/sound/soundlog.h"

#include <pulse/mainloop.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

// What callers have asked of one slot since the service last looked. The ticket stays, so
// parts of an older sound are turned away at once, on the caller's thread.
struct Request {
    std::uint64_t ticket = 0;
    bool begun = false; // a newer sound since the last look: it cuts the slot
    Clock::time_point begunAt;
    int rate = 0; // of the sound of the ticket
    std::deque<Samples> parts;
    bool last = false;
    std::vector<std::pair<Samples, int>> toKeep; // whole sounds and their rates

    void beginAnew(std::uint64_t newTicket, int newRate)
    {
        ticket = newTicket;
        begun = true;
        begunAt = Clock::now();
        rate = newRate;
        parts.clear();
        last = false;
    }
    Request take()
    {
        Request taken = std::move(*this);
        begun = last = false;
        parts.clear();
        toKeep.clear();
        return taken;
    }
};

} // namespace

struct SoundService::Engine final : LinkListener {
    Engine()
        : bell(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
          serverAddress(std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "")
    {
        if (bell < 0)
            goSilent(std::string("cannot make the sound thread's wake-up: ") +
                     std::strerror(errno));
    }
    ~Engine() override
    {
        if (bell >= 0)
            close(bell);
    }

    // Shared with the callers' threads: the requests under inboxLock, and the bell that wakes
    // the service's loop (ringing it never blocks). Once silent, requests are turned away.
    std::mutex inboxLock;
    Request inbox[2];
    bool stopping = false;
    std::atomic<bool> silent{false};
    const int bell;
    std::atomic<std::uint64_t> tickets{0};
    // Read once, on the thread that made the service; empty when unset.
    const std::string serverAddress;

    // The service thread's alone, while it runs.
    Channel channels[2] = {Channel(SoundSlot::Tick, [this] { pumpSoon(); }),
                           Channel(SoundSlot::Speech, [this] { pumpSoon(); })};
    PulseLink* link = nullptr;
    pa_mainloop_api* api = nullptr;
    // Enabled when something at the server has changed: the channels are served once the
    // loop has left libpulse's callback, never from inside it.
    pa_defer_event* soon = nullptr;
    // Said why there is no sound, and sound has not worked since.
    bool failureReported = false;

    void ring() const
    {
        const std::uint64_t one = 1;
        (void)!::write(bell, &one, sizeof one);
    }

    void goSilent(const std::string& why)
    {
        silent = true;
        qCWarning(lcSound, "No sound: %s. The clock carries on silently.", why.c_str());
    }

    // Takes in what was asked; false once the service is to stop.
    bool serveRequests();
    void pump();
    void pumpSoon()
    {
        if (soon)
            api->defer_enable(soon, 1);
    }
    void run();

    void opened() override;
    void closing() override
    {
        for (Channel& ch : channels)
            ch.closing();
    }
    void caughtUp() override { pump(); }
    void lost(const std::string& reason) override;
};

bool SoundService::Engine::serveRequests()
{
    Request taken[2];
    {
        std::lock_guard guard(inboxLock);
        if (stopping)
            return false;
        for (int i = 0; i < 2; ++i)
            taken[i] = inbox[i].take();
    }
    for (Channel& ch : channels) {
        Request& request = taken[static_cast<int>(ch.slot)];
        if (request.begun)
            ch.begin(request.ticket, request.begunAt, request.rate);
        if (!request.parts.empty() || request.last)
            ch.add(request.ticket, std::move(request.parts), request.last);
        for (const auto& [sound, rate] : request.toKeep)
            ch.keep(sound, rate);
        if (ch.owed() && link->mayConnect())
            link->handle(PulseLink::Event::SoundWanted);
    }
    pump();
    return true;
}

// A server that falls behind (or has stopped answering) is sent nothing more until it has
// caught up; by then only the newest sound of each slot is still wanted.
void SoundService::Engine::pump()
{
    if (!link->ready() || (!link->caughtUp() && link->awaitCatchUp()))
        return;
    const Clock::time_point now = Clock::now();
    for (Channel& ch : channels)
        ch.serve(now);
}

void SoundService::Engine::opened()
{
    failureReported = false;
    for (Channel& ch : channels)
        ch.reopened(link->context());
    pump();
}

// A server that stays away is retried every couple of seconds; that is said only once.
void SoundService::Engine::lost(const std::string& reason)
{
    if (failureReported)
        return;
    failureReported = true;
    qCWarning(lcSound, "No sound: %s. The clock carries on silently.", reason.c_str());
}

void SoundService::Engine::run()
{
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) {
        goSilent("cannot start the sound thread's loop");
        return;
    }
    api = pa_mainloop_get_api(loop);
    {
        PulseLink pulse(api, serverAddress, *this);
        link = &pulse;
        soon = api->defer_new(
            api,
            [](pa_mainloop_api* a, pa_defer_event* e, void* self) {
                a->defer_enable(e, 0);
                static_cast<Engine*>(self)->pump();
            },
            this);
        api->defer_enable(soon, 0);
        // The bell is just another file the loop watches, so a request is never missed
        // between looking at the inbox and waiting.
        pa_io_event* watch = api->io_new(
            api, bell, PA_IO_EVENT_INPUT,
            [](pa_mainloop_api* a, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
                std::uint64_t rings;
                (void)!::read(fd, &rings, sizeof rings);
                if (!static_cast<Engine*>(self)->serveRequests())
                    a->quit(a, 0);
            },
            this);
        if (serveRequests())
            pa_mainloop_run(loop, nullptr);
        api->io_free(watch);
        pulse.handle(PulseLink::Event::Shutdown);
        api->defer_free(soon);
        soon = nullptr;
    }
    pa_mainloop_free(loop);
}

SoundService::SoundService()
    : engine(std::make_unique<Engine>()),
      thread(engine->silent ? std::thread() : std::thread([this] { engine->run(); }))
{
}

SoundService::~SoundService()
{
    {
        std::lock_guard guard(engine->inboxLock);
        engine->stopping = true;
    }
    if (thread.joinable()) {
        engine->ring();
        thread.join();
    }
}

std::uint64_t SoundService::begin(SoundSlot slot, int rate)
{
    const std::uint64_t ticket = ++engine->tickets;
    if (engine->silent)
        return ticket;
    {
        std::lock_guard guard(engine->inboxLock);
        engine->inbox[static_cast<int>(slot)].beginAnew(ticket, rate);
    }
    engine->ring();
    return ticket;
}

// The wave player names the files the window plays; a handful at most.
void SoundService::keep(SoundSlot slot, int rate, Samples sound)
{
    if (engine->silent || !sound || sound->empty())
        return;
    {
        std::lock_guard guard(engine->inboxLock);
        auto& toKeep = engine->inbox[static_cast<int>(slot)].toKeep;
        if (toKeep.size() < 4)
            toKeep.emplace_back(std::move(sound), rate);
    }
    engine->ring();
}

void SoundService::add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last)
{
    if (engine->silent)
        return;
    {
        std::lock_guard guard(engine->inboxLock);
        Request& request = engine->inbox[static_cast<int>(slot)];
        if (request.ticket != ticket)
            return; // the slot has begun a newer sound
        if (part && !part->empty())
            request.parts.push_back(std::move(part));
        request.last = last;
    }
    engine->ring();
}
