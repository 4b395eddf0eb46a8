#pragma once

#include "platform/sound/soundfilereader.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The sound files decoded so far, on the wave player's reading thread only: a tick played
// every few seconds is decoded once, and a file changed on disk is decoded again.
class SoundLibrary
{
public:
    explicit SoundLibrary(std::shared_ptr<SoundFileReader> reader) : reader(std::move(reader)) {}

    struct Loaded {
        Samples samples;  // null when no candidate could be used
        std::string file; // the candidate used, if any was a file
        // Why the request has no sound, when that has not been said before; else empty.
        std::string news;
    };
    // The sound of the first candidate that is a file.
    Loaded load(const std::string& request, const std::vector<std::string>& candidates);

private:
    struct Decoded {
        FileStamp stamp;
        Samples samples; // null when the file could not be decoded
    };
    std::shared_ptr<SoundFileReader> reader;
    // Failures are kept too, so a broken file is not decoded again on every tick.
    std::unordered_map<std::string, Decoded> kept;
    std::unordered_set<std::string> missingSaid; // requests said to be missing, until found
};
