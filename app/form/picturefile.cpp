#include "app/form/picturefile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

namespace
{
QPixmap read(const QString& file)
{
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}
} // namespace

QIcon iconFromPictureFile(const QString& file, qreal ratio)
{
    QIcon icon;
    icon.addPixmap(read(file));
    const QString atNx = qt_findAtNxFile(file, std::max(ratio, qGuiApp->devicePixelRatio()));
    if (atNx != file)
        icon.addPixmap(read(atNx));
    return icon;
}
