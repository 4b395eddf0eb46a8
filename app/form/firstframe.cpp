#include "app/form/firstframe.h"

#include "app/form/twips.h"

#include <QPainter>
#include <cmath>

namespace
{
Panel copyOf(const Panel& panel)
{
    Panel copy;
    copy.Left = panel.Left;
    copy.Top = panel.Top;
    copy.Width = panel.Width;
    copy.Height = panel.Height;
    copy.background = panel.background;
    for (const auto& control : panel.topToBottom()) {
        Control& added = copy.add(*control);
        if (control.get() == panel.topmostControl())
            copy.setTopmost(added);
    }
    return copy;
}

bool paintsAlike(const Panel& a, const Panel& b)
{
    const auto& as = a.topToBottom();
    const auto& bs = b.topToBottom();
    if (a.Left != b.Left || a.Top != b.Top || a.Width != b.Width || a.Height != b.Height ||
        a.background != b.background || as.size() != bs.size())
        return false;
    for (std::size_t i = 0; i < as.size(); ++i)
        if (!paintsAlike(*as[i], *bs[i]) ||
            (as[i].get() == a.topmostControl()) != (bs[i].get() == b.topmostControl()))
            return false;
    return true;
}
} // namespace

// The frame starts at the whole pixel at or before the panel's corner, so it lands on the
// window's pixels exactly: the panel's fraction of a pixel is painted into it, as it is into
// the window, over the same black.
void FirstFrame::start(const Panel& panel)
{
    drop();
    copy = copyOf(panel);
    for (const auto& c : panel.topToBottom())
        if (c->Visible && (c->kind == ControlKind::Image || c->kind == ControlKind::PictureBox))
            pictures.emplace(c->picture, pictureImage(*c, 1));
    origin = QPoint(int(std::floor(panel.Left)), int(std::floor(panel.Top)));
    const QPointF fraction(panel.Left - origin.x(), panel.Top - origin.y());
    const QSize size(int(std::ceil(panel.Width / kTwipsPerPixel + fraction.x())),
                     int(std::ceil(panel.Height / kTwipsPerPixel + fraction.y())));
    painting = std::thread([this, size, fraction] {
        QImage frame(size, QImage::Format_RGB32);
        frame.fill(Qt::black);
        QPainter painter(&frame);
        painter.translate(fraction);
        paintPanel(painter, copy, nullptr, &pictures);
        painter.end();
        image = std::move(frame);
    });
}

std::optional<FirstFrame::Frame> FirstFrame::take(const Panel& live)
{
    if (!painting.joinable())
        return std::nullopt;
    painting.join();
    std::optional<Frame> frame;
    if (paintsAlike(copy, live))
        frame = Frame{std::move(image), origin};
    drop();
    return frame;
}

void FirstFrame::drop()
{
    if (painting.joinable())
        painting.join();
    copy = Panel();
    pictures.clear();
    image = QImage();
}
