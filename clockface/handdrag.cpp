#include "clockface/handdrag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
// Distance from p to the segment from a to b.
double distanceToSegment(TwipPoint a, TwipPoint b, TwipPoint p)
{
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = 0;
    if (length2 > 0)
        t = std::clamp(((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(double(p.x) - (a.x + t * dx), double(p.y) - (a.y + t * dy));
}

// How far apart two dial positions are, the shorter way round: 0..6.
double apartRound(double a, double b)
{
    const double apart = std::fmod(std::abs(a - b), 12.0);
    return std::min(apart, 12 - apart);
}
} // namespace

double dialPositionAt(TwipPoint centre, TwipPoint point)
{
    // Screen y grows downwards; the angle is the hands' own, from 3 o'clock towards 12.
    const double angle = std::atan2(double(centre.y) - point.y, double(point.x) - centre.x);
    const double position = 3 - angle * 12 / (2 * std::numbers::pi);
    return std::fmod(position + 12, 12);
}

Hand handUnder(TwipPoint centre, TwipPoint minuteTip, TwipPoint hourTip, TwipPoint point)
{
    const double toMinute = distanceToSegment(centre, minuteTip, point);
    const double toHour = distanceToSegment(centre, hourTip, point);
    if (std::min(toMinute, toHour) > kHandReachTwips)
        return Hand::none;
    return toMinute <= toHour ? Hand::minute : Hand::hour;
}

Hand handToDrag(TwipPoint centre, TwipPoint minuteTip, TwipPoint hourTip, TwipPoint point,
                double minutePosition, double hourPosition)
{
    if (const Hand under = handUnder(centre, minuteTip, hourTip, point); under != Hand::none)
        return under;
    const double position = dialPositionAt(centre, point);
    return apartRound(position, minutePosition) <= apartRound(position, hourPosition) ? Hand::minute
                                                                                      : Hand::hour;
}
