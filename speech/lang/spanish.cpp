// The Spanish both sides of the Atlantic say. One o'clock is singular, "la una", and takes
// "es"; every other hour "las" and "son". Readings and the announcement say the minutes after
// "y" ("las tres y cuarenta"), as the Real Academia and the Asociación de Academias give them
// everywhere (Nueva gramática, 21.2.5d). The wrong answer's verdict names its subject, "El
// reloj marca las tres y veinte", as children's books say what a clock shows ("Este reloj
// marca las cinco en punto"): without it, "Marca las tres y veinte" is an order to set that
// time, the opposite of what it means. Nothing here is said only in Spain or only in the
// Americas: "haz clic", "muéstrame" and "inténtalo otra vez" are taught in both.
//
// The day's hours as the Real Academia gives them (Ortografía de la lengua española, 2010,
// VIII 5.1.1, and "La expresión de la hora"): on the dial's twelve hours the part of the day
// follows the time, "de la madrugada" after midnight, "de la mañana" after sunrise, "de la
// tarde" after noon, "de la noche" after dark, and "del mediodía" for noon's own hour, as
// "las doce de la tarde" is not said (Diccionario panhispánico de dudas, "hora"); written,
// "a. m." and "p. m.", and "m." for noon itself ("12 m."). The 24-hour clock counts from
// "cero" to "veintitrés" with the minutes after the hour ("las dieciocho treinta y cinco",
// VIII 5.1.1.2), a single-digit minute read with its nought as the clock writes it ("las
// trece cero cinco"), and "en punto" on the hour as the dial's reading has it.

#include "speech/lang/spanish.h"

#include "speech/lang/dialwords.h"

namespace
{

constexpr std::array<const char*, 30> kToThirty{
    "cero",         "uno",         "dos",        "tres",        "cuatro",     "cinco",
    "seis",         "siete",       "ocho",       "nueve",       "diez",       "once",
    "doce",         "trece",       "catorce",    "quince",      "dieciséis",  "diecisiete",
    "dieciocho",    "diecinueve",  "veinte",     "veintiuno",   "veintidós",  "veintitrés",
    "veinticuatro", "veinticinco", "veintiséis", "veintisiete", "veintiocho", "veintinueve"};
constexpr std::array<const char*, 6> kTens{"", "", "", "treinta", "cuarenta", "cincuenta"};

// The verb agrees with the hour the phrase names: "es la una", "son las tres".
QString isOrAre(const QString& time)
{
    return time.startsWith(QLatin1String("la ")) ? QStringLiteral("es") : QStringLiteral("son");
}

} // namespace

namespace spanish
{

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

QString reading(int hour, int minute)
{
    return minute == 0 ? theHour(hour) + QLatin1String(" en punto")
                       : theHour(hour) + QLatin1String(" y ") + number(minute);
}

QString announcement(int hour24, int minute)
{
    return announcing(reading(hour24, minute));
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
    return QLatin1String("El reloj marca ") + handsReading + QStringLiteral(". Inténtalo otra vez");
}

QString shown(const QString& reading)
{
    return QStringLiteral("Mira, así ") + isOrAre(reading) + QLatin1Char(' ') + reading;
}

QString ofDay(const QString& time, int hour24, int nightFrom)
{
    if (hour24 >= 1 && hour24 < 6)
        return time + QLatin1String(" de la madrugada");
    if (hour24 >= 6 && hour24 < 12)
        return time + QStringLiteral(" de la mañana");
    if (hour24 == 12)
        return time + QStringLiteral(" del mediodía");
    if (hour24 > 12 && hour24 < nightFrom)
        return time + QLatin1String(" de la tarde");
    return time + QLatin1String(" de la noche");
}

QString readingAmPm(int hour24, int minute, int nightFrom)
{
    return ofDay(minute == 0 ? theHour(hour24) : reading(hour24, minute), hour24, nightFrom);
}

QString reading24(int hour24, int minute)
{
    // The hours are feminine, "las veintiuna", as "la una" is.
    QString hour = hour24 == 1 ? QStringLiteral("la una") : QLatin1String("las ") + number(hour24);
    if (hour.endsWith(QLatin1String("uno")))
        hour.back() = QLatin1Char('a');
    if (minute == 0)
        return hour + QLatin1String(" en punto");
    return hour + (minute < 10 ? QLatin1String(" cero ") : QLatin1String(" ")) + number(minute);
}

QString announcing(const QString& time)
{
    QString verb = isOrAre(time);
    verb[0] = verb[0].toUpper();
    return verb + QLatin1Char(' ') + time;
}

QString announcement24(int hour24, int minute)
{
    return announcing(reading24(hour24, minute));
}

QString written(int hour24, int minute)
{
    if (hour24 == 12 && minute == 0)
        return QStringLiteral("m.");
    return hour24 < 12 ? QStringLiteral("a. m.") : QStringLiteral("p. m.");
}

} // namespace spanish
