#pragma once

#include "platform/sound/soundservice.h"

// What plays when a sound file cannot be used: a short, soft two-note chime at the output
// rate. Made once and shared.
Samples defaultSound();
