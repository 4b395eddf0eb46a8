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
QString hourUhr(int hour)
{
    const int h = dialHour(hour);
    return (h == 1 ? QStringLiteral("ein") : number(h)) + QLatin1String(" Uhr");
}

QString official(int hour, int minute)
{
    return minute == 0 ? hourUhr(hour) : hourUhr(hour) + QLatin1Char(' ') + number(minute);
}

QString reading(int hour, int minute)
{
    return official(hour, minute);
}

QString worded(int hour, int minute)
{
    const QString h = number(dialHour(hour));
    const QString next = number(nextDialHour(hour));
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
};
