#include "app/timing.h"

#include <QFile>
#include <QSet>
#include <chrono>

Q_LOGGING_CATEGORY(lcTiming, "chimewise.timing", QtWarningMsg)

void logMilestone(const char* name)
{
    logMilestone(name, std::chrono::steady_clock::now());
}

void logMilestone(const char* name, std::chrono::steady_clock::time_point reached)
{
    if (!lcTiming().isInfoEnabled())
        return;
    const auto since = reached.time_since_epoch();
    qCInfo(lcTiming, "milestone %s %lld", name,
           static_cast<long long>(std::chrono::nanoseconds(since).count()));
}

void logMappedLibraries(const char* milestone)
{
    if (!lcTiming().isInfoEnabled())
        return;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    QByteArrayList names;
    QSet<QByteArray> seen;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype slash = line.lastIndexOf('/');
        const QByteArray name = slash < 0 ? QByteArray() : line.mid(slash + 1);
        if ((name.endsWith(".so") || name.contains(".so.")) && !seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
    qCInfo(lcTiming, "libraries %s %s", milestone, names.join(' ').constData());
}
