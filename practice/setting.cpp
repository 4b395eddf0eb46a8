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

int nearestWhole(double x, int round)
{
    const int whole = static_cast<int>(std::lround(std::fmod(x, round)));
    return (whole % round + round) % round;
}
} // namespace

int wrapMarks(int marks)
{
    return (marks % kMarksRound + kMarksRound) % kMarksRound;
}

int marksOf(const ShownTime& time)
{
    const int hour = static_cast<int>(std::floor(time.hour));
    return wrapMarks(hour * 12 + static_cast<int>(std::lround(time.mark)));
}

QString clockText(int marks)
{
    const int wrapped = wrapMarks(marks);
    const int hour = wrapped / 12 == 0 ? 12 : wrapped / 12;
    return QStringLiteral("%1:%2").arg(hour).arg(wrapped % 12 * 5, 2, 10, QLatin1Char('0'));
}

int minuteHandDraggedTo(int marks, double position)
{
    const int mark = nearestWhole(position, 12);
    return wrapMarks(marks + shorterWay(marks % 12, mark, 12));
}

int hourHandDraggedTo(int marks, double position)
{
    const int mark = wrapMarks(marks) % 12;
    return nearestWhole(position - mark / 12.0, 12) * 12 + mark;
}

int handStepForKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Left:
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return 12;
    case Qt::Key_PageDown:
        return -12;
    default:
        return 0;
    }
}

Verdict judge(SetTarget& target, int hands)
{
    if (wrapMarks(hands) == target.marks) {
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

double glidePosition(int from, int to, double fraction)
{
    const double t = std::clamp(fraction, 0.0, 1.0);
    const double eased = t * t * (3 - 2 * t);
    const double position = from + shorterWay(from, to, kMarksRound) * eased;
    return std::fmod(position + kMarksRound, kMarksRound);
}
