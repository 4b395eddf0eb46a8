#include "app/form/firstframe.h"
#include "app/form/textfit.h"
#include "tests/support/clockfixture.h"

#include <QPainter>
#include <QtTest>

// The first frame painted ahead, on a thread of its own, is what the window paints itself,
// pixel for pixel; a panel changed meanwhile is painted anew.
class TestFirstFrame : public QObject
{
    Q_OBJECT

private slots:
    void paintedAheadIsTheWindowsOwn_data();
    void paintedAheadIsTheWindowsOwn();
    void changedPanelIsPaintedAnew_data();
    void changedPanelIsPaintedAnew();
};

void TestFirstFrame::paintedAheadIsTheWindowsOwn_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QSize>("window");
    // The 745 x 705 panel lies half a pixel off the grid on an even screen.
    QTest::newRow("3:00, half a pixel in") << 3 << 0 << QSize(1280, 800);
    QTest::newRow("14:07, on whole pixels") << 14 << 7 << QSize(1281, 801);
}

void TestFirstFrame::paintedAheadIsTheWindowsOwn()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QSize, window);
    ClockFixture fixture(hour, minute);
    frmclock& w = fixture.load();
    w.resize(window);
    QTRY_COMPARE(w.size(), window);
    w.grab(); // whatever start-up painted ahead is used up
    const QImage own = w.grab().toImage().convertToFormat(QImage::Format_RGB32);

    FirstFrame ahead;
    ahead.start(w.panel());
    const std::optional<FirstFrame::Frame> frame = ahead.take(w.panel());
    QVERIFY(frame);
    QImage shown(window, QImage::Format_RGB32);
    shown.fill(Qt::black);
    QPainter(&shown).drawImage(frame->at, frame->image);
    QCOMPARE(shown, own);
}

void TestFirstFrame::changedPanelIsPaintedAnew_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("readout's text") << "caption";
    QTest::newRow("minute hand moved") << "hand";
    QTest::newRow("dot hidden") << "hidden";
    QTest::newRow("panel moved") << "moved";
}

void TestFirstFrame::changedPanelIsPaintedAnew()
{
    QFETCH(QString, change);
    ClockFixture fixture(3, 0);
    frmclock& w = fixture.load();
    FirstFrame ahead;
    ahead.start(w.panel());
    if (change == "caption")
        setCaption(*w.lblDigital, QStringLiteral("3:05"));
    else if (change == "hand")
        w.Line1->X2 += 15;
    else if (change == "hidden")
        w.shpRandom->Visible = false;
    else
        w.panel().Left += 1;
    QVERIFY(!ahead.take(w.panel()));
}

QTEST_MAIN(TestFirstFrame)
#include "test_firstframe.moc"
