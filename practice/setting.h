#pragma once

#include "practice/stepping.h"

#include <QString>

// Setting the clock. The child's hands stand on whole marks and their time is counted in
// marks from twelve o'clock: hour (0..11, 0 being twelve) times 12 plus the minute mark. The
// hour hand is geared to the minute hand, as on a teaching clock: it stands at marks / 12
// hours, which is the clock's own rule of hour + mark / 12.
inline constexpr int kMarksRound = 144; // twelve hours of twelve marks

// Any count of marks brought onto the dial's twelve hours, 0..143.
int wrapMarks(int marks);
// A practice time on whole marks: its whole hour (0 and 12 both twelve) and its mark, which
// is rounded, as it may miss the whole mark by a hair.
int marksOf(const ShownTime& time);
// How the time reads to a screen reader: "3:15", "12:00".
QString clockText(int marks);

// The minute hand dragged to a dial position (in marks; any real value, read round the
// dial): it lands on the nearest mark, and as it goes past the 12 the hour goes on with it,
// or back when it goes back, whichever is the shorter way round.
int minuteHandDraggedTo(int marks, double position);
// The hour hand dragged to a dial position (in hours): the hour whose geared hand stands
// nearest, the minutes kept.
int hourHandDraggedTo(int marks, double position);
// How many marks a key turns the minute hand: arrows one, Page Up and Page Down an hour;
// 0 for any other key (a Qt::Key).
int handStepForKey(int key);

// The time asked for, and how it went so far.
struct SetTarget {
    int marks = 0;
    bool pending = false; // asked and not yet answered
    int wrongAnswers = 0;
};

enum class Verdict {
    right,
    wrong, // try again
    shown  // the second wrong answer: the clock shows the time itself
};

// Judges the hands against a pending target and ends the target unless the child may try
// again.
Verdict judge(SetTarget& target, int hands);

// Where the hands stand (in marks, not on a mark) a fraction 0..1 of the way through their
// glide from one time to another: the shorter way round the twelve hours, slow at both ends,
// at the target exactly when the fraction is 1.
double glidePosition(int from, int to, double fraction);

// The glide takes about a second, in steps quick enough to look smooth.
inline constexpr int kGlideSteps = 30;
inline constexpr int kGlideStepMs = 33;
