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
              saveBoth(out, "gear", gearSize, drawGear);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        ok = ok && save(render(QSizeF(iconSide, iconSide), size / iconSide, drawIcon),
                        out.filePath(QString("icons/%1.png").arg(size)));
    }
    return ok ? 0 : 1;
}
