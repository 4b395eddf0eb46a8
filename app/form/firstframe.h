#pragma once

#include "app/form/controlpainter.h"
#include "app/form/panel.h"

#include <QImage>
#include <QPoint>
#include <optional>
#include <thread>

// The panel's first frame, painted on a thread of its own while the window is being shown:
// the window's thread meanwhile has the window mapped and its backing store made, and then
// only copies the frame in. It is painted from a copy of the panel exactly as the window
// would paint it, and used only if the panel still paints alike and lies where it did.
class FirstFrame
{
public:
    FirstFrame() = default;
    ~FirstFrame() { drop(); }
    FirstFrame(const FirstFrame&) = delete;
    FirstFrame& operator=(const FirstFrame&) = delete;

    // Starts painting the panel as the window paints it at one device pixel to the logical
    // pixel and a scale of 1. Call it on the window's thread: the pictures are read here.
    void start(const Panel& panel);
    // The frame, and where its top-left corner goes in the window, once painted; none when
    // none was started or the panel has changed since. Waits for the painting to end.
    struct Frame {
        QImage image;
        QPoint at;
    };
    std::optional<Frame> take(const Panel& live);
    void drop();

private:
    Panel copy;
    PictureImages pictures;
    QImage image;
    QPoint origin;
    std::thread painting;
};
