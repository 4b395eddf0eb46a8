#include "platform/flitesynth.h"

#include "platform/numberwords.h"

#include <algorithm>
#include <cmath>
#include <flite/flite.h>
#include <memory>

extern "C" {
cst_voice* register_cmu_us_slt(const char* voxdir);
void unregister_cmu_us_slt(cst_voice* vox);
}

namespace
{

constexpr int kLeadMs = 10;
constexpr int kTailMs = 20;

bool isLoud(float sample)
{
    return std::fabs(sample) > kSilenceThreshold;
}

std::vector<float> toFloat(const cst_wave& wave)
{
    std::vector<float> out(static_cast<std::size_t>(std::max(wave.num_samples, 0)));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(wave.samples[i]) / 32768.0f;
    return out;
}

} // namespace

FliteSynth& FliteSynth::instance()
{
    static FliteSynth synth;
    return synth;
}

FliteSynth::FliteSynth()
{
    flite_init();
    voice = register_cmu_us_slt(nullptr);
}

FliteSynth::~FliteSynth()
{
    if (voice)
        unregister_cmu_us_slt(voice);
}

std::vector<float> FliteSynth::synthesize(const QString& text, int& rate)
{
    rate = 0;
    if (!voice || text.trimmed().isEmpty())
        return {};
    const QByteArray utf8 = numbersInWords(text).toUtf8();
    std::lock_guard guard(busy);
    const std::unique_ptr<cst_wave, decltype(&delete_wave)> wave(
        flite_text_to_wave(utf8.constData(), voice), delete_wave);
    if (!wave)
        return {};
    rate = wave->sample_rate;
    return trimSilence(toFloat(*wave), rate);
}

std::vector<float> trimSilence(const std::vector<float>& samples, int rate)
{
    const auto first = std::find_if(samples.begin(), samples.end(), isLoud);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), isLoud).base();
    const auto lead = static_cast<std::ptrdiff_t>(rate) * kLeadMs / 1000;
    const auto tail = static_cast<std::ptrdiff_t>(rate) * kTailMs / 1000;
    const auto begin = first - std::min(lead, first - samples.begin());
    const auto end = last + std::min(tail, samples.end() - last);
    return {begin, end};
}
