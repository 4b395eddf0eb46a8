#include "tests/support/child.h"

#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

ChildProcess::~ChildProcess()
{
    kill();
}

bool ChildProcess::start(const QStringList& command, Keep keep)
{
    const bool capture = keep != Keep::Nothing;
    std::vector<QByteArray> args;
    for (const QString& arg : command)
        args.push_back(QFile::encodeName(arg));
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int pipeEnds[2] = {-1, -1};
    if (capture && pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    child = fork();
    if (child == 0) {
        if (keep != Keep::Output)
            dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        if (capture)
            dup2(pipeEnds[1], keep == Keep::Output ? STDOUT_FILENO : STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    if (capture) {
        close(pipeEnds[1]);
        output = pipeEnds[0];
    }
    return child > 0;
}

bool ChildProcess::running()
{
    if (child <= 0 || status >= 0)
        return false;
    int raw = 0;
    if (waitpid(child, &raw, WNOHANG) != child)
        return true;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return false;
}

QByteArray ChildProcess::read(int waitMs)
{
    QByteArray got;
    if (output < 0)
        return got;
    pollfd ready{output, POLLIN, 0};
    if (poll(&ready, 1, waitMs) <= 0)
        return got;
    char buffer[65536];
    const ssize_t n = ::read(output, buffer, sizeof buffer);
    if (n > 0)
        got.append(buffer, n);
    return got;
}

int ChildProcess::wait(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (running() && waited.elapsed() < timeoutMs)
        usleep(2000);
    return running() ? -1 : status;
}

void ChildProcess::kill()
{
    if (running()) {
        ::kill(child, SIGKILL);
        wait(3000);
    }
    if (output >= 0)
        close(output);
    output = -1;
}
