#include "PeerPipe.h"
#include "Roles.h"
#include "Scenario.h"

#include <QElapsedTimer>
#include <QThread>

int runScript(const QString &pipe, const QStringList &messages, const Scenario &scenario)
{
    QElapsedTimer alive;
    alive.start();
    for (const QString &message : messages) {
        sendToPipe(pipe, message.toUtf8());
        QThread::msleep(ulong(scenario.intValue(QStringLiteral("intervalMs"), 0)));
    }
    const qint64 left = scenario.intValue(QStringLiteral("runMs"), 0) - alive.elapsed();
    if (left > 0)
        QThread::msleep(ulong(left));
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}

int runScripted(const QStringList &, const Scenario &scenario)
{
    return runScript(scenario.stringValue(QStringLiteral("pipe")), scenario.stringList(QStringLiteral("messages")),
                     scenario);
}
