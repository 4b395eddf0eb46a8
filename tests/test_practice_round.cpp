// A whole round played on the real window, once with the mouse (the pointer goes where a
// child's would, at the pixels of the option captions and of the clock) and once with the
// keyboard alone; then rounds of setting the clock, with mouse, finger and keys, to the mark
// and to the minute, what each press and drag on the clock does there, and the hands' glide
// frame by frame.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QtMath>
#include <QtTest>
#include <array>
#include <cmath>
#include <functional>

class PracticeRoundTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeRound();
    void wholeRoundByKeyboard();
    void setRound();
    void setRoundToTheMinute();
    void setRoundGestures_data();
    void setRoundGestures();
    void glideFrames_data();
    void glideFrames();
    void setRoundThroughTheDay();
};

namespace
{
// The window position of a point at `radius` twips from the dial's centre towards dial
// position `mark` (0 at the 12, 3 at the 3).
QPoint onDial(const ClockFixture& fixture, double radius, double mark)
{
    const frmclock& w = *fixture.window;
    const double angle = 2 * M_PI * mark / 12;
    return fixture.at(float(w.dialCenterX + radius * std::sin(angle)),
                      float(w.dialCenterY - radius * std::cos(angle)));
}

void moveHeld(QWidget* w, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QPointingDevice* touchScreen()
{
    static QPointingDevice* screen = QTest::createTouchDevice();
    return screen;
}

// A press on the clock with the mouse or a finger (Qt makes mouse events of the touches the
// window leaves alone): down at (radius in twips, dial position) `from`, round in small steps
// to `to`, up there; `whileDown` runs before it is let go.
void pressOnDial(ClockFixture& fixture, bool finger, QPointF from, QPointF to,
                 const std::function<void()>& whileDown = {})
{
    frmclock* w = fixture.window.get();
    const auto at = [&](double i) {
        return onDial(fixture, from.x() + (to.x() - from.x()) * i / 24,
                      from.y() + (to.y() - from.y()) * i / 24);
    };
    if (finger)
        QTest::touchEvent(w, touchScreen()).press(0, at(0));
    else
        QTest::mousePress(w, Qt::LeftButton, {}, at(0));
    for (int i = 1; i <= 24 && from != to; ++i) {
        if (finger)
            QTest::touchEvent(w, touchScreen()).move(0, at(i));
        else
            moveHeld(w, at(i));
    }
    if (whileDown)
        whileDown();
    if (finger)
        QTest::touchEvent(w, touchScreen()).release(0, at(24));
    else
        QTest::mouseRelease(w, Qt::LeftButton, {}, at(24));
}

void dragRound(ClockFixture& fixture, double radius, double from, double to)
{
    pressOnDial(fixture, false, {radius, from}, {radius, to});
}

void fingerRound(ClockFixture& fixture, double radius, double from, double to)
{
    pressOnDial(fixture, true, {radius, from}, {radius, to});
}

// What a window system delivers for a double click: press, release, double-click press,
// release.
void doubleClick(QWidget* w, QPoint at)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &second);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

bool handAt(const frmclock& w, const Control* hand, double length, double position)
{
    const TwipPoint tip = handEnd(w.dialCenterX, w.dialCenterY, length, position);
    return qAbs(hand->X2 - tip.x) < 0.01f && qAbs(hand->Y2 - tip.y) < 0.01f;
}

// The colour of the rim, half way through its width beside the 9.
QColor rimAtNine(const ClockFixture& fixture)
{
    frmclock& w = *fixture.window;
    return w.grab().toImage().pixelColor(fixture.at(w.shapeClock->Left + 120, w.dialCenterY));
}

const QColor kMaroon(128, 0, 0);
} // namespace

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

    // A finger held still on the clock is the right click, when its time has run; lifting it
    // is no left click.
    const int said = log.events.size();
    QTest::touchEvent(&w, touchScreen()).press(0, onThree);
    QVERIFY(w.isWaitingForTouchHold());
    QCOMPARE(log.events.size(), said);
    QTRY_COMPARE(log.events.size(), said + 1);
    QCOMPARE(log.events.last(), QStringLiteral("speak:half past  12"));
    QTest::touchEvent(&w, touchScreen()).release(0, onThree);
    QCOMPARE(log.events.size(), said + 1);
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

void PracticeRoundTest::setRound()
{
    ClockFixture fixture(9, 41);
    frmclock& w = fixture.load();
    SoundLog& log = fixture.fakes.sounds;
    const QString readSteps = w.lblClickTheGreen->Caption, readRightClick = w.Label1->Caption;
    log.events.clear();
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblOrder1));
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblSet1));
    QCOMPARE(log.events, QStringList({"speak:in order", "speak:set the clock"}));
    QVERIFY(w.shpSet->Visible && !w.shpRead->Visible);
    QCOMPARE(w.lblClickTheGreen->Caption,
             QStringLiteral("click the clock to hear a time, move the hands to show it, then "
                            "click the clock to check."));
    QVERIFY(!w.lblDigital->Visible);
    const double minute = w.minuteHandLength, hour = w.hourHandLength;
    log.events.clear();

    // A double click on the face asks once, the voice as the tick ends; the hands stay at
    // twelve for the child.
    const QPoint face = fixture.at(3000, 8000);
    doubleClick(&w, face);
    QTRY_COMPARE(log.events, QStringList({"wave:sounds\\1tic.wav", "speak:show me 12 15"}));
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:15"));
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Show The Time"));
    QVERIFY(handAt(w, w.Line1, minute, 0) && handAt(w, w.Line2, hour, 0));
    QTest::mouseClick(&w, Qt::RightButton, {}, face);
    QCOMPARE(log.events.last(), QStringLiteral("speak:show me quarter after  12"));
    log.events.clear();

    // A drag turns the minute hand to the 6, a soft tick a mark, the hour hand geared half
    // way to the 1.
    dragRound(fixture, 2800, 0, 6);
    QCOMPARE(log.events, QStringList(6, "wave:sounds\\softtic.wav"));
    QVERIFY(handAt(w, w.Line1, minute, 6) && handAt(w, w.Line2, hour, 0.5));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:15"));
    QTest::mouseClick(&w, Qt::LeftButton, {}, face);
    QCOMPARE(log.events.last(), QStringLiteral("speak:that's 12 30, try again"));

    // The keys: the clock has the focus since it was clicked.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Left);
    QVERIFY(handAt(w, w.Line1, minute, 3) && handAt(w, w.Line2, hour, 0.25));
    log.events.clear();
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(w.lblTop->Caption, QString());

    // Right: the voice falls quiet for the chime and praises once it has been heard alone; the
    // rim glows gold for a second, the hands and the readout as they were.
    QCOMPARE(log.events, QStringList({"wave:sounds\\chime.wav", "speak:"}));
    QVERIFY(w.voiceWaitMs() >= 300);
    const QColor glow = rimAtNine(fixture);
    QVERIFY2(glow.red() > 200 && glow.green() > 150 && glow.blue() < 100, qPrintable(glow.name()));
    QVERIFY(handAt(w, w.Line1, minute, 3) && handAt(w, w.Line2, hour, 0.25));
    QVERIFY(w.lblDigital->Visible);
    QTRY_COMPARE(log.events.last(), QStringLiteral("speak:yes, that's 12 15"));
    QTRY_VERIFY(!w.isRewardShown());
    QCOMPARE(rimAtNine(fixture), kMaroon);

    // The hour hand moved by a finger from 12:15 to the 1 makes 1:15; twice wrong, the
    // hands glide back to 12:30 and the clock says it.
    QTest::keyClick(&w, Qt::Key_Return);
    QTRY_COMPARE(log.events.last(), QStringLiteral("speak:show me 12 30"));
    fingerRound(fixture, 1500, 0.25, 1.25);
    QVERIFY(handAt(w, w.Line1, minute, 3) && handAt(w, w.Line2, hour, 1.25));
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events.last(), QStringLiteral("speak:that's 1 15, try again"));
    log.events.clear();
    QTest::keyClick(&w, Qt::Key_Space);
    QVERIFY(w.isGliding());
    QTRY_VERIFY(!w.isGliding());
    QVERIFY(handAt(w, w.Line1, minute, 6) && handAt(w, w.Line2, hour, 0.5));
    QCOMPARE(log.events, QStringList({"speak:this is 12 30"}));

    // Read again: the design's texts and the readout of twelve.
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblRead1));
    QCOMPARE(log.events.last(), QStringLiteral("speak:read the clock"));
    QCOMPARE(w.lblClickTheGreen->Caption, readSteps);
    QCOMPARE(w.Label1->Caption, readRightClick);
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
}

// In German, whose readings say every minute.
void PracticeRoundTest::setRoundToTheMinute()
{
    ClockFixture fixture(9, 41);
    frmclock& w = *fixture.window;
    w.language = Language::German;
    fixture.load();
    SoundLog& log = fixture.fakes.sounds;
    for (const Control* option : {w.lblOrder1, w.lbl1min1, w.lblSet1})
        QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(option));
    QVERIFY(w.shpOrder->Visible && w.shp1min->Visible && w.shpSet->Visible);
    QVERIFY(w.lnMinute[7]->Visible);
    const double minute = w.minuteHandLength, hour = w.hourHandLength;
    log.events.clear();

    // One minute a key; the hour hand geared to it.
    const QPoint face = fixture.at(3000, 8000);
    QTest::mouseClick(&w, Qt::LeftButton, {}, face);
    QTRY_COMPARE(log.events.last(), QStringLiteral("speak:Stell die Uhr auf zwölf Uhr eins"));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:01"));
    QTest::keyClick(&w, Qt::Key_Right);
    QVERIFY(handAt(w, w.Line1, minute, 0.2) && handAt(w, w.Line2, hour, 1 / 60.0));
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events.last(), QStringLiteral("speak:"));
    QVERIFY(w.isRewardShown());

    // Asked again before the praise was said, the child hears the question and no praise
    // after it, and the gold is gone.
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(!w.isRewardShown());
    QTRY_COMPARE(log.events.last(), QStringLiteral("speak:Stell die Uhr auf zwölf Uhr zwei"));
    QTest::qWait(kChimeAloneMs);
    QVERIFY(!log.spoken().contains(QStringLiteral("Ja, das ist zwölf Uhr eins")));

    // A drag lands on the nearest minute, 2.15 minutes on 2; Page Up makes it 1:02, and
    // twice wrong the hands glide back to 12:02.
    log.events.clear();
    dragRound(fixture, 2800, 0.2, 0.43);
    QCOMPARE(log.events, QStringList({"wave:sounds\\softtic.wav"}));
    QVERIFY(handAt(w, w.Line1, minute, 0.4) && handAt(w, w.Line2, hour, 2 / 60.0));
    QTest::keyClick(&w, Qt::Key_PageUp);
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events.last(),
             QStringLiteral("speak:Das ist ein Uhr zwei, versuch es noch einmal"));
    QTest::keyClick(&w, Qt::Key_Space);
    QTRY_VERIFY(!w.isGliding());
    QVERIFY(handAt(w, w.Line1, minute, 0.4) && handAt(w, w.Line2, hour, 2 / 60.0));
    QCOMPARE(log.events.last(), QStringLiteral("speak:So sieht zwölf Uhr zwei aus"));
}

void PracticeRoundTest::setRoundGestures_data()
{
    // In order, the question is 12:15 (asked, or the next click asks it); the hands stand at
    // 3:00, the hour hand at the 3 and the minute hand at the 12. A press goes down at
    // (radius in twips, dial position) and is let go at its end; held, it stays down until a
    // hold it started has run out. Soft ticks are left out of what is heard.
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("finger");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("hands");        // where they end
    QTest::addColumn<QStringList>("now");  // heard by the time the press is let go
    QTest::addColumn<QStringList>("then"); // once the voice has waited for the tick
    const QPointF face(2000, 7.5);
    const QStringList none, check{"speak:that's 3 o clock, try again"};
    QTest::newRow("a click asks: the tick, then the voice")
        << false << false << face << face << false << 180 << QStringList{"wave:sounds\\1tic.wav"}
        << QStringList{"speak:show me 12 15"};
    QTest::newRow("pressed and let go a hair apart: a check")
        << true << false << face << QPointF(2000, 7.52) << false << 180 << check << none;
    // 1000 twips from the hour hand, 1732 from the minute hand, nearer the hour hand by angle.
    QTest::newRow("drag from the bare face by the 2: the hour hand")
        << true << false << QPointF(2000, 2) << QPointF(2000, 5) << false << 300 << none << none;
    // The rim's outer edge is 3600 from the centre; nearer the minute hand by angle.
    QTest::newRow("drag from just outside the rim by the 9: the minute hand")
        << true << false << QPointF(3700, 9) << QPointF(3700, 10) << false << 170 << none << none;
    QTest::newRow("drag from the panel well outside the dial: nothing")
        << true << false << QPointF(4200, 9) << QPointF(4200, 10) << false << 180 << none << none;
    QTest::newRow("finger drag from the bare face")
        << true << true << QPointF(2000, 2) << QPointF(2000, 5) << false << 300 << none << none;
    QTest::newRow("finger held still on the bare face: the right click")
        << true << true << face << face << true << 180
        << QStringList{"speak:show me quarter after  12"} << none;
    // 225 twips, 15 pixels, above the middle of the hour hand.
    QTest::newRow("finger held on a hand: holding it, let go a check")
        << true << true << QPointF(1025, 2.5773) << QPointF(1025, 2.5773) << true << 180 << check
        << none;
    QTest::newRow("mouse held down long: a plain press, a check")
        << true << false << face << face << true << 180 << check << none;
}

void PracticeRoundTest::setRoundGestures()
{
    QFETCH(bool, asked);
    QFETCH(bool, finger);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, held);
    QFETCH(int, hands);
    QFETCH(QStringList, now);
    QFETCH(QStringList, then);
    ClockFixture fixture(9, 41);
    frmclock& w = fixture.load();
    for (const Control* option : {w.lblOrder1, w.lblSet1})
        QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(option));
    if (asked) {
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        w.speakWaitingText();
    }
    w.putHandsAt(180);
    SoundLog& log = fixture.fakes.sounds;
    log.events.clear();

    pressOnDial(fixture, finger, from, to, [&] {
        if (held && w.isWaitingForTouchHold())
            w.touchHeld(); // its time run out
    });
    const auto heard = [&log] {
        QStringList heard = log.events;
        heard.removeAll(QStringLiteral("wave:sounds\\softtic.wav"));
        return heard;
    };
    QCOMPARE(heard(), now);
    QCOMPARE(w.setHands, hands);
    // The tick lasts 40 ms.
    QCOMPARE(w.voiceWaitMs() >= 40, !then.isEmpty());
    w.speakWaitingText();
    QCOMPARE(heard(), now + then);
}

void PracticeRoundTest::glideFrames_data()
{
    // How far each hand turns, in degrees clockwise: straight to its own place, never geared.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("minuteTurns");
    QTest::addColumn<double>("hourTurns");
    QTest::newRow("12:00 to 8:50") << 0 << 530 << -60.0 << -95.0;
    QTest::newRow("12:00 to 6:30, the minute hand half a turn") << 0 << 390 << 180.0 << -165.0;
    QTest::newRow("11:50 to 12:10, across twelve") << 710 << 10 << 120.0 << 10.0;
}

// Every frame of the glide, as the window's own timer would step it.
void PracticeRoundTest::glideFrames()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, minuteTurns);
    QFETCH(double, hourTurns);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    w.lblSet_Click();
    w.putHandsAt(from);
    w.setTarget = SetTarget{to, true, 1};
    SoundLog& log = fixture.fakes.sounds;
    log.events.clear();
    w.lblClickMe_MouseUp(1, 0, 0, 0); // wrong the second time
    QVERIFY(w.isGliding());

    // Each hand's angle, clockwise from the 12, the minute hand's first.
    const auto angles = [&w] {
        std::array<double, 2> at{};
        for (int h : {0, 1}) {
            const Control* hand = h == 0 ? w.Line1 : w.Line2;
            at[h] = qRadiansToDegrees(
                std::atan2(double(hand->X2) - w.dialCenterX, double(w.dialCenterY) - hand->Y2));
        }
        return at;
    };
    const std::array<double, 2> turns{minuteTurns, hourTurns};
    std::array<double, 2> at = angles(), went{};
    double fastest = 0, last = 0;
    int frames = 0;
    while (w.isGliding() && frames < 1000) {
        QVERIFY(log.events.isEmpty()); // the time is said as the hands arrive
        w.glideStep();
        ++frames;
        const std::array<double, 2> now = angles();
        for (int h : {0, 1}) {
            // Every frame moves each hand on a little, its own way; none ever jumps.
            const double step = std::remainder(now[h] - at[h], 360.0);
            QVERIFY2(step * turns[h] > 0 && qAbs(step) <= 30,
                     qPrintable(QStringLiteral("frame %1: %2").arg(frames).arg(step)));
            went[h] += step;
        }
        last = qAbs(std::remainder(now[0] - at[0], 360.0));
        fastest = std::max(fastest, last);
        at = now;
    }
    QVERIFY2(frames >= 40, qPrintable(QString::number(frames)));
    const int lastsMs = frames * kGlideStepMs;
    QVERIFY2(lastsMs >= 1200 && lastsMs <= 2000, qPrintable(QString::number(lastsMs)));
    QVERIFY(qAbs(went[0] - minuteTurns) < 0.01 && qAbs(went[1] - hourTurns) < 0.01);
    QVERIFY(last < fastest / 4); // slowing into place
    QVERIFY(handAt(w, w.Line1, w.minuteHandLength, (to % 60) / 5.0));
    QVERIFY(handAt(w, w.Line2, w.hourHandLength, to / 60.0));
    QCOMPARE(log.spoken().size(), 1);
    QVERIFY(log.spoken().first().startsWith(QStringLiteral("this is")));
}

// The child sets the dial's twelve hours; the voice asks, and judges, in the day's form, the
// hands' time said in the half of the day that was asked.
void PracticeRoundTest::setRoundThroughTheDay()
{
    ClockFixture fixture(9, 41);
    frmclock& w = *fixture.window;
    w.settings.choose(Choice::hours, 1); // a.m. and p.m.
    fixture.load();
    SoundLog& log = fixture.fakes.sounds;
    for (const Control* option : {w.lblOrder1, w.lblSet1})
        QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(option));
    const QPoint face = fixture.at(3000, 8000);
    QTest::mouseClick(&w, Qt::LeftButton, {}, face);
    w.speakWaitingText();
    QCOMPARE(log.events.last(), QStringLiteral("speak:show me 12 15 a.m."));
    QCOMPARE(w.lblDigital->Caption + ' ' + w.lblDigital->smallText, QStringLiteral("12:15 am"));
    QCOMPARE(w.imgDayPart->picture, QStringLiteral(":/pictures/day-night.png"));
    QTest::mouseClick(&w, Qt::RightButton, {}, face);
    QCOMPARE(log.events.last(), QStringLiteral("speak:show me quarter after midnight"));
    QTest::keyClick(&w, Qt::Key_PageUp);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events.last(), QStringLiteral("speak:that's 1 15 a.m., try again"));
    QTest::keyClick(&w, Qt::Key_PageDown);
    QTest::keyClick(&w, Qt::Key_Space);
    w.speakWaitingText();
    QCOMPARE(log.events.last(), QStringLiteral("speak:yes, that's 12 15 a.m."));

    // A draw in the upper half asks for an afternoon time in German on the 24-hour clock; the
    // hands, turned back from twelve to eleven, are said in the half asked for.
    ClockFixture german(9, 41);
    frmclock& g = *german.window;
    g.language = Language::German;
    g.settings.choose(Choice::hours, 2);
    german.load();
    g.lblSet_Click();
    german.fakes.random.script = {0.625f};
    g.lblClickMe_MouseUp(1, 0, 0, 0);
    g.speakWaitingText();
    QCOMPARE(german.fakes.sounds.spoken().last(), QStringLiteral("Stell die Uhr auf fünfzehn Uhr"));
    QCOMPARE(g.lblDigital->Caption, QStringLiteral("15:00"));
    g.lblClickMe_KeyDown(Qt::Key_PageDown, 0);
    g.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(german.fakes.sounds.spoken().last(),
             QString::fromUtf8("Das ist dreiundzwanzig Uhr, versuch es noch einmal"));
}

QTEST_MAIN(PracticeRoundTest)
#include "test_practice_round.moc"
