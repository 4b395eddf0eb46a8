#pragma once

#include "platform/soundplugin.h"

#include <QStringList>
#include <memory>

// Where the sound module may be, in the order it is looked for: beside the program (the build
// folder), where an installation keeps it relative to the program (a package unpacked or
// moved elsewhere), and where this build installs it.
QStringList soundModuleCandidates(const QString& programDir);

struct LoadedSound {
    std::unique_ptr<SoundPlugin> plugin;
    QString failure; // why there is none, in words
};

// Loads the first of the candidates that exists and makes its plugin. Takes as long as the
// dynamic loader does, so never on the window's thread.
LoadedSound loadSoundModule(const QStringList& candidates, const QString& programDir);
