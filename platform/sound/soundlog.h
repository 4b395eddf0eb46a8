#pragma once

#include <QLoggingCategory>

// Why the program is silent, as warnings (shown by default), each said once until sound
// works again; and which file each request found, as debug messages:
// QT_LOGGING_RULES="chimewise.sound.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSound)
