#include "clockface/numeralring.h"

#include "clockface/dialmath.h"

#include <algorithm>

QString numeralText(int hour, Numerals numerals)
{
    static const char* const kRoman[] = {"I",   "II",   "III", "IV", "V",  "VI",
                                         "VII", "VIII", "IX",  "X",  "XI", "XII"};
    if (numerals == Numerals::roman && hour >= 1 && hour <= 12)
        return QLatin1String(kRoman[hour - 1]);
    return QString::number(hour);
}

namespace
{
// Whether a line from a to b passes through a rectangle (Liang and Barsky's clipping).
bool crosses(TwipPoint a, TwipPoint b, const QRectF& box)
{
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double towards[] = {-dx, dx, -dy, dy};
    const double room[] = {a.x - box.left(), box.right() - a.x, a.y - box.top(),
                           box.bottom() - a.y};
    double enters = 0, leaves = 1;
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0) {
            if (room[side] < 0)
                return false;
            continue;
        }
        const double t = room[side] / towards[side];
        if (towards[side] < 0)
            enters = std::max(enters, t);
        else
            leaves = std::min(leaves, t);
        if (enters > leaves)
            return false;
    }
    return true;
}

bool clearOfMarks(const NumeralRing& ring, const QRectF& ink, double markGap)
{
    if (ring.marksDialRadius <= 0)
        return true;
    const QRectF kept = ink.adjusted(-markGap, -markGap, markGap, markGap);
    for (int minute = 0; minute < 60; ++minute) {
        const TwipSegment mark =
            minuteMarkEnds(ring.centerX, ring.centerY, ring.marksDialRadius, minute);
        if (crosses(mark.inner, mark.outer, kept))
            return false;
    }
    return true;
}
} // namespace

bool numeralsFit(const NumeralRing& ring, const std::array<NumeralBox, 12>& numerals, double gap,
                 double markGap)
{
    // The face's rounded corners lie diagonally out from the centre, where no numeral is
    // near them at any size that passes the straight edges, so a square is enough.
    const double inner = ring.faceHalfSide - gap;
    const QRectF face(ring.centerX - inner, ring.centerY - inner, 2 * inner, 2 * inner);
    std::array<QRectF, 12> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QSizeF size = numerals[i].size;
        const TwipPoint at =
            numeralTopLeft(ring.centerX, ring.centerY, ring.radius, kNumeralNumerators[i],
                           float(size.width()), float(size.height()));
        boxes[i] = QRectF(QPointF(at.x, at.y), size);
        if (!face.contains(boxes[i]) ||
            !clearOfMarks(ring, numerals[i].ink.translated(boxes[i].topLeft()), markGap))
            return false;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].adjusted(-gap, -gap, gap, gap).intersects(boxes[j]))
                return false;
    return true;
}
