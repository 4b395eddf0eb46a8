#pragma once

#include "app/form/panel.h"

#include <QImage>
#include <map>

class QPainter;

// The pictures of a panel by file, as images: pixmaps are made only on the window's thread,
// so a panel painted on another one is handed its pictures read already.
using PictureImages = std::map<QString, QImage>;

// Paints the panel and its visible children with the painter's origin at the panel's
// top-left corner, in logical pixels; everything is clipped to the panel. A focus mark is
// drawn round focusFrame when one is given. Pictures come from `pictures` when it is given.
void paintPanel(QPainter& painter, const Panel& panel, const Control* focusFrame = nullptr,
                const PictureImages* pictures = nullptr);
// A control's picture as paintPanel draws it at that device pixel ratio, on the window's thread.
QImage pictureImage(const Control& picture, qreal ratio);
// Whether two controls are painted alike: every field the painting reads is the same.
bool paintsAlike(const Control& a, const Control& b);
