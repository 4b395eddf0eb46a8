#include "bench/monitorrecorder.h"

#include <pulse/stream.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <thread>

namespace
{
// Deliveries come every few milliseconds; one this much later than the samples before it
// imply follows a spell in which the sink sent nothing.
constexpr double kGapMs = 30;
constexpr int kFragmentMs = 5;
// Only the last few seconds are ever looked at: older samples are let go, so a study of an
// hour keeps a few megabytes.
constexpr std::size_t kKept = 20 * MonitorRecorder::kRate;
} // namespace

bool MonitorRecorder::start()
{
    {
        PulseServer::Locked held(server);
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
        stream = pa_stream_new(server.context(), "monitor recorder", &format, nullptr);
        if (!stream)
            return false;
        pa_stream_set_state_callback(
            stream, [](pa_stream*, void* s) { PulseServer::wake(s); }, &server);
        pa_stream_set_read_callback(
            stream,
            [](pa_stream* s, std::size_t, void* self) {
                const void* data = nullptr;
                std::size_t bytes = 0;
                while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &data, &bytes) == 0 &&
                       bytes > 0) {
                    static_cast<MonitorRecorder*>(self)->take(data, bytes);
                    pa_stream_drop(s);
                }
            },
            this);
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = uint32_t(kRate * 2 * kFragmentMs / 1000);
        const auto flags =
            pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
        if (pa_stream_connect_record(stream, "nullsink.monitor", &attr, flags) < 0)
            return false;
        pa_stream_state_t state;
        while ((state = pa_stream_get_state(stream)) == PA_STREAM_CREATING)
            server.wait();
        if (state != PA_STREAM_READY)
            return false;
    }
    // The null sink sends its first samples in one late block; after that, times are good to
    // a millisecond or two. A suspended sink sends none until something plays.
    const double giveUp = nowMs() + 3000;
    for (bool flowing = false; !flowing && nowMs() < giveUp;) {
        listenUntil(nowMs() + 20);
        std::lock_guard guard(lock);
        flowing = !pieces.empty();
    }
    listenUntil(nowMs() + 500);
    return true;
}

void MonitorRecorder::stop()
{
    if (!stream)
        return;
    PulseServer::Locked held(server);
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
}

// On the server's thread.
void MonitorRecorder::take(const void* data, std::size_t bytes)
{
    const double arrived = nowMs();
    const std::size_t count = bytes / sizeof(std::int16_t);
    std::lock_guard guard(lock);
    const auto bound = [&](const Piece& p) {
        return arrived - 1000.0 * double(p.samples.size() + count) / kRate;
    };
    if (pieces.empty() || bound(pieces.back()) > pieces.back().startMs + kGapMs)
        pieces.push_back({arrived, {}});
    if (pieces.size() > 2)
        pieces.erase(pieces.begin());
    Piece& piece = pieces.back();
    piece.startMs = std::min(piece.startMs, bound(piece));
    if (piece.samples.size() > 2 * kKept) {
        const std::size_t gone = piece.samples.size() - kKept;
        piece.samples.erase(piece.samples.begin(), piece.samples.begin() + std::ptrdiff_t(gone));
        piece.startMs += 1000.0 * double(gone) / kRate;
    }
    const std::size_t at = piece.samples.size();
    piece.samples.resize(at + count); // a hole in the stream (no data) is silence
    for (std::size_t i = 0; data && i < count; ++i) {
        std::int16_t sample;
        std::memcpy(&sample, static_cast<const char*>(data) + i * sizeof sample, sizeof sample);
        piece.samples[at + i] = float(sample) / 32768.0f;
    }
}

void MonitorRecorder::listenUntil(double untilMs) const
{
    const double left = untilMs - nowMs();
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(left));
}

std::vector<float> MonitorRecorder::samplesBetween(double fromMs, double toMs) const
{
    const auto count = static_cast<std::size_t>(std::max(0.0, (toMs - fromMs) * kRate / 1000));
    std::vector<float> out(count);
    std::lock_guard guard(lock);
    for (const Piece& piece : pieces) {
        // Sample i of the piece lands at out[offset + i].
        const auto offset =
            static_cast<std::ptrdiff_t>(std::llround((piece.startMs - fromMs) * kRate / 1000));
        const std::ptrdiff_t first = std::max<std::ptrdiff_t>(0, -offset);
        const std::ptrdiff_t last = std::min<std::ptrdiff_t>(std::ptrdiff_t(piece.samples.size()),
                                                             std::ptrdiff_t(count) - offset);
        for (std::ptrdiff_t i = first; i < last; ++i)
            out[std::size_t(offset + i)] = piece.samples[std::size_t(i)];
    }
    return out;
}
