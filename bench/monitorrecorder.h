#pragma once

#include "bench/pulseserver.h"

#include <chrono>
#include <mutex>
#include <vector>

struct pa_stream;

// Records the private server's null sink (nullsink.monitor) and knows when each sample came
// out, like the tests' recorder, but without keeping the sink awake: a server with
// module-suspend-on-idle may still suspend it between sounds. A suspended sink sends nothing,
// so the recording is kept in pieces, each with its own start, and a gap reads as silence.
// Times are milliseconds on the recorder's steady clock: read nowMs() just before a request.
class MonitorRecorder
{
public:
    static constexpr int kRate = 48000;

    explicit MonitorRecorder(PulseServer& server) : server(server) {}
    ~MonitorRecorder() { stop(); }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Attaches to the monitor; once samples flow, returns after they have settled. False
    // when the stream could not be made. A suspended sink sends nothing: that is no failure.
    bool start();
    // Detaches, so the recording costs the server nothing; what was recorded stays.
    void stop();

    double nowMs() const
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
    }
    // Sleeps until untilMs; the samples come in on the server's thread meanwhile.
    void listenUntil(double untilMs) const;
    // The samples of [fromMs, toMs); silence where nothing was recorded.
    std::vector<float> samplesBetween(double fromMs, double toMs) const;

private:
    using Clock = std::chrono::steady_clock;
    // Samples that came without a break, and when the first of them came out: each delivery
    // bounds that from above (it arrives after its samples were played), so the smallest
    // bound seen is the best estimate.
    struct Piece {
        double startMs;
        std::vector<float> samples;
    };
    void take(const void* data, std::size_t bytes);

    PulseServer& server;
    pa_stream* stream = nullptr;
    const Clock::time_point began = Clock::now();
    mutable std::mutex lock;
    std::vector<Piece> pieces;
};
