#include "platform/sound/pulselink.h"

#include "platform/sound/pulsecookie.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop-api.h>
#include <pulse/proplist.h>
#include <pulse/rtclock.h>

#include <algorithm>
#include <optional>
#include <sstream>

namespace
{

using State = PulseLink::State;
using Event = PulseLink::Event;

// Every change of state there is; an event that a state does not list changes nothing.
struct Transition {
    State from;
    Event event;
    State to;
};
constexpr Transition kTransitions[] = {
    {State::Offline, Event::SoundWanted, State::Connecting},
    {State::Connecting, Event::Connected, State::Ready},
    {State::Connecting, Event::Lost, State::Offline},
    {State::Ready, Event::Lost, State::Offline},
    {State::Offline, Event::Shutdown, State::Closed},
    {State::Connecting, Event::Shutdown, State::Closed},
    {State::Ready, Event::Shutdown, State::Closed},
};

std::optional<State> next(State from, Event event)
{
    for (const Transition& t : kTransitions)
        if (t.from == from && t.event == event)
            return t.to;
    return std::nullopt;
}

// After a failure, sounds are dropped for this long before the server is looked for again,
// so a machine without one does not pay for a failed connection on every tick.
constexpr auto kRetryInterval = std::chrono::seconds(2);
// Host names stop at 253 characters and socket paths at 107 bytes; with a scheme, a port and
// a machine id in braces, no real server address comes near this.
constexpr std::size_t kLongestAddress = 1024;
// A server keeping up answers within a millisecond; a sound waiting for it should not wait
// much longer than it does.
constexpr pa_usec_t kFirstCatchUpCheck = 250;
// A new sound does not wait for the next look: it looks for itself.
constexpr pa_usec_t kLongestCatchUpCheck = 1000000;

pa_context* newContext(pa_mainloop_api* api)
{
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Chimewise");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.example.chimewise");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "org.example.chimewise");
    // Shared memory would map the server's 64 MB pool into this process, which fails where
    // the address space is limited and leaves every stream mute. The few hundred kilobytes
    // a second played here go through the socket just as well.
    pa_proplist_sets(props, "context.force.disable.shm", "yes");
    pa_context* context = pa_context_new_with_proplist(api, "Chimewise", props);
    pa_proplist_free(props);
    keepCookieUnwritten(context);
    return context;
}

std::string why(pa_context* context)
{
    return pa_strerror(context ? pa_context_errno(context) : PA_ERR_INTERNAL);
}

} // namespace

std::string unusableServerAddress(const std::string& address)
{
    std::istringstream entries(address);
    for (std::string entry; entries >> entry;)
        if (entry.size() > kLongestAddress)
            return "PULSE_SERVER holds an address of " + std::to_string(entry.size()) +
                   " bytes, which cannot be a sound server";
    return {};
}

PulseLink::PulseLink(pa_mainloop_api* api, const std::string& serverAddress, LinkListener& listener)
    : api(api), unusableAddress(unusableServerAddress(serverAddress)), listener(listener)
{
}

bool PulseLink::mayConnect() const
{
    return current == State::Offline && (!failedAt || Clock::now() - *failedAt >= kRetryInterval);
}

bool PulseLink::caughtUp() const
{
    return current == State::Ready && pa_context_is_pending(ctx) <= 0;
}

bool PulseLink::awaitCatchUp()
{
    if (current != State::Ready)
        return false;
    if (catchUpCheck)
        return true;
    // Not pa_context_drain: the operation it makes is never freed when the connection goes
    // before the server has caught up (libpulse keeps a reference for the callback it then
    // never calls), and a server is lost in just that state when it hangs and dies.
    checkEvery = kFirstCatchUpCheck;
    catchUpCheck = pa_context_rttime_new(
        ctx, pa_rtclock_now() + checkEvery,
        [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
            static_cast<PulseLink*>(self)->checkCatchUp();
        },
        this);
    return catchUpCheck != nullptr;
}

// Looked at again soon, then less and less often: a server that has stopped answering costs
// a wake-up a second until its requests time out or it is lost.
void PulseLink::checkCatchUp()
{
    if (!caughtUp()) {
        checkEvery = std::min<pa_usec_t>(checkEvery * 2, kLongestCatchUpCheck);
        pa_context_rttime_restart(ctx, catchUpCheck, pa_rtclock_now() + checkEvery);
        return;
    }
    stopCatchUpCheck();
    listener.caughtUp();
}

void PulseLink::stopCatchUpCheck()
{
    if (catchUpCheck)
        api->time_free(catchUpCheck);
    catchUpCheck = nullptr;
}

void PulseLink::handle(Event event)
{
    std::optional<State> to = next(current, event);
    while (to) {
        current = *to;
        const std::optional<Event> raised = enter(current);
        to = raised ? next(current, *raised) : std::nullopt;
    }
}

std::optional<PulseLink::Event> PulseLink::enter(State state)
{
    switch (state) {
    case State::Connecting:
        return connect();
    case State::Ready:
        listener.opened();
        break;
    case State::Offline:
        failedAt = Clock::now();
        tearDown();
        listener.lost(failure);
        break;
    case State::Closed:
        tearDown();
        break;
    }
    return std::nullopt;
}

void PulseLink::fail(const std::string& what)
{
    failure = what;
    handle(Event::Lost);
}

std::optional<PulseLink::Event> PulseLink::connect()
{
    failure = unusableAddress;
    if (!failure.empty())
        return Event::Lost;
    ctx = newContext(api);
    if (!ctx) {
        failure = "cannot make a connection to the sound server: out of memory";
        return Event::Lost;
    }
    pa_context_set_state_callback(
        ctx,
        [](pa_context* c, void* self) {
            auto* link = static_cast<PulseLink*>(self);
            const pa_context_state_t state = pa_context_get_state(c);
            if (state == PA_CONTEXT_READY)
                link->handle(Event::Connected);
            else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
                link->fail((link->current == State::Ready
                                ? "lost the sound server: "
                                : "cannot connect to the sound server: ") +
                           why(c));
        },
        this);
    // A server that accepts and then never answers leaves this Connecting for good, which
    // costs nothing: sounds meanwhile go stale, and closing never waits for it.
    if (pa_context_connect(ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        failure = "cannot connect to the sound server: " + why(ctx);
        return Event::Lost;
    }
    return std::nullopt;
}

void PulseLink::tearDown()
{
    stopCatchUpCheck();
    if (!ctx)
        return;
    listener.closing();
    // Callbacks go first, so taking the connection apart raises no events of its own.
    pa_context_set_state_callback(ctx, nullptr, nullptr);
    pa_context_disconnect(ctx);
    pa_context_unref(ctx);
    ctx = nullptr;
}
