#pragma once

#include <QString>
#include <optional>

// Arithmetic of the time steppers. The window does the drawing and the phrase; these give
// it the numbers.

struct Precision {
    int perHour;     // k: times offered per hour
    int cycleLength; // N = 12 k: times once around the dial
};

// "hour", "half", "quarter" or "5min", compared exactly; any other text gives nullopt.
std::optional<Precision> precisionFor(const QString& precisionMode);

// Hour of the in-order step (1..N): step / k. Step N is twelve o'clock, steps below k fall
// between twelve and one (whole part 0).
double inOrderHour(int sequenceStep, int perHour);

// Five-minute mark of an hour value: 12 times its fraction. Not rounded: for most 5-minute
// steps it misses the whole mark by a hair, and the readers round it.
double minuteMarkFor(double shownHour);

// The step after sequenceStep, back to 1 after the last time of the cycle.
int nextSequenceStep(int sequenceStep, int cycleLength);

// A whole hour 1..12 for a draw r in [0, 1).
double randomWholeHour(float r);

// One of the N times of the precision, as an hour 0 .. 12 - 1/k, for a draw r in [0, 1).
double randomSlotHour(float r, const Precision& p);

// Nearest whole number, halves upward; the random 5-minute stepper rounds its mark this way.
double roundHalfUp(double x);
