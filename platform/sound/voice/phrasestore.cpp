#include "platform/sound/voice/phrasestore.h"

#include <algorithm>
#include <cmath>

Samples PhraseStore::recall(const QString& text)
{
    const auto found = std::find_if(phrases.begin(), phrases.end(),
                                    [&text](const Phrase& p) { return p.text == text; });
    if (found == phrases.end())
        return nullptr;
    phrases.splice(phrases.begin(), phrases, found);
    auto sound = std::make_shared<std::vector<float>>(found->samples.size());
    std::transform(found->samples.begin(), found->samples.end(), sound->begin(),
                   [](std::int16_t s) { return float(s) / 32768.0f; });
    return sound;
}

// The engines make 16-bit samples, so nothing is lost on the way back.
void PhraseStore::remember(const QString& text, const Samples& sound)
{
    if (!sound || sound->size() > kMaxSamples || recall(text))
        return;
    Phrase phrase{text, std::vector<std::int16_t>(sound->size())};
    std::transform(sound->begin(), sound->end(), phrase.samples.begin(), [](float v) {
        return std::int16_t(std::clamp(std::lround(v * 32768.0f), -32768L, 32767L));
    });
    held += phrase.samples.size();
    phrases.push_front(std::move(phrase));
    while (held > kMaxSamples) {
        held -= phrases.back().samples.size();
        phrases.pop_back();
    }
}
