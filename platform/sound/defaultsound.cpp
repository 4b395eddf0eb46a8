#include "platform/sound/defaultsound.h"

#include "platform/sound/soundservice.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace
{

constexpr double kSeconds = 0.25;
// A fifth apart (A5 and E6): bright enough to be heard over speech, never harsh.
constexpr double kLowHz = 880.0;
constexpr double kHighHz = 1318.5;
constexpr double kAttackSeconds = 0.004;
// Decay time constants; the upper partial dies sooner, as on a struck bell.
constexpr double kLowDecay = 0.080;
constexpr double kHighDecay = 0.045;
constexpr double kPeak = 0.35;

// A few milliseconds of rise avoids a click at the start; the tail is faded to exactly zero
// so the sound does not end with a step either.
double envelope(double t)
{
    const double rise = std::min(1.0, t / kAttackSeconds);
    const double tail = std::min(1.0, (kSeconds - t) / 0.02);
    return rise * tail;
}

std::vector<float> synthesise()
{
    const auto frames = static_cast<std::size_t>(kSeconds * SoundService::kTickRate);
    std::vector<float> out(frames);
    constexpr double twoPi = 2.0 * std::numbers::pi;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / SoundService::kTickRate;
        const double low = std::sin(twoPi * kLowHz * t) * std::exp(-t / kLowDecay);
        const double high = 0.6 * std::sin(twoPi * kHighHz * t) * std::exp(-t / kHighDecay);
        out[i] = static_cast<float>(kPeak * envelope(t) * (low + high));
    }
    return out;
}

} // namespace

Samples defaultSound()
{
    static const Samples sound = std::make_shared<const std::vector<float>>(synthesise());
    return sound;
}
