#pragma once

// What Spain's Spanish and the Americas' share: the numbers, the hour with its article, the
// reading of the dial's digits and everything said around a time. Only the worded phrase
// differs, "las cuatro menos cuarto" against "cuarto para las cuatro".

#include "speech/lang/phrasing.h"

#include <QString>
#include <array>

namespace spanish
{

QString number(int n);
// "la una", "las tres": one o'clock is singular.
QString theHour(int hour);
// "las tres en punto", "las tres y cuarenta y cinco": the reading, which is the same everywhere.
QString reading(int hour, int minute);
QString announcement(int hour24, int minute);
QString ask(const QString& time);
QString right(const QString& reading);
QString wrong(const QString& handsReading);
QString shown(const QString& reading);

// The day's hours. A time of the dial with its part of the day: "de la madrugada" from one,
// "de la mañana" from six, "del mediodía" in the hour of noon, "de la tarde" from one in the
// afternoon, "de la noche" from nightFrom (an hour of the day) until one in the morning.
QString ofDay(const QString& time, int hour24, int nightFrom);
// "las tres y quince de la tarde"; "en punto" gives way to the part of the day.
QString readingAmPm(int hour24, int minute, int nightFrom);
// "las quince quince", "la una cero cinco", "las cero en punto".
QString reading24(int hour24, int minute);
// The announcement of any time, its verb agreeing with the hour: "Son las quince quince".
QString announcing(const QString& time);
// "Son las quince quince", on the 24-hour clock, alike on both sides of the ocean.
QString announcement24(int hour24, int minute);
// "a. m." and "p. m.", and "m." at noon itself.
QString written(int hour24, int minute);

constexpr std::array<const char*, kSayingCount> kSayings{"Haz clic en el reloj para empezar",
                                                         "en orden",
                                                         "al azar",
                                                         "horas en punto",
                                                         "medias horas",
                                                         "cuartos de hora",
                                                         "de cinco en cinco minutos",
                                                         "de minuto en minuto",
                                                         "leer la hora",
                                                         "poner la hora"};

// A Spanish of its own: its worded phrase of the dial (dialWorded), and the hour of the day
// (nightFrom) from which its evenings are "de la noche".
template <QString (*dialWorded)(int hour, int minute), int nightFrom>
constexpr Phrasing phrasing(Language language)
{
    struct Day {
        static QString readingAmPm(int hour24, int minute)
        {
            return spanish::readingAmPm(hour24, minute, nightFrom);
        }
        static QString wordedOfDay(int hour24, int minute)
        {
            return ofDay(minute == 0 ? theHour(hour24) : dialWorded(hour24, minute), hour24,
                         nightFrom);
        }
        static QString announcementAmPm(int hour24, int minute)
        {
            return announcing(readingAmPm(hour24, minute));
        }
    };
    return {language,
            reading,
            dialWorded,
            announcement,
            ask,
            ask,
            right,
            wrong,
            shown,
            kSayings,
            {Day::readingAmPm, reading24, Day::wordedOfDay, Day::announcementAmPm, announcement24,
             written}};
}

} // namespace spanish
