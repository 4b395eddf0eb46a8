#pragma once

#include "platform/sound/voice/speechengine.h"

struct cst_voice_struct;

// What the voice hands flite for a text: its numbers in words (numberwords.h), and "read"
// spelt "reed", since flite says "read" as the past tense, "red", wherever it stands, and the
// clock only ever asks a child to read.
QString fliteInput(const QString& text);

// flite with the cmu_us_slt voice. flite keeps global state and is not re-entrant, so every
// synthesis in the process takes one lock; the program has one voice, on one thread.
class FliteSynth final : public SpeechEngine
{
public:
    FliteSynth();
    ~FliteSynth() override;

    // Set when flite could not register its voice; synthesize() then does nothing.
    QString failure() const override;
    static constexpr int kRate = 16000;
    int rate() const override { return kRate; }
    // Says fliteInput(text).
    bool synthesize(const QString& text, const Sink& sink) override;

    FliteSynth(const FliteSynth&) = delete;
    FliteSynth& operator=(const FliteSynth&) = delete;

private:
    cst_voice_struct* voice = nullptr;
    const Sink* current = nullptr; // the sink of the synthesis under way
    bool stopped = false;
};
