#include "app/windowsystem.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace
{
bool isSocket(const QByteArray& path)
{
    struct stat info {
    };
    return stat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// What to say if the window system fails, worked out before it is tried. Only a missing
// X display is helped by a virtual screen.
QString failureLine;
bool onX = true;
QByteArray programName;
QtMessageHandler qtHandler = nullptr;
bool watching = false;

void describeFailure(const CommandLine& command)
{
    const QString platform =
        !command.platform.isEmpty() ? command.platform : qEnvironmentVariable("QT_QPA_PLATFORM");
    onX = platform.isEmpty() || platform.startsWith(QLatin1String("xcb"));
    const QString display =
        !command.display.isEmpty() ? command.display : qEnvironmentVariable("DISPLAY");
    if (!onX)
        failureLine = QStringLiteral("cannot open a window: Qt's window system \"%1\" did not "
                                     "start (the lines above say why)")
                          .arg(platform);
    else if (display.isEmpty())
        failureLine = QStringLiteral("no display to open a window on (DISPLAY is not set)");
    else
        failureLine =
            QStringLiteral("cannot reach the display \"%1\" to open a window on").arg(display);
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt's last word when no window system could be started; anything else is Qt's.
    if (watching && type == QtFatalMsg &&
        text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        if (onX)
            printNoDisplay(failureLine, programName.constData());
        else
            std::fprintf(stderr, "chimewise: %s\n", qPrintable(failureLine));
        std::fflush(nullptr);
        std::_Exit(1);
    }
    if (qtHandler)
        qtHandler(type, context, text);
}
} // namespace

void leaveSessionBusUnstarted()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isSocket(runtime + "/bus"))
        return;
    // An address libdbus has no transport for: every connection fails at once, and
    // nothing is started or written.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

DisplayOpening::DisplayOpening(const CommandLine& command, const char* program)
{
    describeFailure(command);
    programName = program;
    watching = true;
    qtHandler = qInstallMessageHandler(onQtMessage);
}

void DisplayOpening::done()
{
    if (!watching)
        return;
    watching = false;
    qInstallMessageHandler(qtHandler);
}
