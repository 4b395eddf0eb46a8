#include "platform/sound/wavefile.h"

#include <samplerate.h>
#include <sndfile.h>
#include <sys/stat.h>

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
// libsamplerate's limit on the conversion ratio.
constexpr double kMaxRatio = 256.0;

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

// Why libsndfile's reading of the header rules the file out; empty when it can be decoded.
std::string refusal(SNDFILE* file, const SF_INFO& info)
{
    if (!file)
        return sf_strerror(nullptr);
    if (info.channels < 1 || info.channels > kMaxChannels)
        return std::to_string(info.channels) + " channels";
    if (info.samplerate < 1 || info.samplerate > kMaxInputRate)
        return "a rate of " + std::to_string(info.samplerate) + " Hz";
    if (info.frames < 1)
        return "no samples";
    return {};
}

Samples shared(std::vector<float> samples)
{
    return std::make_shared<const std::vector<float>>(std::move(samples));
}

} // namespace

Samples decodeWaveFile(const std::string& path, std::string* why)
{
    std::string ignored;
    std::string& reason = why ? *why : ignored;
    // libsndfile happily "opens" a folder and fails later in odd ways; refuse it up front.
    struct stat st {
    };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = "not a file";
        return nullptr;
    }
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(path.c_str(), SFM_READ, &info),
                                                           sf_close);
    reason = refusal(file.get(), info);
    if (!reason.empty())
        return nullptr;
    const sf_count_t frames =
        std::min({info.frames, static_cast<sf_count_t>(kMaxDecodedSeconds * info.samplerate),
                  kMaxSamples / info.channels});
    const std::vector<float> mono = readMono(file.get(), info.channels, frames);
    Samples out = resampleToOutput(mono.data(), mono.size(), info.samplerate);
    if (out->empty()) {
        reason = "no samples could be read";
        return nullptr;
    }
    return out;
}

Samples resampleToOutput(const float* in, std::size_t frames, int inRate)
{
    const double ratio = inRate > 0 ? double(kTickRate) / inRate : 0.0;
    if (!in || frames == 0 || ratio > kMaxRatio || ratio < 1.0 / kMaxRatio)
        return shared({});
    std::vector<float> source(in, in + frames);
    for (float& v : source)
        if (!std::isfinite(v))
            v = 0.0f;
    if (inRate == kTickRate)
        return shared(std::move(source));

    std::vector<float> out(static_cast<std::size_t>(std::ceil(frames * ratio)) + 1);
    SRC_DATA data{};
    data.data_in = source.data();
    data.input_frames = static_cast<long>(frames);
    data.data_out = out.data();
    data.output_frames = static_cast<long>(out.size());
    data.src_ratio = ratio;
    data.end_of_input = 1;
    // The fastest converter cuts the top fifth of the band, where a tick's crack and a
    // voice's sibilants live; medium quality keeps them and still takes only milliseconds,
    // once per sound.
    if (src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1) != 0)
        return shared({});
    out.resize(static_cast<std::size_t>(data.output_frames_gen));
    return shared(std::move(out));
}
