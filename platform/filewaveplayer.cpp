#include "platform/filewaveplayer.h"

#include "platform/sound/wavefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

// Which file each request found: QT_LOGGING_RULES="chimewise.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "chimewise.sound", QtInfoMsg)

namespace
{
// The window plays two files; the bound only guards against a caller that invents a new file
// name every time.
constexpr qsizetype kMaxKept = 16;

constexpr double kChimeSeconds = 0.25;
// A fifth apart (A5 and E6): bright enough to be heard over speech, never harsh.
constexpr double kLowHz = 880.0;
constexpr double kHighHz = 1318.5;
constexpr double kAttackSeconds = 0.004;
// Decay time constants; the upper partial dies sooner, as on a struck bell.
constexpr double kLowDecay = 0.080;
constexpr double kHighDecay = 0.045;
constexpr double kPeak = 0.35;
} // namespace

Samples defaultSound()
{
    static const Samples sound = [] {
        std::vector<float> out(static_cast<std::size_t>(kChimeSeconds * SoundService::kTickRate));
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = double(i) / SoundService::kTickRate;
            // A few milliseconds of rise avoid a click at the start; the tail is faded to
            // exactly zero so the sound does not end with a step either.
            const double envelope =
                std::min(1.0, t / kAttackSeconds) * std::min(1.0, (kChimeSeconds - t) / 0.02);
            const double low =
                std::sin(2 * std::numbers::pi * kLowHz * t) * std::exp(-t / kLowDecay);
            const double high =
                0.6 * std::sin(2 * std::numbers::pi * kHighHz * t) * std::exp(-t / kHighDecay);
            out[i] = static_cast<float>(kPeak * envelope * (low + high));
        }
        return std::make_shared<const std::vector<float>>(std::move(out));
    }();
    return sound;
}

// The decoded files, on the service's thread only.
struct FileWavePlayer::Library {
    struct Decoded {
        qint64 size = -1;
        // Not a QDateTime: that would turn it into local time, which this thread need not.
        std::filesystem::file_time_type modified;
        Samples samples; // null when the file could not be decoded
    };

    QString dataDir, exeDir;
    QHash<QString, Decoded> kept;

    Samples load(const QByteArray& path, const QString& workDir)
    {
        for (const QString& candidate : soundFileCandidates(path, workDir, dataDir, exeDir)) {
            if (QFileInfo(candidate).isFile()) {
                Samples samples = decode(candidate);
                qCDebug(lcSound, "%s: %s %s", path.constData(), samples ? "using" : "cannot decode",
                        qPrintable(candidate));
                return samples;
            }
        }
        qCDebug(lcSound, "%s: not found", path.constData());
        return nullptr;
    }

    Samples decode(const QString& file)
    {
        const qint64 size = QFileInfo(file).size();
        std::error_code unknown;
        const auto modified =
            std::filesystem::last_write_time(QFile::encodeName(file).toStdString(), unknown);
        const auto found = kept.constFind(file);
        if (found != kept.constEnd() && found->size == size && found->modified == modified)
            return found->samples;
        if (kept.size() >= kMaxKept)
            kept.clear();
        // Failures are kept too, so a broken file is not decoded again on every tick.
        const Decoded decoded{size, modified, decodeWaveFile(file)};
        kept.insert(file, decoded);
        return decoded.samples;
    }
};

QStringList soundFileCandidates(const QByteArray& path, const QString& workDir,
                                const QString& dataDir, const QString& exeDir)
{
    QString name = QFile::decodeName(path);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(name))
        return {QDir::cleanPath(name)};
    QStringList candidates;
    // An unpacked or relocated installation keeps its data beside bin/ rather than where
    // the build said it would be.
    const QString besideBin =
        exeDir.isEmpty() ? QString() : exeDir + QStringLiteral("/../share/chimewise");
    for (const QString& dir : {workDir, dataDir, besideBin, exeDir})
        if (!dir.isEmpty())
            candidates << QDir::cleanPath(dir + QLatin1Char('/') + name);
    candidates.removeDuplicates();
    return candidates;
}

FileWavePlayer::FileWavePlayer(SoundOutput& sound, const QString& dataDir)
    : sound(sound), library(std::make_shared<Library>())
{
    library->dataDir = dataDir;
    if (QCoreApplication::instance())
        library->exeDir = QCoreApplication::applicationDirPath();
}

bool FileWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned)
{
    if (path.isEmpty())
        return false;
    sound.post([library = library, &sound = sound, path, workDir = QDir::currentPath()] {
        const Samples samples = library->load(path, workDir);
        if (!samples)
            qCDebug(lcSound, "%s: using the default sound", path.constData());
        sound.play(SoundSlot::Tick, samples ? samples : defaultSound());
    });
    return true;
}

void FileWavePlayer::prepare(const QByteArray& path)
{
    sound.post(
        [library = library, path, workDir = QDir::currentPath()] { library->load(path, workDir); });
}
