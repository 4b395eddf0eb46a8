#include "practice/setting.h"

#include <Qt>
#include <algorithm>
#include <cmath>

namespace
{
// The difference b - a of two dial positions, taken the shorter way round a dial of `round`
// positions: -round/2 < result <= round/2.
int shorterWay(int from, int to, int round)
{
    int delta = ((to - from) % round + round) % round;
    if (delta > round / 2)
        delta -= round;
    return delta;
}

// The same for positions on the dial, in twelfths of a turn: -6 < result <= 6.
double shorterWayRound(double from, double to)
{
    double delta = std::fmod(to - from, 12.0);
    if (delta < 0)
        delta += 12;
    return delta > 6 ? delta - 12 : delta;
}

int nearestWhole(double x, int round)
{
    const int whole = static_cast<int>(std::lround(std::fmod(x, round)));
    return (whole % round + round) % round;
}

// How many units one five-minute mark holds: exactly 1.0 for a unit of five minutes, so
// marks are rounded as they always were.
double unitsPerMark(int handUnit)
{
    return 5.0 / handUnit;
}
} // namespace

int wrapMinutes(int minutes)
{
    return (minutes % kMinutesRound + kMinutesRound) % kMinutesRound;
}

int minutesOf(const ShownTime& time, int handUnit)
{
    const int hour = static_cast<int>(std::floor(time.hour));
    const long units = std::lround(time.mark * unitsPerMark(handUnit));
    return wrapMinutes(hour * 60 + static_cast<int>(units) * handUnit);
}

QString clockText(int minutes)
{
    const int wrapped = wrapMinutes(minutes);
    const int hour = wrapped / 60 == 0 ? 12 : wrapped / 60;
    return QStringLiteral("%1:%2").arg(hour).arg(wrapped % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> minutesForValue(double value, int handUnit)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const long units = std::lround(std::fmod(value, kMinutesRound) / handUnit);
    return wrapMinutes(static_cast<int>(units) * handUnit);
}

int minuteHandDraggedTo(int minutes, double position, int handUnit)
{
    const int landed = nearestWhole(position * unitsPerMark(handUnit), 60 / handUnit) * handUnit;
    return wrapMinutes(minutes + shorterWay(wrapMinutes(minutes) % 60, landed, 60));
}

int hourHandDraggedTo(int minutes, double position)
{
    const int minute = wrapMinutes(minutes) % 60;
    return nearestWhole(position - minute / 60.0, 12) * 60 + minute;
}

int handStepForKey(int key, int handUnit)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        return handUnit;
    case Qt::Key_Left:
    case Qt::Key_Down:
        return -handUnit;
    case Qt::Key_PageUp:
        return 60;
    case Qt::Key_PageDown:
        return -60;
    default:
        return 0;
    }
}

Verdict judge(SetTarget& target, int hands)
{
    if (wrapMinutes(hands) == target.minutes) {
        target.pending = false;
        return Verdict::right;
    }
    // Twice wrong is enough: the child is shown the time rather than left to guess on.
    if (++target.wrongAnswers >= 2) {
        target.pending = false;
        return Verdict::shown;
    }
    return Verdict::wrong;
}

HandPositions handPositions(int minutes)
{
    const int wrapped = wrapMinutes(minutes);
    return {wrapped / 60.0, (wrapped % 60) / 5.0};
}

HandPositions glideHands(int from, int to, double fraction)
{
    const HandPositions start = handPositions(from), end = handPositions(to);
    if (fraction >= 1)
        return end;
    const double t = std::clamp(fraction, 0.0, 1.0);
    const double eased = t * t * (3 - 2 * t);
    const auto along = [eased](double a, double b) {
        return std::fmod(a + shorterWayRound(a, b) * eased + 12, 12.0);
    };
    return {along(start.hour, end.hour), along(start.minuteMark, end.minuteMark)};
}
