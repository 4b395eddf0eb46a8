// The rules of setting the clock, without a window: where a pointer is on the dial, which
// hand it takes, where a dragged or stepped hand lands, the verdicts and the glide. Every
// expected value is worked by hand; times are in minutes from twelve (3:15 is 195), the hand
// stepped in five-minute marks (unit 5) or, at the finest precision, minutes (unit 1).
#include "clockface/handdrag.h"
#include "practice/setting.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(Hand)

class SettingTest : public QObject
{
    Q_OBJECT
private slots:
    void dialPosition_data();
    void dialPosition();
    void handTakenHold_data();
    void handTakenHold();
    void minuteHandDragged_data();
    void minuteHandDragged();
    void hourHandDragged_data();
    void hourHandDragged();
    void keySteps_data();
    void keySteps();
    void verdicts_data();
    void verdicts();
    void glide_data();
    void glide();
    void practiceTimeOnMarks_data();
    void practiceTimeOnMarks();
};

namespace
{
constexpr TwipPoint kCentre{4560, 6142.5};
} // namespace

void SettingTest::dialPosition_data()
{
    QTest::addColumn<TwipPoint>("point");
    QTest::addColumn<double>("position");
    QTest::newRow("straight up") << TwipPoint{4560, 3000} << 0.0;
    QTest::newRow("right") << TwipPoint{7000, 6142.5} << 3.0;
    QTest::newRow("down") << TwipPoint{4560, 9000} << 6.0;
    QTest::newRow("left") << TwipPoint{2000, 6142.5} << 9.0;
    QTest::newRow("up and right, 45 degrees") << TwipPoint{5560, 5142.5} << 1.5;
    QTest::newRow("down and left, 45 degrees") << TwipPoint{3560, 7142.5} << 7.5;
    // atan(1 / 3142.5) = 3.1822e-4 rad short of a full turn, 6.0776e-4 of a mark.
    QTest::newRow("a hair left of up") << TwipPoint{4559, 3000} << 11.9993922;
}

void SettingTest::dialPosition()
{
    QFETCH(TwipPoint, point);
    QFETCH(double, position);
    const double got = dialPositionAt(kCentre, point);
    QVERIFY2(qAbs(got - position) < 1e-6, qPrintable(QString::number(got, 'g', 10)));
    QVERIFY(got >= 0 && got < 12);
}

void SettingTest::handTakenHold_data()
{
    // The minute hand points at the 12 (tip 2880 above the centre), the hour hand at the 3
    // (tip 1800 right of it) or, one over the other, at the 12. "under": the hand a press is
    // on, within 300 of it; "drags": the hand a drag from there moves, that one or else the
    // nearer by angle.
    QTest::addColumn<TwipPoint>("hourTip");
    QTest::addColumn<double>("hourAt");
    QTest::addColumn<TwipPoint>("point");
    QTest::addColumn<Hand>("under");
    QTest::addColumn<Hand>("drags");
    const TwipPoint atThree{6360, 6142.5}, atTwelve{4560, 4342.5};
    const auto row = [&](const char* name, TwipPoint point, Hand under, Hand drags) {
        QTest::newRow(name) << atThree << 3.0 << point << under << drags;
    };
    row("minute tip", {4560, 3262.5}, Hand::minute, Hand::minute);
    row("along the minute hand", {4660, 4000}, Hand::minute, Hand::minute);
    row("250 past the minute tip", {4560, 3012.5}, Hand::minute, Hand::minute);
    row("400 past the minute tip", {4560, 2862.5}, Hand::none, Hand::minute);
    row("middle of the hour hand", {5500, 6200}, Hand::hour, Hand::hour);
    row("200 past the hour tip", {6560, 6142.5}, Hand::hour, Hand::hour);
    // Positions 1.0 and 2.0, a third and two thirds of the way from the 12 to the 3.
    row("the face by the 1", {5560, 4410}, Hand::none, Hand::minute);
    row("the face by the 2", {6292, 5142.5}, Hand::none, Hand::hour);
    // Position 7.33: 4.33 from the hour hand, 4.67 from the minute hand, round the back.
    row("lower left of the face", {3000, 8000}, Hand::none, Hand::hour);
    row("by the pin, nearer the minute hand", {4600, 6100}, Hand::minute, Hand::minute);
    row("by the pin, nearer the hour hand", {4640, 6120}, Hand::hour, Hand::hour);
    row("as near to both", {4700, 6002.5}, Hand::minute, Hand::minute);
    QTest::newRow("one over the other, past the hour tip")
        << atTwelve << 0.0 << TwipPoint{4560, 4000} << Hand::minute << Hand::minute;
    // The hour hand at 0.3, just past the minute hand: the press, 270 beside the minute hand and
    // 805 past the hour tip, is at position 0.2, nearer the hour hand by angle.
    QTest::newRow("close together, on the minute hand past the hour tip")
        << TwipPoint{4841.6f, 4364.7f} << 0.3 << TwipPoint{4830, 3560} << Hand::minute
        << Hand::minute;
}

void SettingTest::handTakenHold()
{
    QFETCH(TwipPoint, hourTip);
    QFETCH(double, hourAt);
    QFETCH(TwipPoint, point);
    QFETCH(Hand, under);
    QFETCH(Hand, drags);
    QCOMPARE(handUnder(kCentre, {4560, 3262.5}, hourTip, point), under);
    QCOMPARE(handToDrag(kCentre, {4560, 3262.5}, hourTip, point, 0, hourAt), drags);
}

void SettingTest::minuteHandDragged_data()
{
    QTest::addColumn<int>("hands");
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("expected");
    QTest::newRow("3:00 to the 3") << 180 << 3.0 << 5 << 195;
    QTest::newRow("nearest mark below") << 180 << 2.4 << 5 << 190;
    QTest::newRow("nearest mark above") << 180 << 2.6 << 5 << 195;
    QTest::newRow("2:55 on past the 12 is 3:00") << 175 << 0.2 << 5 << 180;
    QTest::newRow("3:00 back past the 12 is 2:55") << 180 << 11.3 << 5 << 175;
    QTest::newRow("3:00 near the 12 stays") << 180 << 11.8 << 5 << 180;
    QTest::newRow("11:55 on past the 12 is 12:00") << 715 << 0.0 << 5 << 0;
    QTest::newRow("12:00 back past the 12 is 11:55") << 0 << 11.0 << 5 << 715;
    QTest::newRow("3:50 on past the 12 to 4:10") << 230 << 2.0 << 5 << 250;
    QTest::newRow("3:10 back past the 12 to 2:45") << 190 << 9.0 << 5 << 165;
    QTest::newRow("half a turn goes on") << 180 << 6.0 << 5 << 210;
    QTest::newRow("a position past a turn") << 180 << 15.0 << 5 << 195;
    QTest::newRow("a position below zero") << 180 << -1.0 << 5 << 175;
    // To the minute: 2.4 marks is 12 minutes, 1.5 is 7.5 and 1.28 is 6.4.
    QTest::newRow("1 min: 3:00 to 2.4 is 3:12") << 180 << 2.4 << 1 << 192;
    QTest::newRow("1 min: nearest minute above") << 180 << 1.5 << 1 << 188;
    QTest::newRow("1 min: nearest minute below") << 180 << 1.28 << 1 << 186;
    QTest::newRow("1 min: 3:59 on past the 12 is 4:01") << 239 << 0.2 << 1 << 241;
    QTest::newRow("1 min: 12:01 back past the 12 is 11:59") << 1 << 11.8 << 1 << 719;
    QTest::newRow("1 min: near the 12 is the hour") << 187 << 11.95 << 1 << 180;
}

void SettingTest::minuteHandDragged()
{
    QFETCH(int, hands);
    QFETCH(double, position);
    QFETCH(int, unit);
    QFETCH(int, expected);
    QCOMPARE(minuteHandDraggedTo(hands, position, unit), expected);
}

void SettingTest::hourHandDragged_data()
{
    QTest::addColumn<int>("hands");
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("3:15 to where 5:15 stands") << 195 << 5.25 << 315;
    QTest::newRow("3:30 to 7.4 is 7:30") << 210 << 7.4 << 450;
    QTest::newRow("3:55 to the 12 is 11:55") << 235 << 0.0 << 715;
    QTest::newRow("3:00 near the 12 is 12:00") << 180 << 11.7 << 0;
    QTest::newRow("12:45 to 1.8 is 1:45") << 45 << 1.8 << 105;
    QTest::newRow("minutes kept, hour wraps") << 705 << 13.2 << 45;
    // 3:07 stands at 3.1167: 5.0 is nearer to 5:07 (5.1167) than to 4:07.
    QTest::newRow("3:07 to 5.0 is 5:07") << 187 << 5.0 << 307;
}

void SettingTest::hourHandDragged()
{
    QFETCH(int, hands);
    QFETCH(double, position);
    QFETCH(int, expected);
    QCOMPARE(hourHandDraggedTo(hands, position), expected);
}

void SettingTest::keySteps_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("hands");
    QTest::addColumn<int>("expected");
    QTest::newRow("Right from 11:55") << int(Qt::Key_Right) << 5 << 715 << 0;
    QTest::newRow("Up from 3:00") << int(Qt::Key_Up) << 5 << 180 << 185;
    QTest::newRow("Left from 12:00") << int(Qt::Key_Left) << 5 << 0 << 715;
    QTest::newRow("Down from 3:00") << int(Qt::Key_Down) << 5 << 180 << 175;
    QTest::newRow("Page Up from 11:30") << int(Qt::Key_PageUp) << 5 << 690 << 30;
    QTest::newRow("Page Down from 12:30") << int(Qt::Key_PageDown) << 5 << 30 << 690;
    QTest::newRow("Space is no step") << int(Qt::Key_Space) << 5 << 180 << 180;
    QTest::newRow("Tab is no step") << int(Qt::Key_Tab) << 5 << 180 << 180;
    QTest::newRow("1 min: Right from 11:59") << int(Qt::Key_Right) << 1 << 719 << 0;
    QTest::newRow("1 min: Down from 3:00") << int(Qt::Key_Down) << 1 << 180 << 179;
    QTest::newRow("1 min: Page Up from 11:07") << int(Qt::Key_PageUp) << 1 << 667 << 7;
    QTest::newRow("1 min: Page Down from 12:59") << int(Qt::Key_PageDown) << 1 << 59 << 719;
}

void SettingTest::keySteps()
{
    QFETCH(int, key);
    QFETCH(int, unit);
    QFETCH(int, hands);
    QFETCH(int, expected);
    QCOMPARE(wrapMinutes(hands + handStepForKey(key, unit)), expected);
}

void SettingTest::verdicts_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("verdicts");
    QTest::newRow("right at once") << 195 << QList<int>{195} << "right";
    QTest::newRow("wrong, then right") << 195 << QList<int>{180, 195} << "wrong right";
    QTest::newRow("wrong twice, the same") << 195 << QList<int>{180, 180} << "wrong shown";
    QTest::newRow("wrong twice, different") << 195 << QList<int>{180, 200} << "wrong shown";
    QTest::newRow("an hour out is wrong") << 195 << QList<int>{255, 135} << "wrong shown";
    QTest::newRow("a minute out is wrong") << 187 << QList<int>{186, 188} << "wrong shown";
    QTest::newRow("twelve is twelve") << 0 << QList<int>{720} << "right";
}

void SettingTest::verdicts()
{
    QFETCH(int, target);
    QFETCH(QList<int>, answers);
    QFETCH(QString, verdicts);
    SetTarget asked{target, true, 0};
    QStringList got;
    for (int hands : answers) {
        QVERIFY(asked.pending);
        switch (judge(asked, hands)) {
        case Verdict::right:
            got << "right";
            break;
        case Verdict::wrong:
            got << "wrong";
            break;
        case Verdict::shown:
            got << "shown";
            break;
        }
    }
    QCOMPARE(got.join(' '), verdicts);
    QVERIFY(!asked.pending); // every row ends its target
}

void SettingTest::glide_data()
{
    // Hands as positions on the dial: the hour hand in hours, the minute hand in marks.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::newRow("start") << 180 << 195 << 0.0 << 3.0 << 0.0;
    QTest::newRow("half way") << 180 << 195 << 0.5 << 3.125 << 1.5;
    // Eased 3t^2 - 2t^3 = 0.15625 of the hour hand's 2/3 of an hour on, and of the minute
    // hand's 4 marks back, the shorter way to the 8.
    QTest::newRow("12:00 to 12:40, a quarter of the time, slow at first")
        << 0 << 40 << 0.25 << 0.10416666666666667 << 11.375;
    QTest::newRow("end") << 180 << 195 << 1.0 << 3.25 << 3.0;
    QTest::newRow("11:55 to 12:05 passes 12:00") << 715 << 5 << 0.5 << 0.0 << 0.0;
    QTest::newRow("12:05 to 11:55 passes 12:00") << 5 << 715 << 0.5 << 0.0 << 0.0;
    // Not geared: the minute hand goes back two marks, not on three turns round; the hour
    // hand back 3 1/6 hours, half of it by half time.
    QTest::newRow("12:00 to 8:50, each its own short way")
        << 0 << 530 << 0.5 << 10.416666666666666 << 11.0;
    QTest::newRow("12:00 to 6:30, half a turn") << 0 << 390 << 1.0 << 6.5 << 6.0;
    QTest::newRow("past the end stays at the target") << 700 << 20 << 1.5 << 1 / 3.0 << 4.0;
}

void SettingTest::glide()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, fraction);
    QFETCH(double, hour);
    QFETCH(double, mark);
    const HandPositions got = glideHands(from, to, fraction);
    // The same place on the dial: 12 and 0 are one.
    const auto near = [](double a, double b) {
        const double apart = std::fmod(qAbs(a - b), 12.0);
        return std::min(apart, 12 - apart) < 1e-12;
    };
    QVERIFY2(near(got.hour, hour) && near(got.minuteMark, mark),
             qPrintable(QStringLiteral("%1 %2").arg(got.hour, 0, 'g', 17).arg(got.minuteMark)));
    QVERIFY(got.hour >= 0 && got.hour < 12 && got.minuteMark >= 0 && got.minuteMark < 12);
}

void SettingTest::practiceTimeOnMarks_data()
{
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("12 o'clock as 12") << 12.0 << 0.0 << 5 << 0 << "12:00";
    QTest::newRow("12 o'clock as 0") << 0.0 << 0.0 << 5 << 0 << "12:00";
    QTest::newRow("12:15 as 0.25") << 0.25 << 3.0 << 5 << 15 << "12:15";
    QTest::newRow("3:15, mark a hair low") << 3.25 << 2.9999999 << 5 << 195 << "3:15";
    QTest::newRow("3:15, mark a hair high") << 3.25 << 3.0000001 << 5 << 195 << "3:15";
    QTest::newRow("11:55") << 143 / 12.0 << 10.9999999 << 5 << 715 << "11:55";
    QTest::newRow("1:05") << 13 / 12.0 << 1.0 << 5 << 65 << "1:05";
    // The in-order 7:07 and 1:01, a hair below the minute.
    QTest::newRow("1 min: 7:07") << 7.116666666666666 << 1.399999999999995 << 1 << 427 << "7:07";
    QTest::newRow("1 min: 1:01") << 1.0166666666666666 << 0.1999999999999993 << 1 << 61 << "1:01";
    QTest::newRow("1 min: 11:59") << 11.983333333333333 << 11.79999999999999 << 1 << 719 << "11:59";
}

void SettingTest::practiceTimeOnMarks()
{
    QFETCH(double, hour);
    QFETCH(double, mark);
    QFETCH(int, unit);
    QFETCH(int, minutes);
    QFETCH(QString, text);
    QCOMPARE(minutesOf({hour, mark}, unit), minutes);
    QCOMPARE(clockText(minutes), text);
}

QTEST_APPLESS_MAIN(SettingTest)
#include "test_setting.moc"
