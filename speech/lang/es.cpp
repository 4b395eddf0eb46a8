// Spain's Spanish. The worded forms are the general ones the Real Academia Española gives:
// "en punto", "y cuarto", "y media", "menos cuarto", "las seis menos cinco". Spain says
// "menos" where almost all of the Americas says "para" (es_419.cpp), and espeak-ng's Spanish
// voice, a Castilian one, sounds right saying it. The worded phrase names the minutes still
// to run to the next hour as soon as the half is past ("las cuatro menos veintinueve"), as
// the Academias' Nueva gramática (21.2.5d) has it, and counts them as the reading does ("las
// tres y uno", "menos uno").
//
// In Spain the night begins at nine ("las nueve de la noche"; eight is still "de la tarde"),
// as its late sunset has it.

#include "speech/lang/dialwords.h"
#include "speech/lang/spanish.h"

namespace
{

using spanish::number;
using spanish::theHour;

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
                   ? spanish::reading(hour, minute)
                   : theHour(nextDialHour(hour)) + QLatin1String(" menos ") + number(60 - minute);
    }
}

constexpr int kNightFrom = 21;

} // namespace

// Found by phrasingFor.
extern constinit const Phrasing kSpanish = spanish::phrasing<worded, kNightFrom>(Language::Spanish);
