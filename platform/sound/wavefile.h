#pragma once

#include "platform/sound/soundservice.h"

#include <QString>

// Longest stretch of a file that is decoded: enough for any sound the program plays, and a
// huge file cannot stall the program.
constexpr double kMaxDecodedSeconds = 10.0;

// Reads a wave file (integer samples of 8 to 32 bits or float samples, any number of channels
// up to 32, mixed down) into mono samples at the tick rate. Only the first ten seconds are
// read, and never more than a few megabytes, whatever the header claims. Null when the file
// is missing, not a regular file, not a wave file it can play, or holds no samples.
Samples decodeWaveFile(const QString& path);
