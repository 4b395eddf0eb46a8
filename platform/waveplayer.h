#pragma once

#include <QByteArray>

// Plays a short wave file in the background.
class WavePlayer
{
public:
    static constexpr unsigned SND_ASYNC = 1;

    virtual ~WavePlayer() = default;
    // path is in the 8-bit form the window hands over, backslashes allowed as separators.
    // Returns at once; a file that cannot be played gives a default sound instead. Returns
    // whether the request was taken.
    virtual bool sndPlaySoundA(const QByteArray& path, unsigned flags) = 0;
    // A file likely to be played soon: a player may read it now, in the background.
    virtual void prepare(const QByteArray& path) { (void)path; }
};
