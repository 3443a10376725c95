#include "BareSeqPacket.h"

#include <QElapsedTimer>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

double bareSeqPacketRate(int exchanges, const QByteArray &socketPath, const QByteArray &message)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path));
    const int listener = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    if (::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 || ::listen(listener, 128) != 0)
        qFatal("bare bind failed");
    QThread *serving = QThread::create([listener, exchanges] {
        char buffer[4096];
        for (int i = 0; i < exchanges; ++i) {
            const int client = ::accept(listener, nullptr, nullptr);
            if (::recv(client, buffer, sizeof(buffer), 0) > 0)
                ::send(client, "OK", 2, MSG_NOSIGNAL);
            ::close(client);
        }
    });
    serving->start();
    QElapsedTimer timer;
    timer.start();
    char reply[2047];
    for (int i = 0; i < exchanges; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0) {
            ::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL);
            ::recv(fd, reply, sizeof(reply), 0);
        }
        ::close(fd);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    serving->wait();
    delete serving;
    ::close(listener);
    ::unlink(socketPath.constData());
    return exchanges / seconds;
}
