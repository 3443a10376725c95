#include "PeerPipe.h"
#include "Roles.h"
#include "Scenario.h"
#include "SteamState.h"

#include <QCoreApplication>

#include <optional>

namespace {

const QString RegisterSwitch = QStringLiteral("-register:");
constexpr int Failed = 1;

// The pipe of "-register:<pipe>:"; nothing without that switch.
std::optional<QString> pipeToRegister(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(RegisterSwitch, Qt::CaseInsensitive)) {
            QString pipe = argument.mid(RegisterSwitch.size());
            if (pipe.endsWith(QLatin1Char(':')))
                pipe.chop(1);
            return pipe;
        }
    }
    return std::nullopt;
}

} // namespace

int runSendSignal(const QStringList &arguments, const Scenario &scenario)
{
    if (const std::optional<QString> pipe = pipeToRegister(arguments)) {
        // A failed registration leaves nothing behind.
        const int code = scenario.intValue(QStringLiteral("exitCode"), 0);
        if (code != 0)
            return code;
        return !pipe->isEmpty() && registerSignalPipe(*pipe, QCoreApplication::applicationFilePath()) ? 0 : Failed;
    }
    bool delivered = true;
    const QStringList pipes = registeredSignalPipes();
    for (const QString &registered : pipes)
        delivered = sendToPipe(registered, QByteArrayLiteral("Finished")) && delivered;
    return delivered ? 0 : Failed;
}
