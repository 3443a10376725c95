#include "InstallEffects.h"
#include "Roles.h"
#include "Scenario.h"
#include "SteamState.h"

#include "platform/Processes.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// How long the ended processes may take to be gone.
constexpr int GoneTimeoutMs = 5000;
constexpr int PollMs = 20;

// Ends every process of these names and waits, for a while, until they are gone.
void endAll(const QStringList &names)
{
    QList<qint64> ended;
    for (const QString &name : names) {
        const QList<platform::ProcessInfo> found = platform::Processes::find(name, platform::Processes::Match::Name);
        for (const platform::ProcessInfo &process : found) {
            if (platform::Processes::terminate(process.pid))
                ended.append(process.pid);
        }
    }
    QElapsedTimer waited;
    waited.start();
    while (!ended.isEmpty() && waited.elapsed() < GoneTimeoutMs) {
        if (!platform::Processes::isRunning(ended.last()))
            ended.removeLast();
        else
            QThread::msleep(PollMs);
    }
}

} // namespace

int runExitSteam(const QStringList &, const Scenario &scenario)
{
    // A client that does not close keeps running with everything it started.
    if (!scenario.settings().value(QStringLiteral("leaveRunning")).toBool()) {
        endAll({ QStringLiteral("Steam.exe"), QStringLiteral("vrmonitor.exe") });
        writeRegistryValue(SteamActiveProcessKey, QStringLiteral("pid"), 0U);
    }
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}
