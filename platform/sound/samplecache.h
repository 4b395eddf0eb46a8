#pragma once

#include "platform/sound/soundtypes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct pa_context;
struct pa_stream;

// Whole sounds kept at the sound server, on the service's thread. Each is uploaded once and
// then played by name: one message starts it, and nothing of ours runs on the server between
// sounds. A new sound cuts off the one the last play started, by ending its sink input.
class SampleCache
{
public:
    enum class Entry {
        Absent,    // not at the server: upload() it
        Uploading, // on its way
        Kept,      // play() it
        Refused,   // the server would not keep it: play it another way
    };

    // changed() is called on the same thread, from libpulse's callbacks, once an upload ends.
    explicit SampleCache(std::function<void()> changed) : changed(std::move(changed)) {}
    ~SampleCache() { detach(); }
    SampleCache(const SampleCache&) = delete;
    SampleCache& operator=(const SampleCache&) = delete;

    // A new connection: nothing is known to be kept on it yet.
    void attach(pa_context* context);
    // The connection goes: everything on its way is let go.
    void detach();

    Entry entry(const Samples& sound, int rate) const;
    void upload(const Samples& sound, int rate);
    // Starts a kept sound.
    void play(const Samples& sound, int rate);
    // Stops whatever the plays so far started, now or as soon as the server says what that is.
    void cut();

private:
    using Key = std::pair<const void*, int>; // the samples and their rate
    struct Kept {
        SampleCache* owner;
        Samples sound; // held, so its address names no other sound while it is known here
        int rate;
        std::string name;
        Entry state = Entry::Absent;
        pa_stream* upload = nullptr;
        std::uint64_t lastUsed = 0;
    };
    static std::vector<float> withLeadIn(const Kept& k);
    void send(Kept& k);
    void uploaded(Kept& k, bool ok);
    void began(pa_context* c, std::uint32_t sinkInput);
    void makeRoom();
    void kill(std::uint32_t sinkInput);

    const std::function<void()> changed;
    pa_context* context = nullptr;
    std::map<Key, Kept> kept;
    std::uint64_t uses = 0;
    // Plays whose sink input the server has not named yet, oldest first (it answers in
    // order), and the number of the last play that is already cut off.
    std::deque<std::pair<std::uint64_t, Key>> awaited;
    std::uint64_t plays = 0, cutUpTo = 0;
    // The sink input of the newest play, until cut off; none is libpulse's PA_INVALID_INDEX.
    std::uint32_t playing = ~0u;
};

// The name a sound is kept under: made from its samples and rate, so the same sound gets the
// same name in every run and every window, and a changed one another.
std::string keptName(const std::vector<float>& samples, int rate);
