#include "platform/sound/voice/espeakvoice.h"

#include "platform/sound/voice/espeakprobe.h"
#include "platform/sound/voice/espeakstress.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <map>
#include <mutex>

namespace
{

// espeak-ng hands its samples over this many milliseconds at a time (or its own minimum, some
// fifty), and a newer text stops it at the next hand-over: it makes a second of speech in
// about a millisecond, so that is at once.
constexpr int kBufferMs = 20;

QString statusText(espeak_ng_STATUS status)
{
    char text[512] = "";
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// espeak-ng keeps one state per process, which speaks one text at a time in one voice: every
// synth shares it and takes turns through this lock. It is set up once and kept to the end,
// since in 1.51 setting it up again after espeak_ng_Terminate() can hang, and every choice
// of a voice leaks a little, so a voice is only chosen when another one is wanted.
struct SharedEngine {
    std::mutex lock;
    bool ready = false;
    int rate = 0;
    QByteArray voice;                         // the voice chosen last
    const SpeechEngine::Sink* sink = nullptr; // of the synthesis under way
    bool stopped = false;
    std::map<QByteArray, QString> tried; // voices tried in a child, and why each cannot be used
} shared;

int onSamples(short* samples, int count, espeak_EVENT*)
{
    if (samples && count > 0 && !(*shared.sink)(samples, count))
        shared.stopped = true;
    return shared.stopped ? 1 : 0;
}

// Under shared.lock. Why espeak-ng could not be set up; empty once it is. Its data is looked
// for where espeak-ng itself looks: $ESPEAK_DATA_PATH, then its installed folder. As it
// starts it sets the process's character type to UTF-8 (LC_CTYPE), which it needs to read
// letters beyond ASCII; nothing else here depends on it.
QString setUp()
{
    if (shared.ready)
        return {};
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK) {
        const char* folder = nullptr;
        espeak_Info(&folder);
        return QStringLiteral("espeak-ng's data cannot be read from %1 (%2)")
            .arg(QString::fromLocal8Bit(folder), statusText(status));
    }
    status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kBufferMs, nullptr);
    if (status != ENS_OK)
        return QStringLiteral("espeak-ng cannot start (%1)").arg(statusText(status));
    espeak_SetSynthCallback(onSamples);
    shared.rate = espeak_ng_GetSampleRate();
    shared.ready = true;
    return {};
}

// Under shared.lock, once set up. Why the voice cannot be used; empty when it is in use.
QString choose(const QByteArray& voice)
{
    if (shared.voice == voice)
        return {};
    shared.voice.clear(); // a voice that failed may leave none chosen
    const espeak_ng_STATUS status = espeak_ng_SetVoiceByName(voice.constData());
    if (status != ENS_OK)
        return QStringLiteral("espeak-ng has no voice \"%1\" (%2)")
            .arg(QString::fromLatin1(voice), statusText(status));
    shared.voice = voice;
    return {};
}

// Under shared.lock. Why the voice's data cannot be used, once tried apart from this process.
QString tried(const QByteArray& voice)
{
    auto known = shared.tried.find(voice);
    if (known == shared.tried.end())
        known = shared.tried.emplace(voice, espeakDataFault(voice, shared.ready)).first;
    return known->second;
}

class EspeakSynth final : public SpeechEngine
{
public:
    explicit EspeakSynth(const char* voiceName) : voice(voiceName)
    {
        std::lock_guard guard(shared.lock);
        why = tried(voice);
        if (why.isEmpty())
            why = setUp();
        if (why.isEmpty())
            why = choose(voice);
        rate_ = shared.rate;
    }

    QString failure() const override { return why; }
    int rate() const override { return rate_; }

    // Every number in the text is already in the language's words; only a word espeak-ng
    // would stress wrongly goes as phonemes.
    bool synthesize(const QString& text, const Sink& sink) override
    {
        if (!why.isEmpty() || text.trimmed().isEmpty())
            return true;
        const QByteArray utf8 = espeakInput(voice, text).toUtf8();
        std::lock_guard guard(shared.lock);
        if (!choose(voice).isEmpty())
            return true;
        shared.sink = &sink;
        shared.stopped = false;
        espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakInputOptions(), nullptr, nullptr);
        shared.sink = nullptr;
        return !shared.stopped;
    }

private:
    const QByteArray voice;
    QString why;
    int rate_ = 0;
};

} // namespace

std::unique_ptr<SpeechEngine> makeEspeakEngine(const char* voiceName)
{
    return std::make_unique<EspeakSynth>(voiceName);
}

EspeakVoice::EspeakVoice(SoundOutput& sound, const char* voiceName)
    : SynthVoice(sound, makeEspeakEngine(voiceName))
{
}
