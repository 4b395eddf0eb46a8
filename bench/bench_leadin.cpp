// How a tick is best handed to the sound server: plays 1tic.wav many times through each way
// of starting it, records the private server's null sink, lines every tick up with the file
// sample by sample, and prints, per way, the time from the request to the tick's first sample
// and how many ticks started whole (none of their first samples lost or changed).
// A study, not the program: the stream is opened as the program opens its tick stream.
//   bench_leadin <path to 1tic.wav> [ticks per way] [only the ways whose names hold this]
// Needs PULSE_SERVER (run it through run-leadin-bench.sh).
#include "bench/figures.h"
#include "platform/sound/soundservice.h"
#include "platform/sound/wavefile.h"
#include "tests/support/recorder.h"

#include <QCoreApplication>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <random>
#include <vector>

namespace
{
constexpr int kRate = 48000;
constexpr double kSlackMs = 5; // the recorder's clock is good to a couple of milliseconds
constexpr int kBlock = 20;     // ticks in a row through one stream, as clicks come

// How a tick reaches its stream.
enum class Start {
    Restart, // flush, silence, the tick, trigger: a stream that ran dry starts again (today)
    Uncork,  // the same into a stream corked while idle, then uncorked
    OnRead,  // the stream plays silence while idle; the tick is written over it at the read index
    Flushed, // the stream plays silence while idle; flush, then the tick (no trigger needed)
    Program, // the program's own sound service
};

struct Way {
    const char* name;
    Start start;
    double leadInMs;
    bool overSound = false; // a long sound is playing when the tick comes, and must stop
    int quietMs = 40;       // between the end of one tick and the next request
};

const Way kWays[] = {
    {"restart, 3 ms lead-in", Start::Restart, 3},
    {"restart, 2 ms lead-in", Start::Restart, 2},
    {"restart, 1 ms lead-in", Start::Restart, 1},
    {"restart, no lead-in", Start::Restart, 0},
    {"uncork, no lead-in", Start::Uncork, 0},
    {"kept running, on read", Start::OnRead, 0},
    {"kept running, flush", Start::Flushed, 0},
    {"program", Start::Program, 0},
    {"program, over a sound", Start::Program, 0, true},
    {"program, 1 s apart", Start::Program, 0, false, 1000},
};
constexpr int kWayCount = int(std::size(kWays));

void unref(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}

// One server connection on a thread of libpulse's own, as the program has.
struct Server {
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    pa_context* context = nullptr;

    bool connect()
    {
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "lead-in study");
        pa_context_set_state_callback(
            context, [](pa_context*, void* l) { pa_threaded_mainloop_signal(Loop(l), 0); }, loop);
        pa_threaded_mainloop_lock(loop);
        pa_threaded_mainloop_start(loop);
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_context_state_t state;
        while ((state = pa_context_get_state(context)) != PA_CONTEXT_READY &&
               PA_CONTEXT_IS_GOOD(state))
            pa_threaded_mainloop_wait(loop);
        pa_threaded_mainloop_unlock(loop);
        return state == PA_CONTEXT_READY;
    }
    ~Server()
    {
        pa_threaded_mainloop_stop(loop);
        if (context)
            pa_context_unref(context);
        pa_threaded_mainloop_free(loop);
    }
    using Loop = pa_threaded_mainloop*;
};

// A float mono stream with the program's tick-stream settings: 10 ms target, starting on the
// first sample written.
struct TickStream {
    Server& server;
    const Way& way;
    pa_stream* stream = nullptr;
    bool running = false; // the silence that keeps it going is being written

    std::unique_ptr<SoundService> program;

    TickStream(Server& s, const Way& w) : server(s), way(w)
    {
        if (way.start == Start::Program) {
            program = std::make_unique<SoundService>();
            return;
        }
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = attr.minreq = attr.fragsize = uint32_t(-1);
        attr.tlength = uint32_t(kRate * sizeof(float) / 100);
        attr.prebuf = sizeof(float);
        auto flags = PA_STREAM_ADJUST_LATENCY;
        if (way.start == Start::Uncork)
            flags = pa_stream_flags_t(flags | PA_STREAM_START_CORKED);
        pa_threaded_mainloop_lock(server.loop);
        stream = pa_stream_new(server.context, "tick", &format, nullptr);
        pa_stream_set_state_callback(
            stream, [](pa_stream*, void* l) { pa_threaded_mainloop_signal(Server::Loop(l), 0); },
            server.loop);
        if (keptRunning())
            pa_stream_set_write_callback(stream, &TickStream::feedSilence, this);
        pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr);
        while (pa_stream_get_state(stream) == PA_STREAM_CREATING)
            pa_threaded_mainloop_wait(server.loop);
        running = keptRunning();
        if (running)
            feedSilence(stream, pa_stream_writable_size(stream), this);
        pa_threaded_mainloop_unlock(server.loop);
    }
    bool keptRunning() const { return way.start == Start::OnRead || way.start == Start::Flushed; }
    ~TickStream()
    {
        if (program)
            return;
        pa_threaded_mainloop_lock(server.loop);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        pa_threaded_mainloop_unlock(server.loop);
    }

    static void feedSilence(pa_stream* s, size_t bytes, void* self)
    {
        if (!static_cast<TickStream*>(self)->running || bytes == 0)
            return;
        const std::vector<char> quiet(bytes);
        pa_stream_write(s, quiet.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE);
    }

    // The request: everything the way does when a tick is asked for.
    void play(const std::vector<float>& tick)
    {
        if (program) {
            program->play(SoundSlot::Tick, kRate, std::make_shared<std::vector<float>>(tick));
            return;
        }
        std::vector<float> sound(std::size_t(std::lround(kRate * way.leadInMs / 1000)));
        sound.insert(sound.end(), tick.begin(), tick.end());
        const size_t bytes = sound.size() * sizeof(float);
        pa_threaded_mainloop_lock(server.loop);
        if (way.start == Start::OnRead) {
            pa_stream_write(stream, sound.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE_ON_READ);
        } else {
            unref(pa_stream_flush(stream, nullptr, nullptr));
            pa_stream_write(stream, sound.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE);
            if (way.start == Start::Uncork)
                unref(pa_stream_cork(stream, 0, nullptr, nullptr));
            else if (way.start == Start::Restart)
                unref(pa_stream_trigger(stream, nullptr, nullptr));
        }
        pa_threaded_mainloop_unlock(server.loop);
    }
    // Once the tick has played.
    void idle()
    {
        if (way.start != Start::Uncork)
            return;
        pa_threaded_mainloop_lock(server.loop);
        unref(pa_stream_cork(stream, 1, nullptr, nullptr));
        pa_threaded_mainloop_unlock(server.loop);
    }
};

struct Result {
    std::vector<double> toFirstSample;
    int whole = 0, missed = 0, oldGoesOn = 0;
    // Of the ticks that did not start whole, how much was lost; -1 when the start was changed.
    std::vector<double> lostMs;
};

// The first sample of the file that the sink's 16 bits can tell from silence.
std::size_t firstHeard(const std::vector<float>& tick)
{
    std::size_t k = 0;
    while (k < tick.size() && std::fabs(tick[k]) < 1.0f / 32768)
        ++k;
    return k;
}

// Largest difference between the recording and the file from tick[from] on, over n samples.
float mismatch(const std::vector<float>& heard, const std::vector<float>& tick, std::size_t from,
               std::size_t n)
{
    float worst = 0;
    for (std::size_t i = 0; i < n && i < heard.size() && from + i < tick.size(); ++i)
        worst = std::max(worst, std::fabs(heard[i] - tick[from + i]));
    return worst;
}

void listen(SinkRecorder& recorder, double untilMs)
{
    while (recorder.nowMs() < untilMs)
        recorder.poll(5);
}

// What a sound the tick cuts off holds: steady, and unlike any sample of the tick's start.
constexpr float kOld = 1638.0f / 32768;
constexpr float kTolerance = 2.5f / 32768; // the server's float to 16-bit rounding

bool near(float a, float b)
{
    return std::fabs(a - b) <= kTolerance;
}

// Where the recording lines up with the file: at the first sample that is neither silence nor
// the sound cut off. Whole when that is the file's first audible sample; otherwise how much
// of the start went missing. A sound cut off must not be heard again after the tick.
void judge(SinkRecorder& recorder, const std::vector<float>& tick, double asked, Result& result)
{
    const double from = asked - kSlackMs;
    listen(recorder, asked + 100);
    const std::vector<float> heard = recorder.samplesBetween(from, asked + 100);
    std::size_t p = 0;
    while (p < heard.size() && (heard[p] == 0 || near(heard[p], kOld)))
        ++p;
    if (p + 960 > heard.size()) {
        ++result.missed;
        return;
    }
    result.toFirstSample.push_back(from + 1000.0 * double(p) / kRate - asked);
    const std::vector<float> start(heard.begin() + std::ptrdiff_t(p), heard.end());
    const std::size_t k0 = firstHeard(tick), n = 480;
    std::size_t k = k0;
    while (k < k0 + 960 && mismatch(start, tick, k, n) > kTolerance)
        ++k;
    if (k == k0)
        ++result.whole;
    else
        result.lostMs.push_back(k < k0 + 960 ? 1000.0 * double(k - k0) / kRate : -1);
    for (std::size_t i = tick.size() - k0; i < start.size(); ++i)
        if (near(start[i], kOld)) {
            ++result.oldGoesOn;
            break;
        }
}

void report(const Way& way, Result r)
{
    const std::size_t heard = r.toFirstSample.size();
    char line[160];
    std::snprintf(line, sizeof line, "%-28s", way.name);
    std::sort(r.toFirstSample.begin(), r.toFirstSample.end());
    const auto at = [&r](double share) {
        return r.toFirstSample.empty()
                   ? 0.0
                   : r.toFirstSample[std::min(r.toFirstSample.size() - 1,
                                              std::size_t(share * double(r.toFirstSample.size())))];
    };
    double lost = 0;
    int changed = 0;
    for (double ms : r.lostMs)
        lost = std::max(lost, ms), changed += ms < 0;
    std::printf("%s p50 %5.2f  p95 %5.2f ms   whole %3d of %zu   most lost %.2f ms   changed %d"
                "   missed %d   cut sound went on %d\n",
                line, at(0.5), at(0.95), r.whole, heard + std::size_t(r.missed), lost, changed,
                r.missed, r.oldGoesOn);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <1tic.wav> [ticks per way]\n", argv[0]);
        return 2;
    }
    const Samples file = decodeWaveFile(argv[1]);
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 200;
    Server server;
    SinkRecorder recorder;
    if (!file || !server.connect() || !recorder.start()) {
        std::fprintf(stderr, "no tick, no server, or nothing recorded at nullsink.monitor\n");
        return 1;
    }
    // The sink cannot hold more than 16 bits, so the file is judged as the sink would have it.
    std::vector<float> tick(*file);
    std::vector<float> asHeard;
    for (float s : tick)
        asHeard.push_back(std::nearbyint(s * 32767.0f) / 32768.0f);
    const std::vector<float> longSound(kRate, kOld);
    std::vector<Result> results(kWayCount);
    std::mt19937 random(17);
    // The ways take turns, a block of ticks each, so all of them meet the machine alike.
    for (int done = 0; done < ticks; done += kBlock)
        for (int w = 0; w < kWayCount; ++w) {
            if (argc > 3 && !std::strstr(kWays[w].name, argv[3]))
                continue;
            TickStream stream(server, kWays[w]);
            stream.play(tick); // a stream that has played, as between clicks
            listen(recorder, recorder.nowMs() + 150);
            stream.idle();
            for (int i = 0; i < kBlock && done + i < ticks; ++i) {
                // Not in step with the sink's own rhythm: anywhere in a 10 ms period.
                listen(recorder, recorder.nowMs() + kWays[w].quietMs + random() % 1000 / 100.0);
                if (kWays[w].overSound) {
                    stream.play(longSound);
                    listen(recorder, recorder.nowMs() + 200);
                }
                const double asked = recorder.nowMs();
                stream.play(tick);
                judge(recorder, asHeard, asked, results[std::size_t(w)]);
                stream.idle();
            }
        }
    for (int w = 0; w < kWayCount; ++w)
        if (argc <= 3 || std::strstr(kWays[w].name, argv[3]))
            report(kWays[w], results[std::size_t(w)]);
    return 0;
}
