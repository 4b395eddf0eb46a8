#include "platform/flitevoice.h"

#include "platform/audio/audiooutput.h"
#include "platform/audio/resample.h"
#include "platform/flitesynth.h"

#include <exception>
#include <utility>

namespace
{

// How often a queued text checks whether the one before it has finished.
constexpr auto kQueuePoll = std::chrono::milliseconds(5);
// Slack for output buffering when a queued text waits out its predecessor's length.
constexpr auto kPlaybackSlack = std::chrono::milliseconds(200);

} // namespace

FliteVoice::FliteVoice(FliteSynth& synth, Mixer& mixer, std::function<void()> beforePlay)
    : synth(synth), mixer(mixer), beforePlay(std::move(beforePlay)), worker([this] { run(); })
{
}

FliteVoice::~FliteVoice()
{
    {
        std::lock_guard guard(lock);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
}

int FliteVoice::Speak(const QString& text, int flags)
{
    try {
        if (onRequest)
            onRequest();
        enqueue(text, flags);
    } catch (const std::exception&) {
        return -1; // out of memory: this text is not spoken
    }
    wake.notify_all();
    return 0;
}

void FliteVoice::enqueue(const QString& text, int flags)
{
    const bool blank = text.trimmed().isEmpty();
    std::lock_guard guard(lock);
    if ((flags & SVSFPurgeBeforeSpeak) || blank) {
        ++generation;
        pending.clear();
        mixer.stop(Mixer::Slot::Speech);
    }
    if (!blank)
        pending.push_back({text, generation});
}

void FliteVoice::run()
{
    std::unique_lock guard(lock);
    for (;;) {
        wake.wait(guard, [this] { return stopping || !pending.empty(); });
        if (stopping)
            return;
        const Request next = pending.front();
        pending.pop_front();
        guard.unlock();
        SampleBuffer audio = render(next.text);
        if (audio && beforePlay)
            beforePlay();
        guard.lock();
        if (audio && awaitTurn(guard, next.generation))
            start(std::move(audio), next.generation);
    }
}

SampleBuffer FliteVoice::render(const QString& text)
{
    try {
        int rate = 0;
        const std::vector<float> samples = synth.synthesize(text, rate);
        if (samples.empty())
            return nullptr;
        SampleBuffer audio = resampleToOutput(samples.data(), samples.size(), rate);
        return audio->empty() ? nullptr : audio;
    } catch (const std::exception&) {
        return nullptr; // out of memory: skip this text rather than end the program
    }
}

// A text queued without a purge waits for the utterance before it to finish. The mixer says
// when it has; the utterance's own length bounds the wait in case no stream drains it.
bool FliteVoice::awaitTurn(std::unique_lock<std::mutex>& guard, std::uint64_t requestGeneration)
{
    while (!stopping && requestGeneration == generation && requestGeneration == playedGeneration &&
           Clock::now() < playingUntil && mixer.isPlaying(Mixer::Slot::Speech))
        wake.wait_for(guard, kQueuePoll);
    return !stopping && requestGeneration == generation;
}

// Called with the lock held, so a purge cannot slip in between the check and the start.
void FliteVoice::start(SampleBuffer audio, std::uint64_t requestGeneration)
{
    const auto length = std::chrono::microseconds(static_cast<long long>(audio->size()) * 1000000 /
                                                  AudioOutput::kRate);
    playedGeneration = requestGeneration;
    playingUntil = Clock::now() + length + kPlaybackSlack;
    mixer.play(Mixer::Slot::Speech, std::move(audio));
}
