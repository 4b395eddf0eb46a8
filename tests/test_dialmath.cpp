#include "clockface/dialmath.h"
#include "clockface/numeralring.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace
{

QString full(double v)
{
    return QString::number(v, 'g', 17);
}

// The dial of the window as designed: shape at (960, 1800), 7200 x 8685 twips.
const DialGeometry kDesign = dialGeometryFromShape(960, 1800, 7200, 8685);

// Numeral label sizes as designed: the two-digit 10, 11 and 12 are twice as wide.
constexpr float kNarrow = 300, kWide = 600, kLabelHeight = 675;

} // namespace

Q_DECLARE_METATYPE(DialGeometry)

// QCOMPARE on floating point is fuzzy (about five significant digits for float); a twip
// position has to match to the last bit, so compare exactly and print every digit.
#define COMPARE_EXACT(actual, expected)                                                            \
    QVERIFY2((actual) == (expected),                                                               \
             qPrintable(full(actual) + QStringLiteral(" != ") + full(expected)))

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(std::fabs(double(actual) - double(expected)) <= (tolerance),                          \
             qPrintable(full(actual) + QStringLiteral(" vs ") + full(expected)))

class TestDialMath : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void handEnds_data();
    void handEnds();
    void equivalentHourPositions_data();
    void equivalentHourPositions();
    void numeralPositions_data();
    void numeralPositions();
    void numeralsOnTheAxes_data();
    void numeralsOnTheAxes();
    void numeralsFitTheirRoom_data();
    void numeralsFitTheirRoom();
    void minuteTipMeetsNumeralCentre_data();
    void minuteTipMeetsNumeralCentre();
    void readout_data();
    void readout();
    void readoutOfNonsenseStaysDefined_data();
    void readoutOfNonsenseStaysDefined();
};

void TestDialMath::geometry_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("centerX");
    QTest::addColumn<float>("centerY");
    QTest::addColumn<float>("radius");
    QTest::addColumn<double>("minuteLength");
    QTest::addColumn<double>("hourLength");

    QTest::newRow("design dial") << 960.f << 1800.f << 7200.f << 8685.f //
                                 << 4560.f << 6142.5f << 3600.f << 2880.0 << 1800.0;
    // The height moves the centre but never the radius.
    QTest::newRow("tall shape, radius from width") << 0.f << 0.f << 1000.f << 5000.f //
                                                   << 500.f << 2500.f << 500.f << 400.0 << 250.0;
    QTest::newRow("odd width") << 960.5f << 0.f << 7201.f << 7201.f //
                               << 4561.f << 3600.5f << 3600.5f << 2880.4 << 1800.25;
    // 2^24 + 1 is not a float: the stored centre goes to the even neighbour 2^24, while
    // 2^24 + 3 goes up to 2^24 + 4.
    QTest::newRow("centre rounded to single, ties to even")
        << 16777216.f << 16777216.f << 2.f << 6.f //
        << 16777216.f << 16777220.f << 1.f << 0.8 << 0.5;
}

void TestDialMath::geometry()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(float, centerX);
    QFETCH(float, centerY);
    QFETCH(float, radius);
    QFETCH(double, minuteLength);
    QFETCH(double, hourLength);

    const DialGeometry g = dialGeometryFromShape(left, top, width, height);
    COMPARE_EXACT(g.centerX, centerX);
    COMPARE_EXACT(g.centerY, centerY);
    COMPARE_EXACT(g.radius, radius);
    COMPARE_EXACT(g.minuteHandLength, minuteLength);
    COMPARE_EXACT(g.hourHandLength, hourLength);
}

// Expected ends are the floats nearest to the true end points, worked out once with 50
// significant digits (the angle taken from the same ten-digit 2π the program uses). None
// of them lies near a rounding boundary, so the double arithmetic must land on them.
void TestDialMath::handEnds_data()
{
    QTest::addColumn<DialGeometry>("dial");
    QTest::addColumn<bool>("minuteHand");
    QTest::addColumn<double>("position");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");

    QTest::newRow("hour 3 points right") << kDesign << false << 3.0 << 6360.f << 6142.5f;
    QTest::newRow("hour 1.5, half-way between 1 and 2")
        << kDesign << false << 1.5 << 5832.7919921875f << 4869.7080078125f;
    QTest::newRow("hour 0 points up") << kDesign << false << 0.0 << 4560.f << 4342.5f;
    QTest::newRow("hour 12 points up") << kDesign << false << 12.0 << 4560.f << 4342.5f;
    QTest::newRow("hour 2.5") << kDesign << false << 2.5 << 6298.66650390625f << 5676.62548828125f;
    QTest::newRow("hour 14.5 as 2.5")
        << kDesign << false << 14.5 << 6298.66650390625f << 5676.62548828125f;
    QTest::newRow("mark 0 points up") << kDesign << true << 0.0 << 4560.f << 3262.5f;
    QTest::newRow("mark 6 points down") << kDesign << true << 6.0 << 4560.f << 9022.5f;
    QTest::newRow("mark 9 points left") << kDesign << true << 9.0 << 1680.f << 6142.5f;
    // Seven minutes past: the hand stands 42 degrees clockwise from 12.
    QTest::newRow("mark 1.4, seven past")
        << kDesign << true << 1.4 << 6487.09619140625f << 4002.242919921875f;

    const DialGeometry other = dialGeometryFromShape(100, 200, 3000, 4000);
    QTest::newRow("other dial, hour 3") << other << false << 3.0 << 2350.f << 2200.f;
    QTest::newRow("other dial, mark 6") << other << true << 6.0 << 1600.f << 3400.f;
}

void TestDialMath::handEnds()
{
    QFETCH(DialGeometry, dial);
    QFETCH(bool, minuteHand);
    QFETCH(double, position);
    QFETCH(float, x);
    QFETCH(float, y);

    const double length = minuteHand ? dial.minuteHandLength : dial.hourHandLength;
    const TwipPoint end = handEnd(dial.centerX, dial.centerY, length, position);
    COMPARE_EXACT(end.x, x);
    COMPARE_EXACT(end.y, y);
}

// The ten-digit 2π is not a full turn, so positions a turn apart may differ in the last
// float bit; what matters is that no one could see it.
void TestDialMath::equivalentHourPositions_data()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("sameAs");

    QTest::newRow("0 and 12") << 0.0 << 12.0;
    QTest::newRow("14.5 and 2.5") << 14.5 << 2.5;
    QTest::newRow("12.25 and 0.25") << 12.25 << 0.25;
    QTest::newRow("23.75 and 11.75") << 23.75 << 11.75;
    QTest::newRow("-1 and 11") << -1.0 << 11.0;
}

void TestDialMath::equivalentHourPositions()
{
    QFETCH(double, hour);
    QFETCH(double, sameAs);

    for (const DialGeometry& g : {kDesign, dialGeometryFromShape(0, 0, 30000, 30000),
                                  dialGeometryFromShape(7, 9, 50, 50)}) {
        const TwipPoint a = handEnd(g.centerX, g.centerY, g.hourHandLength, hour);
        const TwipPoint b = handEnd(g.centerX, g.centerY, g.hourHandLength, sameAs);
        COMPARE_NEAR(a.x, b.x, 0.01);
        COMPARE_NEAR(a.y, b.y, 0.01);
        // And the end stays on the hand's circle.
        COMPARE_NEAR(std::hypot(a.x - g.centerX, a.y - g.centerY), g.hourHandLength, 0.01);
    }
}

void TestDialMath::numeralPositions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    // index is the place in kNumeralNumerators: n12 first, then n1 to n11. The 3-decimal
    // positions of the layout drawings are these floats rounded; the floats themselves are
    // the nearest to the true positions (50-digit arithmetic, as for the hands).
    QTest::newRow("n12") << 0 << kWide << 4260.f << 2925.f;
    QTest::newRow("n1") << 1 << kNarrow << 5850.f << 3310.846923828125f;
    QTest::newRow("n2") << 2 << kNarrow << 6904.1533203125f << 4365.f;
    QTest::newRow("n3") << 3 << kNarrow << 7290.f << 5805.f;
    QTest::newRow("n4") << 4 << kNarrow << 6904.1533203125f << 7245.f;
    QTest::newRow("n5") << 5 << kNarrow << 5850.f << 8299.1533203125f;
    QTest::newRow("n6") << 6 << kNarrow << 4410.f << 8685.f;
    QTest::newRow("n7") << 7 << kNarrow << 2970.f << 8299.1533203125f;
    QTest::newRow("n8") << 8 << kNarrow << 1915.8468017578125f << 7245.f;
    QTest::newRow("n9") << 9 << kNarrow << 1530.f << 5805.f;
    QTest::newRow("n10") << 10 << kWide << 1765.8468017578125f << 4365.f;
    QTest::newRow("n11") << 11 << kWide << 2820.f << 3310.846923828125f;
}

void TestDialMath::numeralPositions()
{
    QFETCH(int, index);
    QFETCH(float, width);
    QFETCH(float, left);
    QFETCH(float, top);

    const TwipPoint p = numeralTopLeft(kDesign.centerX, kDesign.centerY, kDesign.minuteHandLength,
                                       kNumeralNumerators[std::size_t(index)], width, kLabelHeight);
    COMPARE_EXACT(p.x, left);
    COMPARE_EXACT(p.y, top);
    // Laying the ring out again must not drift.
    const TwipPoint again =
        numeralTopLeft(kDesign.centerX, kDesign.centerY, kDesign.minuteHandLength,
                       kNumeralNumerators[std::size_t(index)], width, kLabelHeight);
    COMPARE_EXACT(again.x, p.x);
    COMPARE_EXACT(again.y, p.y);
}

// n3 sits on the horizontal axis with an angle of exactly 0. n12's angle misses 90 degrees
// by about 2e-10 radians, which must vanish in the single-precision rounding.
void TestDialMath::numeralsOnTheAxes_data()
{
    QTest::addColumn<DialGeometry>("dial");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");

    QTest::newRow("design, narrow") << kDesign << kNarrow << kLabelHeight;
    QTest::newRow("design, wide") << kDesign << kWide << kLabelHeight;
    QTest::newRow("design, odd size") << kDesign << 315.f << 691.f;
    QTest::newRow("small dial") << dialGeometryFromShape(10, 20, 1000, 1200) << 150.f << 300.f;
    QTest::newRow("large dial") << dialGeometryFromShape(0, 0, 20000, 20000) << 1200.f << 1350.f;
}

void TestDialMath::numeralsOnTheAxes()
{
    QFETCH(DialGeometry, dial);
    QFETCH(float, width);
    QFETCH(float, height);

    const double cx = dial.centerX, cy = dial.centerY, ring = dial.minuteHandLength;
    const TwipPoint n3 =
        numeralTopLeft(dial.centerX, dial.centerY, ring, kNumeralNumerators[3], width, height);
    COMPARE_EXACT(n3.x, float(cx + ring - width / 2));
    COMPARE_EXACT(n3.y, float(cy - height / 2));

    const TwipPoint n12 =
        numeralTopLeft(dial.centerX, dial.centerY, ring, kNumeralNumerators[0], width, height);
    COMPARE_EXACT(n12.x, float(cx - width / 2));
    COMPARE_EXACT(n12.y, float(cy - ring - height / 2));
}

void TestDialMath::numeralsFitTheirRoom_data()
{
    // Worked by hand on the design dial: the face reaches 3360 twips either side of the
    // centre inside the rim; every numeral the same size, kept 120 twips apart. The minute
    // marks, where shown, run from 3186 to 3294 twips out (0.885 and 0.915 of the radius of
    // 3600), and ink keeps 45 twips from them. Ink at the box's middle point alone is nowhere
    // near a mark.
    QTest::addColumn<double>("ring");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRectF>("ink");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<bool>("fits");
    const QSizeF ten(600, 675);
    const QRectF middle(300, 337.5, 0, 0), whole(0, 0, 600, 675);
    QTest::newRow("a 10's box") << 2880.0 << ten << middle << true << true;
    // 2880 + 500 reaches past 3360 - 120 beside the 3 and the 9.
    QTest::newRow("too wide beside the 3")
        << 2880.0 << QSizeF(1000, 675) << QRectF(500, 337.5, 0, 0) << true << false;
    QTest::newRow("too tall above the 12")
        << 2880.0 << QSizeF(600, 1000) << QRectF(300, 500, 0, 0) << true << false;
    // On a ring of 2000 the boxes of the 1 and the 2 stand 32 twips apart: clear, but crowded.
    QTest::newRow("crowding a neighbour")
        << 2000.0 << QSizeF(700, 675) << QRectF(350, 337.5, 0, 0) << true << false;
    QTest::newRow("room on a small ring") << 2000.0 << ten << middle << true << true;
    // Beside the 3 the whole box's ink reaches 3180 + 45 twips out, past the mark's 3186.
    QTest::newRow("ink up to a mark") << 2880.0 << ten << whole << true << false;
    QTest::newRow("the same where no mark is shown") << 2880.0 << ten << whole << false << true;
    // 150 twips in all round: beside the 3 to 3075, above the 12 to 3113, and at the 1 the
    // mark's inner end (1593, 2759 above the centre) lies above the ink's 2727.
    QTest::newRow("ink clear of the marks")
        << 2880.0 << ten << QRectF(150, 150, 300, 375) << true << true;
}

void TestDialMath::numeralsFitTheirRoom()
{
    QFETCH(double, ring);
    QFETCH(QSizeF, size);
    QFETCH(QRectF, ink);
    QFETCH(bool, marks);
    QFETCH(bool, fits);
    std::array<NumeralBox, 12> numerals;
    numerals.fill({size, ink});
    const NumeralRing room{kDesign.centerX, kDesign.centerY, ring, 3360,
                           marks ? kDesign.radius : 0.0f};
    QCOMPARE(numeralsFit(room, numerals, 120, 45), fits);
}

// Numeral k and the minute hand at mark k share the radius and the angle rule, so the tip
// lands on the middle of the label's box, whatever the label's size.
void TestDialMath::minuteTipMeetsNumeralCentre_data()
{
    QTest::addColumn<int>("mark");
    for (int k = 1; k <= 12; ++k)
        QTest::addRow("mark %d", k) << k;
}

void TestDialMath::minuteTipMeetsNumeralCentre()
{
    QFETCH(int, mark);
    const float width = mark >= 10 ? kWide : kNarrow;
    const TwipPoint tip = handEnd(kDesign.centerX, kDesign.centerY, kDesign.minuteHandLength, mark);
    const TwipPoint box =
        numeralTopLeft(kDesign.centerX, kDesign.centerY, kDesign.minuteHandLength,
                       kNumeralNumerators[std::size_t(mark % 12)], width, kLabelHeight);
    // One float step at these coordinates is under 0.001 twip.
    COMPARE_NEAR(double(box.x) + width / 2, tip.x, 0.001);
    COMPARE_NEAR(double(box.y) + kLabelHeight / 2, tip.y, 0.001);
}

void TestDialMath::readout_data()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("caption");

    QTest::newRow("one o'clock") << 1.0 << 0.0 << "01:00";
    QTest::newRow("whole part 0 reads 12") << 0.25 << 3.0 << "12:15";
    QTest::newRow("twelve") << 12.0 << 0.0 << "12:00";
    QTest::newRow("12.5") << 12.5 << 6.0 << "12:30";
    QTest::newRow("just before one") << 0.999 << 11.0 << "12:55";
    QTest::newRow("hour truncated, not rounded") << 9.5 << 6.0 << "09:30";
    QTest::newRow("11:55") << 143.0 / 12 << 11.0 << "11:55";
    QTest::newRow("11:55, mark a hair under") << 143.0 / 12 << 10.999999999999993 << "11:55";
    QTest::newRow("11:55, mark millionths under") << 143.0 / 12 << 10.999997 << "11:55";
    QTest::newRow("11:55, mark millionths over") << 143.0 / 12 << 11.000003 << "11:55";
    QTest::newRow("five past, mark a hair under")
        << 7.0 + 1.0 / 12 << 0.9999999999999964 << "07:05";
    QTest::newRow("seven minutes") << 3.0 << 1.4 << "03:07";
    QTest::newRow("afternoon start, 24-hour value") << 14 + 7.0 / 60 << 1.4 << "14:07";
    QTest::newRow("late evening start") << 23 + 59.0 / 60 << 59.0 / 5 << "23:59";
    QTest::newRow("two-digit hour unpadded") << 10.5 << 6.0 << "10:30";
    QTest::newRow("12.5 minutes to even 12") << 4.0 << 2.5 << "04:12";
    QTest::newRow("17.5 minutes to even 18") << 4.0 << 3.5 << "04:18";
    QTest::newRow("2.5 minutes to even 2") << 4.0 << 0.5 << "04:02";
    QTest::newRow("minutes not limited to 59") << 4.0 << 11.9 << "04:60";
    QTest::newRow("mark just below zero") << 5.0 << -0.05 << "05:00";
    QTest::newRow("negative zero hour") << -0.0 << 0.0 << "12:00";
    QTest::newRow("negative hour kept") << -0.5 << 6.0 << "-1:30";
}

void TestDialMath::readout()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    QFETCH(QString, caption);
    QCOMPARE(digitalReadout(hour, mark), caption);
}

// Never shown by the program, but it must not turn into undefined behaviour (converting a
// NaN or a huge double to an integer would).
void TestDialMath::readoutOfNonsenseStaysDefined_data()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("NaN hour") << nan << 0.0;
    QTest::newRow("NaN mark") << 3.0 << nan;
    QTest::newRow("infinite hour") << inf << 0.0;
    QTest::newRow("-infinite mark") << 3.0 << -inf;
    QTest::newRow("huge hour") << 1e300 << 0.0;
    QTest::newRow("huge mark") << 3.0 << 1e300;
    QTest::newRow("past int range") << 3e9 << -3e9;
}

void TestDialMath::readoutOfNonsenseStaysDefined()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    const QString caption = digitalReadout(hour, mark);
    QCOMPARE(caption.count(QLatin1Char(':')), 1);
    QVERIFY(!caption.startsWith(QLatin1Char(':')));
    QVERIFY(!caption.endsWith(QLatin1Char(':')));
}

QTEST_APPLESS_MAIN(TestDialMath)
#include "test_dialmath.moc"
