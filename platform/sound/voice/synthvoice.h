#pragma once

#include "platform/sound/soundoutput.h"
#include "platform/sound/voice/phrasestore.h"
#include "platform/sound/voice/speechengine.h"
#include "platform/voice.h"

#include <QString>
#include <QStringList>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// Speaks through an engine into the speech slot of the sound service, on a thread of its own.
// Speak() cuts off what is being said at once and only hands the text over: every text
// replaces the one before, so there is never more than the newest one waiting. Texts said
// before, or named in advance with prepare(), are kept and play whole at once, without being
// made again; any other starts playing while the engine is still making the rest of it.
class SynthVoice : public Voice
{
public:
    SynthVoice(SoundOutput& sound, std::unique_ptr<SpeechEngine> engine);
    // Returns as soon as the engine hands over the next samples of what it is making.
    ~SynthVoice() override;

    QString failure() const { return engine->failure(); }
    int Speak(const QString& text, int flags) override;
    void prepare(const QStringList& texts) override;

private:
    struct Request {
        QString text;
        std::optional<std::uint64_t> ticket; // none: only made ready, not heard
    };

    void run();
    void say(const Request& request);
    bool interrupted(const Request& making);

    SoundOutput& sound;
    const std::unique_ptr<SpeechEngine> engine;

    std::mutex lock;
    std::condition_variable wake;
    std::optional<Request> request;
    QStringList toPrepare;
    std::uint64_t newest = 0; // the ticket of the last text asked for, a blank one's too
    // Texts being asked for whose ticket is not yet the newest: what is being made is
    // already old, though the ticket does not say so yet.
    int asking = 0;
    bool stopping = false;

    PhraseStore known; // the worker's alone

    std::thread worker; // last, so it starts once everything above is ready
};
