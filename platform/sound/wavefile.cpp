#include "platform/sound/wavefile.h"

#include "platform/sound/resample.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace
{

// Beyond any real sound file; a header claiming more is damaged or crafted.
constexpr quint32 kMaxRate = 768000;
constexpr int kMaxChannels = 32;
// Bytes of samples read at most, whatever the channels and rate make of ten seconds.
constexpr qint64 kMaxSampleBytes = 8 * 1024 * 1024;
constexpr qint64 kBlockBytes = 64 * 1024;
// Chunks passed over while looking for the format and the samples.
constexpr int kMaxChunks = 64;

enum class Encoding { Integer, Float };

struct Format {
    Encoding encoding;
    int channels;
    int rate;
    int bytesPerSample;
};

quint32 le(const char* p, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

std::optional<Format> parseFormat(const QByteArray& body)
{
    if (body.size() < 16)
        return std::nullopt;
    const char* p = body.constData();
    quint32 tag = le(p, 2);
    if (tag == 0xFFFE && body.size() >= 26) // extensible: the sub-format's first two bytes
        tag = le(p + 24, 2);
    const quint32 channels = le(p + 2, 2), rate = le(p + 4, 4), align = le(p + 12, 2);
    const quint32 bits = le(p + 14, 2);
    const bool integer = tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = tag == 3 && (bits == 32 || bits == 64);
    if (!(integer || floating) || channels < 1 || channels > kMaxChannels || rate < 1 ||
        rate > kMaxRate || align != channels * bits / 8)
        return std::nullopt;
    return Format{integer ? Encoding::Integer : Encoding::Float, int(channels), int(rate),
                  int(bits / 8)};
}

float sampleAt(const char* p, const Format& f)
{
    if (f.encoding == Encoding::Float) {
        double v = 0;
        if (f.bytesPerSample == 4) {
            float x;
            std::memcpy(&x, p, sizeof x);
            v = x;
        } else {
            std::memcpy(&v, p, sizeof v);
        }
        return std::isfinite(v) ? float(std::clamp(v, -1.0, 1.0)) : 0.0f;
    }
    if (f.bytesPerSample == 1) // 8-bit samples are unsigned
        return (static_cast<unsigned char>(*p) - 128) / 128.0f;
    const int bits = f.bytesPerSample * 8;
    // Sign-extend by moving the sample to the top of a 32-bit word.
    const auto top = static_cast<qint32>(le(p, f.bytesPerSample) << (32 - bits));
    return float(top / 2147483648.0);
}

struct Located {
    Format format;
    qint64 dataStart;
    qint64 dataBytes;
};

// Walks the RIFF chunks to the format and the samples.
std::optional<Located> locate(QFile& file)
{
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Format> format;
    for (int i = 0; i < kMaxChunks; ++i) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            break;
        const qint64 size = le(head.constData() + 4, 4);
        const qint64 body = file.pos();
        if (head.startsWith("fmt "))
            format = parseFormat(file.read(std::min<qint64>(size, 64)));
        else if (head.startsWith("data") && format)
            return Located{*format, body, std::min(size, file.size() - body)};
        if (!file.seek(body + size + (size & 1)))
            break;
    }
    return std::nullopt;
}

std::vector<float> readMono(QFile& file, const Located& at)
{
    const Format& f = at.format;
    const qint64 frameBytes = qint64(f.channels) * f.bytesPerSample;
    const qint64 frames = std::min({at.dataBytes / frameBytes, qint64(kMaxDecodedSeconds * f.rate),
                                    kMaxSampleBytes / frameBytes});
    std::vector<float> mono;
    mono.reserve(static_cast<std::size_t>(std::max<qint64>(frames, 0)));
    const qint64 framesPerBlock = std::max<qint64>(1, kBlockBytes / frameBytes);
    file.seek(at.dataStart);
    while (qint64(mono.size()) < frames) {
        const qint64 want = std::min(framesPerBlock, frames - qint64(mono.size()));
        const QByteArray block = file.read(want * frameBytes);
        const qint64 got = block.size() / frameBytes;
        for (qint64 frame = 0; frame < got; ++frame) {
            const char* p = block.constData() + frame * frameBytes;
            float sum = 0.0f;
            for (int c = 0; c < f.channels; ++c)
                sum += sampleAt(p + c * f.bytesPerSample, f);
            mono.push_back(sum / float(f.channels));
        }
        if (got < want)
            break; // the file ends before its header says: keep what is there
    }
    return mono;
}

} // namespace

Samples decodeWaveFile(const QString& path)
{
    // A folder would "open"; only a regular file is a sound.
    if (!QFileInfo(path).isFile())
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const std::optional<Located> located = locate(file);
    if (!located)
        return nullptr;
    const std::vector<float> mono = readMono(file, *located);
    if (mono.empty())
        return nullptr;
    Samples out = resampleToOutput(mono.data(), mono.size(), located->format.rate);
    return out->empty() ? nullptr : out;
}
