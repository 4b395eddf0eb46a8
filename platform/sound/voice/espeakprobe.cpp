#include "platform/sound/voice/espeakprobe.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
// What the child's exit code says.
constexpr int kSpoke = 0;
constexpr int kRefused = 3; // espeak-ng gave an error of its own, which setting it up says
// Numbers take the words of the language's dictionary and its rules as well as its sounds.
constexpr char kText[] = "12 30 45, 7 15";
// A few milliseconds of work; a child still busy after this long is stuck in the data.
constexpr auto kGiveUp = std::chrono::seconds(20);

// In the child, which has one thread and ends here: nothing of it is seen but its end.
[[noreturn]] void speakOnce(const QByteArray& voiceName, bool alreadySetUp)
{
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
    }
    if (!alreadySetUp) {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        if (espeak_ng_Initialize(&context) != ENS_OK ||
            espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
            ::_exit(kRefused);
    }
    espeak_SetSynthCallback([](short*, int, espeak_EVENT*) { return 0; });
    if (espeak_ng_SetVoiceByName(voiceName.constData()) != ENS_OK)
        ::_exit(kRefused);
    espeak_Synth(kText, sizeof kText, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    ::_exit(kSpoke);
}

// The child's end in words; empty when it spoke or was refused.
QString endOf(int status)
{
    if (WIFEXITED(status) && (WEXITSTATUS(status) == kSpoke || WEXITSTATUS(status) == kRefused))
        return {};
    if (WIFSIGNALED(status))
        return QStringLiteral("ended by %1")
            .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    return QStringLiteral("ended with code %1").arg(WEXITSTATUS(status));
}

// Waits for the child without a signal handler, which belongs to the program.
QString waitFor(pid_t child)
{
    const auto giveUp = std::chrono::steady_clock::now() + kGiveUp;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child)
            return endOf(status);
        if (ended < 0 && errno != EINTR)
            return {}; // reaped elsewhere: nothing is known of it
        if (std::chrono::steady_clock::now() >= giveUp) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return QStringLiteral("did not end within %1 s").arg(kGiveUp.count());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
} // namespace

QString espeakDataFault(const QByteArray& voiceName, bool alreadySetUp)
{
    if (!alreadySetUp)
        espeak_ng_InitializePath(nullptr);
    const char* folder = nullptr;
    espeak_Info(&folder);
    const pid_t child = ::fork();
    if (child == 0)
        speakOnce(voiceName, alreadySetUp);
    if (child < 0)
        return {}; // no process to spare: the data is used untried, as it always was
    const QString end = waitFor(child);
    if (end.isEmpty())
        return {};
    return QStringLiteral("espeak-ng's data in %1 is damaged: speaking a short text in \"%2\" %3")
        .arg(QString::fromLocal8Bit(folder), QString::fromLatin1(voiceName), end);
}
