#pragma once

// Uniform single-precision numbers in [0, 1); the practice reseeds from the timer before
// every draw, so the seam exposes both steps.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromTimer() = 0;
    virtual float next() = 0;
};

class TimerSeededRandom : public RandomSource
{
public:
    void reseedFromTimer() override;
    float next() override;

private:
    unsigned long long state = 0x9E3779B97F4A7C15ull;
    unsigned long long lastSeed = 0;
};
