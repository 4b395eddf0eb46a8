#include "platform/soundmodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace
{
// The dynamic loader maps a library's segments as its program headers describe them, file or
// no file behind them: a module cut short (a full disk, an interrupted copy) then ends the
// program with SIGBUS as the loader touches the missing part. So what the headers name is
// measured against the file first. Empty when every part they name is there.
QString partsMissing(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const qint64 size = file.size();
    ElfW(Ehdr) header;
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return {}; // not a library at all, which the loader says itself
    if (header.e_phentsize != sizeof(ElfW(Phdr)))
        return {}; // of another kind of machine, which the loader says itself
    const quint64 headersEnd =
        quint64(header.e_phoff) + quint64(header.e_phnum) * sizeof(ElfW(Phdr));
    if (headersEnd > quint64(size) || !file.seek(qint64(header.e_phoff)))
        return QStringLiteral("it is cut short (%1 bytes) within its program headers").arg(size);
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) part;
        if (file.read(reinterpret_cast<char*>(&part), sizeof part) != sizeof part)
            return file.errorString();
        const quint64 end = quint64(part.p_offset) + quint64(part.p_filesz);
        if (part.p_filesz > 0 && (end < part.p_offset || end > quint64(size)))
            return QStringLiteral("it is cut short: %1 bytes, where its parts need %2")
                .arg(size)
                .arg(end);
    }
    return {};
}
} // namespace

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
    if (const QString missing = partsMissing(file); !missing.isEmpty())
        return {nullptr, QStringLiteral("cannot load %1: %2").arg(file, missing)};
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
