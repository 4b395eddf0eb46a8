// British English: "quarter past", "twenty-five to four", as the national curriculum for
// England teaches the clock in Years 1 to 3, and to the minute in Year 3: minutes past the
// hour up to half past, then minutes to the next hour ("seven minutes past three", "fourteen
// minutes to four"), as Oak National Academy's Year 3 lessons give them.

#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"

namespace
{

constexpr std::array<const char*, 20> kOnes{
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 6> kTens{"", "", "twenty", "thirty", "forty", "fifty"};

QString number(int n)
{
    if (n < 20 || n > 59)
        return wordAt(kOnes, n);
    const QString tens = wordAt(kTens, n / 10);
    return n % 10 == 0 ? tens : tens + QLatin1Char('-') + wordAt(kOnes, n % 10);
}

QString oClock(int hour)
{
    return number(dialHour(hour)) + QLatin1String(" o'clock");
}

QString digital(int hour, int minute)
{
    if (minute == 0)
        return oClock(hour);
    // Single-digit minutes are read with "oh", as the clock writes their zero.
    const QString gap = minute < 10 ? QStringLiteral(" oh ") : QStringLiteral(" ");
    return number(dialHour(hour)) + gap + number(minute);
}

// "minutes" is left out on the five-minute marks and said everywhere else: "five past
// three", "seven minutes past three", "one minute to four".
QString minutesCount(int minutes)
{
    if (minutes % 5 == 0)
        return number(minutes);
    return number(minutes) + (minutes == 1 ? QLatin1String(" minute") : QLatin1String(" minutes"));
}

QString pastOrTo(int hour, int minute)
{
    const QString h = number(dialHour(hour));
    const QString next = number(nextDialHour(hour));
    switch (minute) {
    case 0:
        return oClock(hour);
    case 15:
        return QLatin1String("quarter past ") + h;
    case 30:
        return QLatin1String("half past ") + h;
    case 45:
        return QLatin1String("quarter to ") + next;
    default:
        return minute < 30 ? minutesCount(minute) + QLatin1String(" past ") + h
                           : minutesCount(60 - minute) + QLatin1String(" to ") + next;
    }
}

QString reading(int hour, int minute)
{
    return digital(hour, minute);
}

QString worded(int hour, int minute)
{
    return pastOrTo(hour, minute);
}

// The real time said the way a teacher here says it, to the minute.
QString announcement(int hour24, int minute)
{
    return QLatin1String("the time is ") + pastOrTo(hour24, minute);
}

QString askReading(const QString& reading)
{
    return QLatin1String("show me ") + reading;
}

QString right(const QString& reading)
{
    return QLatin1String("yes, that's ") + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("that's ") + handsReading + QLatin1String(", try again");
}

QString shown(const QString& reading)
{
    return QLatin1String("this is ") + reading;
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kEnglishUK{
    Language::EnglishUK,
    reading,
    worded,
    announcement,
    askReading,
    askReading,
    right,
    wrong,
    shown,
    {"click the clock to begin", "in order", "random order", "hourly", "half hour", "quarter hour",
     "five-minute precision", "one-minute precision", "read the clock", "set the clock"},
};
