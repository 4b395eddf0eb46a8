// British English: "quarter past", "twenty-five to four", as the national curriculum for
// England teaches the clock in Years 1 to 3, and to the minute in Year 3: minutes past the
// hour up to half past, then minutes to the next hour ("seven minutes past three", "fourteen
// minutes to four"), as Oak National Academy's Year 3 lessons give them.
//
// The day's hours as Years 3 and 4 learn them (Oak National Academy, Year 4, "Read the time
// on a 12- and 24-hour digital clock"; Core Knowledge UK, Year 5, "Twenty-Four Hour Clock"):
// am and pm after the reading ("three fifteen pm", "three pm"); twelve named midday or
// midnight, also in the worded phrase ("quarter past midnight", "ten to midday"); every other
// worded phrase with its part of the day ("twenty-five to nine in the morning", "five to
// seven in the evening"): the morning before midday, the afternoon until six, the evening
// until nine, then the night. The 24-hour clock is read as a number of hours and of minutes,
// "oh" for a leading nought and "hundred" on the hour ("eighteen fifty-five", "oh eight
// thirty-five", "oh oh fifteen", "thirteen hundred").

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

// The phrase round the dial, with the names of the hour it is past and of the next one.
QString pastOrToNamed(int minute, const QString& hour, const QString& next)
{
    switch (minute) {
    case 15:
        return QLatin1String("quarter past ") + hour;
    case 30:
        return QLatin1String("half past ") + hour;
    case 45:
        return QLatin1String("quarter to ") + next;
    default:
        return minute < 30 ? minutesCount(minute) + QLatin1String(" past ") + hour
                           : minutesCount(60 - minute) + QLatin1String(" to ") + next;
    }
}

QString pastOrTo(int hour, int minute)
{
    if (minute == 0)
        return oClock(hour);
    return pastOrToNamed(minute, number(dialHour(hour)), number(nextDialHour(hour)));
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

// Twelve of the day by its name; any other hour as the dial's number.
QString hourOfDayName(int hour24)
{
    switch ((hour24 % 24 + 24) % 24) {
    case 0:
        return QStringLiteral("midnight");
    case 12:
        return QStringLiteral("midday");
    default:
        return number(dialHour(hour24));
    }
}

QString readingAmPm(int hour24, int minute)
{
    if (minute == 0 && hour24 % 12 == 0)
        return hourOfDayName(hour24);
    const QString time = minute == 0 ? number(dialHour(hour24)) : digital(hour24, minute);
    return time + (hour24 < 12 ? QLatin1String(" am") : QLatin1String(" pm"));
}

QString reading24(int hour24, int minute)
{
    const QString hour = hour24 >= 10  ? number(hour24)
                         : hour24 == 0 ? QStringLiteral("oh oh")
                                       : QLatin1String("oh ") + number(hour24);
    if (minute == 0)
        return hour + QLatin1String(" hundred");
    return hour + (minute < 10 ? QLatin1String(" oh ") : QLatin1String(" ")) + number(minute);
}

QString partOfDay(int hour24)
{
    if (hour24 < 12)
        return QStringLiteral(" in the morning");
    if (hour24 < 18)
        return QStringLiteral(" in the afternoon");
    return hour24 < 21 ? QStringLiteral(" in the evening") : QStringLiteral(" at night");
}

QString wordedOfDay(int hour24, int minute)
{
    const int named = minute <= 30 ? hour24 : (hour24 + 1) % 24;
    if (named % 12 != 0)
        return pastOrTo(hour24, minute) + partOfDay(hour24);
    if (minute == 0)
        return hourOfDayName(hour24);
    return pastOrToNamed(minute, hourOfDayName(hour24), hourOfDayName(hour24 + 1));
}

QString announcementAmPm(int hour24, int minute)
{
    return QLatin1String("the time is ") + wordedOfDay(hour24, minute);
}

QString announcement24(int hour24, int minute)
{
    return QLatin1String("the time is ") + reading24(hour24, minute);
}

QString written(int hour24, int /*minute*/)
{
    return hour24 < 12 ? QStringLiteral("am") : QStringLiteral("pm");
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
    {readingAmPm, reading24, wordedOfDay, announcementAmPm, announcement24, written},
};
