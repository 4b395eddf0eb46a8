// A whole round played with the mouse on the real window: the pointer goes where a child's
// would, at the pixels of the option captions and of the clock.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QtTest>

class PracticeRoundTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeRound();
};

void PracticeRoundTest::wholeRound()
{
    ClockFixture fixture(9, 41);
    frmclock& w = fixture.load();
    SoundLog& log = fixture.fakes.sounds;
    QCOMPARE(log.events, QStringList({"wave:sounds\\4tics.wav", "speak:the current time is  9 41",
                                      "speak:click the clock to begin"}));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral(" 9:41"));
    log.events.clear();

    // Captions, not the click areas: a child aims at the words.
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblOrder1));
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblHalf1));
    QCOMPARE(log.events, QStringList({"speak:in order", "speak:half hour"}));
    QVERIFY(w.shpOrder->Visible && !w.shpRandom->Visible);
    QVERIFY(w.shpHalf->Visible && !w.shpQuarter->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
    QVERIFY(w.lblDigital->Visible);
    log.events.clear();

    // Aim at the 3 on the dial: the click area above the numerals takes it.
    const QPoint onThree = fixture.middleOf(w.n3);
    QTest::mouseClick(&w, Qt::LeftButton, {}, onThree);
    QCOMPARE(log.events, QStringList({"wave:sounds\\1tic.wav"}));
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Say The Time Outloud"));
    QVERIFY(!w.lblDigital->Visible);
    const TwipPoint minuteTip = handEnd(w.dialCenterX, w.dialCenterY, w.minuteHandLength, 6);
    QCOMPARE(w.Line1->X2, minuteTip.x);
    QCOMPARE(w.Line1->Y2, minuteTip.y);
    const TwipPoint hourTip = handEnd(w.dialCenterX, w.dialCenterY, w.hourHandLength, 0.5);
    QCOMPARE(w.Line2->X2, hourTip.x);
    QCOMPARE(w.Line2->Y2, hourTip.y);

    QTest::mouseClick(&w, Qt::LeftButton, {}, onThree);
    QCOMPARE(log.events.last(), QStringLiteral("speak: 12 30"));
    QCOMPARE(w.lblTop->Caption, QString());
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:30"));

    QTest::mouseClick(&w, Qt::RightButton, {}, onThree);
    QCOMPARE(log.events.last(), QStringLiteral("speak:half past  12"));
    QCOMPARE(w.clickState, QStringLiteral("get"));

    // The black surround and a marker dot do nothing.
    const int before = log.events.size();
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(2, w.height() - 3));
    QTest::mouseClick(&w, Qt::LeftButton, {},
                      fixture.middleOf(w.shpRandom)); // hidden now, but its place is bare
    QCOMPARE(log.events.size(), before);

    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.Picture1));
    QVERIFY(w.isUnloaded());
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(PracticeRoundTest)
#include "test_practice_round.moc"
