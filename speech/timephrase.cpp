#include "speech/timephrase.h"

#include <cmath>
#include <utility>

namespace
{

// Where the worded phrase puts the hour, and which hour it names.
enum class Worded {
    hourThenText,    // " 3 o clock"
    textThenHour,    // "quarter after  3": the hour keeps its blank, so two blanks
    textThenNextHour // "quarter to 4": the next hour is plain digits, one blank
};

struct MarkPhrase {
    const char* digitalEnding; // after the hour
    Worded form;
    const char* worded;
};

// Row m is the minute mark m, five minutes apart.
constexpr MarkPhrase kMarkPhrases[12] = {
    {" o clock", Worded::hourThenText, " o clock"},
    {" oh 5", Worded::textThenHour, "5 minutes after "},
    {" 10", Worded::textThenHour, "10 minutes after "},
    {" 15", Worded::textThenHour, "quarter after "},
    {" 20", Worded::textThenHour, "20 minutes after "},
    {" 25", Worded::textThenHour, "25 minutes after "},
    {" 30", Worded::textThenHour, "half past "},
    {" 35", Worded::textThenNextHour, "25 minutes to "},
    {" 40", Worded::textThenNextHour, "20 minutes to "},
    {" 45", Worded::textThenNextHour, "quarter to "},
    {" 50", Worded::textThenNextHour, "10 minutes to "},
    {" 55", Worded::textThenNextHour, "5 minutes to "},
};

// The hour after each dial hour 1..12, as the "to" phrases say it: twelve is followed by
// one, never by thirteen.
constexpr const char* kNextHour[12] = {"2", "3", "4",  "5",  "6",  "7",
                                       "8", "9", "10", "11", "12", "1"};

QString wordedPhrase(const MarkPhrase& row, int dialHour, const QString& hourText)
{
    switch (row.form) {
    case Worded::hourThenText:
        return hourText + QLatin1String(row.worded);
    case Worded::textThenHour:
        return QLatin1String(row.worded) + hourText;
    case Worded::textThenNextHour:
        return QLatin1String(row.worded) + QLatin1String(kNextHour[dialHour - 1]);
    }
    return {};
}

// Between the marks a child counts single minutes, and the phrase names them the way the
// marks' own rows do, one minute in the singular: "1 minute after  3", "29 minutes to 4".
QString countedMinutes(int count)
{
    return QString::number(count) +
           (count == 1 ? QLatin1String(" minute ") : QLatin1String(" minutes "));
}

} // namespace

QString numberText(double wholeNumber)
{
    // Adding +0 turns -0 into 0, which must read " 0", not "-0".
    const double value = wholeNumber + 0.0;
    const QString digits = QString::number(value, 'f', 0);
    return std::signbit(value) ? digits : QLatin1Char(' ') + digits;
}

std::optional<ComposedTime> composeTimePhraseFor(double shownHour, double shownMinuteMark)
{
    if (!std::isfinite(shownHour) || !std::isfinite(shownMinuteMark))
        return std::nullopt;
    const double wholeHour = std::floor(shownHour);
    // Marks come out of fractional arithmetic a hair off the whole number, either way, so
    // they are rounded rather than truncated; exact halves go to the even mark.
    const double mark = std::nearbyint(shownMinuteMark) + 0.0;
    if (wholeHour < 0 || wholeHour > 12 || mark < 0 || mark > 11)
        return std::nullopt;

    // Between twelve and one the hour is said as twelve; the fraction goes with it.
    const bool twelveZero = wholeHour == 0;
    const int dialHour = twelveZero ? 12 : int(wholeHour);
    TimePhrases phrases = minutePhrasesFor(dialHour, 5 * int(mark));
    return ComposedTime{twelveZero ? 12.0 : shownHour, mark, std::move(phrases.timePhrase),
                        std::move(phrases.altTimePhrase)};
}

TimePhrases minutePhrasesFor(int dialHour, int minute)
{
    if (dialHour < 1 || dialHour > 12 || minute < 0 || minute > 59)
        return {};
    const QString hourText = numberText(dialHour);
    if (minute % 5 == 0) {
        const MarkPhrase& row = kMarkPhrases[minute / 5];
        return {hourText + QLatin1String(row.digitalEnding), wordedPhrase(row, dialHour, hourText)};
    }
    // The clock writes a single-digit minute with a nought, said "oh" as on the mark " oh 5".
    const QString digital =
        hourText + (minute < 10 ? QLatin1String(" oh") : QLatin1String()) + numberText(minute);
    // Up to the half the minutes go after the hour, past it they count to the next one, as
    // the marks' rows do.
    if (minute < 30)
        return {digital, countedMinutes(minute) + QLatin1String("after ") + hourText};
    return {digital, countedMinutes(60 - minute) + QLatin1String("to ") +
                         QLatin1String(kNextHour[dialHour - 1])};
}
