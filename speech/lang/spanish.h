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

} // namespace spanish
