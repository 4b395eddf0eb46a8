// The Spanish of the Americas, Mexico's and its neighbours'. The Asociación de Academias de la
// Lengua Española and the Real Academia (Nueva gramática, 21.2.5d) give "y cuarto" and "y
// media" everywhere, and past the half "cuarto para las siete", the form preferred in most
// American countries, where Spain says "las siete menos cuarto"; so the worded phrase names
// the minutes still to run to the next hour with "para" from the minute after the half
// ("veintinueve para las cuatro"). A single minute is said with its noun, "un minuto para las
// cuatro", as a bare "uno para" is not. The reading, the announcement and everything said
// around a time are Spain's (spanish.cpp); espeak-ng's es-419 voice says them without the
// Castilian "th".
//
// In Mexico and most of the Americas the night begins at seven ("las siete de la noche").

#include "speech/lang/dialwords.h"
#include "speech/lang/spanish.h"

namespace
{

using spanish::theHour;

QString toNextHour(int hour, int minute)
{
    const int left = 60 - minute;
    const QString count = left == 15  ? QStringLiteral("cuarto")
                          : left == 1 ? QStringLiteral("un minuto")
                                      : spanish::number(left);
    return count + QLatin1String(" para ") + theHour(nextDialHour(hour));
}

QString worded(int hour, int minute)
{
    if (minute == 15)
        return theHour(hour) + QLatin1String(" y cuarto");
    if (minute == 30)
        return theHour(hour) + QLatin1String(" y media");
    return minute < 30 ? spanish::reading(hour, minute) : toNextHour(hour, minute);
}

constexpr int kNightFrom = 19;

} // namespace

// Found by phrasingFor.
extern constinit const Phrasing kSpanishAmericas =
    spanish::phrasing<worded, kNightFrom>(Language::SpanishAmericas);
