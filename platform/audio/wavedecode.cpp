#include "platform/audio/wavedecode.h"

#include "platform/audio/resample.h"

#include <QFile>
#include <QFileInfo>
#include <sndfile.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

// No real sound file goes beyond this; a damaged header claiming more would only make the
// ten-second cap expensive.
constexpr int kMaxInputRate = 768000;
constexpr sf_count_t kChunkFrames = 4096;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

// Averages each interleaved frame into one sample, appended to mono.
void appendDownmixed(const float* interleaved, sf_count_t frames, int channels,
                     std::vector<float>& mono)
{
    for (sf_count_t frame = 0; frame < frames; ++frame) {
        const float* first = interleaved + frame * channels;
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c)
            sum += first[c];
        mono.push_back(sum / static_cast<float>(channels));
    }
}

// Reads in chunks so memory stays bounded by the mono result, however many channels the
// file claims. A file whose data ends early yields what is there.
std::vector<float> readMono(SNDFILE* file, int channels, sf_count_t maxFrames)
{
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames * channels));
    std::vector<float> mono;
    mono.reserve(static_cast<std::size_t>(maxFrames));
    while (sf_count_t(mono.size()) < maxFrames) {
        const sf_count_t wanted = std::min(kChunkFrames, maxFrames - sf_count_t(mono.size()));
        const sf_count_t got = sf_readf_float(file, chunk.data(), wanted);
        if (got <= 0)
            break;
        appendDownmixed(chunk.data(), got, channels, mono);
    }
    return mono;
}

bool plausible(const SF_INFO& info)
{
    return info.channels > 0 && info.samplerate > 0 && info.samplerate <= kMaxInputRate &&
           info.frames > 0;
}

} // namespace

SampleBuffer decodeWaveFile(const QString& path)
{
    // libsndfile happily "opens" a folder and fails later in odd ways; refuse it up front.
    if (!QFileInfo(path).isFile())
        return nullptr;
    SF_INFO info{};
    SndfileHandle file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || !plausible(info))
        return nullptr;

    const auto cap = static_cast<sf_count_t>(kMaxDecodedSeconds * info.samplerate);
    const std::vector<float> mono = readMono(file.get(), info.channels, std::min(info.frames, cap));
    if (mono.empty())
        return nullptr;
    SampleBuffer out = resampleToOutput(mono.data(), mono.size(), info.samplerate);
    return out->empty() ? nullptr : out;
}
