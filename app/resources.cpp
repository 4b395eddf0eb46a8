#include "app/resources.h"

#include <QtGlobal>

// The pictures live in a static library, so nothing pulls their registration in unless
// someone asks for it by name.
void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}
