// Measures one-message-per-connection exchanges per second through
// NamedPipeServer/NamedPipeClient, and through a bare SOCK_SEQPACKET loop doing the
// same work (connect, write, read "OK", close), and prints both and their ratio.
// Usage: pipe_roundtrip [exchanges]   (runs in a private sandbox machine)

#include "BareSeqPacket.h"
#include "BenchSetup.h"

#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int exchanges = countArgument(argc, argv, 20000);
    const BenchMachine machine;

    const double bare = bareSeqPacketRate(
        exchanges, QFile::encodeName(machine.filePath(QStringLiteral("bare.sock"))), "Size:1048576/2097152");
    const double wrapped = wrapperRate(exchanges);
    std::printf("exchanges per run:        %d\n", exchanges);
    std::printf("bare SOCK_SEQPACKET:      %.0f exchanges/s\n", bare);
    std::printf("NamedPipeServer/Client:   %.0f exchanges/s\n", wrapped);
    std::printf("ratio (named/bare):       %.2f\n", wrapped / bare);
    return 0;
}
