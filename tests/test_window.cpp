// The window as it stands after start-up: its controls, its geometry, what a mouse press
// lands on, and what it looks like.
#include "app/form/panelfit.h"
#include "app/form/textfit.h"
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void designVisibility_data();
    void designVisibility();
    void startupPlacesDialAndHands();
    void panelFit_data();
    void panelFit();
    void panelFollowsTheWindowSize();
    void windowedIsAnOrdinaryWindowOfThePanelsSize();
    void numeralsCentredOnTheirRingPoints_data();
    void numeralsCentredOnTheirRingPoints();
    void hitTest_data();
    void hitTest();
    void closeBoxHasItsToolTip();
    void promptKeepsItsCentre();
    void pixels_data();
    void pixels();
    void minuteMarksOnlyAtOneMinute();
    void numeralIsDrawnInsideItsBox();
    void dayPictureCoversNothingOfTheDial_data();
    void dayPictureCoversNothingOfTheDial();
};

void WindowTest::designVisibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    QTest::newRow("random marker") << "shpRandom" << true;
    QTest::newRow("quarter marker") << "shpQuarter" << true;
    QTest::newRow("order marker") << "shpOrder" << false;
    QTest::newRow("hour marker") << "shpHour" << false;
    QTest::newRow("half marker") << "shpHalf" << false;
    QTest::newRow("5 minute marker") << "shp5min" << false;
    QTest::newRow("1 minute marker") << "shp1min" << false;
    QTest::newRow("minute mark at the 12") << "lnMinute0" << false;
    QTest::newRow("minute mark before the 12") << "lnMinute59" << false;
    QTest::newRow("Read marker") << "shpRead" << true;
    QTest::newRow("Set marker") << "shpSet" << false;
    QTest::newRow("readout") << "lblDigital" << false;
    QTest::newRow("readout frame") << "Shape2" << true;
}

void WindowTest::designVisibility()
{
    QFETCH(QString, name);
    QFETCH(bool, visible);
    ClockFixture fixture;
    const Control* control = fixture.window->panel().find(name);
    QVERIFY(control);
    QCOMPARE(control->Visible, visible);
}

void WindowTest::startupPlacesDialAndHands()
{
    ClockFixture fixture(14, 7);
    frmclock& w = fixture.load();
    QCOMPARE(w.dialCenterX, 4560.0f);
    QCOMPARE(w.dialCenterY, 6142.5f);
    QCOMPARE(w.dialRadius, 3600.0f);
    QCOMPARE(w.minuteHandLength, 2880.0);
    QCOMPARE(w.hourHandLength, 1800.0);
    QCOMPARE(w.shapeClock->Left, 960.0f);
    QCOMPARE(w.shapeClock->Top, 1800.0f);
    QCOMPARE(w.Shape1->Left + w.Shape1->Width / 2, 4560.0f);
    QCOMPARE(w.Shape1->Top + w.Shape1->Height / 2, 6142.5f);
    for (const Control* hand : {w.Line1, w.Line2}) {
        QCOMPARE(hand->X1, 4560.0f);
        QCOMPARE(hand->Y1, 6142.5f);
    }
    // The hands keep the time read at start-up (14:07); the announcement reuses the
    // variables afterwards but never moves the hands.
    const TwipPoint minuteTip = handEnd(4560, 6142.5, 2880, 1.4);
    QCOMPARE(w.Line1->X2, minuteTip.x);
    QCOMPARE(w.Line1->Y2, minuteTip.y);
    const TwipPoint hourTip = handEnd(4560, 6142.5, 1800, 14 + 7 / 60.0);
    QCOMPARE(w.Line2->X2, hourTip.x);
    QCOMPARE(w.Line2->Y2, hourTip.y);
    QCOMPARE(w.sequenceStep, 1);
    QCOMPARE(w.clickState, ClickState::get);
    QCOMPARE(w.orderMode, OrderMode::random);
    QCOMPARE(w.precisionMode, PrecisionMode::quarter);
    QCOMPARE(w.lblTop->Caption, QString());
}

void WindowTest::panelFit_data()
{
    // The panel is 745 x 705 pixels. Worked by hand: the scale is the smaller of the two
    // screen-to-panel ratios, and the shrunk panel is centred.
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<bool>("mayGrow");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("1280 x 800") << QSizeF(1280, 800) << false << 1.0 << 267.5 << 47.5;
    QTest::newRow("exactly the panel") << QSizeF(745, 705) << false << 1.0 << 0.0 << 0.0;
    QTest::newRow("1024 x 600") << QSizeF(1024, 600) << false << 600.0 / 705 << 194.979 << 0.0;
    QTest::newRow("800 x 600") << QSizeF(800, 600) << false << 600.0 / 705 << 82.979 << 0.0;
    QTest::newRow("640 x 480") << QSizeF(640, 480) << false << 480.0 / 705 << 66.383 << 0.0;
    QTest::newRow("1280 x 800 at factor 2")
        << QSizeF(640, 400) << false << 400.0 / 705 << 108.652 << 0.0;
    QTest::newRow("narrow and tall") << QSizeF(700, 900) << false << 700.0 / 745 << 0.0 << 118.792;
    // Filling the screen: as large as the height allows, 1.532 times at 1920 x 1080.
    QTest::newRow("fill 1920 x 1080")
        << QSizeF(1920, 1080) << true << 1080.0 / 705 << 389.362 << 0.0;
    QTest::newRow("fill 1280 x 800") << QSizeF(1280, 800) << true << 800.0 / 705 << 217.305 << 0.0;
    QTest::newRow("fill narrow and tall")
        << QSizeF(1000, 1400) << true << 1000.0 / 745 << 0.0 << 226.846;
    QTest::newRow("fill 640 x 480, shrunk")
        << QSizeF(640, 480) << true << 480.0 / 705 << 66.383 << 0.0;
}

void WindowTest::panelFit()
{
    QFETCH(QSizeF, screen);
    QFETCH(bool, mayGrow);
    QFETCH(double, scale);
    QFETCH(double, left);
    QFETCH(double, top);
    const PanelFit fit = fitPanel(screen, QSizeF(745, 705), mayGrow);
    QCOMPARE(fit.scale, scale);
    QVERIFY2(qAbs(fit.left - left) < 0.001, qPrintable(QString::number(fit.left)));
    QVERIFY2(qAbs(fit.top - top) < 0.001, qPrintable(QString::number(fit.top)));
}

void WindowTest::panelFollowsTheWindowSize()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(w.geometry().size(), screen);
    QCOMPARE(w.panelScale(), 1.0);
    w.resize(640, 480);
    QTRY_COMPARE(w.size(), QSize(640, 480));
    QCOMPARE(w.panelScale(), 480.0 / 705);
    // The close cross, cut off at this size before, lies inside and answers the mouse.
    const QRectF cross(
        w.windowPosOf(w.Picture1->Left, w.Picture1->Top),
        w.windowPosOf(w.Picture1->Left + w.Picture1->Width, w.Picture1->Top + w.Picture1->Height));
    QVERIFY(QRectF(w.rect()).contains(cross));
    QTest::mouseClick(&w, Qt::LeftButton, {}, cross.center().toPoint());
    QVERIFY(w.isUnloaded());
}

void WindowTest::windowedIsAnOrdinaryWindowOfThePanelsSize()
{
    ClockFixture fixture;
    fixture.window->windowed = true;
    frmclock& w = fixture.load();
    QCOMPARE(w.geometry().size(), QSize(745, 705));
    QCOMPARE(w.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QCOMPARE(w.panel().Left, 0.0f);
    QCOMPARE(w.panel().Top, 0.0f);
    QVERIFY(!w.isFullScreen());
    QVERIFY(!w.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void WindowTest::numeralsCentredOnTheirRingPoints_data()
{
    QTest::addColumn<int>("numerals"); // 0 arabic, 1 roman, as the settings write them
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("minute"); // read to the minute, with the minute marks shown
    const QStringList arabic{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    const QStringList roman{"I",   "II",   "III", "IV", "V",  "VI",
                            "VII", "VIII", "IX",  "X",  "XI", "XII"};
    QTest::newRow("1 to 12") << 0 << arabic << false;
    QTest::newRow("I to XII") << 1 << roman << false;
    QTest::newRow("1 to 12 with the minute marks") << 0 << arabic << true;
    QTest::newRow("I to XII with the minute marks") << 1 << roman << true;
}

void WindowTest::numeralsCentredOnTheirRingPoints()
{
    QFETCH(int, numerals);
    QFETCH(QStringList, captions);
    QFETCH(bool, minute);
    ClockFixture fixture;
    GivenChoices given;
    given[std::size_t(Choice::numerals)] = numerals;
    fixture.window->settings = Settings(QString(), given);
    frmclock& w = fixture.load();
    // Roman numerals are wide: they make room for the marks, and take it back; the design's
    // numerals stand clear of them as they are.
    const float points = w.n8->font.points;
    if (minute) {
        w.lbl1min_Click();
        QCOMPARE(w.n8->font.points < points, numerals == 1);
    }
    const Control* ring[] = {w.n1, w.n2, w.n3, w.n4,  w.n5,  w.n6,
                             w.n7, w.n8, w.n9, w.n10, w.n11, w.n12};
    // Inside the rim, which is 16 pixels of the dial's 7200 twips.
    const QRectF face = QRectF(960, 2542.5, 7200, 7200).adjusted(240, 240, -240, -240);
    for (int k = 1; k <= 12; ++k) {
        const Control* n = ring[k - 1];
        QCOMPARE(n->Caption, captions[k - 1]);
        const TwipPoint tip = handEnd(w.dialCenterX, w.dialCenterY, w.minuteHandLength, k);
        QVERIFY2(qAbs(n->Left + n->Width / 2 - tip.x) < 0.01f, qPrintable(n->name));
        QVERIFY2(qAbs(n->Top + n->Height / 2 - tip.y) < 0.01f, qPrintable(n->name));
        const QRectF box(n->Left, n->Top, n->Width, n->Height);
        QVERIFY2(face.contains(box), qPrintable(n->name));
        const QRectF next(ring[k % 12]->Left, ring[k % 12]->Top, ring[k % 12]->Width,
                          ring[k % 12]->Height);
        QVERIFY2(!box.intersects(next), qPrintable(n->name));
    }
    if (minute) {
        w.lblQuarter_Click();
        QCOMPARE(w.n8->font.points, points);
    }
}

void WindowTest::hitTest_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("expected"); // empty: nothing that takes the mouse
    QTest::newRow("dial's left strip") << 1000.f << 6000.f << "";
    QTest::newRow("dial face") << 3000.f << 4000.f << "lblClickMe";
    QTest::newRow("prompt on the dial") << 4605.f << 5270.f << "lblClickMe";
    QTest::newRow("numeral 3") << 7440.f << 6142.f << "lblClickMe";
    QTest::newRow("minute hand") << 4800.f << 5000.f << "lblClickMe";
    QTest::newRow("caption 1/4 Hour") << 9500.f << 6990.f << "lblQuarter";
    QTest::newRow("caption Random") << 9400.f << 3600.f << "lblRandom";
    QTest::newRow("caption 5 minute") << 9500.f << 7750.f << "lbl5min";
    QTest::newRow("far right of Random button") << 10550.f << 3600.f << "Image2";
    QTest::newRow("bottom edge of Random button") << 9000.f << 3830.f << "Image2";
    QTest::newRow("far right of Hour button") << 10500.f << 5700.f << "Image1";
    QTest::newRow("Random marker dot") << 8625.f << 3570.f << "";
    QTest::newRow("1/4 Hour marker dot") << 8625.f << 7020.f << "";
    QTest::newRow("caption 1 minute") << 9500.f << 8400.f << "lbl1min";
    QTest::newRow("far right of 1 minute button") << 10500.f << 8400.f << "Image9";
    QTest::newRow("1 minute marker dot") << 8625.f << 8355.f << "";
    QTest::newRow("between 5 minute and 1 minute") << 9500.f << 8070.f << "";
    // Practice, above the dial and left of the readout.
    QTest::newRow("caption Read") << 1100.f << 1400.f << "lblRead";
    QTest::newRow("caption Set") << 1000.f << 1980.f << "lblSet";
    QTest::newRow("far right of Set button") << 2175.f << 1950.f << "Image8";
    QTest::newRow("Read marker dot") << 300.f << 1350.f << "";
    QTest::newRow("below 1 minute, where Practice was") << 9500.f << 9300.f << "";
    QTest::newRow("web address, below the options") << 9500.f << 10300.f << "Label2";
    QTest::newRow("close cross") << 10365.f << 765.f << "Picture1";
    QTest::newRow("bare panel") << 500.f << 500.f << "";
    QTest::newRow("outside the panel") << -100.f << 500.f << "";
}

void WindowTest::hitTest()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, expected);
    ClockFixture fixture;
    fixture.load();
    const Control* hit = fixture.window->panel().hitTest(x, y);
    QCOMPARE(hit ? hit->name : QString(), expected);
}

void WindowTest::closeBoxHasItsToolTip()
{
    ClockFixture fixture;
    QCOMPARE(fixture.window->Picture1->toolTip, QStringLiteral("Click to close program"));
    QCOMPARE(fixture.window->Picture1->Width, 570.0f);
}

void WindowTest::promptKeepsItsCentre()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    const float centre = 3510 + 2190 / 2.0f;
    QCOMPARE(w.lblTop->Width, 0.0f);
    QCOMPARE(w.lblTop->Left, centre);
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QVERIFY(w.lblTop->Width > 1000);
    QCOMPARE(w.lblTop->Left + w.lblTop->Width / 2, centre);
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(w.lblTop->Left, centre);
}

struct Expect {
    int r, g, b;
};
Q_DECLARE_METATYPE(Expect)

void WindowTest::pixels_data()
{
    // Points in panel twips, for the clock started at 3:00 (hour hand to the 3, minute
    // hand to the 12).
    QTest::addColumn<QPointF>("twips");
    QTest::addColumn<Expect>("colour");
    QTest::addColumn<QSize>("window"); // empty: the whole screen
    const QSize screen, small(640, 480);
    QTest::newRow("panel") << QPointF(300, 9000) << Expect{0, 64, 0} << screen;
    QTest::newRow("dial face") << QPointF(3000, 8000) << Expect{255, 255, 255} << screen;
    QTest::newRow("rim") << QPointF(960 + 120, 6142.5) << Expect{128, 0, 0} << screen;
    QTest::newRow("minute hand near its tip") << QPointF(4560, 3500) << Expect{0, 0, 192} << screen;
    QTest::newRow("hour hand near its tip") << QPointF(6200, 6142.5) << Expect{128, 0, 0} << screen;
    QTest::newRow("centre pin") << QPointF(4560 - 60, 6142.5 + 60) << Expect{128, 0, 0} << screen;
    QTest::newRow("Read marker") << QPointF(300, 1350) << Expect{255, 255, 255} << screen;
    QTest::newRow("Set button") << QPointF(2000, 1900) << Expect{248, 248, 248} << screen;
    QTest::newRow("1 minute button") << QPointF(10300, 8300) << Expect{248, 248, 248} << screen;
    QTest::newRow("where Practice was") << QPointF(9500, 9300) << Expect{0, 64, 0} << screen;
    QTest::newRow("no day picture above the 6")
        << QPointF(4560, 7942) << Expect{255, 255, 255} << screen;
    // Shrunk to fit, every part stays where the twips say.
    QTest::newRow("small: rim") << QPointF(960 + 120, 6142.5) << Expect{128, 0, 0} << small;
    QTest::newRow("small: dial face") << QPointF(3000, 8000) << Expect{255, 255, 255} << small;
    QTest::newRow("small: minute hand") << QPointF(4560, 3500) << Expect{0, 0, 192} << small;
    QTest::newRow("small: close cross") << QPointF(10365, 765) << Expect{127, 0, 0} << small;
    QTest::newRow("small: Set button") << QPointF(2000, 1900) << Expect{248, 248, 248} << small;
    QTest::newRow("small: 1 minute button")
        << QPointF(10300, 8300) << Expect{248, 248, 248} << small;
    QTest::newRow("small: panel corner") << QPointF(11100, 10500) << Expect{0, 64, 0} << small;
}

void WindowTest::pixels()
{
    QFETCH(QPointF, twips);
    QFETCH(Expect, colour);
    QFETCH(QSize, window);
    ClockFixture fixture(3, 0);
    fixture.load();
    if (!window.isEmpty()) {
        fixture.window->resize(window);
        QTRY_COMPARE(fixture.window->size(), window);
    }
    const QImage shot = fixture.window->grab().toImage();
    const QColor got = shot.pixelColor(fixture.at(twips.x(), twips.y()));
    QVERIFY2(qAbs(got.red() - colour.r) <= 8 && qAbs(got.green() - colour.g) <= 8 &&
                 qAbs(got.blue() - colour.b) <= 8,
             qPrintable(QStringLiteral("got %1").arg(got.name())));
    QCOMPARE(shot.pixelColor(2, shot.height() - 3), QColor(Qt::black));
}

// Choosing "1 minute" adds the marks and moves the marker dot, and nothing else; any other
// precision afterwards gives back the dial exactly as it was.
void WindowTest::minuteMarksOnlyAtOneMinute()
{
    ClockFixture fixture(3, 0);
    frmclock& w = fixture.load();
    w.lblQuarter_Click();
    const QImage quarter = w.grab().toImage();
    w.lbl1min_Click();
    const QImage minute = w.grab().toImage();
    w.lblQuarter_Click();
    QCOMPARE(w.grab().toImage(), quarter);

    const QPoint centre = fixture.at(w.dialCenterX, w.dialCenterY);
    const double radius = fixture.at(w.dialCenterX + w.dialRadius, 0).x() - centre.x();
    // The two dots, "1/4 Hour" and "1 minute", with the edge their smoothing spills over.
    const QRect dots = QRect(fixture.at(8565, 6960), fixture.at(8685, 8415)).adjusted(-1, -1, 1, 1);
    int changed = 0;
    for (int y = 0; y < minute.height(); ++y)
        for (int x = 0; x < minute.width(); ++x) {
            if (minute.pixel(x, y) == quarter.pixel(x, y))
                continue;
            ++changed;
            const double r = std::hypot(x - centre.x(), y - centre.y()) / radius;
            // Between the numerals' glyphs (0.85) and the rim's inner edge (224 of 240
            // pixels), or a marker dot.
            QVERIFY2((r > 0.86 && r < 224 / 240.0) || dots.contains(x, y),
                     qPrintable(QStringLiteral("%1, %2 at %3").arg(x).arg(y).arg(r)));
        }
    QVERIFY(changed > 60 * 8);
    // A minute's mark grey, a numeral's mark black.
    const auto markAt = [&](int minutes) {
        const double angle = minutes * M_PI / 30, r = 0.9 * w.dialRadius;
        return minute.pixelColor(fixture.at(float(w.dialCenterX + r * std::sin(angle)),
                                            float(w.dialCenterY - r * std::cos(angle))));
    };
    QVERIFY2(qGray(markAt(7).rgb()) < 160, qPrintable(markAt(7).name()));
    QVERIFY2(qGray(markAt(15).rgb()) < 40, qPrintable(markAt(15).name()));
}

void WindowTest::numeralIsDrawnInsideItsBox()
{
    ClockFixture fixture(3, 0);
    frmclock& w = fixture.load();
    const QImage shot = w.grab().toImage();
    for (const Control* n : {w.n3, w.n12, w.n7}) {
        const QRect box(fixture.at(n->Left, n->Top),
                        fixture.at(n->Left + n->Width, n->Top + n->Height));
        int dark = 0;
        for (int y = box.top(); y < box.bottom(); ++y)
            for (int x = box.left(); x < box.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 80;
        QVERIFY2(dark > 20, qPrintable(n->name));
    }
}

void WindowTest::dayPictureCoversNothingOfTheDial_data()
{
    QTest::addColumn<int>("numerals"); // the index of the choice's word: arabic, roman
    QTest::newRow("1 to 12") << 0;
    QTest::newRow("I to XII") << 1;
}

// Shown with the day's hours, in the window above the 6: clear of every numeral's box and
// inside the ring of the minute marks, and drawn. The readout beside it writes its widest
// English time, start-up's " 12:45" with "pm", inside its frame, the outline 2 pixels wide.
void WindowTest::dayPictureCoversNothingOfTheDial()
{
    QFETCH(int, numerals);
    ClockFixture fixture(12, 45);
    frmclock& w = *fixture.window;
    w.settings.choose(Choice::numerals, numerals);
    w.settings.choose(Choice::hours, 1);
    fixture.load();
    const Control& picture = *w.imgDayPart;
    QVERIFY(picture.Visible);
    const QRectF box(picture.Left, picture.Top, picture.Width, picture.Height);
    for (const Control* n :
         {w.n1, w.n2, w.n3, w.n4, w.n5, w.n6, w.n7, w.n8, w.n9, w.n10, w.n11, w.n12})
        QVERIFY2(!box.intersects(QRectF(n->Left, n->Top, n->Width, n->Height)),
                 qPrintable(n->name));
    const TwipSegment mark = minuteMarkEnds(w.dialCenterX, w.dialCenterY, w.dialRadius, 30);
    QVERIFY(box.bottom() < mark.inner.y);
    QVERIFY(box.contains(w.dialCenterX, w.dialCenterY + w.dialRadius / 2));
    const QImage shot = w.grab().toImage();
    const QColor sky = shot.pixelColor(fixture.at(w.dialCenterX - 360, float(box.top() + 120)));
    QVERIFY2(sky.blue() > sky.red() + 50, qPrintable(sky.name()));

    const Control& readout = *w.lblDigital;
    QCOMPARE(readout.Caption + readout.smallText, QStringLiteral(" 12:45pm"));
    QVERIFY(fittedTextSize(readout, readout.Caption).width() <= w.Shape2->Width - 60);
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
