// The Spanish both sides of the Atlantic say. One o'clock is singular, "la una", and takes
// "es"; every other hour "las" and "son". Readings and the announcement say the minutes after
// "y" ("las tres y cuarenta"), as the Real Academia and the Asociación de Academias give them
// everywhere (Nueva gramática, 21.2.5d). The wrong answer's verdict names its subject, "El
// reloj marca las tres y veinte", as children's books say what a clock shows ("Este reloj
// marca las cinco en punto"): without it, "Marca las tres y veinte" is an order to set that
// time, the opposite of what it means. Nothing here is said only in Spain or only in the
// Americas: "haz clic", "muéstrame" and "inténtalo otra vez" are taught in both.

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
    const QString time = reading(hour24, minute);
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
    return QLatin1String("El reloj marca ") + handsReading + QStringLiteral(". Inténtalo otra vez");
}

QString shown(const QString& reading)
{
    return QStringLiteral("Mira, así ") + isOrAre(reading) + QLatin1Char(' ') + reading;
}

} // namespace spanish
