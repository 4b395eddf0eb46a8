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
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"), QStringLiteral("--raw"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                 QStringLiteral("--rate=48000"), QStringLiteral("--latency-msec=5")});
    if (!parec.waitForStarted(3000))
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
    if (parec.state() == QProcess::NotRunning)
        return;
    parec.kill();
    parec.waitForFinished(3000);
}

void SinkRecorder::poll(int waitMs)
{
    if (parec.bytesAvailable() == 0 && waitMs > 0 && parec.state() == QProcess::Running)
        parec.waitForReadyRead(waitMs);
    const QByteArray bytes = parec.readAllStandardOutput();
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
    firstSampleMs = std::min(firstSampleMs, arrived - 1000.0 * recorded.size() / kRate);
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
        if (nowMs() >= deadline || parec.state() != QProcess::Running)
            return -1.0;
        poll(10);
    }
}

float SinkRecorder::peakBetween(double fromMs, double toMs)
{
    while (nowMs() < toMs + 50 && parec.state() == QProcess::Running)
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
