#pragma once

#include <atomic>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

// Calls meant for an object that does not exist yet: kept in order until it arrives, then
// made on it in that order, and from then on made on it directly. Once the object arrives,
// a call costs one atomic read. Calls come from one thread; the object may arrive on another.
template <class Real> class LateCalls
{
public:
    // Far more than a child can click while a plugin loads; a load that hangs keeps the newest.
    static constexpr std::size_t kMaxWaiting = 64;

    template <class Call> void call(Call&& call)
    {
        if (Real* real = ready.load(std::memory_order_acquire))
            return void(call(*real));
        std::lock_guard guard(lock);
        if (Real* real = ready.load(std::memory_order_relaxed))
            return void(call(*real));
        if (settled)
            return;
        if (waiting.size() == kMaxWaiting)
            waiting.pop_front();
        waiting.emplace_back(std::forward<Call>(call));
    }

    // The object has come, or (null) none will: what waits is made on it in order, or
    // dropped. False when the calls were closed first; the object is then left to the caller.
    bool arrive(std::shared_ptr<Real> real)
    {
        std::lock_guard guard(lock);
        if (settled)
            return false;
        settled = true;
        if (real)
            for (auto& call : waiting)
                call(*real);
        waiting.clear();
        owned = std::move(real);
        ready.store(owned.get(), std::memory_order_release);
        return true;
    }

    // No call is made from here on, and the object, if it came, is let go of. On the thread
    // that makes the calls.
    void close()
    {
        std::shared_ptr<Real> gone;
        std::lock_guard guard(lock);
        settled = true;
        waiting.clear();
        ready.store(nullptr, std::memory_order_relaxed);
        gone = std::move(owned);
    }

private:
    std::atomic<Real*> ready{nullptr};
    std::mutex lock;
    bool settled = false; // arrived, known never to, or closed
    std::deque<std::function<void(Real&)>> waiting;
    std::shared_ptr<Real> owned;
};
