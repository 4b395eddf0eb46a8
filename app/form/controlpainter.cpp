#include "app/form/controlpainter.h"

#include "app/form/picturefile.h"
#include "app/form/textfit.h"
#include "app/form/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>

namespace
{
QRectF pixelBox(const Control& c)
{
    return {c.Left / kTwipsPerPixel, c.Top / kTwipsPerPixel, c.Width / kTwipsPerPixel,
            c.Height / kTwipsPerPixel};
}

// QIcon picks the @2x picture on a high-density screen, or on a panel grown larger, and
// brings it to the device pixels it covers, so it is never a small picture blown up.
QPixmap pictureOf(const Control& c, qreal ratio)
{
    const QSize size(qRound(c.Width / kTwipsPerPixel), qRound(c.Height / kTwipsPerPixel));
    const QString key = c.picture + QString::number(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = iconFromPictureFile(c.picture, ratio).pixmap(size, ratio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

// The outline is kept inside the shape's box so a thick rim never spills past it.
QPainterPath shapePath(const Control& c, qreal inset)
{
    QRectF box = pixelBox(c);
    if (c.shape != ShapeKind::RoundedRect) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    box = box.adjusted(inset, inset, -inset, -inset);
    QPainterPath path;
    if (c.shape == ShapeKind::Circle)
        path.addEllipse(box);
    else if (c.shape == ShapeKind::RoundedSquare)
        path.addRoundedRect(box, box.width() / 9, box.width() / 9);
    else
        path.addRoundedRect(box, 10, 10);
    return path;
}

void paintShape(QPainter& p, const Control& c)
{
    // Fill and outline share one path so the outline covers the fill's edge entirely.
    const qreal pen = c.borderWidth;
    p.setBrush(c.fillColor ? QBrush(*c.fillColor) : QBrush(Qt::NoBrush));
    p.setPen(QPen(c.borderColor, pen));
    p.drawPath(shapePath(c, pen / 2));
}

void paintLine(QPainter& p, const Control& c)
{
    p.setPen(QPen(c.borderColor, c.borderWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.X1 / kTwipsPerPixel, c.Y1 / kTwipsPerPixel),
               QPointF(c.X2 / kTwipsPerPixel, c.Y2 / kTwipsPerPixel));
}

// The caption and its small text on one baseline, placed as one line.
void paintLabelWithSmallText(QPainter& p, const Control& c)
{
    const QFont font = labelFont(c), small = smallTextFont(font);
    const QFontMetricsF metrics(font), smallMetrics(small);
    const qreal captionWidth = metrics.horizontalAdvance(c.Caption);
    const qreal gap = smallMetrics.horizontalAdvance(QLatin1Char(' '));
    const qreal width = captionWidth + gap + smallMetrics.horizontalAdvance(c.smallText);
    const QRectF box = pixelBox(c);
    const qreal left = c.centred ? box.center().x() - width / 2 : box.left();
    const qreal baseline = box.top() + metrics.ascent();
    p.setPen(c.foreColor);
    p.setFont(font);
    p.drawText(QPointF(left, baseline), c.Caption);
    p.setFont(small);
    p.drawText(QPointF(left + captionWidth + gap, baseline), c.smallText);
}

void paintLabel(QPainter& p, const Control& c)
{
    if (c.Caption.isEmpty())
        return;
    if (!c.smallText.isEmpty()) {
        paintLabelWithSmallText(p, c);
        return;
    }
    p.setFont(labelFont(c));
    p.setPen(c.foreColor);
    int flags = Qt::AlignTop | (c.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    if (!c.fitsText)
        flags |= Qt::TextWordWrap;
    // Fitted labels never clip their own text: the box is the text's measured size.
    QRectF box = pixelBox(c);
    if (c.fitsText)
        box.setWidth(box.width() + 1);
    p.drawText(box, flags, c.Caption);
}

void paintPicture(QPainter& p, const Control& c)
{
    if (c.backColor)
        p.fillRect(pixelBox(c), *c.backColor);
    // Below one device pixel per logical pixel the view scales the painter itself.
    const qreal ratio =
        std::max<qreal>(1, p.device()->devicePixelRatioF()) * p.worldTransform().m11();
    p.drawPixmap(pixelBox(c).topLeft(), pictureOf(c, ratio));
}

// A ring round the focused control for keyboard users: dark outside, bright inside, so it
// shows on any background. A shape is ringed as drawn, not by its box.
void paintFocusMark(QPainter& p, const Control& frame)
{
    const QRectF drawn =
        frame.kind == ControlKind::Shape ? shapePath(frame, 0).boundingRect() : pixelBox(frame);
    // Close enough to leave room for whatever lies 4 pixels beside the control.
    const QRectF ring = drawn.adjusted(-2, -2, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 4));
    p.drawRoundedRect(ring, 6, 6);
    p.setPen(QPen(QColor(255, 214, 0), 2));
    p.drawRoundedRect(ring, 6, 6);
}

void paintControl(QPainter& p, const Control& c)
{
    switch (c.kind) {
    case ControlKind::Label:
        paintLabel(p, c);
        break;
    case ControlKind::Shape:
        paintShape(p, c);
        break;
    case ControlKind::Line:
        paintLine(p, c);
        break;
    case ControlKind::Image:
    case ControlKind::PictureBox:
        paintPicture(p, c);
        break;
    }
}
} // namespace

void paintPanel(QPainter& painter, const Panel& panel, const Control* focusFrame)
{
    const QRectF area(0, 0, panel.Width / kTwipsPerPixel, panel.Height / kTwipsPerPixel);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(area);
    painter.fillRect(area, panel.background);
    const auto& controls = panel.topToBottom();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if ((*it)->Visible && it->get() != panel.topmostControl())
            paintControl(painter, **it);
    if (const Control* top = panel.topmostControl(); top && top->Visible)
        paintControl(painter, *top);
    if (focusFrame)
        paintFocusMark(painter, *focusFrame);
    painter.restore();
}
