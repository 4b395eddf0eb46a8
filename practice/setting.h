#pragma once

#include "practice/stepping.h"

#include <QString>
#include <optional>

// Setting the clock. The child's hands stand on a whole unit of the precision (a five-minute
// mark, or at the finest precision a minute) and their time is counted in minutes from
// twelve o'clock: hour (0..11, 0 being twelve) times 60 plus the minutes. The hour hand is
// geared to the minute hand, as on a teaching clock: it stands at minutes / 60 hours, which
// is the clock's own rule of hour + mark / 12.
inline constexpr int kMinutesRound = 720; // twelve hours of sixty minutes

// Any count of minutes brought onto the dial's twelve hours, 0..719.
int wrapMinutes(int minutes);
// A practice time on a whole unit (5 or 1 minutes): its whole hour (0 and 12 both twelve)
// and its mark, which is rounded to the unit, as it may miss it by a hair.
int minutesOf(const ShownTime& time, int handUnit);
// How the time reads to a screen reader: "3:15", "3:07", "12:00".
QString clockText(int minutes);
// A time a screen reader sets, any number at all, read round the dial and brought to the
// nearest unit; nullopt for what is no number.
std::optional<int> minutesForValue(double value, int handUnit);

// The minute hand dragged to a dial position (in twelfths of a turn; any real value, read
// round the dial): it lands on the nearest unit, and as it goes past the 12 the hour goes on
// with it, or back when it goes back, whichever is the shorter way round.
int minuteHandDraggedTo(int minutes, double position, int handUnit);
// The hour hand dragged to a dial position (in hours): the hour whose geared hand stands
// nearest, the minutes kept.
int hourHandDraggedTo(int minutes, double position);
// How many minutes a key turns the minute hand: arrows one unit, Page Up and Page Down an
// hour; 0 for any other key (a Qt::Key).
int handStepForKey(int key, int handUnit);

// The time asked for, and how it went so far. The child sets the dial's twelve hours; the
// half of the day is the question's, said with the time asked and with the hands' time.
struct SetTarget {
    int minutes = 0;
    bool pending = false; // asked and not yet answered
    int wrongAnswers = 0;
    DayHalf half = DayHalf::am;
};

enum class Verdict {
    right,
    wrong, // try again
    shown  // the second wrong answer: the clock shows the time itself
};

// Judges the hands against a pending target and ends the target unless the child may try
// again.
Verdict judge(SetTarget& target, int hands);

// Where the hands stand: the hour hand in hours, the minute hand in five-minute marks, each
// 0 <= value < 12.
struct HandPositions {
    double hour = 0;
    double minuteMark = 0;
};
// Where the hands of a time in minutes from twelve stand, the hour hand geared.
HandPositions handPositions(int minutes);

// Where the hands stand a fraction 0..1 of the way through their glide from one time to
// another: each hand straight to its own place by its shorter way round (never more than
// half a turn), not geared, so a child can follow both; slow at both ends, and exactly where
// the time puts them when the fraction is 1.
HandPositions glideHands(int from, int to, double fraction);

// The glide takes about a second and a half, in frames close enough to follow with the eye.
inline constexpr int kGlideSteps = 45;
inline constexpr int kGlideStepMs = 33;

// A right answer: the chime is heard alone this long before the voice praises, and the rim
// glows this long.
inline constexpr int kChimeAloneMs = 400;
inline constexpr int kRewardMs = 1000;
// A new question: the tick (40 ms) is over before the voice asks.
inline constexpr int kTickAloneMs = 60;
