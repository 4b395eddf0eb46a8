#include "platform/sound/voice/flitesynth.h"

#include "platform/sound/voice/numberwords.h"

#include <flite/flite.h>
#include <mutex>

extern "C" {
cst_voice* register_cmu_us_slt(const char* voxdir);
void unregister_cmu_us_slt(cst_voice* vox);
}

namespace
{

// flite hands over this many samples at a time (20 ms): a stop is noticed that soon.
constexpr int kChunkSamples = 320;

// flite keeps one registered voice per process, whoever registers it, and its state is
// global: every synth shares the voice and takes turns through this lock.
struct SharedVoice {
    std::mutex lock;
    int users = 0;
    cst_voice* voice = nullptr;
    cst_audio_streaming_info* streaming = nullptr; // owned by the voice's features
} shared;

bool isLetterAt(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text.at(at).isLetter();
}

} // namespace

QString fliteInput(const QString& text)
{
    const QString read = QStringLiteral("read");
    QString input = numbersInWords(text);
    for (qsizetype at = 0; (at = input.indexOf(read, at, Qt::CaseInsensitive)) >= 0;
         at += read.size())
        if (!isLetterAt(input, at - 1) && !isLetterAt(input, at + read.size()))
            input.replace(at + 1, 2, QStringLiteral("ee")); // "Read" becomes "Reed"
    return input;
}

FliteSynth::FliteSynth()
{
    std::lock_guard guard(shared.lock);
    if (shared.users++ > 0) {
        voice = shared.voice;
        return;
    }
    flite_init();
    shared.voice = voice = register_cmu_us_slt(nullptr);
    if (!voice)
        return;
    shared.streaming = new_audio_streaming_info();
    shared.streaming->min_buffsize = kChunkSamples;
    shared.streaming->asc = [](const cst_wave* wave, int start, int size, int,
                               cst_audio_streaming_info* info) {
        auto* self = static_cast<FliteSynth*>(info->userdata);
        if (size > 0 && !(*self->current)(wave->samples + start, size))
            self->stopped = true;
        return self->stopped ? CST_AUDIO_STREAM_STOP : CST_AUDIO_STREAM_CONT;
    };
    feat_set(voice->features, "streaming_info", audio_streaming_info_val(shared.streaming));
}

FliteSynth::~FliteSynth()
{
    std::lock_guard guard(shared.lock);
    if (--shared.users == 0 && shared.voice) {
        unregister_cmu_us_slt(shared.voice);
        shared.voice = nullptr;
        shared.streaming = nullptr;
    }
}

QString FliteSynth::failure() const
{
    return voice ? QString() : QStringLiteral("flite could not register its voice");
}

bool FliteSynth::synthesize(const QString& text, const Sink& sink)
{
    if (!voice || text.trimmed().isEmpty())
        return true;
    const QByteArray utf8 = fliteInput(text).toUtf8();
    std::lock_guard guard(shared.lock);
    shared.streaming->userdata = this;
    current = &sink;
    stopped = false;
    flite_text_to_speech(utf8.constData(), voice, "none");
    current = nullptr;
    return !stopped;
}
