#pragma once

#include "platform/sound/soundservice.h"

#include <chrono>
#include <functional>
#include <optional>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;

// The connection to the sound server and one playback stream per slot, on the service's
// thread only. Its life is a small state machine, written down in one table in the .cpp.
class PulseLink
{
public:
    enum class State { Offline, Connecting, Ready, Closed };
    enum class Event { SoundWanted, Connected, Lost, Shutdown };
    // Why the service may write now: both streams are new, the slot's stream asked for more,
    // or the server has caught up.
    enum class News { Opened, Asked, Drained };
    using Clock = std::chrono::steady_clock;

    PulseLink(pa_mainloop_api* api, std::function<void(News, SoundSlot)> listener);
    ~PulseLink() { tearDown(); }

    // Offline, and long enough after the last failure to try again.
    bool mayConnect() const;
    void handle(Event event);
    // Ready, and the server has taken and answered all that was sent. When it has not, more
    // would only queue up: the listener hears Drained once it has.
    bool writable();
    pa_stream* stream(SoundSlot slot) const { return streams[static_cast<int>(slot)]; }

    PulseLink(const PulseLink&) = delete;
    PulseLink& operator=(const PulseLink&) = delete;

private:
    // Entering a state may itself raise the next event (a connection that fails at once).
    std::optional<Event> enter(State state);
    std::optional<Event> connect();
    void openStreams();
    void streamsChanged();
    void tearDown();

    pa_mainloop_api* api;
    std::function<void(News, SoundSlot)> listener;
    State current = State::Offline;
    std::optional<Clock::time_point> lastFailure;
    pa_context* context = nullptr;
    pa_stream* streams[2] = {nullptr, nullptr};
    bool draining = false;
};
