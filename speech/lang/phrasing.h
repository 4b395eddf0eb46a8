#pragma once

#include "speech/language/language.h"
#include "speech/timephrase.h"

#include <QString>
#include <array>
#include <optional>

// The texts the program speaks that embed no time.
enum class Saying {
    Prompt,      // after the start-up announcement: "click the clock to begin"
    InOrder,     // the option confirmations
    RandomOrder, //
    Hourly,      //
    HalfHour,    //
    QuarterHour, //
    FiveMinutes, //
    OneMinute,   //
    ReadMode,    // "read the clock"
    SetMode,     // "set the clock"
};
constexpr int kSayingCount = 10;

// The hours of the day, for a clock that places each time in the day: hour24 0..23 and
// minute 0..59, as the 24-hour clock writes them.
struct DayPhrasing {
    // The reading with the half or part of the day: " 3 15 p.m.", "drei Uhr fünfzehn
    // nachmittags".
    QString (*readingAmPm)(int hour24, int minute);
    // The reading of the 24-hour clock: " 15 15", "fünfzehn Uhr fünfzehn".
    QString (*reading24)(int hour24, int minute);
    // The worded phrase of the dial with the part of the day, noon and midnight by their
    // names: "quarter past three in the afternoon", "Viertel nach drei am Nachmittag".
    QString (*worded)(int hour24, int minute);
    // The start-up announcement of the real time in either form.
    QString (*announcementAmPm)(int hour24, int minute);
    QString (*announcement24)(int hour24, int minute);
    // What the readout writes beside a 12-hour time: "pm", "p. m."; empty in a language that
    // writes no such thing and leaves the part of the day to the picture.
    QString (*written)(int hour24, int minute);
};

// Everything the program says, in one language, with every number in words of that language
// (US English excepted: flite reads its digits). Times are as the dial shows them: hour 0..12,
// where 0 and 12 are both twelve, and minute 0..59; composeTimePhraseIn checks a time on the
// clock before it asks.
struct Phrasing {
    Language language;
    // What the revealing click says: "three fifteen", "drei Uhr fünfzehn".
    QString (*reading)(int hour, int minute);
    // What the right click says: "quarter past three", "Viertel nach drei".
    QString (*worded)(int hour, int minute);
    // The start-up announcement of the real time: hour24 0..23, minute 0..59.
    QString (*announcement)(int hour24, int minute);
    // Setting the clock: the request, by reading or by worded phrase ...
    QString (*askReading)(const QString& reading);
    QString (*askWorded)(const QString& worded);
    // ... and the verdicts: right, wrong (with the reading of what the hands show), and the
    // answer after the second wrong one.
    QString (*right)(const QString& reading);
    QString (*wrong)(const QString& handsReading);
    QString (*shown)(const QString& reading);
    // Indexed by Saying, UTF-8.
    std::array<const char*, kSayingCount> sayings;
    DayPhrasing day;
};

const Phrasing& phrasingFor(Language language);
QString saying(const Phrasing& phrasing, Saying which);

// composeTimePhraseFor with the two phrases in the given language: the same checks, the same
// rounding of the hand positions.
std::optional<ComposedTime> composeTimePhraseIn(const Phrasing& phrasing, double shownHour,
                                                double shownMinuteMark);

// The two phrases of a time on a whole minute: hour 0..12 (0 and 12 both twelve), minute
// 0..59. The hour comes back as 12 for 0, the minute hand's mark unrounded (minute / 5).
// nullopt outside those ranges.
std::optional<ComposedTime> composeMinutePhraseIn(const Phrasing& phrasing, int hour, int minute);
