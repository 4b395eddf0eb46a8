// Spanish. The forms are the general ones the Real Academia Española gives: "en punto",
// "y cuarto", "y media", "menos cuarto", "las seis menos cinco". The Academia notes that
// almost all of the Americas, Mexico included, says "un cuarto para las cuatro" instead;
// "menos" is understood everywhere, and it is what espeak-ng's Spanish voice, a Castilian
// one, sounds right saying. One o'clock is singular, "la una", and takes "es"; every other
// hour "las" and "son". Readings and the announcement say the minutes after "y" ("las tres y
// cuarenta"). The worded phrase names the minutes still to run to the next hour as soon as
// the half is past ("las cuatro menos veintinueve"), as the Academias' Nueva gramática
// (21.2.5d) has it, and counts them as the reading does ("las tres y uno", "menos uno").

#include "speech/lang/dialwords.h"
#include "speech/lang/phrasing.h"

namespace
{

constexpr std::array<const char*, 30> kToThirty{
    "cero",         "uno",         "dos",        "tres",        "cuatro",     "cinco",
    "seis",         "siete",       "ocho",       "nueve",       "diez",       "once",
    "doce",         "trece",       "catorce",    "quince",      "dieciséis",  "diecisiete",
    "dieciocho",    "diecinueve",  "veinte",     "veintiuno",   "veintidós",  "veintitrés",
    "veinticuatro", "veinticinco", "veintiséis", "veintisiete", "veintiocho", "veintinueve"};
constexpr std::array<const char*, 6> kTens{"", "", "", "treinta", "cuarenta", "cincuenta"};

QString number(int n)
{
    if (n < 30 || n > 59)
        return wordAt(kToThirty, n);
    const QString tens = wordAt(kTens, n / 10);
    return n % 10 == 0 ? tens : tens + QLatin1String(" y ") + wordAt(kToThirty, n % 10);
}

QString theHour(int hour)
{
    const int h = dialHour(hour);
    return h == 1 ? QStringLiteral("la una") : QLatin1String("las ") + number(h);
}

QString digital(int hour, int minute)
{
    return minute == 0 ? theHour(hour) + QLatin1String(" en punto")
                       : theHour(hour) + QLatin1String(" y ") + number(minute);
}

QString reading(int hour, int minute)
{
    return digital(hour, minute);
}

QString worded(int hour, int minute)
{
    switch (minute) {
    case 15:
        return theHour(hour) + QLatin1String(" y cuarto");
    case 30:
        return theHour(hour) + QLatin1String(" y media");
    case 45:
        return theHour(nextDialHour(hour)) + QLatin1String(" menos cuarto");
    default:
        return minute < 30
                   ? digital(hour, minute)
                   : theHour(nextDialHour(hour)) + QLatin1String(" menos ") + number(60 - minute);
    }
}

// The verb agrees with the hour the phrase names: "es la una", "son las tres".
QString isOrAre(const QString& time)
{
    return time.startsWith(QLatin1String("la ")) ? QStringLiteral("es") : QStringLiteral("son");
}

QString announcement(int hour24, int minute)
{
    const QString time = digital(hour24, minute);
    QString verb = isOrAre(time);
    verb[0] = verb[0].toUpper();
    return verb + QLatin1Char(' ') + time;
}

QString ask(const QString& time)
{
    return QStringLiteral("Muéstrame ") + time;
}

QString right(const QString& reading)
{
    return QStringLiteral("Sí, ") + isOrAre(reading) + QLatin1Char(' ') + reading;
}

QString wrong(const QString& handsReading)
{
    return QLatin1String("Marca ") + handsReading + QStringLiteral(", inténtalo otra vez");
}

QString shown(const QString& reading)
{
    return QStringLiteral("Mira, así ") + isOrAre(reading) + QLatin1Char(' ') + reading;
}

} // namespace

// Found by phrasingFor.
extern const Phrasing kSpanish{
    Language::Spanish,
    reading,
    worded,
    announcement,
    ask,
    ask,
    right,
    wrong,
    shown,
    {"Haz clic en el reloj para empezar", "en orden", "al azar", "horas en punto", "medias horas",
     "cuartos de hora", "de cinco en cinco minutos", "de minuto en minuto", "leer la hora",
     "poner la hora"},
};
