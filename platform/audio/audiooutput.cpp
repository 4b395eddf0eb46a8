#include "platform/audio/audiooutput.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace
{

using Clock = std::chrono::steady_clock;

// 512 frames is about 11 ms at 48 kHz: small enough that a tick sounds together with the
// second hand, large enough not to underrun on a busy two-core machine.
constexpr Uint16 kBufferFrames = 512;
// A missing sound server is looked for again on the next play request, but not more
// often than this, so a silent machine does not pay for a failed connection per tick.
constexpr auto kRetryInterval = std::chrono::seconds(2);
// How long requests made during the very first attempt wait for the stream to open.
constexpr auto kFirstOpenWait = std::chrono::milliseconds(500);
// An open stream costs its audio thread about 1.5 % of a core even when it plays silence,
// so after this long without a sound (longer than a child takes to answer) it is closed, and the
// next sound opens it again (about 25 ms, which that sound waits for).
constexpr std::size_t kIdleCloseFrames = std::size_t{AudioOutput::kRate} * 10;
constexpr auto kIdleCheck = std::chrono::milliseconds(500);
// A sound put into the first buffers of a brand-new stream loses its start while the
// server fits the stream in; this much silence goes first.
constexpr std::size_t kLeadInFrames = AudioOutput::kRate / 50;

extern "C" void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound server SDL falls back to ALSA, and ALSA prints eight lines to stderr for
// every failed open, that is every retry. The program's answer to "no sound" is to stay
// quiet, so ALSA is asked to as well. The library is kept loaded so the setting survives
// SDL unloading and reloading it.
void quietenAlsa()
{
    static const bool done = [] {
        void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        if (alsa)
            if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
                set(ignoreAlsaError);
        return true;
    }();
    (void)done;
}

void setHints()
{
    // The program keeps its own signal handling; SDL would otherwise turn Ctrl+C into a
    // quit event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Chimewise");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Chimewise");
}

} // namespace

// SDL's audio subsystem is initialised exactly while a stream is open. Shutting it down
// whenever the stream fails or is lost matters: SDL's sound-server connection cannot
// recover once its server has gone, and a fresh start also lets SDL pick another backend.
//
// Opening and closing run on a helper thread: a failed attempt can take a few hundred
// milliseconds (SDL's ALSA fallback waits for its device-watching thread when shut down),
// and a hung server could take longer, none of which may freeze the window. It is an SDL
// thread because SDL frees its per-thread error text only for threads it made itself.
struct AudioOutput::Device {
    explicit Device(Mixer& mixer) : mixer(mixer) {}

    Mixer& mixer;
    std::mutex lock;
    std::condition_variable settled;
    std::condition_variable wake; // tells the idle watch to stop
    SDL_Thread* worker = nullptr;
    // Guarded by lock. id is only set by a finished attempt and only taken back by the
    // caller that starts the next one, so SDL is never called from two threads at once.
    SDL_AudioDeviceID id = 0;
    bool attempting = false;
    bool watching = false; // the worker stays to close the stream once it idles
    bool stopWatching = false;
    bool closedForIdle = false;
    bool joining = false; // someone is waiting for the worker to end, lock released
    bool closing = false; // the worker is closing a quiet stream, lock released
    Clock::time_point closeStarted;
    bool triedBefore = false;
    Clock::time_point lastTry;
    Clock::time_point firstWaitEnds;
    // The stream an attempt closes first; the worker's alone while it runs.
    SDL_AudioDeviceID lost = 0;
    // Audio thread only, once the stream runs.
    std::size_t leadIn = 0;
    std::atomic<std::size_t> idleFrames{0};
    std::atomic<std::size_t> idleCloseFrames{kIdleCloseFrames};

    bool running() const { return id != 0 && SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING; }
    bool mayTryNow() const { return !triedBefore || Clock::now() - lastTry >= kRetryInterval; }
    // Another thread is ending the worker or closing a quiet stream: both take moments, so
    // a request waits for them, but not for a close that hangs.
    bool busyElsewhere() const
    {
        return joining || (closing && Clock::now() - closeStarted < kFirstOpenWait);
    }
    void startAttempt();
    void startAttemptIfDue(std::unique_lock<std::mutex>& guard);
    void finishWorker(std::unique_lock<std::mutex>& guard);
    void reopen();
    void watchIdle();
    SDL_AudioDeviceID open();
    static int SDLCALL runAttempt(void* self);
    static void SDLCALL feed(void* self, Uint8* stream, int bytes);
};

void SDLCALL AudioOutput::Device::feed(void* self, Uint8* stream, int bytes)
{
    Device& device = *static_cast<Device*>(self);
    auto* out = reinterpret_cast<float*>(stream);
    const std::size_t frames = static_cast<std::size_t>(bytes) / sizeof(float);
    const std::size_t silent = std::min(frames, device.leadIn);
    std::fill(out, out + silent, 0.0f);
    device.leadIn -= silent;
    device.mixer.mix(out + silent, frames - silent);
    const bool sounding =
        device.mixer.isPlaying(Mixer::Slot::Tick) || device.mixer.isPlaying(Mixer::Slot::Speech);
    if (sounding)
        device.idleFrames = 0;
    else
        device.idleFrames.fetch_add(frames);
}

// Called with lock held when no attempt is running: stops an idle watch and waits for the
// worker to end.
void AudioOutput::Device::finishWorker(std::unique_lock<std::mutex>& guard)
{
    if (!worker)
        return;
    stopWatching = true;
    wake.notify_all();
    SDL_Thread* ending = worker;
    worker = nullptr;
    joining = true;
    guard.unlock();
    SDL_WaitThread(ending, nullptr);
    guard.lock();
    joining = false;
    stopWatching = false;
    settled.notify_all();
}

// Called with lock held, when no attempt is running.
void AudioOutput::Device::startAttempt()
{
    lastTry = Clock::now();
    if (!triedBefore || closedForIdle)
        firstWaitEnds = lastTry + kFirstOpenWait;
    closedForIdle = false;
    triedBefore = true;
    lost = id;
    worker = SDL_CreateThread(runAttempt, "chimewise-audio", this);
    if (!worker)
        return; // no thread to spare: stay silent and try again later
    attempting = true;
    id = 0;
}

int SDLCALL AudioOutput::Device::runAttempt(void* self)
{
    static_cast<Device*>(self)->reopen();
    return 0;
}

void AudioOutput::Device::reopen()
{
    if (lost != 0) {
        SDL_CloseAudioDevice(lost);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // Whatever was handed over while no stream ran is stale by the time one opens.
    mixer.stop(Mixer::Slot::Speech);
    mixer.stop(Mixer::Slot::Tick);
    const SDL_AudioDeviceID opened = open();
    {
        std::lock_guard guard(lock);
        id = opened;
        attempting = false;
        watching = opened != 0;
        settled.notify_all();
    }
    if (opened != 0)
        watchIdle();
}

// Runs on the worker while the stream is open. A stream that is lost is left for the next
// request to notice; one that idles is closed here.
void AudioOutput::Device::watchIdle()
{
    std::unique_lock guard(lock);
    while (!stopWatching) {
        wake.wait_for(guard, kIdleCheck, [this] { return stopWatching; });
        if (stopWatching || !running())
            break;
        if (idleFrames >= idleCloseFrames) {
            const SDL_AudioDeviceID quiet = id;
            id = 0;
            closing = true;
            closeStarted = Clock::now();
            guard.unlock();
            SDL_CloseAudioDevice(quiet);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            guard.lock();
            closing = false;
            closedForIdle = true;
            settled.notify_all();
            break;
        }
    }
    watching = false;
}

SDL_AudioDeviceID AudioOutput::Device::open()
{
    setHints();
    quietenAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    SDL_AudioSpec wanted{};
    wanted.freq = AudioOutput::kRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = kBufferFrames;
    wanted.callback = feed;
    wanted.userdata = this;
    // No allowed changes: SDL converts to whatever the device wants, so the mixer always
    // works in mono float at kRate.
    leadIn = kLeadInFrames;
    idleFrames = 0;
    const SDL_AudioDeviceID opened = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (opened == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(opened, 0);
    return opened;
}

AudioOutput& AudioOutput::instance()
{
    static AudioOutput output;
    static const bool prepared = [] {
        output.device = new Device(output.mix);
        return true;
    }();
    (void)prepared;
    return output;
}

AudioOutput::~AudioOutput()
{
    if (!device)
        return;
    {
        std::unique_lock guard(device->lock);
        device->finishWorker(guard);
    }
    if (device->id != 0) {
        SDL_CloseAudioDevice(device->id);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete device;
}

void AudioOutput::Device::startAttemptIfDue(std::unique_lock<std::mutex>& guard)
{
    if (!attempting && !joining && !closing && (closedForIdle || mayTryNow())) {
        finishWorker(guard);
        startAttempt();
    }
}

void AudioOutput::prepare()
{
    std::unique_lock guard(device->lock);
    if (!device->running())
        device->startAttemptIfDue(guard);
}

void AudioOutput::ensureOpen()
{
    std::unique_lock guard(device->lock);
    device->settled.wait_until(guard, Clock::now() + kFirstOpenWait,
                               [this] { return !device->busyElsewhere(); });
    if (device->running()) {
        // A sound is about to be handed over: the stream must not close under it.
        device->idleFrames = 0;
        return;
    }
    device->startAttemptIfDue(guard);
    // The program's first attempt, and a reopening after a quiet spell, are waited for by
    // whoever asks during them, so that sound is not lost; retries after a failure run
    // while the program carries on.
    device->settled.wait_until(guard, device->firstWaitEnds,
                               [this] { return !device->attempting; });
}

bool AudioOutput::isOpen() const
{
    std::lock_guard guard(device->lock);
    return device->running();
}

void AudioOutput::setIdleCloseAfter(std::chrono::milliseconds quiet)
{
    device->idleCloseFrames = static_cast<std::size_t>(quiet.count()) * kRate / 1000;
}
