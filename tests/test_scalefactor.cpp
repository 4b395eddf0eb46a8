// The panel at the scale factors a desktop may set through QT_SCALE_FACTOR. Qt reads the
// factor once, as the application starts, so each factor runs in a process of its own:
// this program again, asked only to show the window and say where the panel came out.
#include "tests/support/child.h"
#include "tests/support/clockfixture.h"

#include <QtTest>
#include <cstdio>

namespace
{
const char kReportOption[] = "--report-panel-at";

bool isPanelGreen(QRgb pixel)
{
    return qRed(pixel) <= 8 && qAbs(qGreen(pixel) - 64) <= 8 && qBlue(pixel) <= 8;
}

// Prints the window's size and the box of the panel's green in it, in device pixels.
int reportPanel()
{
    ClockFixture fixture(3, 0);
    const QImage shot = fixture.load().grab().toImage();
    int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isPanelGreen(shot.pixel(x, y))) {
                left = qMin(left, x), right = qMax(right, x);
                top = qMin(top, y), bottom = qMax(bottom, y);
            }
    std::printf("%d %d %d %d %d %d\n", shot.width(), shot.height(), left, top, right, bottom);
    return 0;
}
} // namespace

class ScaleFactorTest : public QObject
{
    Q_OBJECT
private slots:
    void wholePanelCentredInTheWindow_data();
    void wholePanelCentredInTheWindow();
};

void ScaleFactorTest::wholePanelCentredInTheWindow_data()
{
    // The offscreen screen is 800 x 800 device pixels, so 800 / factor logical pixels; the
    // panel is 745 x 705 logical pixels, shrunk only where that is smaller. Worked by hand,
    // the panel's size in device pixels.
    QTest::addColumn<QByteArray>("factor");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("0.5") << QByteArray("0.5") << 372.5 << 352.5;
    QTest::newRow("0.75") << QByteArray("0.75") << 558.75 << 528.75;
    QTest::newRow("1") << QByteArray("1") << 745.0 << 705.0;
    // 533 logical pixels across: shrunk by 533 / 745 to 533 x 504.4.
    QTest::newRow("1.5") << QByteArray("1.5") << 799.5 << 756.6;
    QTest::newRow("2") << QByteArray("2") << 800.0 << 757.0;
}

void ScaleFactorTest::wholePanelCentredInTheWindow()
{
    QFETCH(QByteArray, factor);
    QFETCH(double, width);
    QFETCH(double, height);
    ChildProcess child;
    QVERIFY(child.start({QCoreApplication::applicationFilePath(), QLatin1String(kReportOption),
                         QString::fromLatin1(factor)},
                        ChildProcess::Keep::Output));
    QByteArray report;
    while (!report.contains('\n') && child.running())
        report += child.read(100);
    report += child.read(0);
    QCOMPARE(child.wait(60000), 0);
    int w = 0, h = 0, left = 0, top = 0, right = 0, bottom = 0;
    QVERIFY2(std::sscanf(report.constData(), "%d %d %d %d %d %d", &w, &h, &left, &top, &right,
                         &bottom) == 6,
             report.constData());
    const QString box = QStringLiteral("panel %1..%2 x %3..%4 in %5 x %6")
                            .arg(left)
                            .arg(right)
                            .arg(top)
                            .arg(bottom)
                            .arg(w)
                            .arg(h);
    // Inside, the same room on either side, and all of it there.
    QVERIFY2(left >= 0 && top >= 0 && right < w && bottom < h, qPrintable(box));
    QVERIFY2(qAbs(left - (w - 1 - right)) <= 1, qPrintable(box));
    QVERIFY2(qAbs(top - (h - 1 - bottom)) <= 1, qPrintable(box));
    QVERIFY2(qAbs(right - left + 1 - width) <= 2, qPrintable(box));
    QVERIFY2(qAbs(bottom - top + 1 - height) <= 2, qPrintable(box));
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], kReportOption) == 0) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
        QApplication app(argc, argv);
        return reportPanel();
    }
    QCoreApplication app(argc, argv);
    ScaleFactorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scalefactor.moc"
