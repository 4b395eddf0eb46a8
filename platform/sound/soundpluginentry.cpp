#include "platform/sound/serversound.h"

#include <string_view>
#include <type_traits>

extern "C" __attribute__((visibility("default"))) SoundPlugin*
chimewise_sound_plugin(int interface, const QString& programDir)
{
    if (interface != kSoundPluginInterface)
        return nullptr;
    return makeServerSound(programDir).release();
}

// The loader finds the entry by this name and calls it through this type.
static_assert(std::string_view(kSoundPluginEntry) == "chimewise_sound_plugin");
static_assert(std::is_same_v<decltype(&chimewise_sound_plugin), SoundPluginEntry>);
