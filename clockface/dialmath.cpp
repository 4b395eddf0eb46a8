#include "clockface/dialmath.h"

#include <cmath>

namespace
{

// Ten significant digits of 2π: the numeral numerators below were built from it, and the
// hands must point exactly where the numerals stand, so the exact constant is not used.
constexpr double kTurn = 6.283185308;

// A control stores a coordinate in single precision; the sum is built in double first.
float storedTwips(double value)
{
    return static_cast<float>(value);
}

// Two characters at least, so that 7 reads "07"; longer texts are left alone.
QString padToTwo(double wholeNumber)
{
    // -0 would otherwise print as "-0" (a mark just below zero rounds to it).
    const double value = wholeNumber == 0.0 ? 0.0 : wholeNumber;
    QString text = QString::number(value, 'f', 0);
    if (text.size() == 1)
        text.prepend(QLatin1Char('0'));
    return text;
}

} // namespace

// 6.283185308 × (36 − 12k) for the dial positions k = 0 (the 12), 1, ..., 11, written out.
const std::array<double, 12> kNumeralNumerators = {
    226.194671088, 150.796447392,  75.398223696,   0.0,
    -75.398223696, -150.796447392, -226.194671088, -301.592894784,
    -376.99111848, -452.389342176, -527.787565872, -603.185789568,
};

DialGeometry dialGeometryFromShape(float left, float top, float width, float height)
{
    DialGeometry g{};
    g.centerX = storedTwips(double(left) + double(width) / 2);
    g.centerY = storedTwips(double(top) + double(height) / 2);
    g.radius = storedTwips(double(width) / 2);
    g.minuteHandLength = double(g.radius) * 0.8;
    g.hourHandLength = double(g.radius) * 0.5;
    return g;
}

double handAngle(double v)
{
    // Kept in this order of operations so that each position gets the same bits every time.
    const double t = (-v) * 12 + 36;
    return kTurn * t / 144;
}

TwipPoint handEnd(float centerX, float centerY, double length, double v)
{
    const double angle = handAngle(v);
    // Screen Y grows downwards, hence the minus for the vertical part.
    return {storedTwips(double(centerX) + length * std::cos(angle)),
            storedTwips(double(centerY) - length * std::sin(angle))};
}

TwipPoint numeralTopLeft(float centerX, float centerY, double ringRadius, double numerator,
                         float width, float height)
{
    const double angle = numerator / 144;
    const float halfWidth = width / 2;
    const float halfHeight = height / 2;
    return {storedTwips((double(centerX) + ringRadius * std::cos(angle)) - double(halfWidth)),
            storedTwips((double(centerY) - ringRadius * std::sin(angle)) - double(halfHeight))};
}

TwipSegment minuteMarkEnds(float centerX, float centerY, float radius, int minute)
{
    // The numerals' glyphs reach about 0.85 of the radius from the centre, and the rim, 16
    // pixels of the design's 240, begins at 0.93: the marks keep clear of both.
    constexpr double kInner = 0.885, kOuter = 0.915;
    const double mark = minute / 5.0;
    return {handEnd(centerX, centerY, radius * kInner, mark),
            handEnd(centerX, centerY, radius * kOuter, mark)};
}

QString digitalReadout(double shownHour, double shownMinuteMark)
{
    // The mark comes from fractional arithmetic and may miss a whole number by a hair, so it
    // is rounded (halves to even), never truncated. Both values stay in double: whatever
    // reaches us, nothing is converted to an integer type.
    QString hourText = padToTwo(std::floor(shownHour));
    const QString minuteText = padToTwo(std::nearbyint(shownMinuteMark * 5));
    // Only an hour part of 0 turns into "00"; twelve o'clock is never shown as zero.
    if (hourText == QLatin1String("00"))
        hourText = QStringLiteral("12");
    return hourText + QLatin1Char(':') + minuteText;
}

QString dayReadout(int hour24, double shownMinuteMark)
{
    // The mark is rounded as digitalReadout rounds it; the day starts at 00, not 12.
    return padToTwo(hour24) + QLatin1Char(':') + padToTwo(std::nearbyint(shownMinuteMark * 5));
}
