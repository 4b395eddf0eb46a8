#pragma once

#include <QString>

// The text with every free-standing whole number written out as a person reads it aloud
// ("12 30" -> "twelve thirty", "25 minutes to 1" -> "twenty five minutes to one").
//
// flite reads a number that stands next to another number as a string of digits ("12 30"
// comes out as "one two thirty"), so the voice is handed words instead. Everything else
// is left as it is, blanks included; so are the numbers that only make sense whole with
// what is around them, which flite reads well: part of a word ("1st"), a time, fraction,
// decimal or signed number ("12:30", "1/2", "3.5", "-4"), a number with a leading zero
// ("007") and one too long to say as an amount.
QString numbersInWords(const QString& text);
