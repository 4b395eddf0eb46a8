#pragma once

#include "platform/filewaveplayer.h"
#include "platform/platform.h"
#include "platform/sound/soundservice.h"

// The services the program really runs on, owned together for as long as the window lives,
// and the Platform that hands them to it. The sound service comes first, so it is the last
// to go: the voice and the player post to it until they are gone.
class RealPlatform
{
public:
    // notice tells a parent about a problem the program carries on through.
    explicit RealPlatform(std::function<void(const QString&)> notice = {});

    Platform& platform() { return wiring; }

    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

private:
    // Keeps the threads below from reserving a heap each; first, so it comes before them.
    struct SharedHeaps {
        SharedHeaps();
    } heaps;
    SoundService service;
    LocalSystemClock clock;
    TimerSeededRandom random;
    QtEventPump pump;
    FileWavePlayer wave{service};
    Platform wiring;
};
