#include "platform/realplatform.h"

#include <malloc.h>

namespace
{
// glibc gives every thread that allocates a heap of its own, each reserving 64 MB of address
// space: with the sound, voice and file threads that came to more than half of what the
// program maps, and under a limit such as `ulimit -v 409600` it left the voice unable to
// allocate at all. These threads allocate a few times a second; two heaps serve them.
constexpr int kHeaps = 2;
} // namespace

RealPlatform::SharedHeaps::SharedHeaps()
{
    mallopt(M_ARENA_MAX, kHeaps);
}

RealPlatform::RealPlatform(std::function<void(const QString&)> notice)
{
    wiring.clock = &clock;
    wiring.random = &random;
    wiring.pump = &pump;
    wiring.wave = &wave;
    wiring.makeVoice = [this](const QString& className, const QString& language) {
        return createVoice(className, language, service);
    };
    wiring.notice = std::move(notice);
}
