#pragma once

#include <QSizeF>
#include <QString>
#include <array>

// How the twelve numerals of the ring are written: 1 to 12, or I to XII.
enum class Numerals { arabic, roman };

// The design's size of the numerals, in points.
inline constexpr double kNumeralPoints = 24;

// The caption of the numeral for an hour from 1 to 12. Roman numerals are written as
// children learn them, with IV and IX, not the IIII some clocks show.
QString numeralText(int hour, Numerals numerals);

// The room round the ring: the dial's centre, the ring's radius, and half the side of the
// dial's white face inside the rim, all in twips.
struct NumeralRing {
    float centerX, centerY;
    double radius, faceHalfSide;
};

// Whether twelve numerals of these sizes (twips; the 12 first, then 1 to 11), each centred
// on its point of the ring, keep `gap` twips from one another and from the rim.
bool numeralsFit(const NumeralRing& ring, const std::array<QSizeF, 12>& sizes, double gap);
