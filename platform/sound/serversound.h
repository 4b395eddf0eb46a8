#pragma once

#include "platform/soundplugin.h"

#include <memory>

// The real sound: the sound server, the wave player and the voices that speak through it.
std::unique_ptr<SoundPlugin> makeServerSound(const QString& programDir);
