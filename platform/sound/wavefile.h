#pragma once

#include "platform/sound/soundtypes.h"

#include <cstddef>
#include <string>

// Longest stretch of a file that is decoded: enough for any sound the program plays, and a
// huge file cannot stall the program.
constexpr double kMaxDecodedSeconds = 10.0;

// Reads a sound file (any format libsndfile knows, up to 32 channels mixed down) into mono
// samples at the tick rate. Only the first ten seconds are read, and never more than a few
// megabytes, whatever the header claims. Null when the file is missing, not a regular file,
// unreadable, or holds no samples; then `why`, when given, says which.
Samples decodeWaveFile(const std::string& path, std::string* why = nullptr);

// Converts mono float samples at inRate to the tick rate. Never null: the buffer is empty
// when the input is empty or the rate cannot be converted (below kTickRate / 256 or not
// positive). Non-finite input samples come out as silence.
Samples resampleToOutput(const float* in, std::size_t frames, int inRate);
