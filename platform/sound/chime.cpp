#include "platform/sound/chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace
{
constexpr double kChimeSeconds = 0.25;
// A fifth apart (A5 and E6): bright enough to be heard over speech, never harsh.
constexpr double kLowHz = 880.0;
constexpr double kHighHz = 1318.5;
constexpr double kAttackSeconds = 0.004;
// Decay time constants; the upper partial dies sooner, as on a struck bell.
constexpr double kLowDecay = 0.080;
constexpr double kHighDecay = 0.045;
constexpr double kPeak = 0.35;
} // namespace

Samples defaultSound()
{
    static const Samples sound = [] {
        std::vector<float> out(static_cast<std::size_t>(kChimeSeconds * kTickRate));
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = double(i) / kTickRate;
            // A few milliseconds of rise avoid a click at the start; the tail is faded to
            // exactly zero so the sound does not end with a step either.
            const double envelope =
                std::min(1.0, t / kAttackSeconds) * std::min(1.0, (kChimeSeconds - t) / 0.02);
            const double low =
                std::sin(2 * std::numbers::pi * kLowHz * t) * std::exp(-t / kLowDecay);
            const double high =
                0.6 * std::sin(2 * std::numbers::pi * kHighHz * t) * std::exp(-t / kHighDecay);
            out[i] = static_cast<float>(kPeak * envelope * (low + high));
        }
        return std::make_shared<const std::vector<float>>(std::move(out));
    }();
    return sound;
}
