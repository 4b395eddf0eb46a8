#pragma once

#include "platform/sound/soundservice.h"
#include "platform/waveplayer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

// Where a relative sound path may live, in the order they are tried: the working folder,
// the installed data folder, then the executable's folder (skipped when exeDir is empty).
// Backslashes count as separators. An absolute path is its only candidate.
QStringList soundFileCandidates(const QByteArray& path, const QString& workDir,
                                const QString& dataDir, const QString& exeDir);

// What plays when a sound file cannot be used: a short, soft two-note chime at the tick rate.
// Made once and shared.
Samples defaultSound();

// Plays wave files in the tick slot of the sound service. Finding and decoding a file happen
// on the service's thread, never the caller's; decoded files are kept, so a tick played every
// second is decoded once, and a file changed on disk is decoded again.
class FileWavePlayer : public WavePlayer
{
public:
    explicit FileWavePlayer(SoundOutput& sound,
                            const QString& dataDir = QStringLiteral(CHIMEWISE_DATADIR));

    bool sndPlaySoundA(const QByteArray& path, unsigned flags) override;
    void prepare(const QByteArray& path) override;

private:
    struct Library;
    SoundOutput& sound;
    std::shared_ptr<Library> library; // shared with the requests still waiting on the service
};
