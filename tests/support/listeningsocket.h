#pragma once

#include <QFile>
#include <QString>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A unix socket that listens and never answers: a sound server that takes the connection and
// says nothing, or a trap that tells whether anyone called.
struct ListeningSocket {
    explicit ListeningSocket(const QString& where) : path(where)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(fd, 4) != 0)
            qFatal("cannot listen on %s", qPrintable(path));
    }
    ~ListeningSocket() { close(fd); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    bool wasCalled() const
    {
        const int caller = accept(fd, nullptr, nullptr);
        if (caller >= 0)
            close(caller);
        return caller >= 0;
    }

    QString path;
    int fd = -1;
};
