// US English is the program's own phrasing: this module only hands on what the phrase code
// has always said, blanks included, and flite reads its digits.

#include "speech/currenttimetext.h"
#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"
#include "speech/timephrase.h"

namespace
{

QString reading(int hour, int minute)
{
    const std::optional<ComposedTime> composed = composeTimePhraseFor(hour, minute / 5.0);
    return composed ? composed->timePhrase : QString();
}

QString worded(int hour, int minute)
{
    const std::optional<ComposedTime> composed = composeTimePhraseFor(hour, minute / 5.0);
    return composed ? composed->altTimePhrase : QString();
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
