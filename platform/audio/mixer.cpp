#include "platform/audio/mixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

// The last step before the speakers: a stray NaN from a damaged float file must come out
// as silence, not as whatever the sound server makes of it.
float limit(float v)
{
    return std::isnan(v) ? 0.0f : std::clamp(v, -1.0f, 1.0f);
}

} // namespace

void Mixer::play(Slot slot, SampleBuffer samples)
{
    SampleBuffer previous;
    {
        std::lock_guard guard(lock);
        Channel& channel = channels[static_cast<int>(slot)];
        previous = std::exchange(channel.samples, std::move(samples));
        channel.position = 0;
    }
    // The old sound is released here rather than under the lock, so the audio thread
    // never waits for a large buffer to be freed.
}

void Mixer::stop(Slot slot)
{
    play(slot, nullptr);
}

bool Mixer::isPlaying(Slot slot) const
{
    std::lock_guard guard(lock);
    const Channel& channel = channels[static_cast<int>(slot)];
    return channel.samples && channel.position < channel.samples->size();
}

void Mixer::mix(float* out, std::size_t frames)
{
    std::fill(out, out + frames, 0.0f);
    {
        std::lock_guard guard(lock);
        for (Channel& channel : channels) {
            if (!channel.samples)
                continue;
            const std::vector<float>& source = *channel.samples;
            const std::size_t available = source.size() - std::min(channel.position, source.size());
            const std::size_t count = std::min(frames, available);
            const float* from = source.data() + channel.position;
            for (std::size_t i = 0; i < count; ++i)
                out[i] += from[i];
            channel.position += count;
        }
    }
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = limit(out[i]);
}
