#include "platform/sound/samplecache.h"

#include "platform/sound/soundstream.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/scache.h>
#include <pulse/stream.h>

#include <cstdio>
#include <vector>

namespace
{
// The window plays two files, the setting game two more; the bound only guards against a
// sounds folder whose files keep changing, each change being a new sound.
constexpr std::size_t kMaxKept = 8;

void unref(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}
} // namespace

std::string keptName(const std::vector<float>& samples, int rate)
{
    // FNV-1a over the rate and the samples' bytes.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](const void* data, std::size_t bytes) {
        for (std::size_t i = 0; i < bytes; ++i) {
            hash ^= static_cast<const unsigned char*>(data)[i];
            hash *= 1099511628211ull;
        }
    };
    mix(&rate, sizeof rate);
    mix(samples.data(), samples.size() * sizeof(float));
    char name[40];
    std::snprintf(name, sizeof name, "chimewise-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

void SampleCache::attach(pa_context* c)
{
    detach();
    context = c;
}

void SampleCache::detach()
{
    for (auto& [key, k] : kept)
        if (k.upload) {
            pa_stream_set_state_callback(k.upload, nullptr, nullptr);
            pa_stream_disconnect(k.upload);
            pa_stream_unref(k.upload);
        }
    kept.clear();
    awaited.clear();
    playing = PA_INVALID_INDEX;
    cutUpTo = plays;
    context = nullptr;
}

SampleCache::Entry SampleCache::entry(const Samples& sound, int rate) const
{
    const auto found = kept.find({sound.get(), rate});
    return found == kept.end() ? Entry::Absent : found->second.state;
}

void SampleCache::upload(const Samples& sound, int rate)
{
    if (!context)
        return;
    makeRoom();
    Kept& k = kept[{sound.get(), rate}];
    k = Kept{this, sound, rate, keptName(*sound, rate), Entry::Uploading, nullptr, ++uses};
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(rate), 1};
    k.upload = pa_stream_new(context, k.name.c_str(), &format, nullptr);
    const std::size_t samples = std::size_t(rate) * kLeadInMs / 1000 + sound->size();
    if (!k.upload || pa_stream_connect_upload(k.upload, samples * sizeof(float)) < 0)
        return uploaded(k, false);
    pa_stream_set_state_callback(
        k.upload,
        [](pa_stream* s, void* data) {
            auto* k = static_cast<Kept*>(data);
            const pa_stream_state_t state = pa_stream_get_state(s);
            if (state == PA_STREAM_READY)
                k->owner->send(*k);
            else if (state == PA_STREAM_TERMINATED || state == PA_STREAM_FAILED)
                k->owner->uploaded(*k, state == PA_STREAM_TERMINATED);
        },
        &k);
}

// The silence every sound starts with is kept with it, so a play is one message.
std::vector<float> SampleCache::withLeadIn(const Kept& k)
{
    std::vector<float> started(std::size_t(k.rate) * kLeadInMs / 1000);
    started.insert(started.end(), k.sound->begin(), k.sound->end());
    return started;
}

void SampleCache::send(Kept& k)
{
    const std::vector<float> started = withLeadIn(k);
    pa_stream_write(k.upload, started.data(), started.size() * sizeof(float), nullptr, 0,
                    PA_SEEK_RELATIVE);
    pa_stream_finish_upload(k.upload);
}

void SampleCache::uploaded(Kept& k, bool ok)
{
    if (k.upload) {
        pa_stream_set_state_callback(k.upload, nullptr, nullptr);
        pa_stream_unref(k.upload);
        k.upload = nullptr;
    }
    k.state = ok ? Entry::Kept : Entry::Refused;
    changed();
}

void SampleCache::play(const Samples& sound, int rate)
{
    const auto found = kept.find({sound.get(), rate});
    if (!context || found == kept.end() || found->second.state != Entry::Kept)
        return;
    found->second.lastUsed = ++uses;
    // With no volume of its own, the sound gets whatever the user gave this program.
    pa_operation* op = pa_context_play_sample_with_proplist(
        context, found->second.name.c_str(), nullptr, PA_VOLUME_INVALID, nullptr,
        [](pa_context* c, uint32_t sinkInput, void* self) {
            static_cast<SampleCache*>(self)->began(c, sinkInput);
        },
        this);
    if (!op)
        return;
    pa_operation_unref(op);
    awaited.push_back({++plays, found->first});
}

void SampleCache::began(pa_context* c, std::uint32_t sinkInput)
{
    if (awaited.empty())
        return;
    const auto [number, key] = awaited.front();
    awaited.pop_front();
    if (sinkInput == PA_INVALID_INDEX) {
        // Another window of the program took it away: it is uploaded again next time.
        const auto found = kept.find(key);
        if (pa_context_errno(c) == PA_ERR_NOENTITY && found != kept.end() && !found->second.upload)
            kept.erase(found);
        return;
    }
    if (number <= cutUpTo)
        kill(sinkInput);
    else
        playing = sinkInput;
}

void SampleCache::cut()
{
    if (playing != PA_INVALID_INDEX)
        kill(playing);
    playing = PA_INVALID_INDEX;
    cutUpTo = plays;
}

// One that has already ended is no longer there, which the server says, and that is all.
void SampleCache::kill(std::uint32_t sinkInput)
{
    unref(pa_context_kill_sink_input(context, sinkInput, nullptr, nullptr));
}

// The sound used longest ago goes, at the server too; one still on its way stays.
void SampleCache::makeRoom()
{
    while (kept.size() >= kMaxKept) {
        auto oldest = kept.end();
        for (auto it = kept.begin(); it != kept.end(); ++it)
            if (!it->second.upload &&
                (oldest == kept.end() || it->second.lastUsed < oldest->second.lastUsed))
                oldest = it;
        if (oldest == kept.end())
            return;
        unref(pa_context_remove_sample(context, oldest->second.name.c_str(), nullptr, nullptr));
        kept.erase(oldest);
    }
}
