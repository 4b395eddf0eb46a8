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
    using Clock = std::chrono::steady_clock;

    // onReady runs when both streams can take sound; onRequest when the server asks a stream
    // for more.
    PulseLink(pa_mainloop_api* api, std::function<void()> onReady,
              std::function<void(SoundSlot)> onRequest);
    ~PulseLink();

    State state() const { return current; }
    // Offline, and long enough after the last failure to try again.
    bool mayConnect() const;
    void handle(Event event);
    // The slot's stream while Ready; null otherwise.
    pa_stream* stream(SoundSlot slot) const;
    // Whether the server has yet to take or answer what was sent: more would only queue up.
    bool backlogged() const;
    // Runs then once the backlog has gone; only the newest such wish is kept.
    void afterBacklog(std::function<void()> then);

    PulseLink(const PulseLink&) = delete;
    PulseLink& operator=(const PulseLink&) = delete;

private:
    // Entering a state may itself raise the next event (a connection that fails at once).
    std::optional<Event> enter(State state);
    std::optional<Event> connect();
    void openStreams();
    void streamsChanged();
    void tearDown();

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void streamRequest(pa_stream* stream, std::size_t bytes, void* self);

    pa_mainloop_api* api;
    std::function<void()> onReady;
    std::function<void(SoundSlot)> onRequest;
    State current = State::Offline;
    bool triedBefore = false;
    Clock::time_point lastFailure;
    pa_context* context = nullptr;
    pa_stream* streams[2] = {nullptr, nullptr};
    std::function<void()> drained;
};
