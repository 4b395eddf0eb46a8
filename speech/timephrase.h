#pragma once

#include <QString>
#include <optional>

// A whole number as the voice gets it: decimal, with the sign position kept as a blank for
// positive numbers (3 -> " 3", -3 -> "-3"). The phrases rely on that blank.
QString numberText(double wholeNumber);

struct ComposedTime {
    double shownHour;       // 12 when the whole hour was 0, otherwise unchanged
    double shownMinuteMark; // rounded to a whole mark
    QString timePhrase;     // digital style: " 3 15"
    QString altTimePhrase;  // worded: "quarter after  3"
};

// The two phrases of a whole minute: dialHour 1..12, minute 0..59. On the five-minute marks
// they are those of composeTimePhraseFor; between the marks the minutes are counted in the
// same style (" 3 oh 7", "7 minutes after  3", "14 minutes to 4"). Both empty outside those
// ranges.
struct TimePhrases {
    QString timePhrase;
    QString altTimePhrase;
};
TimePhrases minutePhrasesFor(int dialHour, int minute);

// The two answers for a time on the clock. Returns nullopt for anything the practice never
// puts on the clock (non-finite values, a whole hour outside 0..12, a mark that does not
// round to 0..11); the caller then keeps what it had.
std::optional<ComposedTime> composeTimePhraseFor(double shownHour, double shownMinuteMark);
