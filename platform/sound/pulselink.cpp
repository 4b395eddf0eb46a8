#include "platform/sound/pulselink.h"

#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <optional>
#include <utility>

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
// What the server is asked to keep buffered. Each sound is written whole, well beyond this,
// so it only sets how soon a new sound is heard, not whether one can run dry.
constexpr double kTargetSeconds = 0.010;

pa_buffer_attr bufferFor(SoundSlot slot)
{
    const auto bytesPerSecond = static_cast<double>(SoundService::rateOf(slot) * sizeof(float));
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1); // as much as the server allows (4 MB)
    attr.tlength = static_cast<uint32_t>(bytesPerSecond * kTargetSeconds);
    // Start as soon as anything is there: a sound arrives whole, or, when it is streamed,
    // in parts that stay well ahead of it.
    attr.prebuf = sizeof(float);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    return attr;
}

} // namespace

PulseLink::PulseLink(pa_mainloop_api* api, std::function<void(News, SoundSlot)> listener)
    : api(api), listener(std::move(listener))
{
}

bool PulseLink::mayConnect() const
{
    return current == State::Offline &&
           (!lastFailure || Clock::now() - *lastFailure >= kRetryInterval);
}

bool PulseLink::writable()
{
    if (current != State::Ready)
        return false;
    if (pa_context_is_pending(context) <= 0)
        return true;
    if (draining)
        return false;
    pa_operation* op = pa_context_drain(
        context,
        [](pa_context*, void* self) {
            auto* link = static_cast<PulseLink*>(self);
            link->draining = false;
            link->listener(News::Drained, SoundSlot::Tick);
        },
        this);
    if (!op)
        return true; // no wait can be arranged: better a sound queued than none at all
    pa_operation_unref(op);
    draining = true;
    return false;
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
        listener(News::Opened, SoundSlot::Tick);
        break;
    case State::Offline:
        lastFailure = Clock::now();
        [[fallthrough]];
    case State::Closed:
        tearDown();
        break;
    }
    return std::nullopt;
}

std::optional<PulseLink::Event> PulseLink::connect()
{
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Chimewise");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.example.chimewise");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "org.example.chimewise");
    context = pa_context_new_with_proplist(api, "Chimewise", props);
    pa_proplist_free(props);
    if (!context)
        return Event::Lost;
    pa_context_set_state_callback(
        context,
        [](pa_context* c, void* self) {
            const pa_context_state_t state = pa_context_get_state(c);
            if (state == PA_CONTEXT_READY)
                static_cast<PulseLink*>(self)->openStreams();
            else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
                static_cast<PulseLink*>(self)->handle(Event::Lost);
        },
        this);
    // A server that accepts and then never answers leaves this Connecting for good, which
    // costs nothing: sounds meanwhile go stale, and closing never waits for it.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return Event::Lost;
    return std::nullopt;
}

void PulseLink::openStreams()
{
    for (SoundSlot slot : {SoundSlot::Tick, SoundSlot::Speech}) {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE,
                                    static_cast<uint32_t>(SoundService::rateOf(slot)), 1};
        pa_stream*& s = streams[static_cast<int>(slot)];
        s = pa_stream_new(context, slot == SoundSlot::Tick ? "ticks" : "voice", &format, nullptr);
        if (!s) {
            handle(Event::Lost);
            return;
        }
    }
    // Connecting reports back at once, so both streams exist before either does.
    for (SoundSlot slot : {SoundSlot::Tick, SoundSlot::Speech}) {
        pa_stream* s = streams[static_cast<int>(slot)];
        pa_stream_set_state_callback(
            s, [](pa_stream*, void* self) { static_cast<PulseLink*>(self)->streamsChanged(); },
            this);
        pa_stream_set_write_callback(
            s,
            [](pa_stream* asking, std::size_t, void* self) {
                auto* link = static_cast<PulseLink*>(self);
                const bool tick = asking == link->streams[static_cast<int>(SoundSlot::Tick)];
                link->listener(News::Asked, tick ? SoundSlot::Tick : SoundSlot::Speech);
            },
            this);
        const pa_buffer_attr attr = bufferFor(slot);
        const int failed = pa_stream_connect_playback(s, nullptr, &attr, PA_STREAM_ADJUST_LATENCY,
                                                      nullptr, nullptr);
        if (current != State::Connecting)
            return; // the connection went while the stream was connected
        if (failed < 0) {
            handle(Event::Lost);
            return;
        }
    }
}

void PulseLink::streamsChanged()
{
    bool ready = true;
    for (pa_stream* s : streams) {
        const pa_stream_state_t state = s ? pa_stream_get_state(s) : PA_STREAM_FAILED;
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            handle(Event::Lost);
            return;
        }
        ready = ready && state == PA_STREAM_READY;
    }
    if (ready)
        handle(Event::Connected);
}

void PulseLink::tearDown()
{
    draining = false;
    // Callbacks go first, so taking things apart raises no events of its own.
    for (pa_stream*& s : streams) {
        if (!s)
            continue;
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_set_write_callback(s, nullptr, nullptr);
        pa_stream_disconnect(s);
        pa_stream_unref(s);
        s = nullptr;
    }
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
}
