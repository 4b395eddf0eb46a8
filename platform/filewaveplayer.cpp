#include "platform/filewaveplayer.h"

#include "platform/sound/soundlibrary.h"
#include "platform/sound/soundlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace
{
using Clock = std::chrono::steady_clock;
// Requests the player remembers the last sound of; the window plays two.
constexpr std::size_t kMaxRemembered = 16;
// Files named in advance and not yet read: the window names one.
constexpr std::size_t kMaxPrepared = 4;
// How long closing waits for an idle reading thread to finish, before leaving it to itself.
constexpr auto kReaderGoneWait = std::chrono::milliseconds(20);

// The path as the window asked for it, from a request that also names the working folder.
std::string askedPath(const std::string& request)
{
    return request.substr(request.find('\n') + 1);
}
} // namespace

// A file to read for a request, in plain strings: nothing of Qt crosses to the reading thread.
struct FileWavePlayer::Read {
    std::uint64_t ticket = 0; // 0 when only prepared
    std::string request;      // the path as asked for, with the working folder
    std::vector<std::string> candidates;
};

struct FileWavePlayer::Shared {
    explicit Shared(FileAccess access) : deadline(access.deadline), library(access.reader) {}

    std::mutex lock;
    std::condition_variable changed;
    bool closed = false;
    bool readerGone = false;
    // The newest play's read, until the reading thread takes it, and reads named in advance.
    std::optional<Read> playRead;
    std::deque<Read> prepared;
    // The newest play, until it is answered: with its file once read, or without it once due.
    struct Play {
        std::uint64_t ticket = 0;
        std::string request;
        Clock::time_point due;
        bool read = false;
        Samples samples;
    };
    std::optional<Play> play;
    std::unordered_map<std::string, Samples> lastRead;
    bool lateSaid = false; // a read missed its deadline, and none has been on time since
    const std::chrono::milliseconds deadline;

    SoundLibrary library; // the reading thread's alone

    void readFiles();
    void took(const Read& read, SoundLibrary::Loaded loaded);
};

// Runs on the reading thread, which holds a share of this: it may be left behind in a read
// that hangs, and then ends on its own once the read returns.
void FileWavePlayer::Shared::readFiles()
{
    std::unique_lock guard(lock);
    for (;;) {
        changed.wait(guard, [this] { return closed || playRead || !prepared.empty(); });
        if (closed)
            break;
        Read next;
        if (playRead)
            next = *std::exchange(playRead, std::nullopt);
        else
            next = std::move(prepared.front()), prepared.pop_front();
        guard.unlock();
        SoundLibrary::Loaded loaded = library.load(next.request, next.candidates);
        guard.lock();
        if (closed)
            break;
        took(next, std::move(loaded));
    }
    readerGone = true;
    changed.notify_all();
}

// Under the lock, so nothing is said once the player has closed.
void FileWavePlayer::Shared::took(const Read& read, SoundLibrary::Loaded loaded)
{
    const std::string asked = askedPath(read.request);
    if (!loaded.file.empty())
        qCDebug(lcSound, "%s: using %s", asked.c_str(), loaded.file.c_str());
    if (!loaded.news.empty())
        qCWarning(lcSound, "%s: %s; the built-in chime plays instead.", asked.c_str(),
                  loaded.news.c_str());
    if (loaded.samples) {
        if (lastRead.size() >= kMaxRemembered)
            lastRead.clear();
        lastRead[read.request] = loaded.samples;
    }
    if (play && play->ticket == read.ticket && read.ticket != 0) {
        play->read = true;
        play->samples = std::move(loaded.samples);
        changed.notify_all();
    }
}

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

FileWavePlayer::FileWavePlayer(SoundOutput& sound, const QString& dataDir, FileAccess access)
    : sound(sound), dataDir(dataDir), shared(std::make_shared<Shared>(std::move(access))),
      reading([share = shared] { share->readFiles(); }), answering([this] { answer(); })
{
    if (QCoreApplication::instance())
        exeDir = QCoreApplication::applicationDirPath();
}

FileWavePlayer::~FileWavePlayer()
{
    std::unique_lock guard(shared->lock);
    shared->closed = true;
    shared->changed.notify_all();
    const bool readerGone =
        shared->changed.wait_for(guard, kReaderGoneWait, [this] { return shared->readerGone; });
    guard.unlock();
    answering.join();
    if (readerGone)
        reading.join();
    else
        reading.detach();
}

FileWavePlayer::Read FileWavePlayer::readFor(const QByteArray& path, std::uint64_t ticket) const
{
    const QString workDir = QDir::currentPath();
    Read read{ticket, QFile::encodeName(workDir).toStdString() + '\n' + path.toStdString(), {}};
    for (const QString& file : soundFileCandidates(path, workDir, dataDir, exeDir))
        read.candidates.push_back(QFile::encodeName(file).toStdString());
    return read;
}

bool FileWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned)
{
    if (path.isEmpty())
        return false;
    const std::uint64_t ticket = sound.begin(SoundSlot::Tick);
    Read read = readFor(path, ticket);
    {
        std::lock_guard guard(shared->lock);
        shared->play =
            Shared::Play{ticket, read.request, Clock::now() + shared->deadline, false, {}};
        shared->playRead = std::move(read);
    }
    shared->changed.notify_all();
    return true;
}

void FileWavePlayer::prepare(const QByteArray& path)
{
    Read read = readFor(path, 0);
    {
        std::lock_guard guard(shared->lock);
        for (const Read& waiting : shared->prepared)
            if (waiting.request == read.request)
                return;
        if (shared->prepared.size() >= kMaxPrepared)
            return;
        shared->prepared.push_back(std::move(read));
    }
    shared->changed.notify_all();
}

// On the answering thread: each play gets its file as soon as it is read, or, once it is
// due, the sound last read for it or the chime. It never touches a file, so it never hangs.
void FileWavePlayer::answer()
{
    Shared& s = *shared;
    std::unique_lock guard(s.lock);
    while (!s.closed) {
        if (!s.play) {
            s.changed.wait(guard);
            continue;
        }
        if (!s.play->read && Clock::now() < s.play->due) {
            s.changed.wait_until(guard, s.play->due);
            continue;
        }
        Shared::Play answered = *std::exchange(s.play, std::nullopt);
        if (!answered.read && !std::exchange(s.lateSaid, true))
            qCWarning(lcSound,
                      "%s: not read within %lld ms, as if its folder hung; the sound last read "
                      "for it, or the built-in chime, plays until it answers.",
                      askedPath(answered.request).c_str(),
                      static_cast<long long>(s.deadline.count()));
        if (answered.read)
            s.lateSaid = false;
        const auto last = s.lastRead.find(answered.request);
        Samples samples = answered.read              ? answered.samples
                          : last != s.lastRead.end() ? last->second
                                                     : nullptr;
        guard.unlock();
        sound.add(SoundSlot::Tick, answered.ticket, samples ? samples : defaultSound(), true);
        guard.lock();
    }
}
