#include "clockface/dialmath.h"
#include "practice/stepping.h"
#include "speech/timephrase.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace
{

constexpr float kLargestDraw = 0.99999994f; // the float just below 1

// What one random stepper puts on the clock for the draw r: the hour, then the mark.
struct ShownTime {
    double hour, mark;
};
ShownTime randomStep(float r, const Precision& p)
{
    if (p.perHour == 1)
        return {randomWholeHour(r), 0.0};
    const double hour = randomSlotHour(r, p);
    double mark = minuteMarkFor(hour);
    if (p.perHour == 12)
        mark = roundHalfUp(mark);
    return {hour, mark};
}

// Readout and digital phrase of the clock time hh:mm, written out independently of the
// arithmetic: hour 0 is read as 12.
QString expectedReadout(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour == 0 ? 12 : hour, minute);
}

QString expectedTimePhrase(int hour, int minute)
{
    const QString h = QStringLiteral(" %1").arg(hour == 0 ? 12 : hour);
    if (minute == 0)
        return h + QStringLiteral(" o clock");
    if (minute == 5)
        return h + QStringLiteral(" oh 5");
    return h + QStringLiteral(" %1").arg(minute);
}

} // namespace

class TestStepping : public QObject
{
    Q_OBJECT

private slots:
    void precisionByModeText_data();
    void precisionByModeText();
    void inOrderCycle_data();
    void inOrderCycle();
    void sequenceWrap_data();
    void sequenceWrap();
    void randomExtremes_data();
    void randomExtremes();
    void roundingHalfUp_data();
    void roundingHalfUp();
    void fiveMinuteMarksRoundToTheirSlot();
    void randomSlotBoundaries_data();
    void randomSlotBoundaries();
    void manyRandomDraws_data();
    void manyRandomDraws();

private:
    static void addPrecisionRows();
};

void TestStepping::addPrecisionRows()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("hour") << "hour";
    QTest::newRow("half") << "half";
    QTest::newRow("quarter") << "quarter";
    QTest::newRow("5min") << "5min";
}

void TestStepping::precisionByModeText_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("perHour");
    QTest::addColumn<int>("cycleLength");

    QTest::newRow("hour") << "hour" << true << 1 << 12;
    QTest::newRow("half") << "half" << true << 2 << 24;
    QTest::newRow("quarter") << "quarter" << true << 4 << 48;
    QTest::newRow("5min") << "5min" << true << 12 << 144;
    // The texts are compared exactly, character for character.
    QTest::newRow("capitalised") << "Hour" << false << 0 << 0;
    QTest::newRow("all capitals") << "HALF" << false << 0 << 0;
    QTest::newRow("trailing blank") << "quarter " << false << 0 << 0;
    QTest::newRow("leading blank") << " half" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
    QTest::newRow("button caption") << "5 minute" << false << 0 << 0;
    QTest::newRow("other setting's text") << "sequence" << false << 0 << 0;
}

void TestStepping::precisionByModeText()
{
    QFETCH(QString, mode);
    QFETCH(bool, known);
    QFETCH(int, perHour);
    QFETCH(int, cycleLength);

    const auto p = precisionFor(mode);
    QCOMPARE(p.has_value(), known);
    if (known) {
        QCOMPARE(p->perHour, perHour);
        QCOMPARE(p->cycleLength, cycleLength);
    }
}

// One lap from a reset (step 1) through the wrap and one step beyond, checked against the
// clock times the child should see. The readout and the phrase must be exact five-minute
// values even where the stored mark is a hair off.
void TestStepping::inOrderCycle_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");

    QTest::newRow("hour") << "hour"
                          << "01:00"
                          << "02:00"
                          << "12:00";
    QTest::newRow("half") << "half"
                          << "12:30"
                          << "01:00"
                          << "12:00";
    QTest::newRow("quarter") << "quarter"
                             << "12:15"
                             << "12:30"
                             << "12:00";
    QTest::newRow("5min") << "5min"
                          << "12:05"
                          << "12:10"
                          << "12:00";
}

void TestStepping::inOrderCycle()
{
    QFETCH(QString, mode);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);

    const Precision p = *precisionFor(mode);
    const int minutesPerStep = 60 / p.perHour;
    QStringList readouts;
    int marksOffWhole = 0;
    int step = 1;
    for (int n = 1; n <= p.cycleLength + 1; ++n) {
        // The n-th time of a lap, in whole minutes from twelve.
        const int i = (n - 1) % p.cycleLength + 1;
        QCOMPARE(step, i);
        const int hour = i / p.perHour;
        const int minute = (i % p.perHour) * minutesPerStep;

        const double shownHour = inOrderHour(step, p.perHour);
        const double mark = minuteMarkFor(shownHour);
        if (mark != std::round(mark))
            ++marksOffWhole;
        QVERIFY(mark >= 0 && mark < 12);

        const QString readout = digitalReadout(shownHour, mark);
        QCOMPARE(readout, expectedReadout(hour, minute));
        readouts << readout;
        const auto composed = composeTimePhraseFor(shownHour, mark);
        QVERIFY(composed.has_value());
        QCOMPARE(composed->timePhrase, expectedTimePhrase(hour, minute));
        QCOMPARE(composed->shownMinuteMark, double(minute / 5));

        step = nextSequenceStep(step, p.cycleLength);
        QVERIFY(step >= 1 && step <= p.cycleLength);
    }
    QCOMPARE(readouts.first(), first);
    QCOMPARE(readouts.at(1), second);
    QCOMPARE(readouts.at(p.cycleLength - 1), last);
    QCOMPARE(readouts.last(), first);
    // Whole, half and quarter hours are exact in binary; five-minute marks mostly are not,
    // which is why the readers round them. If none were off, this lap would prove nothing.
    if (p.perHour == 12)
        QVERIFY(marksOffWhole > 0);
    else
        QCOMPARE(marksOffWhole, 0);
}

void TestStepping::sequenceWrap_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("cycleLength");
    QTest::addColumn<int>("next");

    QTest::newRow("hour, first") << 1 << 12 << 2;
    QTest::newRow("hour, before last") << 11 << 12 << 12;
    QTest::newRow("hour, last wraps") << 12 << 12 << 1;
    QTest::newRow("half, last wraps") << 24 << 24 << 1;
    QTest::newRow("quarter, last wraps") << 48 << 48 << 1;
    QTest::newRow("5min, before last") << 143 << 144 << 144;
    QTest::newRow("5min, last wraps") << 144 << 144 << 1;
    // A step left over from a longer cycle starts the shorter one again.
    QTest::newRow("left over from 5min into hour") << 100 << 12 << 1;
    QTest::newRow("largest int") << std::numeric_limits<int>::max() << 144 << 1;
}

void TestStepping::sequenceWrap()
{
    QFETCH(int, step);
    QFETCH(int, cycleLength);
    QFETCH(int, next);
    QCOMPARE(nextSequenceStep(step, cycleLength), next);
}

void TestStepping::randomExtremes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("hour");
    QTest::addColumn<QString>("readout");

    QTest::newRow("hour, r = 0") << "hour" << 0.f << 1.0 << "01:00";
    QTest::newRow("hour, largest r") << "hour" << kLargestDraw << 12.0 << "12:00";
    QTest::newRow("half, r = 0") << "half" << 0.f << 0.0 << "12:00";
    QTest::newRow("half, largest r") << "half" << kLargestDraw << 11.5 << "11:30";
    QTest::newRow("quarter, r = 0") << "quarter" << 0.f << 0.0 << "12:00";
    QTest::newRow("quarter, largest r") << "quarter" << kLargestDraw << 11.75 << "11:45";
    QTest::newRow("5min, r = 0") << "5min" << 0.f << 0.0 << "12:00";
    QTest::newRow("5min, largest r") << "5min" << kLargestDraw << 143 / 12.0 << "11:55";
}

void TestStepping::randomExtremes()
{
    QFETCH(QString, mode);
    QFETCH(float, r);
    QFETCH(double, hour);
    QFETCH(QString, readout);

    QCOMPARE(kLargestDraw, std::nextafter(1.0f, 0.0f));
    const ShownTime shown = randomStep(r, *precisionFor(mode));
    QVERIFY2(shown.hour == hour, qPrintable(QString::number(shown.hour, 'g', 17)));
    QCOMPARE(digitalReadout(shown.hour, shown.mark), readout);
    QVERIFY(composeTimePhraseFor(shown.hour, shown.mark).has_value());
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

// The random 5-minute stepper stores its mark rounded; every slot must come out on its own
// whole mark, even where 12 times the fraction misses it.
void TestStepping::fiveMinuteMarksRoundToTheirSlot()
{
    for (int t = 0; t < 144; ++t) {
        const double mark = roundHalfUp(minuteMarkFor(t / 12.0));
        QVERIFY2(mark == t % 12, qPrintable(QStringLiteral("slot %1 gave %2").arg(t).arg(mark)));
    }
}

// Each slot j begins at the draw j / N. The float just below that boundary belongs to the
// slot before, the first float at or above it to slot j; worked out here in long double.
void TestStepping::randomSlotBoundaries_data()
{
    addPrecisionRows();
}

void TestStepping::randomSlotBoundaries()
{
    QFETCH(QString, mode);
    const Precision p = *precisionFor(mode);
    const long double n = p.cycleLength;
    for (int j = 1; j < p.cycleLength; ++j) {
        float at = float(j / n);
        while ((long double)(at)*n < j)
            at = std::nextafter(at, 1.0f);
        float below = std::nextafter(at, 0.0f);
        while ((long double)(below)*n >= j)
            below = std::nextafter(below, 0.0f);
        QVERIFY(below < at);

        if (p.perHour == 1) {
            QCOMPARE(randomWholeHour(below), double(j));
            QCOMPARE(randomWholeHour(at), double(j + 1));
        } else {
            QVERIFY2(randomSlotHour(below, p) == double(j - 1) / p.perHour,
                     qPrintable(QStringLiteral("below boundary %1").arg(j)));
            QVERIFY2(randomSlotHour(at, p) == double(j) / p.perHour,
                     qPrintable(QStringLiteral("at boundary %1").arg(j)));
        }
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
    QFETCH(QString, mode);
    const Precision p = *precisionFor(mode);
    std::mt19937 generator(20240607u);
    std::vector<int> seen(std::size_t(p.cycleLength), 0);
    const int allowedMarkStep = 12 / p.perHour;

    for (int draw = 0; draw < 30000; ++draw) {
        // 24 random bits give every float of [0, 1) with a step of 2^-24, never 1 itself.
        const float r = float(generator() >> 8) * 0x1p-24f;
        const ShownTime shown = randomStep(r, p);

        const double wholeHour = std::floor(shown.hour);
        if (p.perHour == 1)
            QVERIFY(shown.hour == wholeHour && wholeHour >= 1 && wholeHour <= 12);
        else
            QVERIFY(shown.hour >= 0 && shown.hour < 12);
        // The mark must sit exactly on one of the marks of the precision.
        QVERIFY(shown.mark == std::floor(shown.mark) && shown.mark >= 0 && shown.mark < 12);
        const int mark = int(shown.mark);
        QCOMPARE(mark % allowedMarkStep, 0);
        // And it must belong to the hour it is shown with.
        QVERIFY(std::fabs(shown.hour - (wholeHour + mark / 12.0)) < 1e-9);
        QVERIFY(composeTimePhraseFor(shown.hour, shown.mark).has_value());

        const int slot = (int(wholeHour) % 12) * p.perHour + mark / allowedMarkStep;
        ++seen[std::size_t(slot)];
    }
    for (int slot = 0; slot < p.cycleLength; ++slot)
        QVERIFY2(seen[std::size_t(slot)] > 0, qPrintable(QStringLiteral("slot %1").arg(slot)));
}

QTEST_APPLESS_MAIN(TestStepping)
#include "test_stepping.moc"
