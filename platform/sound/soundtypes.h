#pragma once

#include <memory>
#include <vector>

// Mono samples in [-1, 1] at the rate of the sound they belong to, shared so a sound can be
// played again without copying.
using Samples = std::shared_ptr<const std::vector<float>>;

// The ticks and the voice are separate sounds that the sound server mixes: a new sound in a
// slot cuts off what that slot was playing, and the two slots sound together.
enum class SoundSlot { Tick, Speech };

// Files are decoded to this rate, so ticks reach the server as the usual hardware runs.
constexpr int kTickRate = 48000;
// flite's own rate; every sound is played at the rate it was made at.
constexpr int kSpeechRate = 16000;
