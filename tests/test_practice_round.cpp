// A whole round played on the real window, once with the mouse (the pointer goes where a
// child's would, at the pixels of the option captions and of the clock) and once with the
// keyboard alone.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QtTest>

class PracticeRoundTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeRound();
    void wholeRoundByKeyboard();
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
    QCOMPARE(w.clickState, ClickState::get);

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

void PracticeRoundTest::wholeRoundByKeyboard()
{
    ClockFixture fixture(9, 41);
    frmclock& w = fixture.load();
    SoundLog& log = fixture.fakes.sounds;
    log.events.clear();
    // Where the focus mark's ring passes left of the "In Order" button: yellow or not.
    const QPoint ring = fixture.at(w.Image3->Left - 30, w.Image3->Top + w.Image3->Height / 2);
    const auto markShown = [&] {
        const QImage shot = w.grab().toImage();
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = shot.pixelColor(ring + QPoint(dx, 0));
            if (c.red() > 200 && c.green() > 150 && c.blue() < 100)
                return true;
        }
        return false;
    };
    QVERIFY(!markShown());

    // From the clock: Random, In Order.
    QTest::keyClick(&w, Qt::Key_Tab);
    QTest::keyClick(&w, Qt::Key_Tab);
    QVERIFY(markShown());
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.at(500, 500)); // the bare panel
    QVERIFY(!markShown());
    QTest::keyClick(&w, Qt::Key_Space);
    QVERIFY(markShown());
    QTest::keyClick(&w, Qt::Key_Down); // Hour
    QTest::keyClick(&w, Qt::Key_Down); // 1/2 Hour
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(log.events, QStringList({"speak:in order", "speak:half hour"}));
    QVERIFY(w.shpOrder->Visible && !w.shpRandom->Visible);
    QVERIFY(w.shpHalf->Visible && !w.shpQuarter->Visible);
    log.events.clear();

    for (int back = 0; back < 4; ++back)
        QTest::keyClick(&w, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events, QStringList({"wave:sounds\\1tic.wav"}));
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Say The Time Outloud"));
    QVERIFY(!w.lblDigital->Visible);
    // A child leaning on the space bar: the repeats do nothing.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(&w, &held);
    QCOMPARE(w.clickState, ClickState::say);

    QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(log.events.last(), QStringLiteral("speak: 12 30"));
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:30"));
    QTest::keyClick(&w, Qt::Key_Menu);
    QTest::keyClick(&w, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(log.events.mid(2), QStringList({"speak:half past  12", "speak:half past  12"}));
    QCOMPARE(w.clickState, ClickState::get);

    // Stray keys do nothing.
    const int heard = log.events.size();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_A, Qt::Key_F10})
        QTest::keyClick(&w, key);
    QCOMPARE(log.events.size(), heard);

    // Left from the clock goes round to the close cross.
    QTest::keyClick(&w, Qt::Key_Left);
    QTest::keyClick(&w, Qt::Key_Space);
    QVERIFY(w.isUnloaded());
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(PracticeRoundTest)
#include "test_practice_round.moc"
