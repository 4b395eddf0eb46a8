// The click-the-clock cycle: which click does what in each state.
#include "tests/support/clockfixture.h"

#include <QtTest>
#include <cctype>

Q_DECLARE_METATYPE(ClickState)

class ClickCycleTest : public QObject
{
    Q_OBJECT
private slots:
    void transitions_data();
    void transitions();
    void rightClickBeforePracticeSpeaksEmptyText();
    void modifiersDoNotMatter_data();
    void modifiersDoNotMatter();
    void doubleClickShowsAndReveals();
    void pressAndReleaseApart_data();
    void pressAndReleaseApart();
    void keyHeldOrPressedAgain_data();
    void keyHeldOrPressedAgain();
    void failingStepIsSkipped();
    void precisionChangeWhileAskingRevealsTwelve();
    void firstClickDrawsRandomQuarter();
};

namespace
{
// Puts the window into a known question: 3:15 composed, state as asked.
void prepare(frmclock& w, ClickState state)
{
    w.shownHour = 3.25;
    w.shownMinuteMark = 3;
    w.drawHourHand();
    w.drawMinuteHand();
    w.composeTimePhrase();
    w.clickState = state;
    w.lblDigital->Visible = state == ClickState::get;
    w.lblTop->Caption = state == ClickState::get ? QString() : "Say The Time Outloud";
}
} // namespace

void ClickCycleTest::transitions_data()
{
    QTest::addColumn<ClickState>("state");
    QTest::addColumn<int>("button");
    QTest::addColumn<ClickState>("nextState");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("readoutVisible");
    QTest::addColumn<QStringList>("heard");
    const QStringList tick{"wave:sounds\\1tic.wav"};
    QTest::newRow("get, left") << ClickState::get << 1 << ClickState::say << "Say The Time Outloud"
                               << false << tick;
    QTest::newRow("say, left") << ClickState::say << 1 << ClickState::get << "" << true
                               << QStringList{"speak: 3 15"};
    QTest::newRow("get, right") << ClickState::get << 2 << ClickState::get << "" << true
                                << QStringList{"speak:quarter after  3"};
    QTest::newRow("say, right") << ClickState::say << 2 << ClickState::say << "Say The Time Outloud"
                                << false << QStringList{"speak:quarter after  3"};
    QTest::newRow("get, middle") << ClickState::get << 4 << ClickState::get << "" << true
                                 << QStringList{};
    QTest::newRow("say, middle") << ClickState::say << 4 << ClickState::say
                                 << "Say The Time Outloud" << false << QStringList{};
    QTest::newRow("say, back button") << ClickState::say << 8 << ClickState::say
                                      << "Say The Time Outloud" << false << QStringList{};
}

void ClickCycleTest::transitions()
{
    QFETCH(ClickState, state);
    QFETCH(int, button);
    QFETCH(ClickState, nextState);
    QFETCH(QString, prompt);
    QFETCH(bool, readoutVisible);
    QFETCH(QStringList, heard);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    prepare(w, state);
    fixture.fakes.sounds.events.clear();
    w.lblClickMe_MouseUp(button, 0, 100, 100);
    QCOMPARE(w.clickState, nextState);
    QCOMPARE(w.lblTop->Caption, prompt);
    QCOMPARE(w.lblDigital->Visible, readoutVisible);
    QCOMPARE(fixture.fakes.sounds.events, heard);
}

void ClickCycleTest::rightClickBeforePracticeSpeaksEmptyText()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.sounds.events.clear();
    QTest::mouseClick(&w, Qt::RightButton, {}, fixture.middleOf(w.lblClickMe));
    QCOMPARE(fixture.fakes.sounds.events, QStringList({"speak:"}));
    QCOMPARE(w.clickState, ClickState::get);
}

void ClickCycleTest::modifiersDoNotMatter_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("none") << Qt::KeyboardModifiers();
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier);
}

void ClickCycleTest::modifiersDoNotMatter()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.random.fallback = 0.5f; // 6:00 in quarter precision
    QTest::mouseClick(&w, Qt::LeftButton, modifiers, fixture.middleOf(w.lblClickMe));
    QCOMPARE(w.clickState, ClickState::say);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("06:00"));
    QTest::mouseClick(&w, Qt::MiddleButton, modifiers, fixture.middleOf(w.lblClickMe));
    QCOMPARE(w.clickState, ClickState::say);
    QTest::mouseClick(&w, Qt::LeftButton, modifiers, fixture.middleOf(w.lblClickMe));
    QCOMPARE(w.clickState, ClickState::get);
    QCOMPARE(fixture.fakes.sounds.spoken().last(), QStringLiteral(" 6 o clock"));
}

void ClickCycleTest::doubleClickShowsAndReveals()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.sounds.events.clear();
    // What a window system delivers for a double click: press, release, double-click
    // press, release.
    const QPoint at = fixture.middleOf(w.lblClickMe);
    QTest::mousePress(&w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, w.mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &second);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
    QCOMPARE(w.clickState, ClickState::get);
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(fixture.fakes.sounds.events.size(), 2);
    QCOMPARE(fixture.fakes.sounds.events.first(), QStringLiteral("wave:sounds\\1tic.wav"));
    QCOMPARE(fixture.fakes.sounds.events.last(), QStringLiteral("speak:") + w.timePhrase);
}

void ClickCycleTest::pressAndReleaseApart_data()
{
    // The button goes down on one control and comes up on another: MouseUp goes to the
    // first, and Click to neither.
    QTest::addColumn<QString>("pressedOn");
    QTest::addColumn<QString>("releasedOn");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("clock, up on an option") << "lblClickMe"
                                            << "lblHour" << QStringList{"wave:sounds\\1tic.wav"};
    QTest::newRow("option, up on another") << "lblHour"
                                           << "lblHalf" << QStringList{};
    QTest::newRow("option, up on the clock") << "lblHour"
                                             << "lblClickMe" << QStringList{};
}

void ClickCycleTest::pressAndReleaseApart()
{
    QFETCH(QString, pressedOn);
    QFETCH(QString, releasedOn);
    QFETCH(QStringList, heard);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.sounds.events.clear();
    QTest::mousePress(&w, Qt::LeftButton, {}, fixture.middleOf(w.panel().find(pressedOn)));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, fixture.middleOf(w.panel().find(releasedOn)));
    QCOMPARE(fixture.fakes.sounds.events, heard);
    QCOMPARE(w.precisionMode, PrecisionMode::quarter);
}

namespace
{
// One keyboard event on the focused clock: P press, R release (lower case: Qt flagged it
// as a repeat), F the window losing the keyboard and getting it back; at a time in ms.
struct KeyStep {
    char what;
    int ms;
    Qt::Key key = Qt::Key_Space;
};
} // namespace
Q_DECLARE_METATYPE(QList<KeyStep>)

void ClickCycleTest::keyHeldOrPressedAgain_data()
{
    QTest::addColumn<QList<KeyStep>>("steps");
    QTest::addColumn<int>("clicks");
    // As an X server repeats a held key: pairs with one time, not all of them flagged.
    QTest::newRow("held, X server's repeats")
        << QList<KeyStep>{{'P', 0},   {'r', 660}, {'p', 660}, {'R', 700}, {'P', 700},
                          {'r', 740}, {'p', 740}, {'R', 780}, {'P', 780}, {'R', 1500}}
        << 1;
    QTest::newRow("held, repeats 40 ms apart")
        << QList<KeyStep>{{'P', 0}, {'R', 40}, {'P', 80}, {'R', 120}, {'P', 160}, {'R', 200}} << 1;
    QTest::newRow("held, presses only")
        << QList<KeyStep>{{'P', 0}, {'P', 40}, {'P', 80}, {'R', 500}} << 1;
    QTest::newRow("pressed twice quickly")
        << QList<KeyStep>{{'P', 0}, {'R', 90}, {'P', 180}, {'R', 270}} << 2;
    QTest::newRow("Space then Enter at once")
        << QList<KeyStep>{{'P', 0}, {'R', 30}, {'P', 50, Qt::Key_Return}, {'R', 80, Qt::Key_Return}}
        << 2;
    QTest::newRow("released in another window")
        << QList<KeyStep>{{'P', 0}, {'F', 500}, {'P', 520}, {'R', 600}} << 2;
}

void ClickCycleTest::keyHeldOrPressedAgain()
{
    QFETCH(QList<KeyStep>, steps);
    QFETCH(int, clicks);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.sounds.events.clear();
    for (const KeyStep& step : steps) {
        if (step.what == 'F') {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(&w, &out);
            QApplication::sendEvent(&w, &in);
            continue;
        }
        const bool press = step.what == 'P' || step.what == 'p';
        QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, step.key, Qt::NoModifier,
                      QString(), std::islower(step.what));
        key.setTimestamp(1000 + step.ms); // a real event's time is never 0
        QApplication::sendEvent(&w, &key);
    }
    // Every click on the clock makes one sound: a tick, then the time spoken.
    QCOMPARE(fixture.fakes.sounds.events.size(), clicks);
}

void ClickCycleTest::failingStepIsSkipped()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.random.failing = true;
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    // The step died inside nextTime: the readout was never hidden, the cycle moved on.
    QCOMPARE(w.clickState, ClickState::say);
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Say The Time Outloud"));
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(fixture.fakes.sounds.waves().last(), QStringLiteral("sounds\\1tic.wav"));
}

void ClickCycleTest::precisionChangeWhileAskingRevealsTwelve()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    w.lblOrder_Click();
    w.lblClickMe_MouseUp(1, 0, 0, 0); // 12:15 asked
    w.lblHalf_Click();
    QVERIFY(!w.lblDigital->Visible);
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
    QCOMPARE(fixture.fakes.sounds.spoken().last(), QStringLiteral(" 12 o clock"));
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:30"));
}

void ClickCycleTest::firstClickDrawsRandomQuarter()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    fixture.fakes.random.script = {0.3f}; // slot 14 of 48: 3:30
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(fixture.fakes.random.reseeds, 1);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("03:30"));
    QCOMPARE(w.timePhrase, QStringLiteral(" 3 30"));
    QCOMPARE(w.altTimePhrase, QStringLiteral("half past  3"));
}

QTEST_MAIN(ClickCycleTest)
#include "test_clickcycle.moc"
