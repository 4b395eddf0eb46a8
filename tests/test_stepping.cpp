#include "clockface/dialmath.h"
#include "practice/stepping.h"

#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>
#include <random>

using Checkpoints = QMap<int, QString>; // n-th time of a lap -> readout
Q_DECLARE_METATYPE(PrecisionMode)
Q_DECLARE_METATYPE(DayHalf)

namespace
{

constexpr float kLargestDraw = 0.99999994f; // the float just below 1

// The readout of the slot-th random time, worked out in whole minutes.
QString slotReadout(int firstMinutes, int minutesPerSlot, int slot)
{
    const int minutes = firstMinutes + slot * minutesPerSlot;
    const int hour = minutes / 60;
    return QString::asprintf("%02d:%02d", hour == 0 ? 12 : hour, minutes % 60);
}

// A time of the day as the 24-hour clock writes it.
QString dayClock(const ShownTime& shown)
{
    return dayReadout(hourOfDay(int(std::floor(shown.hour)), shown.half), shown.mark);
}

} // namespace

class TestStepping : public QObject
{
    Q_OBJECT

private slots:
    void inOrderLap_data();
    void inOrderLap();
    void sequenceWrap_data();
    void sequenceWrap();
    void randomWorkedDraws_data();
    void randomWorkedDraws();
    void roundingHalfUp_data();
    void roundingHalfUp();
    void randomSlotBoundaries_data();
    void randomSlotBoundaries();
    void manyRandomDraws_data();
    void manyRandomDraws();
    void dayLap_data();
    void dayLap();
    void randomDayDraws_data();
    void randomDayDraws();

private:
    static void addPrecisionRows();
};

// Slot 0 of random "hour" is one o'clock; of the others, twelve.
void TestStepping::addPrecisionRows()
{
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<int>("cycleLength");
    QTest::addColumn<int>("minutesPerSlot");
    QTest::addColumn<int>("firstMinutes");
    QTest::newRow("hour") << PrecisionMode::hour << 12 << 60 << 60;
    QTest::newRow("half") << PrecisionMode::half << 24 << 30 << 0;
    QTest::newRow("quarter") << PrecisionMode::quarter << 48 << 15 << 0;
    QTest::newRow("5min") << PrecisionMode::fiveMin << 144 << 5 << 0;
    QTest::newRow("1min") << PrecisionMode::oneMin << 720 << 1 << 0;
}

// One lap from a reset (step 1) through the wrap and one step beyond. The readout must be
// an exact five-minute value, or minute, even where the stored mark is a hair off.
void TestStepping::inOrderLap_data()
{
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<int>("cycleLength");
    QTest::addColumn<Checkpoints>("checkpoints");
    QTest::newRow("hour") << PrecisionMode::hour << 12
                          << Checkpoints{{1, "01:00"}, {2, "02:00"}, {12, "12:00"}, {13, "01:00"}};
    QTest::newRow("half")
        << PrecisionMode::half << 24
        << Checkpoints{{1, "12:30"}, {2, "01:00"}, {3, "01:30"}, {24, "12:00"}, {25, "12:30"}};
    QTest::newRow("quarter")
        << PrecisionMode::quarter << 48
        << Checkpoints{{1, "12:15"}, {2, "12:30"}, {15, "03:45"}, {48, "12:00"}, {49, "12:15"}};
    QTest::newRow("5min") << PrecisionMode::fiveMin << 144
                          << Checkpoints{{1, "12:05"},  {7, "12:35"},   {13, "01:05"},
                                         {71, "05:55"}, {144, "12:00"}, {145, "12:05"}};
    // 1:01 and 7:07 are a hair below the minute before rounding.
    QTest::newRow("1min") << PrecisionMode::oneMin << 720
                          << Checkpoints{{1, "12:01"},   {59, "12:59"},  {60, "01:00"},
                                         {61, "01:01"},  {427, "07:07"}, {719, "11:59"},
                                         {720, "12:00"}, {721, "12:01"}};
}

void TestStepping::inOrderLap()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, cycleLength);
    QFETCH(Checkpoints, checkpoints);

    const PrecisionRow& row = precisionRow(mode);
    QSet<QString> lap;
    int step = 1;
    for (int n = 1; n <= cycleLength + 1; ++n) {
        const ShownTime shown = inOrderTime(row, step);
        const QString readout = digitalReadout(shown.hour, shown.mark);
        if (checkpoints.contains(n))
            QVERIFY2(readout == checkpoints.value(n),
                     qPrintable(QStringLiteral("time %1: %2").arg(n).arg(readout)));
        if (n <= cycleLength)
            lap.insert(readout);
        step = nextSequenceStep(row, step);
        QVERIFY(step >= 1 && step <= cycleLength);
    }
    QCOMPARE(lap.size(), cycleLength); // no time comes twice in a lap
    QCOMPARE(step, 2);
}

void TestStepping::sequenceWrap_data()
{
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("next");

    QTest::newRow("hour, first") << PrecisionMode::hour << 1 << 2;
    QTest::newRow("hour, before last") << PrecisionMode::hour << 11 << 12;
    QTest::newRow("hour, last wraps") << PrecisionMode::hour << 12 << 1;
    QTest::newRow("half, before last") << PrecisionMode::half << 23 << 24;
    QTest::newRow("half, last wraps") << PrecisionMode::half << 24 << 1;
    QTest::newRow("quarter, before last") << PrecisionMode::quarter << 47 << 48;
    QTest::newRow("quarter, last wraps") << PrecisionMode::quarter << 48 << 1;
    QTest::newRow("5min, before last") << PrecisionMode::fiveMin << 143 << 144;
    QTest::newRow("5min, last wraps") << PrecisionMode::fiveMin << 144 << 1;
    QTest::newRow("1min, before last") << PrecisionMode::oneMin << 719 << 720;
    QTest::newRow("1min, last wraps") << PrecisionMode::oneMin << 720 << 1;
    // A step left over from a longer cycle starts the shorter one again.
    QTest::newRow("left over from 5min into hour") << PrecisionMode::hour << 100 << 1;
    QTest::newRow("largest int") << PrecisionMode::fiveMin << std::numeric_limits<int>::max() << 1;
}

void TestStepping::sequenceWrap()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, step);
    QFETCH(int, next);
    QCOMPARE(nextSequenceStep(precisionRow(mode), step), next);
}

// Chosen draws and what each stepper must put on the clock, bit for bit: the extremes r = 0
// and r just below 1, and draws whose 5-minute mark only comes out whole by rounding.
void TestStepping::randomWorkedDraws_data()
{
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("readout");

    const PrecisionMode hour = PrecisionMode::hour, half = PrecisionMode::half;
    const PrecisionMode quarter = PrecisionMode::quarter, fiveMin = PrecisionMode::fiveMin;
    const PrecisionMode oneMin = PrecisionMode::oneMin;
    QTest::newRow("hour, r = 0") << hour << 0.f << 1.0 << 0.0 << "01:00";
    QTest::newRow("hour, r = 0.5") << hour << 0.5f << 7.0 << 0.0 << "07:00";
    QTest::newRow("hour, largest r") << hour << kLargestDraw << 12.0 << 0.0 << "12:00";
    QTest::newRow("half, r = 0") << half << 0.f << 0.0 << 0.0 << "12:00";
    QTest::newRow("half, largest r") << half << kLargestDraw << 11.5 << 6.0 << "11:30";
    QTest::newRow("quarter, r = 0") << quarter << 0.f << 0.0 << 0.0 << "12:00";
    QTest::newRow("quarter, r = 0.3") << quarter << 0.3f << 3.5 << 6.0 << "03:30";
    QTest::newRow("quarter, largest r") << quarter << kLargestDraw << 11.75 << 9.0 << "11:45";
    QTest::newRow("5min, r = 0") << fiveMin << 0.f << 0.0 << 0.0 << "12:00";
    // 12 * (13/12 - 1) is 0.9999999999999991 before rounding.
    QTest::newRow("5min, slot 13") << fiveMin << 0.09375f << 1.0833333333333333 << 1.0 << "01:05";
    // 12 * (143/12 - 11) is 10.999999999999993 before rounding.
    QTest::newRow("5min, largest r")
        << fiveMin << kLargestDraw << 11.916666666666666 << 11.0 << "11:55";
    // At 1 minute the mark is kept as it comes, a hair off the minute; the readers round it.
    QTest::newRow("1min, r = 0") << oneMin << 0.f << 0.0 << 0.0 << "12:00";
    QTest::newRow("1min, r = 0.3, a hair over")
        << oneMin << 0.3f << 3.6 << 7.200000000000001 << "03:36";
    QTest::newRow("1min, largest r, a hair under")
        << oneMin << kLargestDraw << 11.983333333333333 << 11.79999999999999 << "11:59";
}

void TestStepping::randomWorkedDraws()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(float, r);
    QFETCH(double, hour);
    QFETCH(double, mark);
    QFETCH(QString, readout);

    QCOMPARE(kLargestDraw, std::nextafter(1.0f, 0.0f));
    const ShownTime shown = randomTime(precisionRow(mode), r);
    QVERIFY2(shown.hour == hour, qPrintable(QString::number(shown.hour, 'g', 17)));
    QVERIFY2(shown.mark == mark, qPrintable(QString::number(shown.mark, 'g', 17)));
    QCOMPARE(digitalReadout(shown.hour, shown.mark), readout);
}

void TestStepping::roundingHalfUp_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");

    // Unlike the readout's rounding, exact halves all go up, even ones included.
    QTest::newRow("0.5 up") << 0.5 << 1.0;
    QTest::newRow("2.5 up, not to even") << 2.5 << 3.0;
    QTest::newRow("3.5 up") << 3.5 << 4.0;
    QTest::newRow("10.5 up, not to even") << 10.5 << 11.0;
    QTest::newRow("-0.5 up to 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 up to -1") << -1.5 << -1.0;
    QTest::newRow("just below a half") << 2.4999999999999996 << 2.0;
    QTest::newRow("hair under 1") << 0.9999999999999964 << 1.0;
    QTest::newRow("hair under 11") << 10.999999999999993 << 11.0;
    QTest::newRow("hair over 4") << 4.000000000000001 << 4.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("whole stays") << 7.0 << 7.0;
}

void TestStepping::roundingHalfUp()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfUp(x), rounded);
}

// Each slot j begins at the draw j / N. The float just below that boundary belongs to the
// slot before, the first float at or above it to slot j; worked out here in long double.
// Every slot's mark must be whole, including the 5-minute ones that need rounding; at
// 1 minute it is the slot's minute, to a hair.
void TestStepping::randomSlotBoundaries_data()
{
    addPrecisionRows();
}

void TestStepping::randomSlotBoundaries()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, cycleLength);
    QFETCH(int, minutesPerSlot);
    QFETCH(int, firstMinutes);
    const PrecisionRow& row = precisionRow(mode);
    const long double n = cycleLength;
    for (int j = 1; j < cycleLength; ++j) {
        float at = float(j / n);
        while ((long double)(at)*n < j)
            at = std::nextafter(at, 1.0f);
        float below = std::nextafter(at, 0.0f);
        while ((long double)(below)*n >= j)
            below = std::nextafter(below, 0.0f);

        const ShownTime before = randomTime(row, below), after = randomTime(row, at);
        QCOMPARE(digitalReadout(before.hour, before.mark),
                 slotReadout(firstMinutes, minutesPerSlot, j - 1));
        QCOMPARE(digitalReadout(after.hour, after.mark),
                 slotReadout(firstMinutes, minutesPerSlot, j));
        const int minute = (j * minutesPerSlot) % 60;
        if (minutesPerSlot % 5 == 0)
            QVERIFY2(after.mark == minute / 5, qPrintable(QString::number(j)));
        else
            QVERIFY2(std::fabs(after.mark * 5 - minute) < 1e-9, qPrintable(QString::number(j)));
    }
}

// Many draws: each one a time the practice can show, and every time of the precision
// turns up. The generator is seeded, so a failure can be reproduced.
void TestStepping::manyRandomDraws_data()
{
    addPrecisionRows();
}

void TestStepping::manyRandomDraws()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, cycleLength);
    QFETCH(int, minutesPerSlot);
    QFETCH(int, firstMinutes);
    std::mt19937 generator(20240607u);
    QSet<QString> seen;
    const double lowestHour = firstMinutes / 60;
    for (int draw = 0; draw < 30000; ++draw) {
        // 24 random bits give every float of [0, 1) with a step of 2^-24, never 1 itself.
        const float r = float(generator() >> 8) * 0x1p-24f;
        const ShownTime shown = randomTime(precisionRow(mode), r);

        QVERIFY(shown.hour >= lowestHour && shown.hour < lowestHour + 12);
        QVERIFY(shown.mark >= 0 && shown.mark < 12);
        if (minutesPerSlot % 5 == 0) {
            QVERIFY(shown.mark == std::floor(shown.mark));
            QCOMPARE(int(shown.mark) * 5 % minutesPerSlot, 0);
        }
        // The mark belongs to the hour it is shown with.
        QVERIFY(std::fabs(shown.hour - (std::floor(shown.hour) + shown.mark / 12)) < 1e-9);
        seen.insert(digitalReadout(shown.hour, shown.mark));
    }
    QCOMPARE(seen.size(), cycleLength);
}

// The day's cycle goes round the dial twice, from just after midnight to noon and on to
// midnight, each turn the dial's own times to the bit, then starts again.
void TestStepping::dayLap_data()
{
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<int>("cycleLength");
    QTest::addColumn<Checkpoints>("checkpoints");
    QTest::newRow("hour") << PrecisionMode::hour << 12
                          << Checkpoints{{1, "01:00"},  {11, "11:00"}, {12, "12:00"}, {13, "13:00"},
                                         {23, "23:00"}, {24, "00:00"}, {25, "01:00"}};
    QTest::newRow("half") << PrecisionMode::half << 24
                          << Checkpoints{{1, "00:30"},  {2, "01:00"},  {24, "12:00"},
                                         {25, "12:30"}, {48, "00:00"}, {49, "00:30"}};
    QTest::newRow("quarter") << PrecisionMode::quarter << 48
                             << Checkpoints{{1, "00:15"},  {47, "11:45"}, {48, "12:00"},
                                            {49, "12:15"}, {61, "15:15"}, {96, "00:00"},
                                            {97, "00:15"}};
    QTest::newRow("5min") << PrecisionMode::fiveMin << 144
                          << Checkpoints{{1, "00:05"},
                                         {144, "12:00"},
                                         {145, "12:05"},
                                         {287, "23:55"},
                                         {288, "00:00"}};
    QTest::newRow("1min") << PrecisionMode::oneMin << 720
                          << Checkpoints{{1, "00:01"},   {719, "11:59"},  {720, "12:00"},
                                         {721, "12:01"}, {1147, "19:07"}, {1440, "00:00"},
                                         {1441, "00:01"}};
}

void TestStepping::dayLap()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, cycleLength);
    QFETCH(Checkpoints, checkpoints);
    const PrecisionRow& row = precisionRow(mode);
    QSet<QString> lap;
    int step = 1;
    for (int n = 1; n <= 2 * cycleLength + 1; ++n) {
        const ShownTime shown = inOrderTimeOfDay(row, step);
        const ShownTime dial = inOrderTime(row, (step - 1) % cycleLength + 1);
        QVERIFY(shown.hour == dial.hour && shown.mark == dial.mark);
        const QString readout = dayClock(shown);
        if (checkpoints.contains(n))
            QVERIFY2(readout == checkpoints.value(n),
                     qPrintable(QStringLiteral("time %1: %2").arg(n).arg(readout)));
        if (n <= 2 * cycleLength)
            lap.insert(readout);
        step = nextSequenceStep(row, step, 2);
    }
    QCOMPARE(lap.size(), 2 * cycleLength);
    QCOMPARE(step, 2);
}

// The lower half of the draws gives the morning's turn, the upper the afternoon's, each
// spread over the dial as randomTime spreads a draw; every time of the day turns up.
void TestStepping::randomDayDraws_data()
{
    // The first draw, the first of the upper half and the last, worked by hand: whole hours
    // run from one o'clock to twelve in each half, so twelve of the morning is midnight.
    QTest::addColumn<PrecisionMode>("mode");
    QTest::addColumn<int>("cycleLength");
    QTest::addColumn<QStringList>("extremes");
    QTest::newRow("hour") << PrecisionMode::hour << 12
                          << QStringList{"01:00", "00:00", "13:00", "12:00"};
    QTest::newRow("half") << PrecisionMode::half << 24
                          << QStringList{"00:00", "11:30", "12:00", "23:30"};
    QTest::newRow("quarter") << PrecisionMode::quarter << 48
                             << QStringList{"00:00", "11:45", "12:00", "23:45"};
    QTest::newRow("5min") << PrecisionMode::fiveMin << 144
                          << QStringList{"00:00", "11:55", "12:00", "23:55"};
    QTest::newRow("1min") << PrecisionMode::oneMin << 720
                          << QStringList{"00:00", "11:59", "12:00", "23:59"};
}

void TestStepping::randomDayDraws()
{
    QFETCH(PrecisionMode, mode);
    QFETCH(int, cycleLength);
    QFETCH(QStringList, extremes);
    const PrecisionRow& row = precisionRow(mode);
    const float draws[] = {0.f, std::nextafter(0.5f, 0.f), 0.5f, kLargestDraw};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(dayClock(randomTimeOfDay(row, draws[i])), extremes[i]);
    std::mt19937 generator(20261208u);
    QSet<QString> seen;
    for (int draw = 0; draw < 60000; ++draw) {
        const float r = float(generator() >> 8) * 0x1p-24f;
        const ShownTime shown = randomTimeOfDay(row, r);
        QCOMPARE(shown.half, r < 0.5f ? DayHalf::am : DayHalf::pm);
        seen.insert(dayClock(shown));
    }
    QCOMPARE(seen.size(), 2 * cycleLength);
}

QTEST_APPLESS_MAIN(TestStepping)
#include "test_stepping.moc"
