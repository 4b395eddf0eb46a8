// Start-up as a whole, on fakes: what is heard and shown, in which order, and how the
// close box and a missing voice are handled.
#include "tests/support/clockfixture.h"

#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void ticksThenShowThenPauseThenAnnouncement();
    void announcementPerClock_data();
    void announcementPerClock();
    void readsMinuteBeforeHour();
    void closeDuringPauseEndsEverything_data();
    void closeDuringPauseEndsEverything();
    void clockClickDuringPauseStillAnnounces();
    void missingVoiceGivesNoticeAndSilentProgram();
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

void StartupTest::readsMinuteBeforeHour()
{
    // The hour turns between the two readings: 11:59 becomes hour 12 with minute 59.
    ClockFixture fixture;
    fixture.fakes.clock.minuteQueue = {59, 59};
    fixture.fakes.clock.hourQueue = {12, 12};
    frmclock& w = fixture.load();
    QCOMPARE(fixture.fakes.clock.readings, QStringList({"minute", "hour", "minute", "hour"}));
    QCOMPARE(w.digitalHourText + ":" + w.digitalMinuteText, QStringLiteral("12:59"));
    QCOMPARE(fixture.fakes.sounds.spoken().value(0), QStringLiteral("the current time is  12 59"));
}

void StartupTest::closeDuringPauseEndsEverything_data()
{
    QTest::addColumn<bool>("byWindowManager");
    QTest::newRow("red cross") << false;
    QTest::newRow("window manager") << true;
}

void StartupTest::closeDuringPauseEndsEverything()
{
    QFETCH(bool, byWindowManager);
    ClockFixture fixture;
    fixture.fakes.pump.onPass = [&](long long pass) {
        if (pass != 500)
            return;
        if (byWindowManager)
            fixture.window->close();
        else
            QTest::mouseClick(fixture.window.get(), Qt::LeftButton, {},
                              fixture.middleOf(fixture.window->Picture1));
    };
    fixture.load();
    QCOMPARE(fixture.fakes.pump.passes, 500LL);
    QVERIFY(fixture.window->isUnloaded());
    QVERIFY(!fixture.window->isVisible());
    QCOMPARE(fixture.fakes.sounds.spoken(), QStringList({""}));
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
    QCOMPARE(w.clickState, QStringLiteral("say"));
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
    QCOMPARE(w.clickState, QStringLiteral("get"));
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
    QCOMPARE(fixture.fakes.sounds.waves().size(), 2);
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
