#include "tests/support/fakesound.h"

#include <chrono>

FakeSoundOutput::FakeSoundOutput()
    : worker([this] {
          std::unique_lock guard(lock);
          for (;;) {
              changed.wait(guard, [this] { return stopping || !work.empty(); });
              if (work.empty())
                  return;
              auto next = std::move(work.front());
              work.pop_front();
              busy = true;
              guard.unlock();
              next();
              guard.lock();
              busy = false;
              changed.notify_all();
          }
      })
{
}

FakeSoundOutput::~FakeSoundOutput()
{
    {
        std::lock_guard guard(lock);
        stopping = true;
    }
    changed.notify_all();
    worker.join();
}

std::uint64_t FakeSoundOutput::begin(SoundSlot slot)
{
    std::lock_guard guard(lock);
    sounds[slot] = Sound{++tickets, {}, 0, false};
    ++begins[slot];
    changed.notify_all();
    return tickets;
}

void FakeSoundOutput::add(SoundSlot slot, std::uint64_t ticket, Samples part, bool last)
{
    std::lock_guard guard(lock);
    Sound& sound = sounds[slot];
    if (sound.ticket != ticket)
        return;
    if (part)
        sound.samples.insert(sound.samples.end(), part->begin(), part->end());
    ++sound.parts;
    sound.complete = last;
    changed.notify_all();
}

void FakeSoundOutput::post(std::function<void()> job)
{
    std::lock_guard guard(lock);
    work.push_back(std::move(job));
    changed.notify_all();
}

void FakeSoundOutput::settle()
{
    std::unique_lock guard(lock);
    changed.wait(guard, [this] { return work.empty() && !busy; });
}

FakeSoundOutput::Sound FakeSoundOutput::current(SoundSlot slot)
{
    std::lock_guard guard(lock);
    return sounds[slot];
}

bool FakeSoundOutput::waitComplete(SoundSlot slot, int timeoutMs)
{
    std::unique_lock guard(lock);
    return changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                            [&] { return sounds[slot].complete; });
}

int FakeSoundOutput::begun(SoundSlot slot)
{
    std::lock_guard guard(lock);
    return begins[slot];
}
