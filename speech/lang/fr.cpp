// French. Twelve is "douze heures" throughout, not "midi" or "minuit": the dial cannot tell
// noon from midnight, and "douze heures et demie" is what the digital reading of the same
// time ("douze heures trente") leads a child to. Numbers are spelt as the Académie française
// has them ("vingt et un", "vingt-cinq"); "demie" agrees with "heure(s)". The minutes are a
// feminine count ("une heure une", "trois heures vingt et une"). Up to the half the worded
// phrase is the reading; past it, it counts down to the next hour ("quatre heures moins
// quatorze"), the form CE2 schoolbooks add to the reading ("10 heures moins 20", La
// Librairie des Écoles). Between the half and twenty-five to, many people would rather read
// the clock ("trois heures trente et une"); the worded phrase keeps to "moins" from the
// minute after the half, as it does at twenty-five to, so that one rule holds on every
// minute past the half.

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

QString worded(int hour, int minute)
{
    switch (minute) {
    case 15:
        return heures(hour) + QLatin1String(" et quart");
    case 30:
        return heures(hour) + QLatin1String(" et demie");
    case 45:
        return heures(nextDialHour(hour)) + QLatin1String(" moins le quart");
    default:
        return minute < 30
                   ? digital(hour, minute)
                   : heures(nextDialHour(hour)) + QLatin1String(" moins ") + minutes(60 - minute);
    }
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
};
