#pragma once

#include <QRectF>
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
// dial's white face inside the rim, all in twips; and the dial's radius, by which the minute
// marks are placed, zero while the dial shows none.
struct NumeralRing {
    float centerX, centerY;
    double radius, faceHalfSide;
    float marksDialRadius;
};

// A numeral's box, and where its glyphs' ink lies within it (twips from the box's top-left).
struct NumeralBox {
    QSizeF size;
    QRectF ink;
};

// Whether twelve numerals (the 12 first, then 1 to 11), each centred on its point of the
// ring, keep `gap` twips from one another and from the rim, and their ink `markGap` twips
// from the minute marks the dial shows.
bool numeralsFit(const NumeralRing& ring, const std::array<NumeralBox, 12>& numerals, double gap,
                 double markGap);
