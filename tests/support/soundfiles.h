#pragma once

#include <QByteArray>
#include <QString>

// Sound files for tests, written with libsndfile.

struct ToneFile {
    int format = 0; // SF_FORMAT_… container | encoding
    int channels = 1;
    int rate = 48000;
    double seconds = 0.5;
    float level = 0.5f;      // first channel
    float otherLevel = 0.0f; // every other channel
    bool steady = false;     // a constant level instead of a 440 Hz sine
};

bool writeSoundFile(const QString& path, const ToneFile& tone);
// A 16-bit file at 48 kHz holding a constant level, creating its folder if needed.
bool writeSteadyFile(const QString& path, double seconds, float level = 0.3f);
bool writeBytes(const QString& path, const QByteArray& bytes);
