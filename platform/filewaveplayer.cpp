#include "platform/filewaveplayer.h"

#include "platform/audio/audiooutput.h"
#include "platform/audio/defaultsound.h"
#include "platform/audio/wavedecode.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

// Which file each request found: QT_LOGGING_RULES="chimewise.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "chimewise.sound", QtInfoMsg)

namespace
{

// The window plays two or three files; the bound only guards against a caller that
// invents a new file name every time.
constexpr qsizetype kMaxCached = 16;

QString executableDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

bool outputReady()
{
    AudioOutput& output = AudioOutput::instance();
    output.ensureOpen();
    return output.isOpen();
}

} // namespace

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

FileWavePlayer::FileWavePlayer()
    : FileWavePlayer(AudioOutput::instance().mixer(), outputReady,
                     QStringLiteral(CHIMEWISE_DATADIR))
{
}

FileWavePlayer::FileWavePlayer(Mixer& mixer, ReadyCheck ready, QString dataDir)
    : mixer(mixer), ready(std::move(ready)), dataDir(std::move(dataDir))
{
}

bool FileWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned flags)
{
    try {
        // No file name asks for quiet: the tick playing now stops.
        if (path.isEmpty()) {
            mixer.stop(Mixer::Slot::Tick);
            return false;
        }
        // Found and decoded even with no stream open, so the cache is warm once sound is back.
        SampleBuffer sound = load(path);
        if (!ready())
            return false;
        if ((flags & SND_NOSTOP) && mixer.isPlaying(Mixer::Slot::Tick))
            return false;
        if (!sound && !(flags & SND_NODEFAULT)) {
            qCDebug(lcSound, "%s: using the default sound", path.constData());
            sound = defaultSound();
        }
        if (!sound)
            return false;
        mixer.play(Mixer::Slot::Tick, std::move(sound));
        return true;
    } catch (...) {
        // A sound is never worth taking the program down for (out of memory while
        // decoding a huge file, for instance).
        return false;
    }
}

SampleBuffer FileWavePlayer::load(const QByteArray& path)
{
    const QStringList candidates =
        soundFileCandidates(path, QDir::currentPath(), dataDir, executableDir());
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            SampleBuffer samples = decodeCached(candidate);
            qCDebug(lcSound, "%s: %s %s", path.constData(), samples ? "playing" : "cannot decode",
                    qPrintable(candidate));
            return samples;
        }
    }
    qCDebug(lcSound, "%s: not found", path.constData());
    return nullptr;
}

SampleBuffer FileWavePlayer::decodeCached(const QString& file)
{
    const QFileInfo info(file);
    const auto found = cache.constFind(file);
    if (found != cache.constEnd() && found->size == info.size() &&
        found->modified == info.lastModified())
        return found->samples;
    if (cache.size() >= kMaxCached)
        cache.clear();
    // Failures are remembered too, so a broken file is not decoded again on every tick.
    Decoded decoded{info.size(), info.lastModified(), decodeWaveFile(file)};
    cache.insert(file, decoded);
    return decoded.samples;
}
