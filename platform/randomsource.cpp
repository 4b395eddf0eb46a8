#include "platform/randomsource.h"

#include <chrono>

namespace
{
unsigned long long splitmix(unsigned long long& x)
{
    unsigned long long z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void TimerSeededRandom::reseedFromTimer()
{
    // Two reseeds within one tick of the timer would repeat a draw; folding in the previous
    // seed keeps quick successive clicks from getting the same time every time.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    lastSeed = lastSeed * 31 + static_cast<unsigned long long>(now);
    state = lastSeed;
}

float TimerSeededRandom::next()
{
    // 24 random bits make every float in [0, 1) with that spacing equally likely.
    return static_cast<float>(splitmix(state) >> 40) * (1.0f / 16777216.0f);
}
