#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Mono samples in [-1, 1] at the rate of the slot they are played in, shared so a sound can
// be played again without copying.
using Samples = std::shared_ptr<const std::vector<float>>;

// The ticks and the voice are separate streams that the sound server mixes: a new sound in a
// slot cuts off what that slot was playing, and the two slots sound together.
enum class SoundSlot { Tick, Speech };

// Where sounds go: each call only hands a request over and returns at once.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Cuts off the slot's sound at once and begins a new one, which add() then fills. A begun
    // sound with nothing in it yet does not look for a server.
    virtual std::uint64_t begin(SoundSlot slot) = 0;
    // Appends to the sound of that ticket; ignored once the slot has begun another one. `last`
    // says the sound is complete, so it is played even if it is very short.
    virtual void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) = 0;
    void play(SoundSlot slot, Samples sound) { add(slot, begin(slot), std::move(sound), true); }
    // Runs work in the background, in order with the requests around it: for slow work that
    // must stay off the window's thread, such as decoding a file.
    virtual void post(std::function<void()> work) = 0;
};

// The program's sound: one thread of its own makes every call into the sound server, and
// everyone else only posts requests to it, so a slow, hung or missing server can never hold
// up the window. Sounds are handed to the server whole, as far ahead as it will take them,
// so none can run dry half way; the server mixes the slots and its buffer is the latency.
// Without a server everything is dropped silently; the next sound after a couple of seconds
// looks for one again.
class SoundService final : public SoundOutput
{
public:
    static constexpr int kTickRate = 48000;
    // flite's own rate, so speech reaches the server as it was made.
    static constexpr int kSpeechRate = 16000;
    static int rateOf(SoundSlot slot) { return slot == SoundSlot::Tick ? kTickRate : kSpeechRate; }

    SoundService();
    // Returns promptly whatever the server is doing: nothing in here waits for it.
    ~SoundService();

    std::uint64_t begin(SoundSlot slot) override;
    void add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last) override;
    // Work runs on the service's own thread.
    void post(std::function<void()> work) override;

private:
    struct Engine;
    std::unique_ptr<Engine> engine;
    std::thread thread; // last: starts once the engine exists
};
