#include "tests/support/soundfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <numbers>
#include <sndfile.h>
#include <vector>

namespace
{

std::vector<float> interleaved(const ToneFile& tone)
{
    const auto frames = static_cast<std::size_t>(tone.seconds * tone.rate);
    const auto channels = static_cast<std::size_t>(tone.channels);
    std::vector<float> data(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double phase = 2 * std::numbers::pi * 440.0 * double(i) / tone.rate;
        const float wave = tone.steady ? 1.0f : float(std::sin(phase));
        for (std::size_t c = 0; c < channels; ++c)
            data[i * channels + c] = wave * (c == 0 ? tone.level : tone.otherLevel);
    }
    return data;
}

} // namespace

bool writeSoundFile(const QString& path, const ToneFile& tone)
{
    SF_INFO info{};
    info.samplerate = tone.rate;
    info.channels = tone.channels;
    info.format = tone.format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const std::vector<float> data = interleaved(tone);
    const auto frames = static_cast<sf_count_t>(data.size()) / tone.channels;
    const bool written = sf_writef_float(file, data.data(), frames) == frames;
    sf_close(file);
    return written;
}

bool writeSteadyFile(const QString& path, double seconds, float level)
{
    QDir().mkpath(QFileInfo(path).path());
    ToneFile tone;
    tone.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    tone.seconds = seconds;
    tone.level = level;
    tone.steady = true;
    return writeSoundFile(path, tone);
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
