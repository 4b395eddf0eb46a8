#include "platform/sound/filewaveplayer.h"

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
// Requests the player remembers the last sound of; the window plays two.
constexpr std::size_t kMaxRemembered = 16;
// Files named in advance and not yet read: the window names one.
constexpr std::size_t kMaxPrepared = 4;
// How long closing waits for an idle reading thread to finish, before leaving it to itself.
constexpr auto kReaderGoneWait = std::chrono::milliseconds(20);

class SteadyClock final : public DeadlineClock
{
public:
    time_point now() override { return std::chrono::steady_clock::now(); }
    void waitUntil(std::condition_variable& changed, std::unique_lock<std::mutex>& guard,
                   time_point due) override
    {
        changed.wait_until(guard, due);
    }
};

// The path as the window asked for it, from a request that also names the working folder.
std::string askedPath(const std::string& request)
{
    return request.substr(request.find('\n') + 1);
}
} // namespace

// A file to read for a request, in plain strings: nothing of Qt crosses to the reading thread.
struct FileWavePlayer::Read {
    std::uint64_t ticket = 0; // 0 when only prepared
    std::string request;      // the working folder, a line feed, and the path as asked for
};

struct FileWavePlayer::Shared {
    Shared(SoundOutput& output, const FileAccess& access, std::string dataDir, std::string exeDir)
        : output(&output), deadline(access.deadline), clock(access.clock),
          dataDir(std::move(dataDir)), exeDir(std::move(exeDir)), library(access.reader)
    {
    }

    std::mutex lock;
    std::condition_variable toRead;  // the reading thread waits for work on this
    std::condition_variable changed; // everyone else waits on this
    bool closed = false;
    bool readerGone = false;
    SoundOutput* output; // the player's, until it closes
    // The newest play's read, until the reading thread takes it, and reads named in advance.
    std::optional<Read> playRead;
    std::deque<Read> prepared;
    // The newest play, until it is answered: with its file once read, or without it once due.
    struct Play {
        std::uint64_t ticket = 0;
        std::string request;
        DeadlineClock::time_point due;
    };
    std::optional<Play> play;
    std::unordered_map<std::string, Samples> lastRead;
    bool lateSaid = false; // a read missed its deadline, and none has been on time since
    const std::chrono::milliseconds deadline;
    const std::shared_ptr<DeadlineClock> clock;
    const std::string dataDir, exeDir;

    SoundLibrary library; // the reading thread's alone

    void readFiles();
    std::vector<std::string> candidatesFor(const std::string& request) const;
    void took(const Read& read, SoundLibrary::Loaded loaded);
    void answer(const Samples& samples);
    void answerWhenDue();
};

// Runs on the reading thread, which holds a share of this: it may be left behind in a read
// that hangs, and then ends on its own once the read returns.
void FileWavePlayer::Shared::readFiles()
{
    std::unique_lock guard(lock);
    for (;;) {
        toRead.wait(guard, [this] { return closed || playRead || !prepared.empty(); });
        if (closed)
            break;
        Read next;
        if (playRead)
            next = *std::exchange(playRead, std::nullopt);
        else
            next = std::move(prepared.front()), prepared.pop_front();
        guard.unlock();
        SoundLibrary::Loaded loaded = library.load(next.request, candidatesFor(next.request));
        guard.lock();
        if (closed)
            break;
        took(next, std::move(loaded));
    }
    readerGone = true;
    changed.notify_all();
}

std::vector<std::string> FileWavePlayer::Shared::candidatesFor(const std::string& request) const
{
    const std::size_t end = request.find('\n');
    const QByteArray path = QByteArray::fromStdString(request.substr(end + 1));
    std::vector<std::string> files;
    for (const QString& file :
         soundFileCandidates(path, QFile::decodeName(request.substr(0, end).c_str()),
                             QFile::decodeName(dataDir.c_str()), QFile::decodeName(exeDir.c_str())))
        files.push_back(QFile::encodeName(file).toStdString());
    return files;
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
    if (read.ticket == 0 && loaded.samples)
        output->keep(SoundSlot::Tick, kTickRate, loaded.samples);
    if (play && play->ticket == read.ticket && read.ticket != 0) {
        lateSaid = false;
        answer(loaded.samples);
    }
}

// Under the lock, so the output is never called once the player has closed. Adding only
// hands the sound over, so the lock is not held for long.
void FileWavePlayer::Shared::answer(const Samples& samples)
{
    output->add(SoundSlot::Tick, play->ticket, samples ? samples : defaultSound(), true);
    play.reset();
}

// On the answering thread: a play not answered with its file by its deadline gets the sound
// last read for it or the chime. This thread never touches a file, so it never hangs.
void FileWavePlayer::Shared::answerWhenDue()
{
    std::unique_lock guard(lock);
    while (!closed) {
        if (!play) {
            changed.wait(guard);
            continue;
        }
        if (clock->now() < play->due) {
            clock->waitUntil(changed, guard, play->due);
            continue;
        }
        if (!std::exchange(lateSaid, true))
            qCWarning(lcSound,
                      "%s: not read within %lld ms, as if its folder hung; the sound last read "
                      "for it, or the built-in chime, plays until it answers.",
                      askedPath(play->request).c_str(), static_cast<long long>(deadline.count()));
        const auto last = lastRead.find(play->request);
        answer(last != lastRead.end() ? last->second : nullptr);
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

std::shared_ptr<DeadlineClock> DeadlineClock::steady()
{
    return std::make_shared<SteadyClock>();
}

QString FileAccess::applicationDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

FileWavePlayer::FileWavePlayer(SoundOutput& sound, const QString& dataDir, FileAccess access)
    : sound(sound),
      shared(std::make_shared<Shared>(sound, access, QFile::encodeName(dataDir).toStdString(),
                                      QFile::encodeName(access.programDir).toStdString())),
      reading([share = shared] { share->readFiles(); }),
      answering([share = shared.get()] { share->answerWhenDue(); })
{
}

FileWavePlayer::~FileWavePlayer()
{
    std::unique_lock guard(shared->lock);
    shared->closed = true;
    shared->output = nullptr;
    shared->toRead.notify_one();
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

// The working folder is the caller's at the moment of the request; the rest waits for the
// reading thread.
FileWavePlayer::Read FileWavePlayer::readFor(const QByteArray& path, std::uint64_t ticket)
{
    return {ticket,
            QFile::encodeName(QDir::currentPath()).toStdString() + '\n' + path.toStdString()};
}

bool FileWavePlayer::sndPlaySoundA(const QByteArray& path, unsigned)
{
    if (path.isEmpty())
        return false;
    const std::uint64_t ticket = sound.begin(SoundSlot::Tick, kTickRate);
    Read read = readFor(path, ticket);
    {
        std::lock_guard guard(shared->lock);
        shared->play = Shared::Play{ticket, read.request, shared->clock->now() + shared->deadline};
        shared->playRead = std::move(read);
    }
    shared->toRead.notify_one();
    shared->changed.notify_one();
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
    shared->toRead.notify_one();
}
