#pragma once

#include "platform/audio/mixer.h"
#include "platform/voice.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class FliteSynth;

// Speaks through flite on a worker thread of its own, into the speech slot of a mixer.
// Speak() only hands the text over, so the window never waits for synthesis. A purge
// makes every earlier text unhearable: what is playing stops at once, and what is still
// being synthesised or waiting is dropped, so only the newest text is ever heard.
class FliteVoice : public Voice
{
public:
    // beforePlay runs on the worker just before each utterance starts (it opens the output).
    FliteVoice(FliteSynth& synth, Mixer& mixer, std::function<void()> beforePlay);
    // onRequest runs on the caller's thread with every request, before it returns (it gets
    // a closed output opening while the text is synthesised).
    void setOnRequest(std::function<void()> hook) { onRequest = std::move(hook); }
    ~FliteVoice() override;

    int Speak(const QString& text, int flags) override;

    FliteVoice(const FliteVoice&) = delete;
    FliteVoice& operator=(const FliteVoice&) = delete;

private:
    using Clock = std::chrono::steady_clock;
    struct Request {
        QString text;
        std::uint64_t generation;
    };

    void enqueue(const QString& text, int flags);
    void run();
    SampleBuffer render(const QString& text);
    bool awaitTurn(std::unique_lock<std::mutex>& guard, std::uint64_t requestGeneration);
    void start(SampleBuffer audio, std::uint64_t requestGeneration);

    FliteSynth& synth;
    Mixer& mixer;
    std::function<void()> beforePlay;
    std::function<void()> onRequest;

    std::mutex lock;
    std::condition_variable wake;
    std::deque<Request> pending;
    // Bumped by every purge; a request from an older generation is never played.
    std::uint64_t generation = 0;
    bool stopping = false;
    // The utterance last started, so a queued text can wait for it to end.
    std::uint64_t playedGeneration = 0;
    Clock::time_point playingUntil;

    std::thread worker; // last, so it starts once everything above is ready
};
