#include "bench/leadinjudge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr int kRate = MonitorRecorder::kRate;
constexpr double kSlackMs = 5; // the recorder's clock is good to a couple of milliseconds
constexpr float kOld = 1638.0f / 32768;
constexpr float kTolerance = 2.5f / 32768; // the server's float to 16-bit rounding

bool near(float a, float b)
{
    return std::fabs(a - b) <= kTolerance;
}

// The first sample of the file that the sink's 16 bits can tell from silence.
std::size_t firstHeard(const std::vector<float>& tick)
{
    std::size_t k = 0;
    while (k < tick.size() && std::fabs(tick[k]) < 1.0f / 32768)
        ++k;
    return k;
}

// Largest difference between the recording and the file from tick[from] on, over n samples.
float mismatch(const std::vector<float>& heard, const std::vector<float>& tick, std::size_t from,
               std::size_t n)
{
    float worst = 0;
    for (std::size_t i = 0; i < n && i < heard.size() && from + i < tick.size(); ++i)
        worst = std::max(worst, std::fabs(heard[i] - tick[from + i]));
    return worst;
}
} // namespace

Samples asHeard(const Samples& tick)
{
    auto heard = std::make_shared<std::vector<float>>();
    for (float s : *tick)
        heard->push_back(std::nearbyint(s * 32767.0f) / 32768.0f);
    return heard;
}

Samples longSteadySound()
{
    return std::make_shared<const std::vector<float>>(kRate, kOld);
}

void judge(const MonitorRecorder& recorder, const std::vector<float>& tick, double asked,
           Result& result)
{
    const double from = asked - kSlackMs;
    recorder.listenUntil(asked + 100);
    const std::vector<float> heard = recorder.samplesBetween(from, asked + 100);
    std::size_t p = 0;
    while (p < heard.size() && (heard[p] == 0 || near(heard[p], kOld)))
        ++p;
    if (p + 960 > heard.size()) {
        ++result.missed;
        return;
    }
    result.toFirstSample.push_back(from + 1000.0 * double(p) / kRate - asked);
    const std::vector<float> start(heard.begin() + std::ptrdiff_t(p), heard.end());
    const std::size_t k0 = firstHeard(tick), n = 480;
    std::size_t k = k0;
    while (k < k0 + 960 && mismatch(start, tick, k, n) > kTolerance)
        ++k;
    if (k == k0)
        ++result.whole;
    else
        result.lostMs.push_back(k < k0 + 960 ? 1000.0 * double(k - k0) / kRate : -1);
    for (std::size_t i = tick.size() - k0; i < start.size(); ++i)
        if (near(start[i], kOld)) {
            ++result.oldGoesOn;
            break;
        }
}

void report(const char* way, Result r)
{
    const std::size_t heard = r.toFirstSample.size();
    std::sort(r.toFirstSample.begin(), r.toFirstSample.end());
    const auto at = [&r](double share) {
        return r.toFirstSample.empty()
                   ? 0.0
                   : r.toFirstSample[std::min(r.toFirstSample.size() - 1,
                                              std::size_t(share * double(r.toFirstSample.size())))];
    };
    double lost = 0;
    int changed = 0;
    for (double ms : r.lostMs)
        lost = std::max(lost, ms), changed += ms < 0;
    std::printf("%-28s p50 %5.2f  p95 %5.2f ms   whole %3d of %zu   most lost %.2f ms   changed %d"
                "   missed %d   cut sound went on %d",
                way, at(0.5), at(0.95), r.whole, heard + std::size_t(r.missed), lost, changed,
                r.missed, r.oldGoesOn);
    if (r.neverSuspended)
        std::printf("   the sink stayed awake for 30 s");
    std::printf("\n");
    std::fflush(stdout);
}
