#include "platform/realplatform.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <malloc.h>

namespace
{
// glibc gives every thread that allocates a heap of its own, each reserving 64 MB of address
// space: with the sound, voice and file threads that came to more than half of what the
// program maps, and under a limit such as `ulimit -v 409600` it left the voice unable to
// allocate at all. These threads allocate a few times a second; two heaps serve them.
constexpr int kHeaps = 2;

// The category the sound itself says why it is silent in.
Q_LOGGING_CATEGORY(lcSoundLoading, "chimewise.sound", QtInfoMsg)
} // namespace

RealPlatform::SharedHeaps::SharedHeaps()
{
    mallopt(M_ARENA_MAX, kHeaps);
}

LoadedSound RealPlatform::loadInstalledSound(const QString& programDir)
{
    return loadSoundModule(soundModuleCandidates(programDir), programDir);
}

RealPlatform::RealPlatform(std::function<void(const QString&)> notice, SoundLoader loader)
    : notice(std::move(notice)), loader(std::move(loader)),
      programDir(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString())
{
    wiring.clock = &clock;
    wiring.random = &random;
    wiring.pump = &pump;
    wiring.wave = &wave;
    wiring.makeVoice = [this](const QString& className, const QString& language) {
        return makeVoice(className, language);
    };
    wiring.notice = this->notice;
    wiring.afterFirstFrame = [this] { startLoading(); };
}

RealPlatform::~RealPlatform()
{
    if (loading.joinable())
        loading.join();
    wave.close();
}

void RealPlatform::startLoading()
{
    if (!loading.joinable())
        loading = std::thread([this] { loadSound(); });
}

// On the loading thread. The player comes first: the start-up ticks are already waiting.
void RealPlatform::loadSound()
{
    LoadedSound loaded = loader(programDir);
    if (!loaded.plugin)
        qCWarning(lcSoundLoading, "No sound: %s. The clock carries on silently.",
                  qPrintable(loaded.failure));
    const std::shared_ptr<SoundPlugin> plugin = std::move(loaded.plugin);
    wave.arrive(plugin ? std::shared_ptr<WavePlayer>(plugin, &plugin->wave()) : nullptr);
    std::vector<VoiceOrder> orders;
    {
        std::lock_guard guard(lock);
        settled = true;
        sound = plugin;
        orders.swap(voiceOrders);
    }
    for (const VoiceOrder& order : orders)
        deliver(order, plugin);
}

VoiceCreation RealPlatform::makeVoice(const QString& className, const QString& language)
{
    VoiceOrder order{className, language, std::make_shared<LateCalls<Voice>>()};
    auto voice = std::make_unique<LateVoice>(order.calls);
    std::shared_ptr<SoundPlugin> plugin;
    {
        std::lock_guard guard(lock);
        if (!settled) {
            voiceOrders.push_back(order);
            return {std::move(voice), QString()};
        }
        plugin = sound;
    }
    deliver(order, plugin);
    return {std::move(voice), QString()};
}

// A voice that cannot be had is told as it would have been at start-up, only later. The
// voice keeps the plugin, whose sound it speaks through, for as long as it lives.
void RealPlatform::deliver(const VoiceOrder& order, const std::shared_ptr<SoundPlugin>& plugin)
{
    if (!plugin) {
        order.calls->arrive(nullptr);
        return;
    }
    VoiceCreation made = plugin->makeVoice(order.className, order.language);
    if (!made.failure.isEmpty() && notice)
        QMetaObject::invokeMethod(
            &noticeContext, [tell = notice, why = made.failure] { tell(why); },
            Qt::QueuedConnection);
    if (made.voice)
        order.calls->arrive(
            std::shared_ptr<Voice>(made.voice.release(), [plugin](Voice* voice) { delete voice; }));
    else
        order.calls->arrive(nullptr);
}
