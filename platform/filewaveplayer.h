#pragma once

#include "platform/audio/mixer.h"
#include "platform/waveplayer.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

// Where a relative sound path may live, in the order they are tried: the working folder,
// the installed data folder, then the executable's folder (skipped when exeDir is empty).
// Backslashes count as separators. An absolute path is its only candidate.
QStringList soundFileCandidates(const QByteArray& path, const QString& workDir,
                                const QString& dataDir, const QString& exeDir);

// Plays wave files in the tick slot of a mixer. Decoded files are kept, so a tick played
// every second is decoded once; a file changed on disk is decoded again.
class FileWavePlayer : public WavePlayer
{
public:
    // Tells whether sound can be heard now, opening the output if it can.
    using ReadyCheck = std::function<bool()>;

    // The program's own stream.
    FileWavePlayer();
    FileWavePlayer(Mixer& mixer, ReadyCheck ready, QString dataDir);

    bool sndPlaySoundA(const QByteArray& path, unsigned flags) override;

private:
    struct Decoded {
        qint64 size = -1;
        QDateTime modified;
        SampleBuffer samples; // null when the file could not be decoded
    };

    SampleBuffer load(const QByteArray& path);
    SampleBuffer decodeCached(const QString& file);

    Mixer& mixer;
    ReadyCheck ready;
    QString dataDir;
    QHash<QString, Decoded> cache;
};
