#include "app/fontsahead.h"

#include <dlfcn.h>

// Qt reads the fonts through fontconfig, which it has mapped before main; the entry point is
// looked up there, so the program links nothing more, and a Qt built without fontconfig
// costs nothing. FcInit may be called from any thread, and again: Qt's own call then finds
// the configuration read.
FontConfigurationAhead::FontConfigurationAhead()
{
    if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit")))
        reading = std::thread(init);
}

void FontConfigurationAhead::join()
{
    if (reading.joinable())
        reading.join();
}
