#include "platform/sound/wavefile.h"

#include "platform/sound/resample.h"

#include <QFile>
#include <QFileInfo>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace
{

// Beyond any real sound file; a header claiming more is damaged or crafted, and reading it
// would only cost time.
constexpr int kMaxInputRate = 768000;
constexpr int kMaxChannels = 32;
// Samples read at most, whatever the channels and the rate make of ten seconds.
constexpr sf_count_t kMaxSamples = 2 * 1024 * 1024;
constexpr sf_count_t kChunkSamples = 16384;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

// Reads in chunks, averaging each frame into one sample, so memory stays bounded by the mono
// result. A file whose data ends early yields what is there. A stray NaN or infinity from a
// damaged float file comes out as silence.
std::vector<float> readMono(SNDFILE* file, int channels, sf_count_t frames)
{
    std::vector<float> chunk(static_cast<std::size_t>(kChunkSamples));
    std::vector<float> mono;
    mono.reserve(static_cast<std::size_t>(frames));
    const sf_count_t chunkFrames = kChunkSamples / channels;
    while (sf_count_t(mono.size()) < frames) {
        const sf_count_t wanted = std::min(chunkFrames, frames - sf_count_t(mono.size()));
        const sf_count_t got = sf_readf_float(file, chunk.data(), wanted);
        for (sf_count_t frame = 0; frame < got; ++frame) {
            float sum = 0.0f;
            for (int c = 0; c < channels; ++c)
                sum += chunk[std::size_t(frame * channels + c)];
            const float v = sum / float(channels);
            mono.push_back(std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f);
        }
        if (got < wanted)
            break;
    }
    return mono;
}

} // namespace

Samples decodeWaveFile(const QString& path)
{
    // libsndfile happily "opens" a folder and fails later in odd ways; refuse it up front.
    if (!QFileInfo(path).isFile())
        return nullptr;
    SF_INFO info{};
    SndfileHandle file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > kMaxChannels || info.samplerate < 1 ||
        info.samplerate > kMaxInputRate || info.frames < 1)
        return nullptr;
    const sf_count_t frames =
        std::min({info.frames, static_cast<sf_count_t>(kMaxDecodedSeconds * info.samplerate),
                  kMaxSamples / info.channels});
    const std::vector<float> mono = readMono(file.get(), info.channels, frames);
    if (mono.empty())
        return nullptr;
    Samples out = resampleToOutput(mono.data(), mono.size(), info.samplerate);
    return out->empty() ? nullptr : out;
}
