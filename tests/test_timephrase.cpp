#include "speech/timephrase.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace
{

// The twelve rows of phrases, by mark. "{H}" stands for the hour as spoken, with the blank
// of its sign position (" 3"); "{N}" for the hour after it, without a blank ("4", and "1"
// after twelve). So "quarter after {H}" carries two blanks before the hour.
struct PhraseRow {
    const char* timePhrase;
    const char* altTimePhrase;
};
constexpr PhraseRow kRows[12] = {
    {"{H} o clock", "{H} o clock"},     {"{H} oh 5", "5 minutes after {H}"},
    {"{H} 10", "10 minutes after {H}"}, {"{H} 15", "quarter after {H}"},
    {"{H} 20", "20 minutes after {H}"}, {"{H} 25", "25 minutes after {H}"},
    {"{H} 30", "half past {H}"},        {"{H} 35", "25 minutes to {N}"},
    {"{H} 40", "20 minutes to {N}"},    {"{H} 45", "quarter to {N}"},
    {"{H} 50", "10 minutes to {N}"},    {"{H} 55", "5 minutes to {N}"},
};

QString fill(const char* pattern, int spokenHour)
{
    const int next = spokenHour == 12 ? 1 : spokenHour + 1;
    return QString::fromLatin1(pattern)
        .replace(QLatin1String("{H}"), QLatin1Char(' ') + QString::number(spokenHour))
        .replace(QLatin1String("{N}"), QString::number(next));
}

} // namespace

class TestTimePhrase : public QObject
{
    Q_OBJECT

private slots:
    void numberTextKeepsSignPosition_data();
    void numberTextKeepsSignPosition();
    void everyHourAndMark_data();
    void everyHourAndMark();
    void workedExamples_data();
    void workedExamples();
    void markRounding_data();
    void markRounding();
    void rejectedInputs_data();
    void rejectedInputs();

private:
    void addPhraseColumns();
    void checkComposition(double hour, double mark);
};

void TestTimePhrase::numberTextKeepsSignPosition_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("3") << 3.0 << " 3";
    QTest::newRow("12") << 12.0 << " 12";
    QTest::newRow("59") << 59.0 << " 59";
    QTest::newRow("0") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("-3") << -3.0 << "-3";
    QTest::newRow("three digits") << 100.0 << " 100";
}

void TestTimePhrase::numberTextKeepsSignPosition()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(numberText(number), text);
}

void TestTimePhrase::addPhraseColumns()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<double>("hourAfter");
    QTest::addColumn<double>("markAfter");
    QTest::addColumn<QString>("timePhrase");
    QTest::addColumn<QString>("altTimePhrase");
}

void TestTimePhrase::checkComposition(double hour, double mark)
{
    QFETCH(double, hourAfter);
    QFETCH(double, markAfter);
    QFETCH(QString, timePhrase);
    QFETCH(QString, altTimePhrase);

    const auto composed = composeTimePhraseFor(hour, mark);
    QVERIFY(composed.has_value());
    // Exact: the stored values feed the next drawing of the clock.
    QVERIFY2(composed->shownHour == hourAfter, qPrintable(QString::number(composed->shownHour)));
    QVERIFY2(composed->shownMinuteMark == markAfter && !std::signbit(composed->shownMinuteMark),
             qPrintable(QString::number(composed->shownMinuteMark)));
    QCOMPARE(composed->timePhrase, timePhrase);
    QCOMPARE(composed->altTimePhrase, altTimePhrase);
}

// Every time the practice can show, with the mark computed the way the steppers compute it
// (12 times the fraction of the hour, so often a hair off the whole number).
void TestTimePhrase::everyHourAndMark_data()
{
    addPhraseColumns();
    for (int h = 0; h <= 12; ++h) {
        for (int m = 0; m < 12; ++m) {
            const double hour = h + m / 12.0;
            const double mark = 12 * (hour - std::floor(hour));
            const int spoken = h == 0 ? 12 : h;
            QTest::addRow("%d + %d/12", h, m)
                << hour << mark << (h == 0 ? 12.0 : hour) << double(m)
                << fill(kRows[m].timePhrase, spoken) << fill(kRows[m].altTimePhrase, spoken);
        }
    }
}

void TestTimePhrase::everyHourAndMark()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    checkComposition(hour, mark);
}

void TestTimePhrase::workedExamples_data()
{
    addPhraseColumns();
    QTest::newRow("quarter after three") << 3.25 << 3.0 << 3.25 << 3.0 << " 3 15"
                                         << "quarter after  3";
    QTest::newRow("12:45 from whole part 0") << 0.75 << 9.0 << 12.0 << 9.0 << " 12 45"
                                             << "quarter to 1";
    QTest::newRow("11:55, mark a hair under")
        << 11.916666666666666 << 10.999999999999993 << 11.916666666666666 << 11.0 << " 11 55"
        << "5 minutes to 12";
    QTest::newRow("midnight") << 0.0 << 0.0 << 12.0 << 0.0 << " 12 o clock"
                              << " 12 o clock";
    QTest::newRow("half past four") << 4.5 << 6.0 << 4.5 << 6.0 << " 4 30"
                                    << "half past  4";
    QTest::newRow("five past seven, mark a hair under")
        << 7.083333333333333 << 0.9999999999999964 << 7.083333333333333 << 1.0 << " 7 oh 5"
        << "5 minutes after  7";
    // Twelve is said as twelve, and the hour after it is one.
    QTest::newRow("12:30 from whole part 0") << 0.5 << 6.0 << 12.0 << 6.0 << " 12 30"
                                             << "half past  12";
    QTest::newRow("12:30 from whole part 12") << 12.5 << 6.0 << 12.5 << 6.0 << " 12 30"
                                              << "half past  12";
    QTest::newRow("12:35 goes to 1") << 12 + 7 / 12.0 << 7.0 << 12 + 7 / 12.0 << 7.0 << " 12 35"
                                     << "25 minutes to 1";
    QTest::newRow("11:45 goes to 12") << 11.75 << 9.0 << 11.75 << 9.0 << " 11 45"
                                      << "quarter to 12";
    QTest::newRow("last moment before one") << 0.999 << 11.4 << 12.0 << 11.0 << " 12 55"
                                            << "5 minutes to 1";
    QTest::newRow("last moment of twelve") << 12.999 << 11.4 << 12.999 << 11.0 << " 12 55"
                                           << "5 minutes to 1";
    QTest::newRow("negative zero hour") << -0.0 << 0.0 << 12.0 << 0.0 << " 12 o clock"
                                        << " 12 o clock";
}

void TestTimePhrase::workedExamples()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    checkComposition(hour, mark);
}

// Marks come from floating-point arithmetic: they are rounded to the nearest mark, never
// truncated, and an exact half goes to the even mark.
void TestTimePhrase::markRounding_data()
{
    QTest::addColumn<double>("mark");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QString>("timePhrase");

    QTest::newRow("hair under 1") << 0.9999999999999964 << 1.0 << " 3 oh 5";
    QTest::newRow("hair over 1") << 1.0000000000000009 << 1.0 << " 3 oh 5";
    QTest::newRow("hair over 4") << 4.000000000000001 << 4.0 << " 3 20";
    QTest::newRow("hair under 11") << 10.999999999999993 << 11.0 << " 3 55";
    QTest::newRow("2.5 to even 2") << 2.5 << 2.0 << " 3 10";
    QTest::newRow("3.5 to even 4") << 3.5 << 4.0 << " 3 20";
    QTest::newRow("0.5 to even 0") << 0.5 << 0.0 << " 3 o clock";
    QTest::newRow("10.5 to even 10") << 10.5 << 10.0 << " 3 50";
    QTest::newRow("5.4 down") << 5.4 << 5.0 << " 3 25";
    QTest::newRow("5.6 up") << 5.6 << 6.0 << " 3 30";
    QTest::newRow("11.49 down") << 11.49 << 11.0 << " 3 55";
    QTest::newRow("just below zero") << -0.4 << 0.0 << " 3 o clock";
}

void TestTimePhrase::markRounding()
{
    QFETCH(double, mark);
    QFETCH(double, rounded);
    QFETCH(QString, timePhrase);

    const auto composed = composeTimePhraseFor(3.5, mark);
    QVERIFY(composed.has_value());
    QVERIFY2(composed->shownMinuteMark == rounded && !std::signbit(composed->shownMinuteMark),
             qPrintable(QString::number(composed->shownMinuteMark)));
    QCOMPARE(composed->timePhrase, timePhrase);
}

// Nothing the practice puts on the clock; the caller keeps its phrases.
void TestTimePhrase::rejectedInputs_data()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("NaN hour") << nan << 0.0;
    QTest::newRow("NaN mark") << 3.0 << nan;
    QTest::newRow("infinite hour") << inf << 0.0;
    QTest::newRow("-infinite hour") << -inf << 0.0;
    QTest::newRow("infinite mark") << 3.0 << inf;
    QTest::newRow("-infinite mark") << 3.0 << -inf;
    QTest::newRow("huge hour") << 1e300 << 0.0;
    QTest::newRow("huge mark") << 3.0 << 1e300;
    QTest::newRow("huge negative mark") << 3.0 << -1e300;
    QTest::newRow("hour beyond int range") << 3e9 << 0.0;
    QTest::newRow("hour -1") << -1.0 << 0.0;
    QTest::newRow("hour just below 0") << -0.001 << 0.0;
    QTest::newRow("hour 13") << 13.0 << 0.0;
    QTest::newRow("hour 13.2") << 13.2 << 2.4;
    QTest::newRow("mark 12") << 3.0 << 12.0;
    QTest::newRow("mark 11.5 rounds to 12") << 3.0 << 11.5;
    QTest::newRow("mark -0.6") << 3.0 << -0.6;
    QTest::newRow("mark -1") << 3.0 << -1.0;
}

void TestTimePhrase::rejectedInputs()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    QVERIFY(!composeTimePhraseFor(hour, mark).has_value());
}

QTEST_APPLESS_MAIN(TestTimePhrase)
#include "test_timephrase.moc"
