#pragma once

#include <chrono>
#include <optional>
#include <string>

#include <cstdint>

struct pa_context;
struct pa_mainloop_api;
struct pa_time_event;

// What the link tells the sound service, on the service's thread.
class LinkListener
{
public:
    virtual ~LinkListener() = default;
    // The connection is new and ready: the server holds nothing of any sound yet.
    virtual void opened() = 0;
    // The connection is about to go: whatever was made on it (streams, operations awaited)
    // must be let go now, while it still exists.
    virtual void closing() = 0;
    // The server has taken and answered everything sent to it so far.
    virtual void caughtUp() = 0;
    // The connection could not be made, or has gone; why, in words.
    virtual void lost(const std::string& reason) = 0;
};

// The connection to the sound server, on the service's thread only. It holds no stream: each
// sound brings its own, so between sounds the server has nothing of ours to mix. Its life is
// a small state machine, written down in one table in the .cpp.
class PulseLink
{
public:
    enum class State { Offline, Connecting, Ready, Closed };
    enum class Event { SoundWanted, Connected, Lost, Shutdown };
    using Clock = std::chrono::steady_clock;

    // serverAddress is PULSE_SERVER as it was when the service started (empty when unset).
    PulseLink(pa_mainloop_api* api, const std::string& serverAddress, LinkListener& listener);
    ~PulseLink() { tearDown(); }

    // Offline, and long enough after the last failure to try again.
    bool mayConnect() const;
    void handle(Event event);
    bool ready() const { return current == State::Ready; }
    // Ready, and the server has answered everything sent: more written now is played rather
    // than queued behind what it has not read yet.
    bool caughtUp() const;
    // Watches for the server to catch up; the listener then hears caughtUp(). True while
    // watching (one watch at a time); false when no watch could be set.
    bool awaitCatchUp();
    // The connection, once ready; null otherwise.
    pa_context* context() const { return current == State::Ready ? ctx : nullptr; }

    PulseLink(const PulseLink&) = delete;
    PulseLink& operator=(const PulseLink&) = delete;

private:
    // Entering a state may itself raise the next event (a connection that fails at once).
    std::optional<Event> enter(State state);
    std::optional<Event> connect();
    void fail(const std::string& what);
    void tearDown();
    void checkCatchUp();
    void stopCatchUpCheck();

    pa_mainloop_api* api;
    // Why libpulse must not be handed the address, or empty when it may be.
    const std::string unusableAddress;
    LinkListener& listener;
    State current = State::Offline;
    // When the last connection failed: the next attempt waits kRetryInterval from it.
    std::optional<Clock::time_point> failedAt;
    // What went wrong, set just before Lost is raised and handed to the listener with it.
    std::string failure;
    // Set while the server is behind: the listener hears caughtUp() once it is not.
    pa_time_event* catchUpCheck = nullptr;
    std::uint64_t checkEvery = 0; // microseconds
    pa_context* ctx = nullptr;
};

// Why a PULSE_SERVER value must not reach libpulse, which aborts the whole program on some
// (a host name of ten kilobytes or more fails an assertion in its resolver); empty when it
// is fine. Empty means the default server.
std::string unusableServerAddress(const std::string& address);
