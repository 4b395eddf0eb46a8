#pragma once

#include "platform/latesound.h"
#include "platform/platform.h"
#include "platform/soundmodule.h"

#include <QObject>
#include <mutex>
#include <thread>
#include <vector>

// The services the program really runs on, owned together for as long as the window lives,
// and the Platform that hands them to it. The sound and the voices come from a module loaded
// on a thread of its own once the window's first frame is out; until then the window is
// handed stand-ins that keep what it asks for. If the module cannot be loaded, the program is
// silent and says why once.
class RealPlatform
{
public:
    // Makes the sound, given the program's folder; by default, by loading the module.
    using SoundLoader = std::function<LoadedSound(const QString& programDir)>;

    // notice tells a parent about a problem the program carries on through.
    explicit RealPlatform(std::function<void(const QString&)> notice = {},
                          SoundLoader loader = loadInstalledSound);
    // Waits for a load under way: the dynamic loader cannot be interrupted.
    ~RealPlatform();

    Platform& platform() { return wiring; }

    static LoadedSound loadInstalledSound(const QString& programDir);

    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

private:
    // A voice the window asked for before the sound was there.
    struct VoiceOrder {
        QString className, language;
        std::shared_ptr<LateCalls<Voice>> calls;
    };

    void startLoading();
    void loadSound();
    VoiceCreation makeVoice(const QString& className, const QString& language);
    void deliver(const VoiceOrder& order, const std::shared_ptr<SoundPlugin>& plugin);

    // Keeps the threads below from reserving a heap each; first, so it comes before them.
    struct SharedHeaps {
        SharedHeaps();
    } heaps;
    LocalSystemClock clock;
    TimerSeededRandom random;
    QtEventPump pump;
    std::function<void(const QString&)> notice;
    SoundLoader loader;
    const QString programDir;
    // Notices from the loading thread are shown on the window's, while this lives.
    QObject noticeContext;

    std::mutex lock;
    bool settled = false; // the loading has ended, with or without a plugin
    std::shared_ptr<SoundPlugin> sound;
    std::vector<VoiceOrder> voiceOrders;

    LateWavePlayer wave;
    Platform wiring;
    std::thread loading; // last: it uses everything above
};
