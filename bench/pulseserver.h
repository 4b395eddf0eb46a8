#pragma once

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

// One connection to the sound server on a thread of libpulse's own, for the benchmarks that
// drive the server directly. Everything that touches the context or its streams holds the
// loop's lock (a Locked in scope), as libpulse asks of a threaded loop.
class PulseServer
{
public:
    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Connects to $PULSE_SERVER; false when no server answered.
    bool connect(const char* name);
    pa_context* context() const { return ctx; }
    pa_threaded_mainloop* loop() const { return mainloop; }

    struct Locked {
        explicit Locked(PulseServer& s) : loop(s.mainloop) { pa_threaded_mainloop_lock(loop); }
        ~Locked() { pa_threaded_mainloop_unlock(loop); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;
        pa_threaded_mainloop* loop;
    };
    // With the lock held: waits for the loop's signal (every callback here gives one).
    void wait() { pa_threaded_mainloop_wait(mainloop); }
    // A callback that only wakes whoever waits, for libpulse's state and success callbacks.
    static void wake(void* server);

    // Whether the sink of that name is suspended at this moment (one round trip).
    bool sinkSuspended(const char* sink);
    // Whether the server has a module of that name loaded (one round trip).
    bool hasModule(const char* module);

private:
    pa_threaded_mainloop* mainloop;
    pa_context* ctx = nullptr;
};

// Drops an operation's reference; libpulse hands back null when it could not be sent.
inline void unref(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}
