#include "Roles.h"
#include "Scenario.h"

#include "platform/NamedPipe.h"

#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace {

constexpr int PipeTimeoutMs = 5000;

} // namespace

int runScripted(const QStringList &, const Scenario &scenario)
{
    QElapsedTimer alive;
    alive.start();
    const QString pipe = scenario.stringValue(QStringLiteral("pipe"));
    const QStringList messages = scenario.stringList(QStringLiteral("messages"));
    for (const QString &message : messages) {
        QByteArray reply;
        platform::NamedPipeClient client(pipe, PipeTimeoutMs);
        if (client.call(message.toUtf8(), &reply) != platform::NamedPipeClient::Status::Ok)
            std::fprintf(stderr, "peer: cannot send \"%s\" to %s: %s\n", qUtf8Printable(message),
                         qUtf8Printable(pipe), qUtf8Printable(client.errorString()));
        QThread::msleep(ulong(scenario.intValue(QStringLiteral("intervalMs"), 0)));
    }
    const qint64 left = scenario.intValue(QStringLiteral("runMs"), 0) - alive.elapsed();
    if (left > 0)
        QThread::msleep(ulong(left));
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}
