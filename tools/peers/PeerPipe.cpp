#include "PeerPipe.h"

#include "platform/NamedPipe.h"

#include <QThread>

#include <cstdio>

namespace {

constexpr int PipeTimeoutMs = 5000;
constexpr int Tries = 10;
constexpr int RetryDelayMs = 100;

} // namespace

bool sendToPipe(const QString &pipe, const QByteArray &message)
{
    using Status = platform::NamedPipeClient::Status;
    platform::NamedPipeClient client(pipe, PipeTimeoutMs);
    QByteArray reply;
    Status status = Status::OpenFailed;
    for (int tried = 0; tried < Tries; ++tried) {
        if (tried > 0)
            QThread::msleep(RetryDelayMs);
        status = client.call(message, &reply);
        if (status != Status::OpenFailed && status != Status::BusyTimeout)
            break;
    }
    if (status != Status::Ok) {
        std::fprintf(stderr, "peer: cannot send \"%s\" to %s: %s\n",
            platform::pipeMessageText(message).toUtf8().constData(), qUtf8Printable(pipe),
            qUtf8Printable(client.errorString()));
        return false;
    }
    if (reply != "OK")
        std::fprintf(stderr, "peer: %s answered \"%s\"\n", qUtf8Printable(pipe), reply.constData());
    return true;
}
