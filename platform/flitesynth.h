#pragma once

#include <QString>
#include <functional>
#include <vector>

struct cst_voice_struct;

// flite with the cmu_us_slt voice. flite keeps global state and is not re-entrant, so every
// synthesis in the process takes one lock; the program has one voice, on one thread.
class FliteSynth
{
public:
    FliteSynth();
    ~FliteSynth();

    // False when flite could not register its voice; synthesize() then does nothing.
    bool available() const { return voice != nullptr; }
    // The rate of the samples it makes.
    static constexpr int kRate = 16000;

    // Receives the samples as they are made, a few hundred at a time; returning false stops
    // the synthesis there.
    using Sink = std::function<bool(const short* samples, int count)>;
    // Speaks text into sink, numbers read as words. True when it ran to the end.
    bool synthesize(const QString& text, const Sink& sink);

    FliteSynth(const FliteSynth&) = delete;
    FliteSynth& operator=(const FliteSynth&) = delete;

private:
    cst_voice_struct* voice = nullptr;
    const Sink* current = nullptr; // the sink of the synthesis under way
    bool stopped = false;
};
