#include "bench/leadinways.h"

#include "platform/sound/soundservice.h"

#include <pulse/introspect.h>
#include <pulse/scache.h>
#include <pulse/stream.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

std::vector<float> withLeadIn(const Samples& sound, double leadInMs)
{
    std::vector<float> out(std::size_t(std::lround(kStudyRate * leadInMs / 1000)));
    out.insert(out.end(), sound->begin(), sound->end());
    return out;
}

Clock::duration lengthOf(const Samples& sound)
{
    return std::chrono::microseconds(std::int64_t(sound->size()) * 1000000 / kStudyRate);
}

void waitReady(PulseServer& server, pa_stream* s)
{
    while (pa_stream_get_state(s) == PA_STREAM_CREATING)
        server.wait();
}

void close(pa_stream*& s)
{
    if (!s)
        return;
    pa_stream_set_state_callback(s, nullptr, nullptr);
    pa_stream_set_write_callback(s, nullptr, nullptr);
    pa_stream_set_underflow_callback(s, nullptr, nullptr);
    pa_stream_disconnect(s);
    pa_stream_unref(s);
    s = nullptr;
}

class KeptRunning final : public TickWay
{
public:
    KeptRunning(PulseServer& server, std::chrono::milliseconds tail) : server(server), tail(tail)
    {
        PulseServer::Locked held(server);
        stream = openTickStream(server, "kept running");
        pa_stream_set_write_callback(stream, &KeptRunning::asked, this);
        pa_stream_set_underflow_callback(
            stream, [](pa_stream*, void* self) { static_cast<KeptRunning*>(self)->ranDry(); },
            this);
    }
    ~KeptRunning() override
    {
        PulseServer::Locked held(server);
        close(stream);
    }

    void play(const Samples& sound) override
    {
        PulseServer::Locked held(server);
        const Clock::time_point now = Clock::now();
        const bool running = now < runningUntil;
        const bool cut = now < soundEnds;
        if (cut)
            unref(pa_stream_flush(stream, nullptr, nullptr));
        if (running && !cut) {
            pa_stream_write(stream, sound->data(), sound->size() * sizeof(float), nullptr, 0,
                            PA_SEEK_RELATIVE_ON_READ);
        } else {
            const std::vector<float> started = withLeadIn(sound, 3);
            pa_stream_write(stream, started.data(), started.size() * sizeof(float), nullptr, 0,
                            PA_SEEK_RELATIVE);
        }
        unref(pa_stream_trigger(stream, nullptr, nullptr));
        runningUntil = now + tail;
        soundEnds = now + lengthOf(sound);
    }

private:
    // On the server's thread, with the lock held.
    static void asked(pa_stream* s, std::size_t bytes, void* self)
    {
        auto* way = static_cast<KeptRunning*>(self);
        if (Clock::now() >= way->runningUntil || bytes == 0)
            return;
        const std::vector<char> quiet(std::min<std::size_t>(bytes, kStudyRate * 4 / 10));
        pa_stream_write(s, quiet.data(), quiet.size(), nullptr, 0, PA_SEEK_RELATIVE);
    }
    void ranDry() { runningUntil = {}; }

    PulseServer& server;
    const std::chrono::milliseconds tail;
    pa_stream* stream = nullptr;
    Clock::time_point runningUntil, soundEnds;
};

class SampleCache final : public TickWay
{
public:
    SampleCache(PulseServer& server, double leadInMs) : server(server), leadInMs(leadInMs) {}
    ~SampleCache() override
    {
        PulseServer::Locked held(server);
        for (const auto& [sound, name] : names)
            unref(pa_context_remove_sample(server.context(), name.c_str(), nullptr, nullptr));
    }

    void play(const Samples& sound) override
    {
        const std::string& name = upload(sound);
        PulseServer::Locked held(server);
        if (playing != PA_INVALID_INDEX)
            unref(pa_context_kill_sink_input(server.context(), playing, nullptr, nullptr));
        playing = PA_INVALID_INDEX;
        auto* call = new Call{this, ++newest};
        unref(pa_context_play_sample_with_proplist(server.context(), name.c_str(), nullptr,
                                                   PA_VOLUME_NORM, nullptr, &SampleCache::began,
                                                   call));
    }

private:
    struct Call {
        SampleCache* way;
        std::uint64_t number;
    };
    // On the server's thread: an older sound that began after a newer was asked for stops.
    static void began(pa_context* c, uint32_t index, void* data)
    {
        auto* call = static_cast<Call*>(data);
        if (index != PA_INVALID_INDEX) {
            if (call->number == call->way->newest)
                call->way->playing = index;
            else
                unref(pa_context_kill_sink_input(c, index, nullptr, nullptr));
        }
        delete call;
    }

    // Once for each sound, before its first play.
    const std::string& upload(const Samples& sound)
    {
        std::string& name = names[sound.get()];
        if (!name.empty())
            return name;
        static int uploads = 0; // names are the server's, shared by every way
        name = "lead-in-study-" + std::to_string(++uploads);
        PulseServer::Locked held(server);
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kStudyRate, 1};
        pa_stream* s = pa_stream_new(server.context(), name.c_str(), &format, nullptr);
        pa_stream_set_state_callback(
            s, [](pa_stream*, void* v) { PulseServer::wake(v); }, &server);
        const std::vector<float> started = withLeadIn(sound, leadInMs);
        pa_stream_connect_upload(s, started.size() * sizeof(float));
        waitReady(server, s);
        pa_stream_write(s, started.data(), started.size() * sizeof(float), nullptr, 0,
                        PA_SEEK_RELATIVE);
        pa_stream_finish_upload(s);
        while (pa_stream_get_state(s) == PA_STREAM_READY)
            server.wait();
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_unref(s);
        return name;
    }

    PulseServer& server;
    const double leadInMs;
    std::map<const void*, std::string> names;
    std::uint64_t newest = 0;
    uint32_t playing = PA_INVALID_INDEX;
};

class CorkedFilled final : public TickWay
{
public:
    CorkedFilled(PulseServer& server, Samples next, double leadInMs)
        : server(server), next(std::move(next)), leadInMs(leadInMs)
    {
        PulseServer::Locked held(server);
        stream = openTickStream(server, "corked", true);
        fill(this->next);
    }
    ~CorkedFilled() override
    {
        PulseServer::Locked held(server);
        close(stream);
    }

    void play(const Samples& sound) override
    {
        PulseServer::Locked held(server);
        if (sound != filledWith || !corked) {
            unref(pa_stream_flush(stream, nullptr, nullptr));
            fill(sound);
            filledWith = sound;
        }
        if (corked)
            unref(pa_stream_cork(stream, 0, nullptr, nullptr));
        else
            unref(pa_stream_trigger(stream, nullptr, nullptr));
        corked = false;
    }
    void played() override
    {
        PulseServer::Locked held(server);
        unref(pa_stream_cork(stream, 1, nullptr, nullptr));
        unref(pa_stream_flush(stream, nullptr, nullptr));
        fill(next);
        filledWith = next;
        corked = true;
    }

private:
    void fill(const Samples& sound)
    {
        const std::vector<float> started = withLeadIn(sound, leadInMs);
        pa_stream_write(stream, started.data(), started.size() * sizeof(float), nullptr, 0,
                        PA_SEEK_RELATIVE);
    }

    PulseServer& server;
    const Samples next;
    const double leadInMs;
    Samples filledWith = next;
    pa_stream* stream = nullptr;
    bool corked = true;
};

class OwnStream final : public TickWay
{
public:
    OwnStream(PulseServer& server, double leadInMs) : server(server), leadInMs(leadInMs) {}
    ~OwnStream() override
    {
        PulseServer::Locked held(server);
        for (Playing& p : streams)
            close(p.stream);
    }

    void play(const Samples& sound) override
    {
        PulseServer::Locked held(server);
        for (Playing& p : streams)
            close(p.stream); // cut off, or over
        streams.clear();
        streams.push_back({nullptr, withLeadIn(sound, leadInMs)});
        Playing& p = streams.back();
        p.stream = openTickStreamAsync();
        pa_stream_set_state_callback(p.stream, &OwnStream::changed, &p);
    }

private:
    struct Playing {
        pa_stream* stream;
        std::vector<float> sound;
    };
    pa_stream* openTickStreamAsync();
    // On the server's thread: the stream is ready, so the sound goes out, and it ends once
    // the server has played it.
    static void changed(pa_stream* s, void* data)
    {
        auto* p = static_cast<Playing*>(data);
        if (pa_stream_get_state(s) != PA_STREAM_READY)
            return;
        pa_stream_write(s, p->sound.data(), p->sound.size() * sizeof(float), nullptr, 0,
                        PA_SEEK_RELATIVE);
        unref(pa_stream_trigger(s, nullptr, nullptr));
        unref(pa_stream_drain(
            s, [](pa_stream* drained, int, void*) { pa_stream_disconnect(drained); }, nullptr));
    }

    PulseServer& server;
    const double leadInMs;
    std::vector<Playing> streams; // at most one: the newest sound's
};

pa_buffer_attr tickBuffer()
{
    pa_buffer_attr attr{};
    attr.maxlength = attr.minreq = attr.fragsize = uint32_t(-1);
    attr.tlength = uint32_t(kStudyRate * sizeof(float) / 100);
    attr.prebuf = sizeof(float);
    return attr;
}

pa_stream* OwnStream::openTickStreamAsync()
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kStudyRate, 1};
    pa_stream* s = pa_stream_new(server.context(), "own stream", &format, nullptr);
    const pa_buffer_attr attr = tickBuffer();
    pa_stream_connect_playback(s, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
    return s;
}

class Program final : public TickWay
{
public:
    explicit Program(SoundSlot slot) : slot(slot) {}
    void play(const Samples& sound) override
    {
        if (slot == SoundSlot::Tick)
            service.play(slot, kStudyRate, sound);
        else
            service.play(slot, kSpeechRate, speech);
    }

private:
    const SoundSlot slot;
    const Samples speech = std::make_shared<const std::vector<float>>(kSpeechRate, 0.1f);
    SoundService service;
};

} // namespace

pa_stream* openTickStream(PulseServer& server, const char* name, bool corked)
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kStudyRate, 1};
    pa_stream* s = pa_stream_new(server.context(), name, &format, nullptr);
    pa_stream_set_state_callback(
        s, [](pa_stream*, void* v) { PulseServer::wake(v); }, &server);
    const pa_buffer_attr attr = tickBuffer();
    auto flags = PA_STREAM_ADJUST_LATENCY;
    if (corked)
        flags = pa_stream_flags_t(flags | PA_STREAM_START_CORKED);
    pa_stream_connect_playback(s, nullptr, &attr, flags, nullptr, nullptr);
    waitReady(server, s);
    pa_stream_set_state_callback(s, nullptr, nullptr);
    return s;
}

std::unique_ptr<TickWay> keptRunning(PulseServer& server, std::chrono::milliseconds tail)
{
    return std::make_unique<KeptRunning>(server, tail);
}

std::unique_ptr<TickWay> sampleCache(PulseServer& server, double leadInMs)
{
    return std::make_unique<SampleCache>(server, leadInMs);
}

std::unique_ptr<TickWay> corkedFilled(PulseServer& server, const Samples& next, double leadInMs)
{
    return std::make_unique<CorkedFilled>(server, next, leadInMs);
}

std::unique_ptr<TickWay> ownStream(PulseServer& server, double leadInMs)
{
    return std::make_unique<OwnStream>(server, leadInMs);
}

std::unique_ptr<TickWay> programService()
{
    return std::make_unique<Program>(SoundSlot::Tick);
}

std::unique_ptr<TickWay> programVoice()
{
    return std::make_unique<Program>(SoundSlot::Speech);
}
