#include "speech/currenttimetext.h"

#include <QTest>

class TestCurrentTimeText : public QObject
{
    Q_OBJECT

private slots:
    void everyMinuteOfTheDay_data();
    void everyMinuteOfTheDay();
    void workedExamples_data();
    void workedExamples();
};

namespace
{

void addColumns()
{
    QTest::addColumn<int>("hour24");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("hour12");
    QTest::addColumn<QString>("timePhrase");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("caption");
}

void check()
{
    QFETCH(int, hour24);
    QFETCH(int, minute);
    QFETCH(int, hour12);
    QFETCH(QString, timePhrase);
    QFETCH(QString, spoken);
    QFETCH(QString, caption);

    const CurrentTimeText text = currentTimeText(hour24, minute);
    QCOMPARE(text.hour12, hour12);
    QCOMPARE(text.timePhrase, timePhrase);
    QCOMPARE(text.spoken, spoken);
    QCOMPARE(text.caption, caption);
}

} // namespace

void TestCurrentTimeText::everyMinuteOfTheDay_data()
{
    addColumns();
    // The dial hour of each hour of the day: midnight and noon are both twelve.
    const int dialHour[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                              12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; ++m) {
            const int d = dialHour[h];
            // Said: "o clock" on the hour, "o" and one digit up to nine past, else the number.
            QString said;
            if (m == 0)
                said = QStringLiteral(" o clock");
            else if (m < 10)
                said = QStringLiteral(" o %1").arg(m);
            else
                said = QStringLiteral(" %1").arg(m);
            const QString phrase = QStringLiteral(" %1").arg(d) + said;
            QTest::addRow("%02d:%02d", h, m)
                << h << m << d << phrase << QStringLiteral("the current time is ") + phrase
                << QString::asprintf(" %d:%02d", d, m);
        }
    }
}

void TestCurrentTimeText::everyMinuteOfTheDay()
{
    check();
}

void TestCurrentTimeText::workedExamples_data()
{
    addColumns();
    QTest::newRow("midnight") << 0 << 0 << 12 << " 12 o clock"
                              << "the current time is  12 o clock"
                              << " 12:00";
    QTest::newRow("09:05, bare o") << 9 << 5 << 9 << " 9 o 5"
                                   << "the current time is  9 o 5"
                                   << " 9:05";
    QTest::newRow("13:30") << 13 << 30 << 1 << " 1 30"
                           << "the current time is  1 30"
                           << " 1:30";
    QTest::newRow("noon hour kept") << 12 << 45 << 12 << " 12 45"
                                    << "the current time is  12 45"
                                    << " 12:45";
    QTest::newRow("noon") << 12 << 0 << 12 << " 12 o clock"
                          << "the current time is  12 o clock"
                          << " 12:00";
    QTest::newRow("23:10") << 23 << 10 << 11 << " 11 10"
                           << "the current time is  11 10"
                           << " 11:10";
    QTest::newRow("midnight hour") << 0 << 7 << 12 << " 12 o 7"
                                   << "the current time is  12 o 7"
                                   << " 12:07";
    QTest::newRow("03:04") << 3 << 4 << 3 << " 3 o 4"
                           << "the current time is  3 o 4"
                           << " 3:04";
    QTest::newRow("03:41") << 3 << 41 << 3 << " 3 41"
                           << "the current time is  3 41"
                           << " 3:41";
    QTest::newRow("15:09") << 15 << 9 << 3 << " 3 o 9"
                           << "the current time is  3 o 9"
                           << " 3:09";
    QTest::newRow("15:10") << 15 << 10 << 3 << " 3 10"
                           << "the current time is  3 10"
                           << " 3:10";
    QTest::newRow("23:59") << 23 << 59 << 11 << " 11 59"
                           << "the current time is  11 59"
                           << " 11:59";
}

void TestCurrentTimeText::workedExamples()
{
    check();
}

QTEST_APPLESS_MAIN(TestCurrentTimeText)
#include "test_currenttimetext.moc"
