// US English is the program's own phrasing: this module only hands on what the phrase code
// says, blanks included, and flite reads its digits. Between the five-minute marks the phrase
// code counts the minutes, "7 minutes after  3" up to the half and "14 minutes to 4" after it,
// as third grade reads the clock to the minute (3.MD.A.1; Fishtank Learning's grade 3 lesson
// "Tell time to the minute before the hour": 4:48 is "twelve minutes to 5").

#include "speech/currenttimetext.h"
#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"
#include "speech/timephrase.h"

namespace
{

QString reading(int hour, int minute)
{
    return minutePhrasesFor(dialHour(hour), minute).timePhrase;
}

QString worded(int hour, int minute)
{
    return minutePhrasesFor(dialHour(hour), minute).altTimePhrase;
}

QString announcement(int hour24, int minute)
{
    return currentTimeText(hour24, minute).spoken;
}

// A reading begins with the blank of its number's sign position (" 3 15"), so these
// phrases need no blank of their own before it.
QString askReading(const QString& reading)
{
    return QLatin1String("show me") + reading;
}

QString askWorded(const QString& worded)
{
    return QLatin1String("show me ") + worded;
}

QString right(const QString& reading)
{
    return QLatin1String("yes, that's") + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("that's") + handsReading + QLatin1String(", try again");
}

QString shown(const QString& reading)
{
    return QLatin1String("this is") + reading;
}

QString halfOfDay(int hour24)
{
    return hour24 < 12 ? QStringLiteral(" a.m.") : QStringLiteral(" p.m.");
}

QString readingAmPm(int hour24, int minute)
{
    if (minute == 0 && hour24 % 12 == 0)
        return hour24 == 12 ? QStringLiteral(" 12 noon") : QStringLiteral(" 12 midnight");
    const int hour = dialHour(hour24);
    const QString time = minute == 0 ? numberText(hour) : reading(hour, minute);
    return time + halfOfDay(hour24);
}

QString reading24(int hour24, int minute)
{
    // A leading nought is said "oh", in the hour as in the minutes.
    const QString hour = hour24 >= 10 ? numberText(hour24)
                                      : QLatin1String(" oh") + (hour24 == 0 ? QStringLiteral(" oh")
                                                                            : numberText(hour24));
    if (minute == 0)
        return hour + QLatin1String(" hundred");
    return hour + (minute < 10 ? QLatin1String(" oh") : QLatin1String()) + numberText(minute);
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
    // Up to the half a phrase names its own hour, after it the next.
    const int named = minute <= 30 ? hour24 : (hour24 + 1) % 24;
    const QString phrase = worded(hour24, minute);
    if (named % 12 != 0)
        return phrase + partOfDay(hour24);
    const QLatin1String name(named == 12 ? "noon" : "midnight");
    if (minute == 0)
        return QLatin1String(" 12 ") + name;
    // Twelve ends the phrase, " 12" after "after" and "past", "12" after "to".
    return phrase.left(phrase.lastIndexOf(QLatin1String("12"))).trimmed() + QLatin1Char(' ') + name;
}

QString announcementAmPm(int hour24, int minute)
{
    return QLatin1String("the current time is ") + readingAmPm(hour24, minute);
}

QString announcement24(int hour24, int minute)
{
    return QLatin1String("the current time is ") + reading24(hour24, minute);
}

QString written(int hour24, int /*minute*/)
{
    return hour24 < 12 ? QStringLiteral("am") : QStringLiteral("pm");
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kEnglishUS{
    Language::EnglishUS,
    reading,
    worded,
    announcement,
    askReading,
    askWorded,
    right,
    wrong,
    shown,
    {"click the clock to begin", "in order", "random order", "hourly", "half hour", "quarter hour",
     " 5 minute precision", " 1 minute precision", "read the clock", "set the clock"},
    {readingAmPm, reading24, wordedOfDay, announcementAmPm, announcement24, written},
};
