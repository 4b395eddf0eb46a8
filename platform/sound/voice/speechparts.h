#pragma once

#include "platform/sound/soundtypes.h"

#include <cstddef>
#include <vector>

// flite's "silence" is a faint hiss around 0.002; speech starts well above it.
constexpr float kSilenceThreshold = 0.005f;

// Turns an utterance that flite hands over a few hundred samples at a time into parts worth
// sending to the sound server: the silence flite puts first is skipped (keeping a short
// margin), the first part waits until enough speech is ready to stay ahead of the server,
// later parts are sent in steady portions, and the silence at the end is cut.
class SpeechParts
{
public:
    explicit SpeechParts(int rate) : rate(rate) {}

    void add(const short* samples, int count);
    // The next part to send, or null when none is due yet. `finished` says flite is done:
    // everything left (less the trailing silence) is due.
    Samples take(bool finished);
    // Everything taken so far, as one sound.
    Samples whole() const;

private:
    std::vector<float> all;
    int rate;
    std::ptrdiff_t start = -1; // where the sent speech begins, once the first loud sample came
    std::size_t lastLoud = 0;
    std::size_t posted = 0;
};
