#pragma once

#include <QIcon>

// An icon of a picture file, with its @2x companion on a high-density screen, as QIcon(file)
// makes it, but read only in the format its name gives: QIcon(file) lets every image-format
// plugin bid for the file first, which loads them all (and libjpeg) before the first frame.
// A picture to be drawn larger than its size, on a panel grown to fill the screen, asks
// for the device pixels it will cover per pixel of its own as the ratio.
QIcon iconFromPictureFile(const QString& file, qreal ratio = 1);
