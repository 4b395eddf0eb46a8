#pragma once

#include "bench/monitorrecorder.h"
#include "platform/sound/soundtypes.h"

#include <vector>

// What the ticks of one way came to.
struct Result {
    std::vector<double> toFirstSample;
    int whole = 0, missed = 0, oldGoesOn = 0;
    // Of the ticks that did not start whole, how much was lost; -1 when the start was changed.
    std::vector<double> lostMs;
    bool neverSuspended = false; // waited in vain for the sink to be suspended
};

// The tick as the sink holds it: 16 bits.
Samples asHeard(const Samples& tick);
// A second of a steady level unlike any sample of the tick's start: what a tick cuts off.
Samples longSteadySound();

// Listens to the 100 ms after the request and lines the recording up with the tick (as
// heard) at the first sample that is neither silence nor the sound cut off. Whole when that
// is the file's first audible sample; otherwise how much of the start went missing. A sound
// cut off must not be heard again after the tick.
void judge(const MonitorRecorder& recorder, const std::vector<float>& tick, double asked,
           Result& result);
void report(const char* way, Result result);
