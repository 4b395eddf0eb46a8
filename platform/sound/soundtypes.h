#pragma once

#include <memory>
#include <vector>

// Mono samples in [-1, 1] at the rate of the sound they belong to, shared so a sound can be
// played again without copying.
using Samples = std::shared_ptr<const std::vector<float>>;

// The ticks and the voice are separate streams that the sound server mixes: a new sound in a
// slot cuts off what that slot was playing, and the two slots sound together.
enum class SoundSlot { Tick, Speech };
constexpr SoundSlot kSlots[] = {SoundSlot::Tick, SoundSlot::Speech};

// Files are decoded to this rate, so ticks reach the server as the usual hardware runs.
constexpr int kTickRate = 48000;
// flite's own rate: the speech stream starts at it, so English reaches the server as it was
// made without ever changing rate.
constexpr int kSpeechRate = 16000;

// The rate each slot's stream opens at. Every sound is begun with its own rate and a stream
// follows the sounds it is given, so this only saves a change of rate on the server.
struct SlotRates {
    int tick = kTickRate;
    int speech = kSpeechRate;
    int of(SoundSlot slot) const { return slot == SoundSlot::Tick ? tick : speech; }
};
