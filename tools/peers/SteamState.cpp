#include "SteamState.h"

#include "InstallEffects.h"

#include "platform/NamedPipe.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

#include <algorithm>

const QString SteamActiveProcessKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam\\ActiveProcess");
const QString SteamVRAppId = QStringLiteral("250820");
const QString SteamCommonAppId = QStringLiteral("228980");

namespace {

const QString SignalKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\NovaPeers\\SendSignal");
const QString SignalPipesKey = SignalKey + QStringLiteral("\\Pipes");
const QString SignalProgram = QStringLiteral("Program");

} // namespace

QString steamAppKey(const QString &appId)
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam\\Apps\\") + appId;
}

qint64 registeredSteamPid()
{
    return platform::Registry::read(SteamActiveProcessKey, QStringLiteral("pid")).toLongLong();
}

bool isSteamVRInstalled()
{
    return platform::Registry::read(steamAppKey(SteamVRAppId), QStringLiteral("Installed")).toInt() == 1;
}

bool steamRuns(bool onlyRegistered)
{
    const qint64 registered = registeredSteamPid();
    const QList<platform::ProcessInfo> clients
        = platform::Processes::find(QStringLiteral("Steam.exe"), platform::Processes::Match::Name);
    return std::any_of(clients.begin(), clients.end(), [&](const platform::ProcessInfo &client) {
        return !onlyRegistered || (registered > 0 && client.pid == registered);
    });
}

bool registerSignalPipe(const QString &pipe, const QString &program)
{
    return writeRegistryValue(SignalKey, SignalProgram, program)
        && writeRegistryValue(SignalPipesKey, platform::pipeShortName(pipe), 1U);
}

QStringList registeredSignalPipes()
{
    return platform::Registry::valueNames(SignalPipesKey);
}

QString registeredSignalProgram()
{
    return platform::Registry::read(SignalKey, SignalProgram).toString();
}
