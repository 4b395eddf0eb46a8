#pragma once

#include "tests/support/child.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

// Records the private sound server's null sink (tests/with-pulse.sh) through parec and knows
// when each sample came out, so a test can measure when a sound was heard. Times are
// milliseconds on the recorder's own steady clock: read nowMs() just before a request.
class SinkRecorder
{
public:
    static constexpr int kRate = 48000;

    SinkRecorder();
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    // Starts parec and returns once samples flow (the null sink delivers nothing for the
    // first second or so); false when nothing came within timeoutMs.
    bool start(int timeoutMs = 60000);
    void stop();

    double nowMs() const { return double(clock.nsecsElapsed()) / 1e6; }
    // Takes in whatever parec has delivered, waiting up to waitMs for something to arrive.
    void poll(int waitMs = 0);
    // Time of the first sample at or after fromMs whose magnitude reaches threshold, waiting
    // up to timeoutMs for it to be recorded; negative when none came.
    double waitForSound(double fromMs, float threshold, int timeoutMs);
    // Records for the given time, then returns the loudest magnitude within [fromMs, toMs).
    float peakBetween(double fromMs, double toMs);
    // The samples recorded within [fromMs, toMs), as far as they have come in.
    std::vector<float> samplesBetween(double fromMs, double toMs) const;
    std::size_t sampleCount() const { return recorded.size(); }

private:
    double timeOf(std::size_t index) const { return firstSampleMs + 1000.0 * index / kRate; }
    std::size_t indexAt(double ms) const;
    void append(const QByteArray& bytes);

    ChildProcess parec;
    QElapsedTimer clock;
    std::vector<float> recorded;
    QByteArray oddByte;
    // When sample 0 came out. Each delivery bounds it from above (it arrives after its
    // samples were played), so the smallest bound is the best estimate: of the last two
    // seconds' deliveries, since a server too busy to keep up drops samples, which moves every
    // later one earlier.
    double firstSampleMs = 1e300;
    std::deque<std::pair<double, double>> bounds; // arrival, bound
};
