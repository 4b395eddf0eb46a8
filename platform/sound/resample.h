#pragma once

#include "platform/sound/soundservice.h"

#include <cstddef>

// Converts mono float samples at inRate to the tick rate. Never null: the buffer is empty
// when the input is empty or the rate cannot be converted (below kTickRate / 256 or not
// positive). Non-finite input samples come out as silence.
Samples resampleToOutput(const float* in, std::size_t frames, int inRate);
