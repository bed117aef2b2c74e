// A UNIX socket bound at a path, for tests that need a socket standing in
// the file system where a file is looked for. Closed when it goes; the node
// stays until its folder is removed.
#pragma once

#include <QFile>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class BoundSocket {
public:
    explicit BoundSocket(const QString &path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        const QByteArray native = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fd_ < 0 || std::size_t(native.size()) >= sizeof address.sun_path)
            return;
        std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    }
    ~BoundSocket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    BoundSocket(const BoundSocket &) = delete;
    BoundSocket &operator=(const BoundSocket &) = delete;

    bool bound() const { return bound_; }

private:
    int fd_;
    bool bound_ = false;
};
