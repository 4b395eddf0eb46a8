#pragma once

#include "platform/audio/mixer.h"

#include <cstddef>

// Converts mono float samples at inRate to the output rate. Never null: the buffer is empty
// when the input is empty or the rate cannot be converted (below kRate / 256 or not
// positive). Non-finite input samples come out as silence.
SampleBuffer resampleToOutput(const float* in, std::size_t frames, int inRate);
