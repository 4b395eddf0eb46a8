#include "clockface/numeralring.h"

#include "clockface/dialmath.h"

#include <QRectF>

QString numeralText(int hour, Numerals numerals)
{
    static const char* const kRoman[] = {"I",   "II",   "III", "IV", "V",  "VI",
                                         "VII", "VIII", "IX",  "X",  "XI", "XII"};
    if (numerals == Numerals::roman && hour >= 1 && hour <= 12)
        return QLatin1String(kRoman[hour - 1]);
    return QString::number(hour);
}

bool numeralsFit(const NumeralRing& ring, const std::array<QSizeF, 12>& sizes, double gap)
{
    // The face's rounded corners lie diagonally out from the centre, where no numeral is
    // near them at any size that passes the straight edges, so a square is enough.
    const double inner = ring.faceHalfSide - gap;
    const QRectF face(ring.centerX - inner, ring.centerY - inner, 2 * inner, 2 * inner);
    std::array<QRectF, 12> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TwipPoint at =
            numeralTopLeft(ring.centerX, ring.centerY, ring.radius, kNumeralNumerators[i],
                           float(sizes[i].width()), float(sizes[i].height()));
        boxes[i] = QRectF(QPointF(at.x, at.y), sizes[i]);
        if (!face.contains(boxes[i]))
            return false;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].adjusted(-gap, -gap, gap, gap).intersects(boxes[j]))
                return false;
    return true;
}
