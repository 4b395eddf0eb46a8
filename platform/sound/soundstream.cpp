#include "platform/sound/soundstream.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
// What the server is asked to keep buffered, and how much of it must be free before it asks
// for more. Every sound is written as far ahead as it is there, so neither sets whether it
// can run dry, nor how soon it starts (a new stream is taken in at once). They set how often
// the server asks, which wakes this thread, and how far ahead the sink mixes, which wakes the
// server: asked for 10 ms, both came every 2.5 ms, some 600 times for one spoken phrase.
constexpr double kTargetSeconds = 0.200;
constexpr double kRequestSeconds = 0.050;
// How far beyond the server's own request a stream is written ahead: a sound of the longest
// allowed length fits, and the server's limit (4 MB a stream) is never reached.
constexpr std::size_t kMaxAheadBytes = 2 * 1024 * 1024;
// The server says a stream has run dry as it mixes ahead, up to the sink's latency before
// that end is heard (half the target less two requests: 50 ms), and closing the stream then
// takes back what it had mixed: silence after the sound is taken back instead.
constexpr int kTrailMs = 80;

pa_buffer_attr bufferFor(int rate)
{
    const auto bytesPerSecond = static_cast<double>(rate) * sizeof(float);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1); // as much as the server allows (4 MB)
    attr.tlength = static_cast<uint32_t>(bytesPerSecond * kTargetSeconds);
    // Start as soon as anything is there: a sound arrives whole, or, when it is streamed,
    // in parts that stay well ahead of it.
    attr.prebuf = sizeof(float);
    attr.minreq = static_cast<uint32_t>(bytesPerSecond * kRequestSeconds);
    attr.fragsize = static_cast<uint32_t>(-1);
    return attr;
}

std::string serverError(pa_context* context)
{
    return pa_strerror(pa_context_errno(context));
}
} // namespace

SoundStream::SoundStream(pa_context* context, SoundSlot slot, int rate,
                         std::function<void()> changed)
    : context(context), rate(rate), changed(std::move(changed))
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(rate), 1};
    stream = pa_stream_new(context, slot == SoundSlot::Tick ? "tick" : "voice", &format, nullptr);
    if (!stream) {
        fail("cannot play a sound of " + std::to_string(rate) + " Hz: " + serverError(context));
        return;
    }
    pa_stream_set_state_callback(
        stream,
        [](pa_stream* s, void* self) {
            auto* me = static_cast<SoundStream*>(self);
            const pa_stream_state_t state = pa_stream_get_state(s);
            if (state == PA_STREAM_READY && me->current == State::Opening)
                me->current = State::Open;
            else if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
                me->fail("a stream to the sound server failed: " + serverError(me->context));
            me->changed();
        },
        this);
    pa_stream_set_write_callback(
        stream,
        [](pa_stream*, std::size_t, void* self) {
            auto* me = static_cast<SoundStream*>(self);
            me->aheadBytes = 0;
            me->changed();
        },
        this);
    pa_stream_set_underflow_callback(
        stream,
        [](pa_stream* s, void* self) {
            static_cast<SoundStream*>(self)->ranDry(pa_stream_get_underflow_index(s));
        },
        this);
    const pa_buffer_attr attr = bufferFor(rate);
    if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        fail("cannot open a stream on the sound server: " + serverError(context));
}

SoundStream::~SoundStream()
{
    if (!stream)
        return;
    // Callbacks go first, so closing raises no events of its own.
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

void SoundStream::fail(const std::string& what)
{
    if (current == State::Failed || current == State::Played)
        return;
    current = State::Failed;
    why = what;
}

// Silence goes as it is: nothing waits for it, and it never counts against the limit.
void SoundStream::writeSilence(int ms)
{
    const std::vector<float> quiet(std::size_t(rate) * std::size_t(ms) / 1000);
    if (pa_stream_write(stream, quiet.data(), quiet.size() * sizeof(float), nullptr, 0,
                        PA_SEEK_RELATIVE) == 0)
        written += std::int64_t(quiet.size() * sizeof(float));
}

std::size_t SoundStream::write(const float* samples, std::size_t count)
{
    if (current != State::Open || finishing() || aheadBytes >= kMaxAheadBytes)
        return 0;
    if (std::exchange(leadInOwed, false))
        writeSilence(kLeadInMs);
    const std::size_t n = std::min(count, (kMaxAheadBytes - aheadBytes) / sizeof(float));
    if (n == 0 ||
        pa_stream_write(stream, samples, n * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return 0;
    aheadBytes += n * sizeof(float);
    written += std::int64_t(n * sizeof(float));
    return n;
}

void SoundStream::finish()
{
    if (current != State::Open || finishing())
        return;
    writeSilence(kTrailMs);
    endsAt = written;
    if (pa_operation* op = pa_stream_trigger(stream, nullptr, nullptr))
        pa_operation_unref(op);
}

// Running dry where the sound ends is its end; running dry before that (a voice that fell
// behind, or word of it arriving late) is not. A server too old to say where counts any.
void SoundStream::ranDry(std::int64_t at)
{
    if (finishing() && (at < 0 || at >= endsAt) && current == State::Open) {
        current = State::Played;
        changed();
    }
}
