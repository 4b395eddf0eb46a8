#include "tests/support/recorder.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

SinkRecorder::SinkRecorder()
{
    clock.start();
}

SinkRecorder::~SinkRecorder()
{
    stop();
}

bool SinkRecorder::start(int timeoutMs)
{
    if (!parec.start({"parec", "-d", "nullsink.monitor", "--raw", "--format=s16le", "--channels=1",
                      "--rate=48000", "--latency-msec=5"},
                     ChildProcess::Keep::Output))
        return false;
    const double deadline = nowMs() + timeoutMs;
    while (recorded.empty() && nowMs() < deadline)
        poll(50);
    if (recorded.empty())
        return false;
    // A little more, so the estimate of when sample 0 came out has settled to within a
    // millisecond or two; later deliveries still refine it, so allow a few ms in windows.
    const double settle = nowMs() + 500;
    while (nowMs() < settle)
        poll(20);
    return true;
}

void SinkRecorder::stop()
{
    parec.kill();
}

void SinkRecorder::poll(int waitMs)
{
    const QByteArray bytes = parec.read(waitMs);
    if (!bytes.isEmpty())
        append(bytes);
}

void SinkRecorder::append(const QByteArray& bytes)
{
    const double arrived = nowMs();
    QByteArray data = oddByte + bytes;
    const qsizetype whole = data.size() / 2 * 2;
    oddByte = data.mid(whole);
    for (qsizetype i = 0; i < whole; i += 2) {
        std::int16_t sample;
        std::memcpy(&sample, data.constData() + i, sizeof sample);
        recorded.push_back(float(sample) / 32768.0f);
    }
    bounds.emplace_back(arrived, arrived - 1000.0 * recorded.size() / kRate);
    while (bounds.front().first < arrived - 2000.0)
        bounds.pop_front();
    firstSampleMs =
        std::min_element(bounds.begin(), bounds.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->second;
}

// May lie beyond what has been recorded so far.
std::size_t SinkRecorder::indexAt(double ms) const
{
    if (recorded.empty() || ms <= firstSampleMs)
        return 0;
    return static_cast<std::size_t>((ms - firstSampleMs) * kRate / 1000.0);
}

double SinkRecorder::waitForSound(double fromMs, float threshold, int timeoutMs)
{
    const double deadline = nowMs() + timeoutMs;
    std::size_t next = indexAt(fromMs);
    for (;;) {
        for (; next < recorded.size(); ++next)
            if (std::fabs(recorded[next]) >= threshold)
                return timeOf(next);
        if (nowMs() >= deadline || !parec.running())
            return -1.0;
        poll(10);
    }
}

float SinkRecorder::peakBetween(double fromMs, double toMs)
{
    while (nowMs() < toMs + 50 && parec.running())
        poll(10);
    poll();
    float peak = 0.0f;
    for (float sample : samplesBetween(fromMs, toMs))
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

std::vector<float> SinkRecorder::samplesBetween(double fromMs, double toMs) const
{
    const std::size_t first = std::min(indexAt(fromMs), recorded.size());
    const std::size_t last = std::clamp(indexAt(toMs), first, recorded.size());
    return {recorded.begin() + std::ptrdiff_t(first), recorded.begin() + std::ptrdiff_t(last)};
}
