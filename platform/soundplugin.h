#pragma once

#include "platform/voice.h"
#include "platform/waveplayer.h"

#include <QString>

// The program's sound and voices as a whole: what the module libchimewise-sound.so makes, so
// that the libraries behind them are loaded only once the window is on the screen. Nothing
// of those libraries shows here.
class SoundPlugin
{
public:
    virtual ~SoundPlugin() = default;
    // Lives as long as the plugin.
    virtual WavePlayer& wave() = 0;
    // As Platform::makeVoice; the voice must go before the plugin does.
    virtual VoiceCreation makeVoice(const QString& className, const QString& language) = 0;
};

// The module's one exported function, which makes its plugin. A module built against another
// version of this interface gives none.
constexpr int kSoundPluginInterface = 1;
constexpr char kSoundPluginEntry[] = "chimewise_sound_plugin";
// programDir is the folder of the running program, where sound files may also be found.
using SoundPluginEntry = SoundPlugin* (*)(int interface, const QString& programDir);
