// French. The worded phrase says "midi" for twelve ("midi et quart", "midi et demi", "midi
// moins le quart"), as French children are taught it; the dial cannot tell noon from midnight,
// and of the two, noon is the twelve of the school day. The digital reading keeps "douze
// heures" ("douze heures trente"), as it reads the clock's digits. Numbers are spelt as the
// Académie française has them ("vingt et un", "vingt-cinq"); "demie" agrees with "heure(s)",
// while midi and minuit, masculine, take "demi" (CNRTL, "midi": "midi et quart, et demi").
// The minutes are a feminine count ("une heure une", "trois heures vingt et une"). Up to the
// half the worded phrase is the reading; past it, it counts down to the next hour ("quatre
// heures moins quatorze"), the form CE2 schoolbooks add to the reading ("10 heures moins 20",
// La Librairie des Écoles). Between the half and twenty-five to, many people would rather
// read the clock ("trois heures trente et une"); the worded phrase keeps to "moins" from the
// minute after the half, as it does at twenty-five to, so that one rule holds on every minute
// past the half.
//
// The day's hours: the 24-hour reading counts from "zéro heure" to "vingt-trois heures" and
// its hours are feminine like its minutes ("vingt et une heures"). On the dial's twelve hours
// noon and midnight are "midi" and "minuit" in the reading too ("midi quinze", "minuit
// moins le quart"), and every other time adds its part of the day as Wiktionnaire
// ("après-midi") and everyday usage place them: "du matin" before noon, "de l'après-midi"
// until six, "du soir" after ("trois heures et quart de l'après-midi").

#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"

namespace
{

constexpr std::array<const char*, 17> kOnes{
    "zéro", "un",  "deux", "trois", "quatre", "cinq",     "six",    "sept", "huit",
    "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize"};
constexpr std::array<const char*, 6> kTens{"", "", "vingt", "trente", "quarante", "cinquante"};

QString number(int n)
{
    if (n >= 17 && n <= 19)
        return QLatin1String("dix-") + wordAt(kOnes, n - 10);
    if (n < 20 || n > 59)
        return wordAt(kOnes, n);
    const QString tens = wordAt(kTens, n / 10);
    switch (n % 10) {
    case 0:
        return tens;
    case 1:
        return tens + QLatin1String(" et un");
    default:
        return tens + QLatin1Char('-') + wordAt(kOnes, n % 10);
    }
}

// Minutes count "minutes", a feminine noun: "un" becomes "une".
QString minutes(int n)
{
    const QString word = number(n);
    return word.endsWith(QLatin1String("un")) ? word + QLatin1Char('e') : word;
}

QString heures(int hour)
{
    const int h = dialHour(hour);
    return h == 1 ? QStringLiteral("une heure") : number(h) + QLatin1String(" heures");
}

QString digital(int hour, int minute)
{
    return minute == 0 ? heures(hour) : heures(hour) + QLatin1Char(' ') + minutes(minute);
}

QString reading(int hour, int minute)
{
    return digital(hour, minute);
}

// The worded phrase with the names of the hour and of the next one.
QString wordedNamed(int minute, const QString& hour, const QString& next)
{
    const bool feminine =
        hour.endsWith(QLatin1String("heure")) || hour.endsWith(QLatin1String("heures"));
    switch (minute) {
    case 0:
        return hour;
    case 15:
        return hour + QLatin1String(" et quart");
    case 30:
        return hour + (feminine ? QLatin1String(" et demie") : QLatin1String(" et demi"));
    case 45:
        return next + QLatin1String(" moins le quart");
    default:
        return minute < 30 ? hour + QLatin1Char(' ') + minutes(minute)
                           : next + QLatin1String(" moins ") + minutes(60 - minute);
    }
}

QString dialName(int hour)
{
    return dialHour(hour) == 12 ? QStringLiteral("midi") : heures(hour);
}

QString worded(int hour, int minute)
{
    return wordedNamed(minute, dialName(hour), dialName(nextDialHour(hour)));
}

QString announcement(int hour24, int minute)
{
    return QLatin1String("Il est ") + digital(hour24, minute);
}

QString ask(const QString& time)
{
    return QLatin1String("Montre-moi ") + time;
}

QString right(const QString& reading)
{
    return QLatin1String("Oui, c'est ") + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("C'est ") + handsReading + QLatin1String(", essaie encore");
}

QString shown(const QString& reading)
{
    return QLatin1String("Voici ") + reading;
}

QString dayName(int hour24)
{
    switch ((hour24 % 24 + 24) % 24) {
    case 0:
        return QStringLiteral("minuit");
    case 12:
        return QStringLiteral("midi");
    default:
        return heures(hour24);
    }
}

QString partOfDay(int hour24)
{
    if (hour24 < 12)
        return QStringLiteral(" du matin");
    return hour24 < 18 ? QStringLiteral(" de l'après-midi") : QStringLiteral(" du soir");
}

QString readingAmPm(int hour24, int minute)
{
    if (hour24 % 12 == 0)
        return minute == 0 ? dayName(hour24) : dayName(hour24) + QLatin1Char(' ') + minutes(minute);
    return digital(hour24, minute) + partOfDay(hour24);
}

QString reading24(int hour24, int minute)
{
    const QString hours = hour24 == 0   ? QStringLiteral("zéro heure")
                          : hour24 == 1 ? QStringLiteral("une heure")
                                        : minutes(hour24) + QLatin1String(" heures");
    return minute == 0 ? hours : hours + QLatin1Char(' ') + minutes(minute);
}

QString wordedOfDay(int hour24, int minute)
{
    // Up to the half a phrase names its own hour, after it the next; midi and minuit need no
    // part of the day.
    const int named = minute <= 30 ? hour24 : hour24 + 1;
    const QString phrase = wordedNamed(minute, dayName(hour24), dayName(hour24 + 1));
    return named % 12 == 0 ? phrase : phrase + partOfDay(hour24);
}

QString announcementAmPm(int hour24, int minute)
{
    return QLatin1String("Il est ") + readingAmPm(hour24, minute);
}

QString announcement24(int hour24, int minute)
{
    return QLatin1String("Il est ") + reading24(hour24, minute);
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kFrench{
    Language::French,
    reading,
    worded,
    announcement,
    ask,
    ask,
    right,
    wrong,
    shown,
    {"Clique sur l'horloge pour commencer", "dans l'ordre", "au hasard", "les heures justes",
     "les demi-heures", "les quarts d'heure", "à cinq minutes près", "à la minute près",
     "lire l'heure", "placer les aiguilles"},
    {readingAmPm, reading24, wordedOfDay, announcementAmPm, announcement24, nothingWritten},
};
