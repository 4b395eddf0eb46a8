#pragma once

#include "platform/sound/soundtypes.h"

#include <memory>
#include <optional>
#include <string>

// How big a file is and when it last changed: a file whose stamp has not changed need not
// be decoded again.
struct FileStamp {
    long long size = -1;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The wave player's only way to the file system, so a test can make it slow or hang it.
// Called on the player's reading thread only.
class SoundFileReader
{
public:
    virtual ~SoundFileReader() = default;
    // The stamp of the regular file at path; none when there is no such file.
    virtual std::optional<FileStamp> stamp(const std::string& path) = 0;
    // The file's sound at the tick rate; null, with the reason in `why`, when it has none.
    virtual Samples decode(const std::string& path, std::string& why) = 0;
};

// Reads the real files, through decodeWaveFile.
std::shared_ptr<SoundFileReader> diskReader();
