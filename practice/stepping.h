#pragma once

#include "practice/practicetable.h"

// Arithmetic of the time steppers over one row of the practice table. The window does the
// drawing and the phrase; these give it the numbers.

// A time as the clock holds it: hours with their fraction (whole part 0 is twelve), the
// minute hand's position in five-minute marks, and which half of the day it falls in, which
// only a clock that tells the day's hours reads.
struct ShownTime {
    double hour;
    double mark;
    DayHalf half = DayHalf::am;
};

// The sequenceStep-th time of the in-order cycle (1..N). Step N is twelve o'clock; steps
// below k fall between twelve and one (whole part 0). The mark is 12 times the hour's
// fraction, unrounded: for most 5-minute steps it misses the whole mark by a hair, and for
// most 1-minute steps the whole minute, and the readers round it.
ShownTime inOrderTime(const PrecisionRow& row, int sequenceStep);

// The step after sequenceStep, back to 1 after the last time of the cycle, which goes
// `turns` times round the dial: once, or twice for the day's hours.
int nextSequenceStep(const PrecisionRow& row, int sequenceStep, int turns = 1);

// One of the row's times for a draw r in [0, 1), each as likely as the others.
ShownTime randomTime(const PrecisionRow& row, float r);

// The same round the whole day, two turns of the dial (steps 1..2N): from just after
// midnight through the morning to noon (step N), then through the afternoon and evening to
// midnight (step 2N). Each turn's times are those of inOrderTime, to the bit.
ShownTime inOrderTimeOfDay(const PrecisionRow& row, int sequenceStep);
// One of the row's times in either half of the day, each of the 2N as likely: the draw's
// lower half gives the morning's, its upper half the afternoon's, each spread again over
// [0, 1) for randomTime.
ShownTime randomTimeOfDay(const PrecisionRow& row, float r);

// Nearest whole number, halves upward.
double roundHalfUp(double x);
