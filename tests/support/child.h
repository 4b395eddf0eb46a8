#pragma once

#include <QByteArray>
#include <QStringList>
#include <sys/types.h>

// A program run by a test, started with plain fork() and exec(). Qt's QProcess starts its
// children in a way ThreadSanitizer cannot follow, which then reports races that are not
// there in whatever the test's other threads touch.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess(); // kills it if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // What read() gets: its standard output or its errors. Output not kept is thrown away;
    // errors not kept go where the test's go.
    enum class Keep { Nothing, Output, Errors };
    bool start(const QStringList& command, Keep keep = Keep::Nothing);
    bool running();
    // What it has written since the last call, waiting up to waitMs for something.
    QByteArray read(int waitMs);
    // Its exit code, once it has ended within timeoutMs; -1 otherwise.
    int wait(int timeoutMs);
    void kill();
    pid_t pid() const { return child; }

private:
    pid_t child = -1;
    int output = -1;
    int status = -1;
};
