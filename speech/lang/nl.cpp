// Dutch, as Taaladvies (the Dutch Language Union's advice service) describes reading the
// clock: the hour is cut into quarters, "over" the hour up to the quarter, "voor half" the
// next hour up to the half, "over half" up to the three quarters, "voor" the next hour after
// that, on every minute ("zeven over drie", "drie voor half vier", "elf over half vier",
// "veertien voor vier"). Flanders also says "twintig over drie"; the quarter rule is the one
// the Netherlands teaches. Reading the clock's digits ("drie uur vijftien") is what the
// revealing click does; the announcement, like a teacher, says the minute with the quarter
// rule ("zeven over drie"). One is written "één" wherever it is the number, so that it is not
// read as the article "een"; "half" stands apart from its hour ("half één"), since espeak-ng
// reads "halféén" as one wrongly stressed word.
//
// The day's hours: the 24-hour reading is hours, "uur", minutes ("vijftien uur vijftien",
// "nul uur vijftien"), as the clock is written in the Netherlands and Belgium; on the dial's
// twelve hours the part of the day follows, "'s nachts" until six, "'s ochtends" until
// twelve, "'s middags" until six, "'s avonds" after, the Netherlands' parts of the day as
// Taaladvies gives them ("voormiddag / namiddag / middag": ochtend 6-12, middag 12-18).
// Midnight is "middernacht"; noon is "twaalf uur 's middags".

#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"

namespace
{

constexpr std::array<const char*, 20> kOnes{
    "nul",      "één",      "twee",    "drie",      "vier",     "vijf",     "zes",
    "zeven",    "acht",     "negen",   "tien",      "elf",      "twaalf",   "dertien",
    "veertien", "vijftien", "zestien", "zeventien", "achttien", "negentien"};
constexpr std::array<const char*, 6> kTens{"", "", "twintig", "dertig", "veertig", "vijftig"};

QString number(int n)
{
    if (n < 20 || n > 59)
        return wordAt(kOnes, n);
    const int ones = n % 10;
    if (ones == 0)
        return wordAt(kTens, n / 10);
    // "eenentwintig" needs no accent; "tweeëntwintig" takes a diaeresis where two vowels
    // would otherwise run together.
    const QString unit = ones == 1 ? QStringLiteral("een") : wordAt(kOnes, ones);
    const QString and_ =
        unit.endsWith(QLatin1Char('e')) ? QStringLiteral("ën") : QStringLiteral("en");
    return unit + and_ + wordAt(kTens, n / 10);
}

QString uur(int hour)
{
    return number(dialHour(hour)) + QLatin1String(" uur");
}

QString reading(int hour, int minute)
{
    return minute == 0 ? uur(hour) : uur(hour) + QLatin1Char(' ') + number(minute);
}

QString byQuarters(int hour, int minute)
{
    const QString h = number(dialHour(hour));
    const QString half = QLatin1String("half ") + number(nextDialHour(hour));
    const QString next = number(nextDialHour(hour));
    if (minute == 0)
        return uur(hour);
    if (minute == 15)
        return QLatin1String("kwart over ") + h;
    if (minute == 45)
        return QLatin1String("kwart voor ") + next;
    if (minute == 30)
        return half;
    if (minute < 15)
        return number(minute) + QLatin1String(" over ") + h;
    if (minute < 30)
        return number(30 - minute) + QLatin1String(" voor ") + half;
    if (minute < 45)
        return number(minute - 30) + QLatin1String(" over ") + half;
    return number(60 - minute) + QLatin1String(" voor ") + next;
}

QString worded(int hour, int minute)
{
    return byQuarters(hour, minute);
}

QString announcement(int hour24, int minute)
{
    return QLatin1String("Het is ") + byQuarters(hour24, minute);
}

QString ask(const QString& time)
{
    return QLatin1String("Zet de klok op ") + time;
}

QString right(const QString& reading)
{
    return QLatin1String("Ja, dat is ") + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("Dat is ") + handsReading + QLatin1String(", probeer het nog eens");
}

QString shown(const QString& reading)
{
    return QLatin1String("Zo ziet ") + reading + QLatin1String(" eruit");
}

QString partOfDay(int hour24)
{
    if (hour24 < 6)
        return QStringLiteral(" 's nachts");
    if (hour24 < 12)
        return QStringLiteral(" 's ochtends");
    return hour24 < 18 ? QStringLiteral(" 's middags") : QStringLiteral(" 's avonds");
}

QString readingAmPm(int hour24, int minute)
{
    return reading(hour24, minute) + partOfDay(hour24);
}

QString reading24(int hour24, int minute)
{
    const QString hour = number(hour24) + QLatin1String(" uur");
    return minute == 0 ? hour : hour + QLatin1Char(' ') + number(minute);
}

QString wordedOfDay(int hour24, int minute)
{
    if (hour24 == 0 && minute == 0)
        return QStringLiteral("middernacht");
    return byQuarters(hour24, minute) + partOfDay(hour24);
}

QString announcementAmPm(int hour24, int minute)
{
    return QLatin1String("Het is ") + wordedOfDay(hour24, minute);
}

QString announcement24(int hour24, int minute)
{
    return QLatin1String("Het is ") + reading24(hour24, minute);
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kDutch{
    Language::Dutch,
    reading,
    worded,
    announcement,
    ask,
    ask,
    right,
    wrong,
    shown,
    {"Klik op de klok om te beginnen", "op volgorde", "door elkaar", "hele uren", "halve uren",
     "kwartieren", "per vijf minuten", "per minuut", "klok lezen", "klok zetten"},
    {readingAmPm, reading24, wordedOfDay, announcementAmPm, announcement24, nothingWritten},
};
