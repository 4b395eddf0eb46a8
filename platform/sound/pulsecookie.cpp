#include "platform/sound/pulsecookie.h"

#include <pulse/context.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <sys/stat.h>

namespace
{
// 256 bytes of zeros, whatever is read: what libpulse sends for no cookie.
constexpr char kNoCookie[] = "/dev/zero";

QString env(const char* name)
{
    return qEnvironmentVariable(name);
}

// Every client.conf libpulse may read, with the .d folders beside them.
QStringList clientConfigs()
{
    const QString home = env("HOME");
    QStringList files{env("PULSE_CLIENTCONFIG"), env("PULSE_CONFIG_PATH") + "/client.conf",
                      home + "/.pulse/client.conf", home + "/.config/pulse/client.conf",
                      QStringLiteral("/etc/pulse/client.conf")};
    for (const QString& file : QStringList(files)) {
        const QDir drop(file + ".d");
        for (const QString& name : drop.entryList({QStringLiteral("*.conf")}, QDir::Files))
            files << drop.filePath(name);
    }
    return files;
}

bool namesCookie(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression setting(QStringLiteral("^\\s*cookie-file\\s*="),
                                            QRegularExpression::MultilineOption);
    return QString::fromLocal8Bit(file.readAll()).contains(setting);
}

// Where libpulse looks for a cookie before it makes one.
bool userHasCookie()
{
    if (!env("PULSE_COOKIE").isEmpty())
        return true;
    const QString home = env("HOME");
    const QString config =
        env("XDG_CONFIG_HOME").isEmpty() ? home + "/.config" : env("XDG_CONFIG_HOME");
    if (QFileInfo::exists(config + "/pulse/cookie") || QFileInfo::exists(home + "/.pulse-cookie"))
        return true;
    const QStringList configs = clientConfigs();
    return std::any_of(configs.begin(), configs.end(), namesCookie);
}
} // namespace

void keepCookieUnwritten(pa_context* context)
{
    struct stat device {
    };
    // A missing device would be made as a file, and the cookie written into it.
    if (!context || ::stat(kNoCookie, &device) != 0 || !S_ISCHR(device.st_mode) || userHasCookie())
        return;
    pa_context_load_cookie_from_file(context, kNoCookie);
}
