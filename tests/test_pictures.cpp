#include "app/form/picturefile.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <cmath>

// The pictures are drawn by pictures/make-pictures and checked in; these tests catch a
// stale or mis-drawn PNG, a resource file that lost an entry, and a missing @2x variant.

namespace
{

// Dark is for the hour dots, which are antialiased even where they land on the grid.
enum class Ink { Transparent, Maroon, NearWhite, Black, Dark, White, Blue };

bool matches(QColor c, Ink ink)
{
    const int r = c.red(), g = c.green(), b = c.blue(), a = c.alpha();
    switch (ink) {
    case Ink::Transparent:
        return a == 0;
    case Ink::Maroon:
        return a >= 250 && qAbs(r - 127) <= 8 && g <= 8 && b <= 8;
    case Ink::NearWhite:
        return a == 255 && r >= 235 && g >= 235 && b >= 235 && r < 255;
    case Ink::Black:
        return a == 255 && r <= 12 && g <= 12 && b <= 12;
    case Ink::Dark:
        return a == 255 && r <= 60 && g <= 60 && b <= 60;
    case Ink::White:
        return a == 255 && r >= 245 && g >= 245 && b >= 245;
    case Ink::Blue:
        return a >= 200 && b >= 150 && b - r >= 50 && b - g >= 40;
    }
    return false;
}

QImage load(const QString& path)
{
    QImage image(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPoint pixelAt(QPointF logical, qreal scale)
{
    return QPoint(int(std::floor(logical.x() * scale)), int(std::floor(logical.y() * scale)));
}

} // namespace

Q_DECLARE_METATYPE(Ink)

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The resources live in a static library, whose registration the linker would
        // otherwise drop as unreferenced.
        Q_INIT_RESOURCE(pictures);
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("closecross") << "closecross" << QSize(38, 38);
        QTest::newRow("button") << "button" << QSize(123, 31);
        QTest::newRow("icon") << "icon" << QSize(36, 36);
        QTest::newRow("gear") << "gear" << QSize(18, 18);
        for (const char* part : {"day-night", "day-morning", "day-afternoon", "day-evening"})
            QTest::newRow(part) << part << QSize(64, 40);
    }

    void sizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString path = ":/pictures/" + name + ".png";

        const QImage normal = load(path);
        QCOMPARE(normal.size(), size);
        QVERIFY(normal.hasAlphaChannel());
        QCOMPARE(load(":/pictures/" + name + "@2x.png").size(), size * 2);

        // On a 2x screen (see main) an icon made from the plain name must find the
        // sharp variant, which is looked for only through the "@2x" file name.
        const QPixmap sharp = iconFromPictureFile(path).pixmap(size, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), size * 2);
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("point"); // in 1x pixels
        QTest::addColumn<Ink>("ink");

        const QList<QPair<const char*, QPointF>> crossGround = {
            {"corner top left", {1, 1}}, {"corner bottom right", {36, 36}},
            {"above centre", {19, 8}},   {"below centre", {19, 29}},
            {"left of centre", {8, 19}}, {"edge inside inset", {4, 4}},
        };
        for (const auto& [what, at] : crossGround)
            QTest::addRow("closecross %s", what) << "closecross" << at << Ink::Transparent;
        const QList<QPair<const char*, QPointF>> crossInk = {
            {"centre", {18.5, 18.5}},       {"top left arm", {10, 10}},
            {"top right arm", {27, 10}},    {"bottom left arm", {10, 27}},
            {"bottom right arm", {27, 27}},
        };
        for (const auto& [what, at] : crossInk)
            QTest::addRow("closecross %s", what) << "closecross" << at << Ink::Maroon;

        QTest::newRow("button corner") << "button" << QPointF(0, 0) << Ink::Transparent;
        QTest::newRow("button far corner") << "button" << QPointF(122, 30) << Ink::Transparent;
        QTest::newRow("button outside round end") << "button" << QPointF(2, 2) << Ink::Transparent;
        QTest::newRow("button upper middle") << "button" << QPointF(61, 8) << Ink::NearWhite;
        QTest::newRow("button inside left end") << "button" << QPointF(8, 15) << Ink::NearWhite;
        QTest::newRow("button band middle") << "button" << QPointF(61, 27) << Ink::Blue;
        QTest::newRow("button band left") << "button" << QPointF(25, 28) << Ink::Blue;
        QTest::newRow("button top outline") << "button" << QPointF(61, 0) << Ink::Blue;
        QTest::newRow("button end outline") << "button" << QPointF(0, 15) << Ink::Blue;

        QTest::newRow("icon corner") << "icon" << QPointF(0, 0) << Ink::Black;
        QTest::newRow("icon far corner") << "icon" << QPointF(35, 35) << Ink::Black;
        QTest::newRow("icon face") << "icon" << QPointF(10, 26) << Ink::White;
        QTest::newRow("icon face upper right") << "icon" << QPointF(25, 11) << Ink::White;
        QTest::newRow("icon minute hand") << "icon" << QPointF(17.5, 10) << Ink::Black;
        QTest::newRow("icon hour hand") << "icon" << QPointF(23, 17.5) << Ink::Black;
        QTest::newRow("icon nothing at nine") << "icon" << QPointF(12, 17.5) << Ink::White;
        QTest::newRow("icon six o'clock dot") << "icon" << QPointF(18, 32) << Ink::Dark;

        // The window's rounded corner and rim, and a night sky told from the day's.
        QTest::newRow("day corner") << "day-afternoon" << QPointF(0, 0) << Ink::Transparent;
        QTest::newRow("day rim") << "day-morning" << QPointF(32, 0.5) << Ink::Maroon;
        QTest::newRow("night sky") << "day-night" << QPointF(6, 6) << Ink::Dark;
        QTest::newRow("afternoon sky") << "day-afternoon" << QPointF(6, 6) << Ink::Blue;
    }

    void colours()
    {
        QFETCH(QString, name);
        QFETCH(QPointF, point);
        QFETCH(Ink, ink);

        for (int scale : {1, 2}) {
            const QString path = ":/pictures/" + name + (scale == 2 ? "@2x.png" : ".png");
            const QImage image = load(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            const QPoint pixel = pixelAt(point, scale);
            const QColor c = image.pixelColor(pixel);
            QVERIFY2(matches(c, ink), qPrintable(QString("%1 at (%2,%3): rgba(%4,%5,%6,%7)")
                                                     .arg(path)
                                                     .arg(pixel.x())
                                                     .arg(pixel.y())
                                                     .arg(c.red())
                                                     .arg(c.green())
                                                     .arg(c.blue())
                                                     .arg(c.alpha())));
        }
    }

    // The desktop theme icons are not resources; they are installed from the source tree.
    void themeIcons_data()
    {
        QTest::addColumn<int>("side");
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", side) << side;
    }

    void themeIcons()
    {
        QFETCH(int, side);
        const QString path = QFINDTESTDATA(QString("../pictures/icons/%1.png").arg(side));
        QVERIFY2(!path.isEmpty(), "theme icon not found");
        const QImage image = load(path);
        QCOMPARE(image.size(), QSize(side, side));
        const qreal scale = side / 36.0;
        QVERIFY(matches(image.pixelColor(0, 0), Ink::Black));
        QVERIFY(matches(image.pixelColor(side - 1, side - 1), Ink::Black));
        QVERIFY(matches(image.pixelColor(pixelAt(QPointF(12, 24), scale)), Ink::White));
        // The hands sit just left of and just above the centre pixel corner.
        QVERIFY(matches(image.pixelColor(side / 2 - 1, side / 2 - 3), Ink::Black));
        QVERIFY(matches(image.pixelColor(side / 2 + 1, side / 2 - 1), Ink::Black));
    }
};

// Qt only looks for "@2x" files when some screen is that dense, so pretend one is.
int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    TestPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_pictures.moc"
