#pragma once

#include "platform/sound/voice/flitesynth.h"
#include "platform/sound/voice/synthvoice.h"

// English, in flite's cmu_us_slt voice.
class FliteVoice : public SynthVoice
{
public:
    explicit FliteVoice(SoundOutput& sound) : SynthVoice(sound, std::make_unique<FliteSynth>()) {}
};
