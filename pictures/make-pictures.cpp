// Draws the program's pictures. Run it with the folder to write into; the PNGs it
// makes are checked in, so this only needs running when a drawing changes.
//
// Every picture is drawn in its 1x logical coordinates and the painter is scaled to
// the target size, so the @2x and icon-theme variants are the same drawing rendered
// sharply rather than a blurred upscale.

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace
{

using Drawing = std::function<void(QPainter&)>;

QImage render(QSizeF logical, qreal scale, const Drawing& draw)
{
    QImage image((logical * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Writes name.png and name@2x.png.
bool saveBoth(const QDir& dir, const QString& name, QSizeF logical, const Drawing& draw)
{
    return save(render(logical, 1, draw), dir.filePath(name + ".png")) &&
           save(render(logical, 2, draw), dir.filePath(name + "@2x.png"));
}

const QSizeF crossSize(38, 38);

void drawCloseCross(QPainter& p)
{
    // Round caps of radius 3 put the ink exactly 6 px in from every edge.
    const qreal width = 6, inset = 6 + width / 2;
    const qreal far = crossSize.width() - inset;
    p.setPen(QPen(QColor(127, 0, 0), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(inset, inset), QPointF(far, far));
    p.drawLine(QPointF(far, inset), QPointF(inset, far));
}

const QSizeF buttonSize(123, 31);

void drawButton(QPainter& p)
{
    // The outline is centred half a pixel in so its 1 px line covers whole pixels.
    const QRectF bar = QRectF(QPointF(0, 0), buttonSize).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = bar.height() / 2;
    QPainterPath shape;
    shape.addRoundedRect(bar, radius, radius);

    p.fillPath(shape, QColor(248, 248, 248));

    const qreal bandTop = buttonSize.height() * 2 / 3;
    QLinearGradient band(0, bandTop, 0, buttonSize.height());
    band.setColorAt(0, QColor(170, 200, 255));
    band.setColorAt(1, QColor(0, 40, 160));
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(0, bandTop, buttonSize.width(), buttonSize.height() - bandTop), band);
    p.restore();

    p.setPen(QPen(QColor(0, 0, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

const QSizeF gearSize(18, 18);
const QColor gearColour(130, 165, 130);

// The grown-ups' settings: a small gear in a muted green that sits quietly on the panel's
// dark green, so a child's eye is not drawn to it.
void drawGear(QPainter& p)
{
    const QPointF centre(gearSize.width() / 2, gearSize.height() / 2);
    QPainterPath gear;
    gear.addEllipse(centre, 6, 6);
    const int teeth = 8;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 360.0 / teeth);
        QPainterPath one;
        one.addRoundedRect(QRectF(-1.6, -8.5, 3.2, 4), 0.8, 0.8);
        gear = gear.united(turn.map(one));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 2.5, 2.5);
    p.fillPath(gear.subtracted(hole), gearColour);
}

const QSizeF dayWindowSize(64, 40);

// The part of the day, seen through a small window of the dial as a watch shows the moon: a
// sky, the hills, and the sun or the moon where they stand then, inside a thin rim of the
// dial's maroon.
void drawDayWindow(QPainter& p, QColor skyTop, QColor skyLow, QColor hillColour,
                   const Drawing& sunOrMoon)
{
    const QRectF frame = QRectF(QPointF(0, 0), dayWindowSize).adjusted(1, 1, -1, -1);
    QPainterPath window;
    window.addRoundedRect(frame, 8, 8);
    p.save();
    p.setClipPath(window);
    QLinearGradient sky(0, 0, 0, dayWindowSize.height());
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyLow);
    p.fillRect(frame, sky);
    sunOrMoon(p);
    QPainterPath hills;
    hills.moveTo(0, 40);
    hills.lineTo(0, 30);
    hills.cubicTo(12, 25, 22, 29, 34, 31);
    hills.cubicTo(46, 33, 54, 27, 64, 28);
    hills.lineTo(64, 40);
    hills.closeSubpath();
    p.fillPath(hills, hillColour);
    p.restore();
    p.setPen(QPen(QColor(128, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window);
}

void drawSun(QPainter& p, QPointF centre, qreal radius, QColor colour, bool rays)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    if (!rays)
        return;
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal angle = qDegreesToRadians(ray * 45.0 + 22.5);
        const QPointF along(std::cos(angle), std::sin(angle));
        p.drawLine(centre + along * (radius + 2.5), centre + along * (radius + 5.5));
    }
}

void drawNight(QPainter& p)
{
    drawDayWindow(p, QColor(8, 14, 44), QColor(28, 38, 84), QColor(20, 52, 32), [](QPainter& sky) {
        QPainterPath moon;
        moon.addEllipse(QPointF(24, 16), 9, 9);
        QPainterPath bite;
        bite.addEllipse(QPointF(29, 13), 8, 8);
        sky.fillPath(moon.subtracted(bite), QColor(250, 240, 190));
        sky.setPen(Qt::NoPen);
        sky.setBrush(QColor(255, 255, 230));
        for (const QPointF star :
             {QPointF(42, 8), QPointF(52, 15), QPointF(11, 9), QPointF(37, 20), QPointF(57, 6)})
            sky.drawEllipse(star, 1.1, 1.1);
    });
}

void drawMorning(QPainter& p)
{
    drawDayWindow(
        p, QColor(140, 195, 250), QColor(255, 220, 160), QColor(70, 150, 60),
        [](QPainter& sky) { drawSun(sky, QPointF(17, 28), 8, QColor(255, 190, 40), true); });
}

void drawAfternoon(QPainter& p)
{
    drawDayWindow(
        p, QColor(50, 140, 235), QColor(150, 210, 255), QColor(80, 165, 60),
        [](QPainter& sky) { drawSun(sky, QPointF(32, 14), 7, QColor(255, 220, 0), true); });
}

void drawEvening(QPainter& p)
{
    drawDayWindow(
        p, QColor(100, 70, 150), QColor(255, 150, 70), QColor(45, 85, 45),
        [](QPainter& sky) { drawSun(sky, QPointF(47, 29), 8, QColor(235, 80, 40), false); });
}

const qreal iconSide = 36;

// Rounds a length in logical units to an even number of device pixels, at least two,
// so a line centred on the face's centre (always a pixel corner, as every size is even)
// covers whole pixels instead of smearing into grey at small sizes.
qreal evenPixels(qreal logical, qreal scale)
{
    return std::max(2.0, 2 * std::round(logical * scale / 2)) / scale;
}

void drawIcon(QPainter& p)
{
    const qreal scale = p.worldTransform().m11();
    const QPointF centre(iconSide / 2, iconSide / 2);
    p.fillRect(QRectF(0, 0, iconSide, iconSide), Qt::black);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 17, 17);

    // Below about a pixel across the dots fade into the face, so they keep a minimum.
    const qreal dot = std::max(1.3, 0.75 / scale);
    p.setBrush(Qt::black);
    for (int hour = 0; hour < 12; ++hour) {
        const qreal angle = qDegreesToRadians(hour * 30.0);
        p.drawEllipse(centre + QPointF(std::sin(angle), -std::cos(angle)) * 14, dot, dot);
    }

    // The hour hand is the thicker, shorter one, as on a real clock.
    p.setPen(QPen(Qt::black, evenPixels(4, scale), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(8, 0));
    p.setPen(QPen(Qt::black, evenPixels(2, scale), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -11));
}

} // namespace

int main(int argc, char** argv)
{
    // Painting on images needs no screen; don't let a missing display stop a build.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-pictures OUTPUT-FOLDER\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath("icons")) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    bool ok = saveBoth(out, "closecross", crossSize, drawCloseCross) &&
              saveBoth(out, "button", buttonSize, drawButton) &&
              saveBoth(out, "icon", QSizeF(iconSide, iconSide), drawIcon) &&
              saveBoth(out, "gear", gearSize, drawGear) &&
              saveBoth(out, "day-night", dayWindowSize, drawNight) &&
              saveBoth(out, "day-morning", dayWindowSize, drawMorning) &&
              saveBoth(out, "day-afternoon", dayWindowSize, drawAfternoon) &&
              saveBoth(out, "day-evening", dayWindowSize, drawEvening);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        ok = ok && save(render(QSizeF(iconSide, iconSide), size / iconSide, drawIcon),
                        out.filePath(QString("icons/%1.png").arg(size)));
    }
    return ok ? 0 : 1;
}
