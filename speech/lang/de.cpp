// German. The worded phrases are those of most of Germany and of its schoolbooks: "Viertel
// nach drei" and "Viertel vor vier" rather than the eastern and southern "viertel vier" and
// "drei viertel vier"; "zwanzig nach drei" and "zwanzig vor vier" rather than "zehn vor halb
// vier" and "zehn nach halb vier"; the half hour counts toward the next hour ("halb vier",
// "fünf vor halb vier"). Every minute is told the same way: "nach" and "vor" the hour up to
// twenty minutes away, "vor halb" and "nach halb" for those within ten of the half ("sieben
// nach drei", "drei vor halb vier", "drei nach halb vier", "vierzehn vor vier"). A single
// minute is named with its noun, "eine Minute nach drei", as a lone "eins" before "nach" or
// "vor" is not said. Readings and the announcement use the official form, hour, "Uhr",
// minutes, which says any minute without doubt ("drei Uhr sieben"), on the 12-hour dial.
//
// The day's hours as Deutsche Welle's "Uhrzeiten" teaches them: the official reading counts
// all 24 hours ("zwanzig Uhr fünfundfünfzig", "null Uhr"); on the dial's twelve hours the
// part of the day follows, as an adverb after the reading ("acht Uhr morgens", "zwölf Uhr
// mittags", "drei Uhr nachmittags", "zwölf Uhr nachts") and with its noun after the worded
// phrase ("Viertel nach drei am Nachmittag", "in der Nacht"). The parts are the usual ones:
// Morgen from six, Vormittag from ten, Mittag from twelve, Nachmittag from two, Abend from
// six, Nacht from ten. Midnight is named in a phrase that names twelve with "nach" or "vor"
// ("Viertel vor Mitternacht") and on its own; noon keeps "zwölf Uhr mittags".

#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"

namespace
{

constexpr std::array<const char*, 20> kOnes{
    "null",     "eins",     "zwei",     "drei",     "vier",     "fünf",    "sechs",
    "sieben",   "acht",     "neun",     "zehn",     "elf",      "zwölf",   "dreizehn",
    "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
constexpr std::array<const char*, 6> kTens{"", "", "zwanzig", "dreißig", "vierzig", "fünfzig"};

QString number(int n)
{
    if (n < 20 || n > 59)
        return wordAt(kOnes, n);
    const int ones = n % 10;
    if (ones == 0)
        return wordAt(kTens, n / 10);
    // "einundzwanzig": one loses its s in front of "und".
    const QString unit = ones == 1 ? QStringLiteral("ein") : wordAt(kOnes, ones);
    return unit + QLatin1String("und") + wordAt(kTens, n / 10);
}

// One is "ein" before "Uhr" and "eins" everywhere else: "ein Uhr", "fünf nach eins".
QString uhr(int hour)
{
    return (hour == 1 ? QStringLiteral("ein") : number(hour)) + QLatin1String(" Uhr");
}

QString hourUhr(int hour)
{
    return uhr(dialHour(hour));
}

QString withMinutes(const QString& hour, int minute)
{
    return minute == 0 ? hour : hour + QLatin1Char(' ') + number(minute);
}

QString official(int hour, int minute)
{
    return withMinutes(hourUhr(hour), minute);
}

QString reading(int hour, int minute)
{
    return official(hour, minute);
}

// The worded phrase with the names of the hour and of the next one.
QString wordedNamed(int hour, int minute, const QString& h, const QString& next)
{
    const auto count = [](int minutes) {
        if (minutes == 1)
            return QStringLiteral("eine Minute");
        return minutes == 15 ? QStringLiteral("Viertel") : number(minutes);
    };
    if (minute == 0)
        return hourUhr(hour);
    if (minute <= 20)
        return count(minute) + QLatin1String(" nach ") + h;
    if (minute == 30)
        return QLatin1String("halb ") + next;
    if (minute < 30)
        return count(30 - minute) + QLatin1String(" vor halb ") + next;
    if (minute < 40)
        return count(minute - 30) + QLatin1String(" nach halb ") + next;
    return count(60 - minute) + QLatin1String(" vor ") + next;
}

QString worded(int hour, int minute)
{
    return wordedNamed(hour, minute, number(dialHour(hour)), number(nextDialHour(hour)));
}

QString announcement(int hour24, int minute)
{
    return QLatin1String("Es ist ") + official(hour24, minute);
}

QString ask(const QString& time)
{
    return QLatin1String("Stell die Uhr auf ") + time;
}

QString right(const QString& reading)
{
    return QLatin1String("Ja, das ist ") + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("Das ist ") + handsReading + QLatin1String(", versuch es noch einmal");
}

QString shown(const QString& reading)
{
    return QLatin1String("So sieht ") + reading + QLatin1String(" aus");
}

struct PartOfDay {
    int from; // the first hour of the day it covers
    const char* adverb;
    const char* noun;
};

// In the order of the day; the night before six goes on from the night after ten.
constexpr std::array<PartOfDay, 6> kParts{{{6, "morgens", "am Morgen"},
                                           {10, "vormittags", "am Vormittag"},
                                           {12, "mittags", "am Mittag"},
                                           {14, "nachmittags", "am Nachmittag"},
                                           {18, "abends", "am Abend"},
                                           {22, "nachts", "in der Nacht"}}};

const PartOfDay& partOf(int hour24)
{
    const PartOfDay* part = &kParts.back();
    for (const PartOfDay& each : kParts)
        if (hour24 >= each.from)
            part = &each;
    return *part;
}

QString readingAmPm(int hour24, int minute)
{
    return official(hour24, minute) + QLatin1Char(' ') + QLatin1String(partOf(hour24).adverb);
}

QString reading24(int hour24, int minute)
{
    return withMinutes(uhr(hour24), minute);
}

QString wordedOfDay(int hour24, int minute)
{
    if (hour24 == 12 && minute == 0)
        return QStringLiteral("zwölf Uhr mittags");
    // Up to twenty past the phrase names its own hour with "nach", from twenty to the next
    // with "vor"; halves name the next hour with "halb".
    const int named = minute <= 20 ? hour24 : minute >= 40 ? (hour24 + 1) % 24 : -1;
    const QString midnight = QStringLiteral("Mitternacht");
    if (named == 0)
        return minute == 0 ? midnight : wordedNamed(hour24, minute, midnight, midnight);
    return worded(hour24, minute) + QLatin1Char(' ') + QString::fromUtf8(partOf(hour24).noun);
}

QString announcementAmPm(int hour24, int minute)
{
    return QLatin1String("Es ist ") + readingAmPm(hour24, minute);
}

QString announcement24(int hour24, int minute)
{
    return QLatin1String("Es ist ") + reading24(hour24, minute);
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kGerman{
    Language::German,
    reading,
    worded,
    announcement,
    ask,
    ask,
    right,
    wrong,
    shown,
    {"Klicke auf die Uhr, um zu beginnen", "der Reihe nach", "zufällige Reihenfolge",
     "volle Stunden", "halbe Stunden", "Viertelstunden", "auf fünf Minuten genau",
     "auf die Minute genau", "Uhr lesen", "Uhr stellen"},
    {readingAmPm, reading24, wordedOfDay, announcementAmPm, announcement24, nothingWritten},
};
