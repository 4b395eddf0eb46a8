#pragma once

#include <QString>
#include <QStringList>
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
    // Texts likely to be spoken soon: a voice may make them ready in the background, so they
    // are heard the moment they are asked for. Replaces the texts named before.
    virtual void prepare(const QStringList& texts) { (void)texts; }
};

class SoundOutput;

// Why a voice could not be had; empty when it could.
struct VoiceCreation {
    std::unique_ptr<Voice> voice;
    QString failure;
};

// Creates a voice by class name; "SAPI.spVoice" (any letter case) gives the built-in
// synthesiser, speaking through sound. Any other name, or a synthesiser that cannot start,
// gives no voice and a reason a parent can read. language is a --language code; a language
// with no voice gives no voice and no reason: the clock shows it and stays silent, and why
// is said once in the chimewise.sound category.
VoiceCreation createVoice(const QString& className, const QString& language, SoundOutput& sound);
