// Measures one-message-per-connection exchanges per second through
// NamedPipeServer/NamedPipeClient, and through a bare SOCK_SEQPACKET loop doing the
// same work (connect, write, read "OK", close), and prints both and their ratio.
// Usage: pipe_roundtrip [exchanges]   (runs in a private sandbox machine)

#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

double wrapperRate(int exchanges)
{
    platform::NamedPipeServer server(QStringLiteral("bench_pipe"));
    if (!server.listen())
        qFatal("cannot listen: %s", qUtf8Printable(server.errorString()));
    QThread *serving = QThread::create([&server, exchanges] {
        for (int i = 0; i < exchanges && server.waitForClient(); ++i) {
            QByteArray message;
            if (server.readMessage(&message, 5000))
                server.writeReply("OK");
        }
    });
    serving->start();
    QElapsedTimer timer;
    timer.start();
    QByteArray reply;
    for (int i = 0; i < exchanges; ++i)
        platform::NamedPipeClient(QStringLiteral("bench_pipe"), 5000).call("Size:1048576/2097152", &reply);
    const double seconds = timer.nsecsElapsed() / 1e9;
    serving->wait();
    delete serving;
    return exchanges / seconds;
}

double bareRate(int exchanges, const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
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
    const char message[] = "Size:1048576/2097152";
    for (int i = 0; i < exchanges; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0) {
            ::send(fd, message, sizeof(message) - 1, MSG_NOSIGNAL);
            ::recv(fd, reply, sizeof(reply), 0);
        }
        ::close(fd);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    serving->wait();
    delete serving;
    ::close(listener);
    return exchanges / seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int exchanges = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 20000;
    QTemporaryDir machine;
    qputenv("NOVA_MACHINE_ROOT", QFile::encodeName(machine.path()));

    const double bare = bareRate(exchanges, QFile::encodeName(machine.filePath(QStringLiteral("bare.sock"))));
    const double wrapped = wrapperRate(exchanges);
    std::printf("exchanges per run:        %d\n", exchanges);
    std::printf("bare SOCK_SEQPACKET:      %.0f exchanges/s\n", bare);
    std::printf("NamedPipeServer/Client:   %.0f exchanges/s\n", wrapped);
    std::printf("ratio (named/bare):       %.2f\n", wrapped / bare);
    return 0;
}
