#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

// Mono float samples at the output rate, shared so a sound can be replayed without copying.
using SampleBuffer = std::shared_ptr<const std::vector<float>>;

// Two independent voices into one stream: a new sound in a slot replaces whatever that slot
// was playing, and the two slots sound together. Safe to call from any thread; mix() runs on
// the audio thread.
class Mixer
{
public:
    enum class Slot { Speech = 0, Tick = 1 };

    void play(Slot slot, SampleBuffer samples);
    void stop(Slot slot);
    bool isPlaying(Slot slot) const;
    // Writes frames samples into out: the sum of both slots, limited to [-1, 1].
    void mix(float* out, std::size_t frames);

private:
    struct Channel {
        SampleBuffer samples;
        std::size_t position = 0;
    };
    mutable std::mutex lock;
    Channel channels[2];
};
