// A whole round played on the real window, once with the mouse (the pointer goes where a
// child's would, at the pixels of the option captions and of the clock) and once with the
// keyboard alone; then rounds of setting the clock, with mouse, finger and keys, to the mark
// and to the minute.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QtTest>

class PracticeRoundTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeRound();
    void wholeRoundByKeyboard();
    void setRound();
    void setRoundToTheMinute();
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

// Presses at `radius` by dial position `from`, goes round in small steps to `to`, lets go.
void dragRound(ClockFixture& fixture, double radius, double from, double to)
{
    frmclock* w = fixture.window.get();
    QTest::mousePress(w, Qt::LeftButton, {}, onDial(fixture, radius, from));
    for (int i = 1; i <= 24; ++i)
        moveHeld(w, onDial(fixture, radius, from + (to - from) * i / 24));
    QTest::mouseRelease(w, Qt::LeftButton, {}, onDial(fixture, radius, to));
}

// The same with a finger: Qt makes mouse events of the touches the window leaves alone.
void fingerRound(ClockFixture& fixture, double radius, double from, double to)
{
    static QPointingDevice* screen = QTest::createTouchDevice();
    frmclock* w = fixture.window.get();
    QTest::touchEvent(w, screen).press(0, onDial(fixture, radius, from));
    for (int i = 1; i <= 24; ++i)
        QTest::touchEvent(w, screen).move(0, onDial(fixture, radius, from + (to - from) * i / 24));
    QTest::touchEvent(w, screen).release(0, onDial(fixture, radius, to));
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

    // A double click on the face asks once; the hands stay at twelve for the child.
    const QPoint face = fixture.at(3000, 8000);
    doubleClick(&w, face);
    QCOMPARE(log.events, QStringList({"wave:sounds\\1tic.wav", "speak:show me 12 15"}));
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:15"));
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Show The Time"));
    QVERIFY(handAt(w, w.Line1, minute, 0) && handAt(w, w.Line2, hour, 0));
    QTest::mouseClick(&w, Qt::RightButton, {}, face);
    QCOMPARE(log.events.last(), QStringLiteral("speak:show me quarter after  12"));
    log.events.clear();

    // A drag across the face takes no hand and is no click; one by the minute hand's tip
    // turns it to the 6, a soft tick a mark, the hour hand geared half way to the 1.
    dragRound(fixture, 2000, 7.5, 9.5);
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
    QCOMPARE(log.events, QStringList({"wave:sounds\\chime.wav", "speak:yes, that's 12 15"}));
    QCOMPARE(w.lblTop->Caption, QString());

    // The hour hand moved by a finger from 12:15 to the 1 makes 1:15; twice wrong, the
    // hands glide back to 12:30 and the clock says it.
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(log.events.last(), QStringLiteral("speak:show me 12 30"));
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
    QCOMPARE(log.events.last(), QStringLiteral("speak:Stell die Uhr auf zwölf Uhr eins"));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:01"));
    QTest::keyClick(&w, Qt::Key_Right);
    QVERIFY(handAt(w, w.Line1, minute, 0.2) && handAt(w, w.Line2, hour, 1 / 60.0));
    QTest::keyClick(&w, Qt::Key_Space);
    QCOMPARE(log.events.last(), QStringLiteral("speak:Ja, das ist zwölf Uhr eins"));

    // A drag lands on the nearest minute, 2.15 minutes on 2; Page Up makes it 1:02, and
    // twice wrong the hands glide back to 12:02.
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(log.events.last(), QStringLiteral("speak:Stell die Uhr auf zwölf Uhr zwei"));
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
    QCOMPARE(german.fakes.sounds.spoken().last(), QStringLiteral("Stell die Uhr auf fünfzehn Uhr"));
    QCOMPARE(g.lblDigital->Caption, QStringLiteral("15:00"));
    g.lblClickMe_KeyDown(Qt::Key_PageDown, 0);
    g.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(german.fakes.sounds.spoken().last(),
             QString::fromUtf8("Das ist dreiundzwanzig Uhr, versuch es noch einmal"));
}

QTEST_MAIN(PracticeRoundTest)
#include "test_practice_round.moc"
