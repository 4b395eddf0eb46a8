#include "platform/sound/soundlog.h"

Q_LOGGING_CATEGORY(lcSound, "chimewise.sound", QtInfoMsg)
