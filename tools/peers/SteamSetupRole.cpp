#include "InstallEffects.h"
#include "Roles.h"
#include "Scenario.h"

#include <QDir>

#include <cstdio>

namespace {

const QString FolderSwitch = QStringLiteral("/D=");
// An installer that cannot run as asked (no target folder) or cannot leave the client.
constexpr int UsageError = 2;
constexpr int InstallFailure = 1;

// The target folder of "/D=<folder>", in the platform's form; empty when not given.
QString targetFolder(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(FolderSwitch))
            return QDir::cleanPath(QDir::fromNativeSeparators(argument.mid(FolderSwitch.size())));
    }
    return QString();
}

} // namespace

int runSteamSetup(const QStringList &arguments, const Scenario &scenario)
{
    const QString folder = targetFolder(arguments);
    if (folder.isEmpty()) {
        std::fprintf(stderr, "SteamNovaSetup: no /D=<folder> given\n");
        return UsageError;
    }
    const int code = runScript(QString(), QStringList(), scenario);
    if (code != 0)
        return code;
    const bool installed = placeCopyOfThisProgram(folder + QStringLiteral("/Steam.exe"))
        && writeRegistryValue(
            QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Valve\\Steam"), QStringLiteral("InstallPath"), folder)
        && writeRegistryValue(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"), QStringLiteral("SteamPath"), folder);
    return installed ? code : InstallFailure;
}
