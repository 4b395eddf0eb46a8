#pragma once

#include "platform/sound/soundtypes.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

// The phrases a voice has made, so a text said again costs nothing to make: the times on the
// clock come round again and again in a session (48 of them at quarter hours), and each would
// otherwise be made anew every time it is shown. Kept as the engines make them, in 16 bits,
// the most recently used first, within a bound on the samples held.
class PhraseStore
{
public:
    // About two minutes of speech at flite's rate (4 MB): every phrase of a session at
    // quarter hours; at finer steps, those of the times shown last.
    static constexpr std::size_t kMaxSamples = 2 * 1024 * 1024;

    // The sound of a text made before, or null.
    Samples recall(const QString& text);
    void remember(const QString& text, const Samples& sound);

private:
    struct Phrase {
        QString text;
        std::vector<std::int16_t> samples;
    };
    std::list<Phrase> phrases; // most recently used first
    std::size_t held = 0;
};
