#include "bench/pixelwatch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>

namespace
{
// Between reads, so the X server and the program it serves keep most of the machine; a read
// itself takes about a tenth of a millisecond.
constexpr auto kPause = std::chrono::microseconds(250);
} // namespace

PixelWatch::PixelWatch(int x, int y, Clock now) : x(x), y(y), now(std::move(now))
{
    display = XOpenDisplay(nullptr);
    if (display)
        root = DefaultRootWindow(display);
}

PixelWatch::~PixelWatch()
{
    stop();
    if (display)
        XCloseDisplay(display);
}

std::uint32_t PixelWatch::colour()
{
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0xffffffff;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return static_cast<std::uint32_t>(pixel & 0xffffff);
}

bool PixelWatch::waitUntilNot(std::uint32_t rgb, int timeoutMs)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (colour() == rgb)
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return true;
}

void PixelWatch::start(std::uint32_t rgb)
{
    stop();
    seenAt = 0;
    stopping = false;
    watching = std::thread([this, rgb] {
        while (!stopping) {
            if (colour() == rgb) {
                seenAt = now();
                return;
            }
            std::this_thread::sleep_for(kPause);
        }
    });
}

void PixelWatch::stop()
{
    stopping = true;
    if (watching.joinable())
        watching.join();
}
