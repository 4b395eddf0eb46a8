#include "platform/sound/resample.h"

#include "platform/sound/soundservice.h"

#include <samplerate.h>

#include <cmath>
#include <vector>

namespace
{

// libsamplerate's limit on the conversion ratio.
constexpr double kMaxRatio = 256.0;

std::vector<float> finiteCopy(const float* in, std::size_t frames)
{
    std::vector<float> copy(in, in + frames);
    for (float& v : copy)
        if (!std::isfinite(v))
            v = 0.0f;
    return copy;
}

Samples emptyBuffer()
{
    return std::make_shared<const std::vector<float>>();
}

} // namespace

Samples resampleToOutput(const float* in, std::size_t frames, int inRate)
{
    if (!in || frames == 0 || inRate <= 0)
        return emptyBuffer();
    const double ratio = double(SoundService::kTickRate) / inRate;
    if (ratio > kMaxRatio || ratio < 1.0 / kMaxRatio)
        return emptyBuffer();
    std::vector<float> source = finiteCopy(in, frames);
    if (inRate == SoundService::kTickRate)
        return std::make_shared<const std::vector<float>>(std::move(source));

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
        return emptyBuffer();
    out.resize(static_cast<std::size_t>(data.output_frames_gen));
    return std::make_shared<const std::vector<float>>(std::move(out));
}
