#pragma once

#include "platform/sound/voice/synthvoice.h"

// German, French, Spanish and Dutch, each in espeak-ng's default voice for the language at
// espeak-ng's default rate and pitch: what a desktop user of that language already knows.
class EspeakVoice : public SynthVoice
{
public:
    // voiceName is espeak-ng's ("de"). A voice that cannot speak (espeak-ng's data or the
    // voice missing) says why in failure() and stays silent.
    EspeakVoice(SoundOutput& sound, const char* voiceName);
};

// The engine such a voice speaks through.
std::unique_ptr<SpeechEngine> makeEspeakEngine(const char* voiceName);
