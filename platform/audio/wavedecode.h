#pragma once

#include "platform/audio/mixer.h"

#include <QString>

// Longest stretch of a file that is decoded: enough for any sound the program plays, and a
// huge file cannot stall the program.
constexpr double kMaxDecodedSeconds = 10.0;

// Reads any file libsndfile understands into mono samples at the output rate, mixing all
// channels down. Null when the file is missing, not a regular file, unreadable, or holds no
// samples.
SampleBuffer decodeWaveFile(const QString& path);
