#pragma once

#include <QString>
#include <array>

// Dial arithmetic, kept apart from the widgets so that it can be checked to the last bit.
// Positions are twips held in single precision; everything in between is double, and a
// value is rounded to float only where a control would store it.

struct DialGeometry {
    float centerX, centerY, radius;
    double minuteHandLength, hourHandLength;
};

// The radius comes from the shape's width alone; its height only moves the centre.
DialGeometry dialGeometryFromShape(float left, float top, float width, float height);

// Radians from the 3 o'clock direction, positive towards 12, for a dial position v in
// twelfths of a turn (hours, or five-minute marks).
double handAngle(double v);

struct TwipPoint {
    float x, y;
};

TwipPoint handEnd(float centerX, float centerY, double length, double v);

// Numerators of the numeral angles (divide by 144), n12 first, then n1 to n11.
extern const std::array<double, 12> kNumeralNumerators;

// Top-left corner that centres a label of the given size on the ring point of `numerator`.
TwipPoint numeralTopLeft(float centerX, float centerY, double ringRadius, double numerator,
                         float width, float height);

// The two ends of the mark of `minute` (0..59) on a dial of the given radius: a short stroke
// pointing at the centre, in the ring between the numerals and the rim.
struct TwipSegment {
    TwipPoint inner, outer;
};
TwipSegment minuteMarkEnds(float centerX, float centerY, float radius, int minute);

// "hh:mm" of the practice readout, e.g. "01:00", "12:15", "14:07".
QString digitalReadout(double shownHour, double shownMinuteMark);
// "hh:mm" of the 24-hour clock for an hour of the day 0..23: "00:15", "15:15".
QString dayReadout(int hour24, double shownMinuteMark);
