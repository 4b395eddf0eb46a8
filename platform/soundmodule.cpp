#include "platform/soundmodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <dlfcn.h>

QStringList soundModuleCandidates(const QString& programDir)
{
    const QString name = QStringLiteral(CHIMEWISE_SOUND_MODULE);
    QStringList candidates;
    if (!programDir.isEmpty()) {
        candidates << QDir::cleanPath(programDir + QLatin1Char('/') + name);
        candidates << QDir::cleanPath(programDir +
                                      QStringLiteral("/" CHIMEWISE_PLUGIN_FROM_BINDIR "/") + name);
    }
    candidates << QDir::cleanPath(QStringLiteral(CHIMEWISE_PLUGINDIR "/") + name);
    candidates.removeDuplicates();
    return candidates;
}

LoadedSound loadSoundModule(const QStringList& candidates, const QString& programDir)
{
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const QString& file) { return QFileInfo::exists(file); });
    if (found == candidates.end())
        return {nullptr, QStringLiteral("cannot find %1 in any of %2")
                             .arg(QStringLiteral(CHIMEWISE_SOUND_MODULE),
                                  candidates.join(QStringLiteral(", ")))};
    const QString& file = *found;
    // Its own libraries stay out of the program's way: nothing else is to bind to them.
    void* module = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return {nullptr,
                QStringLiteral("cannot load %1: %2").arg(file, QString::fromLocal8Bit(dlerror()))};
    const auto entry = reinterpret_cast<SoundPluginEntry>(dlsym(module, kSoundPluginEntry));
    if (!entry) {
        dlclose(module);
        return {nullptr, QStringLiteral("%1 is not the sound module: it has no %2")
                             .arg(file, QLatin1String(kSoundPluginEntry))};
    }
    // Never closed: its threads may outlive the plugin (a file read that hangs).
    std::unique_ptr<SoundPlugin> plugin(entry(kSoundPluginInterface, programDir));
    if (!plugin)
        return {nullptr, QStringLiteral("%1 belongs to another version of the program").arg(file)};
    return {std::move(plugin), QString()};
}
