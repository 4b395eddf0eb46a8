// The order and precision options, and the practice they set up, seen through the window:
// markers, settings, confirmations, the reset to twelve and whole in-order cycles.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QRandomGenerator>
#include <QtTest>

using Handler = void (frmclock::*)();
Q_DECLARE_METATYPE(Handler)
Q_DECLARE_METATYPE(OrderMode)
Q_DECLARE_METATYPE(PrecisionMode)

class OptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachOption_data();
    void eachOption();
    void randomKeepsTheShownTime();
    void markersAlwaysMatchSettings();
    void optionsEndATimeBeingSet_data();
    void optionsEndATimeBeingSet();
    void inOrderCycles_data();
    void inOrderCycles();
    void phrasesReadToThePrecision_data();
    void phrasesReadToThePrecision();
    void realRandomOnlyLegalTimesAndAllOfThem_data();
    void realRandomOnlyLegalTimesAndAllOfThem();
    void theDayThroughTheWindow_data();
    void theDayThroughTheWindow();
};

namespace
{
QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The answer for h:m, spelled out the long way round.
QString digitalPhrase(int h, int m)
{
    if (m == 0)
        return QStringLiteral(" %1 o clock").arg(h);
    if (m == 5)
        return QStringLiteral(" %1 oh 5").arg(h);
    return QStringLiteral(" %1 %2").arg(h).arg(m);
}

QString wordedPhrase(int h, int m)
{
    const int next = h == 12 ? 1 : h + 1;
    if (m == 0)
        return QStringLiteral(" %1 o clock").arg(h);
    if (m == 15)
        return QStringLiteral("quarter after  %1").arg(h);
    if (m == 30)
        return QStringLiteral("half past  %1").arg(h);
    if (m == 45)
        return QStringLiteral("quarter to %1").arg(next);
    if (m < 30)
        return QStringLiteral("%1 minutes after  %2").arg(m).arg(h);
    return QStringLiteral("%1 minutes to %2").arg(60 - m).arg(next);
}

// The five precision options and how many times each offers per hour.
void precisionOptions()
{
    QTest::addColumn<Handler>("option");
    QTest::addColumn<int>("perHour");
    QTest::newRow("hour") << &frmclock::lblHour_Click << 1;
    QTest::newRow("half") << &frmclock::lblHalf_Click << 2;
    QTest::newRow("quarter") << &frmclock::lblQuarter_Click << 4;
    QTest::newRow("5min") << &frmclock::lbl5min_Click << 12;
    QTest::newRow("1min") << &frmclock::lbl1min_Click << 60;
}

QList<const Control*> visibleMarkers(const frmclock& w)
{
    QList<const Control*> out;
    for (const Control* m : {w.shpRandom, w.shpOrder, w.shpHour, w.shpHalf, w.shpQuarter, w.shp5min,
                             w.shp1min, w.shpRead, w.shpSet})
        if (m->Visible)
            out << m;
    return out;
}
} // namespace

void OptionsTest::eachOption_data()
{
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<OrderMode>("order");
    QTest::addColumn<PrecisionMode>("precision");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("resets");
    QTest::addColumn<QStringList>("markers");
    QTest::newRow("In Order") << &frmclock::lblOrder_Click << OrderMode::sequence
                              << PrecisionMode::quarter << "in order" << true
                              << QStringList{"shpOrder", "shpQuarter", "shpRead"};
    QTest::newRow("Random") << &frmclock::lblRandom_Click << OrderMode::random
                            << PrecisionMode::quarter << "random order" << false
                            << QStringList{"shpRandom", "shpQuarter", "shpRead"};
    QTest::newRow("Hour") << &frmclock::lblHour_Click << OrderMode::sequence << PrecisionMode::hour
                          << "hourly" << true << QStringList{"shpOrder", "shpHour", "shpRead"};
    QTest::newRow("1/2 Hour") << &frmclock::lblHalf_Click << OrderMode::sequence
                              << PrecisionMode::half << "half hour" << true
                              << QStringList{"shpOrder", "shpHalf", "shpRead"};
    QTest::newRow("1/4 Hour") << &frmclock::lblQuarter_Click << OrderMode::sequence
                              << PrecisionMode::quarter << "quarter hour" << true
                              << QStringList{"shpOrder", "shpQuarter", "shpRead"};
    QTest::newRow("5 minute") << &frmclock::lbl5min_Click << OrderMode::sequence
                              << PrecisionMode::fiveMin << " 5 minute precision" << true
                              << QStringList{"shpOrder", "shp5min", "shpRead"};
    QTest::newRow("1 minute") << &frmclock::lbl1min_Click << OrderMode::sequence
                              << PrecisionMode::oneMin << " 1 minute precision" << true
                              << QStringList{"shpOrder", "shp1min", "shpRead"};
    // Chosen already: only said again.
    QTest::newRow("Read") << &frmclock::lblRead_Click << OrderMode::sequence
                          << PrecisionMode::quarter << "read the clock" << false
                          << QStringList{"shpOrder", "shpQuarter", "shpRead"};
    QTest::newRow("Set") << &frmclock::lblSet_Click << OrderMode::sequence << PrecisionMode::quarter
                         << "set the clock" << true
                         << QStringList{"shpOrder", "shpQuarter", "shpSet"};
}

void OptionsTest::eachOption()
{
    QFETCH(Handler, handler);
    QFETCH(OrderMode, order);
    QFETCH(PrecisionMode, precision);
    QFETCH(QString, spoken);
    QFETCH(bool, resets);
    QFETCH(QStringList, markers);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    if (handler != &frmclock::lblRandom_Click)
        w.lblOrder_Click();
    for (int i = 0; i < 3; ++i) // in order: 12:15, 12:30, 12:45
        w.lblClickMe_MouseUp(1, 0, 0, 0), w.lblClickMe_MouseUp(1, 0, 0, 0);
    const QString before = w.lblDigital->Caption;
    fixture.fakes.sounds.events.clear();
    (w.*handler)();
    QCOMPARE(w.orderMode, order);
    QCOMPARE(w.precisionMode, precision);
    QCOMPARE(fixture.fakes.sounds.events, QStringList({"speak:" + spoken}));
    QStringList shown;
    for (const Control* m : visibleMarkers(w))
        shown << m->name;
    shown.sort();
    markers.sort();
    QCOMPARE(shown, markers);
    QCOMPARE(w.clickState, ClickState::get);
    if (resets) {
        QCOMPARE(w.sequenceStep, 1);
        QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
        QCOMPARE(w.timePhrase, QStringLiteral(" 12 o clock"));
        QCOMPARE(w.altTimePhrase, QStringLiteral(" 12 o clock"));
        QCOMPARE(w.shownHour, 12.0);
        QCOMPARE(w.Line1->X2, w.dialCenterX);
        QCOMPARE(w.Line2->X2, w.dialCenterX);
    } else {
        QCOMPARE(w.lblDigital->Caption, before);
    }
}

void OptionsTest::randomKeepsTheShownTime()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    w.lblOrder_Click();
    for (int i = 0; i < 15; ++i) // the 15th in-order quarter is 3:45
        w.lblClickMe_MouseUp(1, 0, 0, 0), w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("03:45"));
    w.lblRandom_Click();
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("03:45"));
    QCOMPARE(w.sequenceStep, 16);
    w.lblOrder_Click();
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:00"));
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:15"));
}

void OptionsTest::markersAlwaysMatchSettings()
{
    const Handler handlers[] = {
        &frmclock::lblOrder_Click, &frmclock::lblRandom_Click,  &frmclock::lblHour_Click,
        &frmclock::lblHalf_Click,  &frmclock::lblQuarter_Click, &frmclock::lbl5min_Click,
        &frmclock::lbl1min_Click,  &frmclock::lblRead_Click,    &frmclock::lblSet_Click};
    ClockFixture fixture;
    frmclock& w = fixture.load();
    QRandomGenerator dice(20261207);
    for (int i = 0; i < 2000; ++i) {
        (w.*handlers[dice.bounded(int(std::size(handlers)))])();
        const QList<const Control*> shown = visibleMarkers(w);
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown.contains(w.practiceMode == PracticeMode::read ? w.shpRead : w.shpSet));
        const QString order = w.orderMode == OrderMode::random ? "shpRandom" : "shpOrder";
        const QHash<PrecisionMode, QString> precision{{PrecisionMode::hour, "shpHour"},
                                                      {PrecisionMode::half, "shpHalf"},
                                                      {PrecisionMode::quarter, "shpQuarter"},
                                                      {PrecisionMode::fiveMin, "shp5min"},
                                                      {PrecisionMode::oneMin, "shp1min"}};
        QVERIFY(shown.contains(w.panel().find(order)));
        QVERIFY(shown.contains(w.panel().find(precision.value(w.precisionMode))));
        // The minute marks come and go with "1 minute", all sixty together.
        for (const Control* mark : w.lnMinute)
            QCOMPARE(mark->Visible, w.precisionMode == PrecisionMode::oneMin);
    }
}

void OptionsTest::optionsEndATimeBeingSet_data()
{
    // While a time is being set (asked, shown by the hands gliding to it, or just answered
    // right and praised), every option but Random puts the hands back at twelve and ends it
    // without a word more; Set, chosen already, leaves it as it was.
    QTest::addColumn<Handler>("option");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("ends");
    QTest::newRow("In Order, asked") << &frmclock::lblOrder_Click << "asked" << true;
    QTest::newRow("1/2 Hour, gliding") << &frmclock::lblHalf_Click << "gliding" << true;
    QTest::newRow("Read, gliding") << &frmclock::lblRead_Click << "gliding" << true;
    QTest::newRow("Read, praised") << &frmclock::lblRead_Click << "praised" << true;
    QTest::newRow("Set, asked") << &frmclock::lblSet_Click << "asked" << false;
    QTest::newRow("Random, asked") << &frmclock::lblRandom_Click << "asked" << false;
    QTest::newRow("Random, gliding") << &frmclock::lblRandom_Click << "gliding" << false;
}

void OptionsTest::optionsEndATimeBeingSet()
{
    QFETCH(Handler, option);
    QFETCH(QString, state);
    QFETCH(bool, ends);
    const bool gliding = state == "gliding", praised = state == "praised";
    ClockFixture fixture;
    frmclock& w = fixture.load();
    w.lblOrder_Click();
    w.lblSet_Click();
    w.lblClickMe_MouseUp(1, 0, 0, 0); // show me 12:15
    if (praised) {
        for (int mark = 0; mark < 3; ++mark)
            w.lblClickMe_KeyDown(Qt::Key_Right, 0);
        w.lblClickMe_MouseUp(1, 0, 0, 0); // yes, that's 12:15, once the chime is heard
    } else {
        w.lblClickMe_KeyDown(Qt::Key_PageUp, 0);
        w.lblClickMe_MouseUp(1, 0, 0, 0); // that's 1:00, try again
    }
    if (gliding)
        w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.isGliding(), gliding);
    QCOMPARE(w.isRewardShown(), praised);
    fixture.fakes.sounds.events.clear();
    (w.*option)();
    if (ends)
        QVERIFY(!w.isGliding());
    else
        QTRY_VERIFY(!w.isGliding());
    const QStringList spoken = fixture.fakes.sounds.spoken();
    QCOMPARE(spoken.contains("this is 12 15"), gliding && !ends);
    QCOMPARE(w.setTarget.pending, state == "asked" && !ends);
    if (ends) {
        QCOMPARE(w.voiceWaitMs(), -1); // nothing left to be said late
        QVERIFY(!w.isRewardShown());
        QCOMPARE(w.shapeClock->borderColor, QColor(128, 0, 0));
    }
    // The hour hand: at twelve, still at the child's 1:00, or at 12:15 where the glide ends.
    const double hour = ends ? 0 : gliding ? 0.25 : 1;
    const TwipPoint tip = handEnd(w.dialCenterX, w.dialCenterY, w.hourHandLength, hour);
    QCOMPARE(w.Line2->X2, tip.x);
    QCOMPARE(w.Line2->Y2, tip.y);
    if (ends) {
        QCOMPARE(w.lblTop->Caption, QString());
        QCOMPARE(w.lblDigital->Visible, option == &frmclock::lblRead_Click);
    } else {
        QCOMPARE(w.lblDigital->Caption, QStringLiteral("12:15"));
    }
}

void OptionsTest::inOrderCycles_data()
{
    precisionOptions();
}

void OptionsTest::inOrderCycles()
{
    QFETCH(Handler, option);
    QFETCH(int, perHour);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    w.lblOrder_Click();
    (w.*option)();
    const int n = 12 * perHour;
    for (int i = 1; i <= n + 1; ++i) {
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        const int slot = (i - 1) % n + 1;
        const int minutes = slot * 60 / perHour;
        const int h = minutes / 60 == 0 ? 12 : minutes / 60;
        const int m = minutes % 60;
        const QString at = QStringLiteral("step %1").arg(i);
        QVERIFY2(w.lblDigital->Caption == twoDigits(h) + ":" + twoDigits(m),
                 qPrintable(at + " " + w.lblDigital->Caption));
        // Between the marks the words are each language's own (phrasesReadToThePrecision);
        // on a mark every precision says what the clock has always said.
        if (m % 5 != 0)
            continue;
        QVERIFY2(w.timePhrase == digitalPhrase(h, m), qPrintable(at + " " + w.timePhrase));
        QVERIFY2(w.altTimePhrase == wordedPhrase(h, m), qPrintable(at + " " + w.altTimePhrase));
        QVERIFY(w.sequenceStep >= 1 && w.sequenceStep <= n);
    }
}

void OptionsTest::phrasesReadToThePrecision_data()
{
    // In German, whose words tell every minute apart: a time between the marks is said to the
    // minute at "1 minute" (rounded, not cut, where the hand is a hair off), and to the mark,
    // as always, at "5 minute".
    QTest::addColumn<Handler>("option");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("worded");
    const Handler one = &frmclock::lbl1min_Click, five = &frmclock::lbl5min_Click;
    QTest::newRow("5 minute: 3:07 to the mark") << five << 3 + 7 / 60.0 << 1.4 << "drei Uhr fünf"
                                                << "fünf nach drei";
    QTest::newRow("1 minute: 3:07") << one << 3 + 7 / 60.0 << 1.4 << "drei Uhr sieben"
                                    << "sieben nach drei";
    QTest::newRow("1 minute: 3:27, a hair under")
        << one << 3.45 << 5.3999999 << "drei Uhr siebenundzwanzig"
        << "drei vor halb vier";
    QTest::newRow("1 minute: 12:46, hour 0")
        << one << 46 / 60.0 << 9.2 << "zwölf Uhr sechsundvierzig"
        << "vierzehn vor eins";
    // 59.5 minutes rounds to 60, no minute of the dial: the phrases of twelve stay.
    QTest::newRow("1 minute: past 59 refused") << one << 3.99 << 11.9 << "zwölf Uhr"
                                               << "zwölf Uhr";
}

void OptionsTest::phrasesReadToThePrecision()
{
    QFETCH(Handler, option);
    QFETCH(double, hour);
    QFETCH(double, mark);
    ClockFixture fixture;
    frmclock& w = *fixture.window;
    w.language = Language::German;
    fixture.load();
    (w.*option)();
    w.shownHour = hour;
    w.shownMinuteMark = mark;
    w.composeTimePhrase();
    QTEST(w.timePhrase, "reading");
    QTEST(w.altTimePhrase, "worded");
}

void OptionsTest::realRandomOnlyLegalTimesAndAllOfThem_data()
{
    precisionOptions();
}

void OptionsTest::realRandomOnlyLegalTimesAndAllOfThem()
{
    QFETCH(Handler, option);
    QFETCH(int, perHour);
    TimerSeededRandom real;
    ClockFixture fixture;
    fixture.fakes.platform.random = &real;
    fixture.window = std::make_unique<frmclock>(fixture.fakes.platform);
    frmclock& w = fixture.load();
    (w.*option)();
    QSet<QString> seen;
    const int step = 60 / perHour;
    // Enough draws that a time missed is a fault, not bad luck: at 720 times, 18000 draws
    // miss one about once in 10^8 runs.
    const int draws = std::max(4000, 25 * 12 * perHour);
    for (int i = 0; i < draws; ++i) {
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        const QString caption = w.lblDigital->Caption;
        const int h = caption.left(2).toInt(), m = caption.mid(3).toInt();
        QVERIFY2(h >= 1 && h <= 12 && m % step == 0 && m < 60, qPrintable(caption));
        seen.insert(caption);
    }
    QCOMPARE(seen.size(), 12 * perHour);
}

void OptionsTest::theDayThroughTheWindow_data()
{
    // With the day's hours the practice goes round the dial twice, or draws any hour of the
    // day; the readout, its small text, the picture and both phrases show which turn it is.
    QTest::addColumn<int>("hours"); // the index of the choice's word: 12, ampm, 24
    QTest::addColumn<QString>("language");
    QTest::addColumn<Handler>("precision");
    QTest::addColumn<int>("times"); // in order, how many; 0: one random draw of `draw`
    QTest::addColumn<float>("draw");
    QTest::addColumn<QStringList>("shown"); // readout, small text, picture, reading, worded
    const Handler hour = &frmclock::lblHour_Click, quarter = &frmclock::lblQuarter_Click;
    const auto row = [](const char* name, int hours, const char* language, Handler precision,
                        int times, float draw, const QStringList& shown) {
        QTest::newRow(name) << hours << QString::fromLatin1(language) << precision << times << draw
                            << shown;
    };
    row("a.m.: one in the morning", 1, "en-US", hour, 1, 0,
        {"01:00", "am", "night", " 1 a.m.", " 1 o clock in the morning"});
    row("a.m.: noon ends the first turn", 1, "en-US", hour, 12, 0,
        {"12:00", "pm", "afternoon", " 12 noon", " 12 noon"});
    row("p.m.: seven in the evening", 1, "en-US", hour, 19, 0,
        {"07:00", "pm", "evening", " 7 p.m.", " 7 o clock in the evening"});
    row("midnight ends the day", 1, "en-US", hour, 24, 0,
        {"12:00", "am", "night", " 12 midnight", " 12 midnight"});
    row("French, a quarter to noon", 1, "fr", quarter, 47, 0,
        {"11:45", "", "morning", "onze heures quarante-cinq du matin", "midi moins le quart"});
    row("German 24-hour, afternoon", 2, "de", quarter, 61, 0,
        {"15:15", "", "afternoon", QString::fromUtf8("fünfzehn Uhr fünfzehn"),
         "Viertel nach drei am Nachmittag"});
    row("random, the upper half is the afternoon's", 1, "es-419", quarter, 0, 0.625f,
        {"03:00", "p. m.", "afternoon", "las tres de la tarde", "las tres de la tarde"});
    row("random 24-hour, the lower half is the morning's", 2, "en-GB", quarter, 0, 0.375f,
        {"09:00", "", "morning", "oh nine hundred", "nine o'clock in the morning"});
}

void OptionsTest::theDayThroughTheWindow()
{
    QFETCH(int, hours);
    QFETCH(QString, language);
    QFETCH(Handler, precision);
    QFETCH(int, times);
    QFETCH(float, draw);
    QFETCH(QStringList, shown);
    ClockFixture fixture;
    frmclock& w = *fixture.window;
    w.language = *languageFromCode(language);
    w.settings.choose(Choice::hours, hours);
    fixture.load();
    if (times > 0)
        w.lblOrder_Click();
    (w.*precision)();
    fixture.fakes.random.script = {draw};
    for (int i = 0; i < std::max(times, 1); ++i)
        w.lblClickMe_MouseUp(1, 0, 0, 0), w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblDigital->Caption, shown[0]);
    QCOMPARE(w.lblDigital->smallText, shown[1]);
    QVERIFY(w.imgDayPart->Visible);
    QCOMPARE(w.imgDayPart->picture, ":/pictures/day-" + shown[2] + ".png");
    QCOMPARE(w.timePhrase, shown[3]);
    QCOMPARE(w.altTimePhrase, shown[4]);
}

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
