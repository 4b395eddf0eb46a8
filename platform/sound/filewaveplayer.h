#pragma once

#include "platform/sound/chime.h"
#include "platform/sound/soundfilereader.h"
#include "platform/sound/soundoutput.h"
#include "platform/waveplayer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// Where a relative sound path may live, in the order they are tried: the working folder,
// the installed data folder, then the executable's folder (skipped when exeDir is empty).
// Backslashes count as separators. An absolute path is its only candidate.
QStringList soundFileCandidates(const QByteArray& path, const QString& workDir,
                                const QString& dataDir, const QString& exeDir);

// The clock a play's deadline is kept by: the steady clock, or in a test one it steps by hand,
// so that the deadline is seen to pass when that clock passes it however slow the machine.
class DeadlineClock
{
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~DeadlineClock() = default;
    virtual time_point now() = 0;
    // Waits on changed, whose lock guard holds, until due by this clock or a notification;
    // it may return earlier, and the caller then looks again.
    virtual void waitUntil(std::condition_variable& changed, std::unique_lock<std::mutex>& guard,
                           time_point due) = 0;

    static std::shared_ptr<DeadlineClock> steady();
};

// How the player gets at its files.
struct FileAccess {
    std::shared_ptr<SoundFileReader> reader = diskReader();
    // A tick is part of its click: heard a quarter of a second later it no longer seems to
    // be, so a file not read by then counts as lost for that click. A local disk answers in
    // well under a millisecond and a working network share in tens of them; only one that is
    // hung or failing takes this long.
    std::chrono::milliseconds deadline{250};
    std::shared_ptr<DeadlineClock> clock = DeadlineClock::steady();
    // The running program's folder, the last place a relative path is looked for; empty when
    // there is no application object. Qt caches it unguarded, so a player made on another
    // thread is handed it.
    QString programDir = applicationDir();

    static QString applicationDir();
};

// Plays wave files in the tick slot. A request takes its place in the slot at once, on the
// caller's thread; the file is then found and decoded on a reading thread of the player's
// own, never the caller's nor the sound service's. A file not read within the deadline (a
// hung network folder) is replaced by the sound last read for that request or, failing
// that, the built-in chime.
class FileWavePlayer : public WavePlayer
{
public:
    explicit FileWavePlayer(SoundOutput& sound,
                            const QString& dataDir = QStringLiteral(CHIMEWISE_DATADIR),
                            FileAccess access = {});
    // Returns at once, even while a read hangs: the reading thread is then left to finish
    // alone, and it touches nothing but what it owns with the player's share.
    ~FileWavePlayer() override;

    bool sndPlaySoundA(const QByteArray& path, unsigned flags) override;
    void prepare(const QByteArray& path) override;

    FileWavePlayer(const FileWavePlayer&) = delete;
    FileWavePlayer& operator=(const FileWavePlayer&) = delete;

private:
    struct Shared;
    struct Read;
    static Read readFor(const QByteArray& path, std::uint64_t ticket);

    SoundOutput& sound;
    std::shared_ptr<Shared> shared; // with the reading thread, which may outlive the player
    std::thread reading;
    std::thread answering; // last: starts once everything above is ready
};
