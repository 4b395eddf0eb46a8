#pragma once

#include "platform/audio/mixer.h"

#include <chrono>

// The program's one sound stream, kept open for its whole life and fed by one Mixer.
// Without a sound server it stays closed and everything is silently dropped; each play
// request gives it another chance to open (not more often than every couple of seconds),
// so sound comes back when a server appears or returns.
class AudioOutput
{
public:
    static constexpr int kRate = 48000;

    static AudioOutput& instance();

    Mixer& mixer() { return mix; }
    // Opens the stream if it is closed or was lost; cheap when it is running.
    void ensureOpen();
    // Starts opening a closed stream without waiting for it.
    void prepare();
    bool isOpen() const;
    // How long the stream may play silence before it is closed to save the processor.
    void setIdleCloseAfter(std::chrono::milliseconds quiet);

    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

private:
    AudioOutput() = default;
    ~AudioOutput();
    Mixer mix;
    struct Device;
    Device* device = nullptr;
};
