#include "platform/sound/voice/speechparts.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kLeadMs = 10;
constexpr int kTailMs = 20;
// flite makes speech some fifty times faster than it is spoken; with this much in hand the
// server is never caught up with, even when the processor is busy.
constexpr int kFirstPartMs = 100;
constexpr int kPartMs = 50;

std::size_t samplesIn(int rate, int ms)
{
    return static_cast<std::size_t>(rate) * ms / 1000;
}
} // namespace

void SpeechParts::add(const short* samples, int count)
{
    for (int i = 0; i < count; ++i) {
        const float v = samples[i] / 32768.0f;
        if (std::fabs(v) > kSilenceThreshold) {
            lastLoud = all.size();
            if (start < 0) {
                const auto lead = static_cast<std::ptrdiff_t>(samplesIn(rate, kLeadMs));
                start = std::max<std::ptrdiff_t>(0, std::ptrdiff_t(all.size()) - lead);
                posted = static_cast<std::size_t>(start);
            }
        }
        all.push_back(v);
    }
}

Samples SpeechParts::take(bool finished)
{
    if (start < 0)
        return nullptr; // nothing loud yet
    // Quiet after the last loud sample may turn out to be the end, so it waits until more
    // speech follows it; flite is far enough ahead for that never to be missed.
    const std::size_t end = std::min(all.size(), lastLoud + 1 + samplesIn(rate, kTailMs));
    if (finished)
        all.resize(end); // what is sent is all there is
    else if (end - posted < samplesIn(rate, posted == std::size_t(start) ? kFirstPartMs : kPartMs))
        return nullptr;
    if (end <= posted)
        return nullptr;
    auto part = std::make_shared<const std::vector<float>>(all.begin() + std::ptrdiff_t(posted),
                                                           all.begin() + std::ptrdiff_t(end));
    posted = end;
    return part;
}

Samples SpeechParts::whole() const
{
    if (start < 0)
        return nullptr;
    return std::make_shared<const std::vector<float>>(all.begin() + start,
                                                      all.begin() + std::ptrdiff_t(posted));
}
