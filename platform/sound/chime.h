#pragma once

#include "platform/sound/soundtypes.h"

// What plays when a sound file cannot be used: a short, soft two-note chime at the tick rate.
// Made once and shared.
Samples defaultSound();
