#pragma once

#include <QString>
#include <memory>

// The speech voice as the window sees it: one call that takes a text and flags.
class Voice
{
public:
    static constexpr int SVSFlagsAsync = 1;
    static constexpr int SVSFPurgeBeforeSpeak = 2;

    virtual ~Voice() = default;
    // Returns 0 on success; callers ignore the result. Never throws.
    virtual int Speak(const QString& text, int flags) = 0;
};

// Why a voice could not be had; empty when it could.
struct VoiceCreation {
    std::unique_ptr<Voice> voice;
    QString failure;
};

// Creates a voice by class name; "SAPI.spVoice" (any letter case) gives the built-in
// synthesiser. Any other name, or a synthesiser that cannot start, gives no voice and a
// reason a parent can read.
VoiceCreation createVoice(const QString& className);
