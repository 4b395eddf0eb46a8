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
};
