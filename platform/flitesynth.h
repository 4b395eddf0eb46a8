#pragma once

#include <QString>
#include <mutex>
#include <vector>

struct cst_voice_struct;

// The one flite voice of the process. flite keeps global state and is not re-entrant, so
// every synthesis goes through here, one at a time. The voice is registered on first use
// and unregistered when the process ends.
class FliteSynth
{
public:
    static FliteSynth& instance();

    // False when flite could not register its voice; synthesize() then gives nothing.
    bool available() const { return voice != nullptr; }
    // The words of text as mono samples in [-1, 1] at the returned rate, with the silence
    // flite puts around every utterance cut off. Empty for a blank text.
    std::vector<float> synthesize(const QString& text, int& rate);

    FliteSynth(const FliteSynth&) = delete;
    FliteSynth& operator=(const FliteSynth&) = delete;

private:
    FliteSynth();
    ~FliteSynth();
    std::mutex busy;
    cst_voice_struct* voice = nullptr;
};

// flite's "silence" is a faint hiss around 0.002; speech starts well above it.
constexpr float kSilenceThreshold = 0.005f;

// Drops the quiet before the first sample louder than kSilenceThreshold and after the last,
// keeping a short margin so the first consonant and the last decay are not clipped.
std::vector<float> trimSilence(const std::vector<float>& samples, int rate);
