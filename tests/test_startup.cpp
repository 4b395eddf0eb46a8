// Start-up as a whole, on fakes: what is heard and shown, in which order, and how the
// close box and a missing voice are handled.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QtTest>

Q_DECLARE_METATYPE(TimeOfDay)

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void ticksThenShowThenPauseThenAnnouncement();
    void announcementPerClock_data();
    void announcementPerClock();
    void oneReadingOfTheClock_data();
    void oneReadingOfTheClock();
    void closeDuringPauseEndsEverything_data();
    void closeDuringPauseEndsEverything();
    void clockClickDuringPauseStillAnnounces();
    void missingVoiceGivesNoticeAndSilentProgram();
    void speaksTheChosenLanguage_data();
    void speaksTheChosenLanguage();
    void startsInTheChosenHours_data();
    void startsInTheChosenHours();
};

void StartupTest::ticksThenShowThenPauseThenAnnouncement()
{
    ClockFixture fixture(14, 7);
    QStringList seen;
    fixture.fakes.pump.onPass = [&](long long pass) {
        if (pass <= 2)
            seen << QStringLiteral("pass %1 visible=%2").arg(pass).arg(fixture.window->isVisible());
    };
    fixture.load();
    QCOMPARE(fixture.fakes.voiceClassAsked, QStringLiteral("SAPI.spVoice"));
    // One pass before showing, then the pause of a million.
    QCOMPARE(fixture.fakes.pump.passes, 1000001LL);
    QCOMPARE(seen, QStringList({"pass 1 visible=0", "pass 2 visible=1"}));
    QCOMPARE(fixture.fakes.sounds.events,
             QStringList({"wave:sounds\\4tics.wav", "speak:the current time is  2 o 7",
                          "speak:click the clock to begin"}));
    QCOMPARE(fixture.fakes.wave.flags, QList<unsigned>({1u}));
    QCOMPARE(fixture.window->lblDigital->Caption, QStringLiteral(" 2:07"));
    QVERIFY(fixture.window->lblDigital->Visible);
    QVERIFY(fixture.fakes.notices.isEmpty());
}

void StartupTest::announcementPerClock_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("caption");
    QTest::newRow("midnight") << 0 << 0 << "the current time is  12 o clock"
                              << " 12:00";
    QTest::newRow("09:05") << 9 << 5 << "the current time is  9 o 5"
                           << " 9:05";
    QTest::newRow("13:30") << 13 << 30 << "the current time is  1 30"
                           << " 1:30";
    QTest::newRow("23:10") << 23 << 10 << "the current time is  11 10"
                           << " 11:10";
}

void StartupTest::announcementPerClock()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, spoken);
    QFETCH(QString, caption);
    ClockFixture fixture(hour, minute);
    frmclock& w = fixture.load();
    QCOMPARE(fixture.fakes.sounds.spoken().value(0), spoken);
    QCOMPARE(w.lblDigital->Caption, caption);
    QCOMPARE(w.timePhrase, spoken.mid(QStringLiteral("the current time is ").size()));
    QCOMPARE(w.altTimePhrase, QString());
}

// The clock turns right after start-up has read it: hands, readout and announcement still
// all tell the time that was read.
void StartupTest::oneReadingOfTheClock_data()
{
    QTest::addColumn<TimeOfDay>("read");
    QTest::addColumn<TimeOfDay>("later");
    QTest::addColumn<double>("handHour");
    QTest::addColumn<double>("handMark");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("caption");
    QTest::newRow("minute turns") << TimeOfDay{14, 6} << TimeOfDay{14, 7} << 14 + 6 / 60.0 << 1.2
                                  << "14:06"
                                  << "the current time is  2 o 6"
                                  << " 2:06";
    QTest::newRow("hour turns") << TimeOfDay{10, 59} << TimeOfDay{11, 0} << 10 + 59 / 60.0 << 11.8
                                << "10:59"
                                << "the current time is  10 59"
                                << " 10:59";
    QTest::newRow("noon") << TimeOfDay{11, 59} << TimeOfDay{12, 0} << 11 + 59 / 60.0 << 11.8
                          << "11:59"
                          << "the current time is  11 59"
                          << " 11:59";
    QTest::newRow("day turns") << TimeOfDay{23, 59} << TimeOfDay{0, 0} << 23 + 59 / 60.0 << 11.8
                               << "23:59"
                               << "the current time is  11 59"
                               << " 11:59";
}

void StartupTest::oneReadingOfTheClock()
{
    QFETCH(TimeOfDay, read);
    QFETCH(TimeOfDay, later);
    QFETCH(double, handHour);
    QFETCH(double, handMark);
    QFETCH(QString, readout);
    QFETCH(QString, spoken);
    QFETCH(QString, caption);
    ClockFixture fixture(later.hour, later.minute);
    fixture.fakes.clock.script = {read};
    QString readoutWithTheHands;
    fixture.fakes.pump.onPass = [&](long long pass) {
        if (pass == 1)
            readoutWithTheHands = fixture.window->lblDigital->Caption;
    };
    frmclock& w = fixture.load();
    const TwipPoint hourTip = handEnd(4560, 6142.5, 1800, handHour);
    const TwipPoint minuteTip = handEnd(4560, 6142.5, 2880, handMark);
    QCOMPARE(w.Line2->X2, hourTip.x);
    QCOMPARE(w.Line2->Y2, hourTip.y);
    QCOMPARE(w.Line1->X2, minuteTip.x);
    QCOMPARE(w.Line1->Y2, minuteTip.y);
    QCOMPARE(readoutWithTheHands, readout);
    QCOMPARE(fixture.fakes.sounds.spoken().value(0), spoken);
    QCOMPARE(w.lblDigital->Caption, caption);
}

void StartupTest::closeDuringPauseEndsEverything_data()
{
    // Every way to close goes the close cross's way; a child's stray Escape does not close.
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close cross") << "cross" << true;
    QTest::newRow("Ctrl+Q") << "Ctrl+Q" << true;
    QTest::newRow("Alt+F4") << "Alt+F4" << true;
    QTest::newRow("window manager") << "close()" << true;
    QTest::newRow("Escape") << "Escape" << false;
}

void StartupTest::closeDuringPauseEndsEverything()
{
    QFETCH(QString, how);
    QFETCH(bool, closes);
    ClockFixture fixture;
    frmclock* w = fixture.window.get();
    fixture.fakes.pump.onPass = [&](long long pass) {
        if (pass != 500)
            return;
        if (how == "cross")
            QTest::mouseClick(w, Qt::LeftButton, {}, fixture.middleOf(w->Picture1));
        else if (how == "Ctrl+Q")
            QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
        else if (how == "Alt+F4")
            QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
        else if (how == "Escape")
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->close();
    };
    fixture.load();
    QCOMPARE(fixture.fakes.pump.passes, closes ? 500LL : 1000001LL);
    QCOMPARE(w->isUnloaded(), closes);
    QCOMPARE(w->isVisible(), !closes);
    QCOMPARE(fixture.fakes.sounds.spoken(),
             closes ? QStringList({""})
                    : QStringList({"the current time is  2 o 7", "click the clock to begin"}));
}

void StartupTest::clockClickDuringPauseStillAnnounces()
{
    ClockFixture fixture(10, 30);
    fixture.fakes.pump.onPass = [&](long long pass) {
        if (pass == 1000)
            QTest::mouseClick(fixture.window.get(), Qt::LeftButton, {},
                              fixture.middleOf(fixture.window->lblClickMe));
    };
    frmclock& w = fixture.load();
    QCOMPARE(fixture.fakes.sounds.events,
             QStringList({"wave:sounds\\4tics.wav", "wave:sounds\\1tic.wav",
                          "speak:the current time is  10 30", "speak:click the clock to begin"}));
    QCOMPARE(w.clickState, ClickState::say);
    QCOMPARE(w.lblTop->Caption, QStringLiteral("Say The Time Outloud"));
    // The announcement shows the real time in the readout, over the open question.
    QVERIFY(w.lblDigital->Visible);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral(" 10:30"));
}

void StartupTest::missingVoiceGivesNoticeAndSilentProgram()
{
    ClockFixture fixture;
    fixture.fakes.voiceFails = true;
    frmclock& w = fixture.load();
    QCOMPARE(fixture.fakes.notices.size(), 1);
    QVERIFY(fixture.fakes.notices.first().contains(QStringLiteral("no speech synthesiser")));
    QVERIFY(fixture.fakes.sounds.spoken().isEmpty());
    QVERIFY(w.isVisible());
    // Practice works without a voice.
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    w.lblClickMe_MouseUp(2, 0, 0, 0);
    w.lblHalf_Click();
    QCOMPARE(w.clickState, ClickState::get);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
    QCOMPARE(fixture.fakes.sounds.waves().size(), 2);
}

void StartupTest::speaksTheChosenLanguage_data()
{
    QTest::addColumn<QString>("then"); // what the child does once start-up has ended
    QTest::addColumn<QStringList>("heard");
    // German, from the worked tables in tests/data/time-phrases (de.tsv, de-texts.tsv).
    QTest::newRow("start-up") << ""
                              << QStringList{"Es ist zehn Uhr dreißig",
                                             "Klicke auf die Uhr, um zu beginnen"};
    QTest::newRow("In Order") << "order" << QStringList{"der Reihe nach"};
    QTest::newRow("5 minute") << "5min" << QStringList{"auf fünf Minuten genau"};
    QTest::newRow("Set") << "set" << QStringList{"Uhr stellen"};
    QTest::newRow("reveal 3:25") << "reveal" << QStringList{"drei Uhr fünfundzwanzig"};
    QTest::newRow("right click 3:25") << "right" << QStringList{"fünf vor halb vier"};
    // Asked during the pause, the question's answer is the time the announcement gave.
    QTest::newRow("reveal after the pause")
        << "reveal asked in the pause" << QStringList{"Es ist zehn Uhr dreißig"};
}

void StartupTest::speaksTheChosenLanguage()
{
    QFETCH(QString, then);
    QFETCH(QStringList, heard);
    ClockFixture fixture(10, 30);
    frmclock& w = *fixture.window;
    w.language = Language::German;
    if (then == "reveal asked in the pause")
        fixture.fakes.pump.onPass = [&](long long pass) {
            if (pass == 1000)
                w.lblClickMe_MouseUp(1, 0, 0, 0);
        };
    fixture.load();
    QCOMPARE(fixture.fakes.voiceLanguageAsked, QStringLiteral("de"));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral(" 10:30"));
    if (!then.isEmpty())
        fixture.fakes.sounds.events.clear();
    if (then == "order") {
        w.lblOrder_Click();
    } else if (then == "5min") {
        w.lbl5min_Click();
    } else if (then == "set") {
        w.lblSet_Click();
    } else if (then == "reveal" || then == "right") {
        w.shownHour = 3 + 25 / 60.0;
        w.shownMinuteMark = 5;
        w.composeTimePhrase();
        w.clickState = ClickState::say;
    }
    if (then.startsWith("reveal"))
        w.lblClickMe_MouseUp(1, 0, 0, 0);
    else if (then == "right")
        w.lblClickMe_MouseUp(2, 0, 0, 0);
    QCOMPARE(fixture.fakes.sounds.spoken(), heard);
}

void StartupTest::startsInTheChosenHours_data()
{
    QTest::addColumn<int>("hours"); // the index of the choice's word: 12, ampm, 24
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("beside");  // the readout's small text
    QTest::addColumn<QString>("picture"); // empty: none shown
    QTest::newRow("12-hour, as always") << 0 << "en-US" << 15 << 15 << "the current time is  3 15"
                                        << " 3:15"
                                        << ""
                                        << "";
    QTest::newRow("a.m. and p.m., afternoon")
        << 1 << "en-US" << 15 << 15 << "the current time is  3 15 p.m."
        << " 3:15"
        << "pm"
        << ":/pictures/day-afternoon.png";
    QTest::newRow("a.m. and p.m., French evening")
        << 1 << "fr" << 19 << 40 << "Il est sept heures quarante du soir"
        << " 7:40"
        << ""
        << ":/pictures/day-evening.png";
    QTest::newRow("24-hour, German morning") << 2 << "de" << 7 << 5 << "Es ist sieben Uhr fünf"
                                             << "07:05"
                                             << ""
                                             << ":/pictures/day-morning.png";
}

// Start-up shows and says the real time in the chosen form, with the picture of its part of
// the day.
void StartupTest::startsInTheChosenHours()
{
    QFETCH(int, hours);
    QFETCH(QString, language);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, spoken);
    QFETCH(QString, caption);
    QFETCH(QString, beside);
    QFETCH(QString, picture);
    ClockFixture fixture(hour, minute);
    frmclock& w = *fixture.window;
    w.language = *languageFromCode(language);
    w.settings.choose(Choice::hours, hours);
    fixture.load();
    QCOMPARE(fixture.fakes.sounds.spoken().value(0), spoken);
    QCOMPARE(w.lblDigital->Caption, caption);
    QCOMPARE(w.lblDigital->smallText, beside);
    QCOMPARE(w.imgDayPart->Visible, !picture.isEmpty());
    if (!picture.isEmpty())
        QCOMPARE(w.imgDayPart->picture, picture);
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
