#include "app/readahead.h"

#include <QFileInfo>
#include <QImageReader>
#include <dlfcn.h>

void ReadAhead::start(std::function<void()> reading)
{
    thread = std::thread(std::move(reading));
}

void ReadAhead::join()
{
    if (thread.joinable())
        thread.join();
}

// Qt reads the fonts through fontconfig, which it has mapped before main; the entry point is
// looked up there, so the program links nothing more, and a Qt built without fontconfig
// costs nothing. FcInit may be called from any thread, and again: Qt's own call then finds
// the configuration read.
FontConfigurationAhead::FontConfigurationAhead()
{
    if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit")))
        start(init);
}

// At full priority: the window's thread waits for the list if it needs it before it is made.
ImageFormatsAhead::ImageFormatsAhead(const QString& picture)
{
    start([picture] {
        QImageReader reader(picture, QFileInfo(picture).suffix().toLatin1());
        reader.setAutoDetectImageFormat(false);
        reader.read();
    });
}
