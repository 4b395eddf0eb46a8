#pragma once

#include "platform/latecalls.h"
#include "platform/voice.h"
#include "platform/waveplayer.h"

#include <memory>

// Stand-ins handed to the window before the sound is loaded: every request is kept, in order,
// and made on the real player or voice once it comes; from then on they only pass requests on.

class LateWavePlayer final : public WavePlayer
{
public:
    bool sndPlaySoundA(const QByteArray& path, unsigned flags) override;
    void prepare(const QByteArray& path) override;

    // See LateCalls.
    bool arrive(std::shared_ptr<WavePlayer> real) { return calls.arrive(std::move(real)); }
    void close() { calls.close(); }

private:
    LateCalls<WavePlayer> calls;
};

class LateVoice final : public Voice
{
public:
    // The calls are shared with whoever delivers the real voice; the stand-in's end is the
    // real voice's end.
    explicit LateVoice(std::shared_ptr<LateCalls<Voice>> calls) : calls(std::move(calls)) {}
    ~LateVoice() override { calls->close(); }

    int Speak(const QString& text, int flags) override;
    void prepare(const QStringList& texts) override;

    LateVoice(const LateVoice&) = delete;
    LateVoice& operator=(const LateVoice&) = delete;

private:
    std::shared_ptr<LateCalls<Voice>> calls;
};
