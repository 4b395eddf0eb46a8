#pragma once

#include <QByteArray>

// Plays a short wave file in the background.
class WavePlayer
{
public:
    static constexpr unsigned SND_ASYNC = 1;
    static constexpr unsigned SND_NODEFAULT = 2;
    static constexpr unsigned SND_NOSTOP = 16;

    virtual ~WavePlayer() = default;
    // path is in the 8-bit form the window hands over, backslashes allowed as separators.
    // Returns true when something (the file or the default sound) was started.
    virtual bool sndPlaySoundA(const QByteArray& path, unsigned flags) = 0;
};
