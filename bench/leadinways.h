#pragma once

#include "bench/pulseserver.h"
#include "platform/sound/soundtypes.h"

#include <chrono>
#include <memory>

// One way of handing a tick to the sound server, as a program could do it. play() is called
// on the study's thread at the moment of the request; whatever it leaves running between
// sounds is what the way costs.
class TickWay
{
public:
    virtual ~TickWay() = default;
    // Everything the way does when a sound is asked for. A sound still playing stops.
    virtual void play(const Samples& sound) = 0;
    // The sound has been heard out, and the way may ready itself for the next one.
    virtual void played() {}
};

constexpr int kStudyRate = kTickRate;

// A float stream of the tick rate that plays from its first sample and keeps 10 ms
// buffered, as the program has opened its streams; corked from the start when asked.
struct pa_stream* openTickStream(PulseServer& server, const char* name, bool corked = false);

// The program as it was: after each sound the stream plays silence for `tail`, and a sound
// that comes meanwhile is written over it where the server reads next. A stream that ran
// dry, or whose last sound is cut off, is flushed and restarted after a 3 ms lead-in.
std::unique_ptr<TickWay> keptRunning(PulseServer& server, std::chrono::milliseconds tail);
// Each sound uploaded to the server's sample cache once, after a lead-in, then played by
// name; a newer sound kills the sink input of the one before.
std::unique_ptr<TickWay> sampleCache(PulseServer& server, double leadInMs);
// A stream kept corked and filled with `next` after a lead-in, uncorked at the request, and
// corked and filled again once played.
std::unique_ptr<TickWay> corkedFilled(PulseServer& server, const Samples& next, double leadInMs);
// A new stream for every sound, closed once it has played; the lead-in goes first.
std::unique_ptr<TickWay> ownStream(PulseServer& server, double leadInMs);
// The program's own sound service.
std::unique_ptr<TickWay> programService();
// The same, but every sound is a second of speech at flite's rate in the voice's slot.
std::unique_ptr<TickWay> programVoice();
