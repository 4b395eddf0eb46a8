#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

// Watches one point of the X screen from a client of its own, as a person looking at the
// screen would: from start() on it reads that pixel from the X server as often as it can, on
// a thread of its own, and notes the moment it first has the colour it waits for. Whatever a
// program has drawn but not yet handed to the X server does not count.
class PixelWatch
{
public:
    using Clock = std::function<std::int64_t()>; // nanoseconds, the caller's clock

    PixelWatch(int x, int y, Clock now); // opens $DISPLAY
    ~PixelWatch();
    PixelWatch(const PixelWatch&) = delete;
    PixelWatch& operator=(const PixelWatch&) = delete;

    bool isOpen() const { return display != nullptr; }
    // The pixel's colour now, 0xRRGGBB.
    std::uint32_t colour();
    // Waits until the pixel is anything but `rgb`, up to timeoutMs; false if it stayed.
    bool waitUntilNot(std::uint32_t rgb, int timeoutMs);
    // Starts watching for `rgb`; seen() is then the time it was first read, or 0.
    void start(std::uint32_t rgb);
    std::int64_t seen() const { return seenAt; }
    void stop();

private:
    struct _XDisplay* display = nullptr;
    unsigned long root = 0;
    const int x, y;
    const Clock now;
    std::thread watching;
    std::atomic<bool> stopping{false};
    std::atomic<std::int64_t> seenAt{0};
};
