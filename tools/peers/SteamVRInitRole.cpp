#include "Roles.h"
#include "Scenario.h"
#include "SteamState.h"

int runSteamVRInit(const QStringList &, const Scenario &scenario)
{
    // SteamVR answers once it is installed and its client runs.
    const int answer = isSteamVRInstalled() && steamRuns() ? 0 : 1;
    return scenario.intValue(QStringLiteral("exitCode"), answer);
}
