// The stand-in for the external programs. Installed (copied) under each program's
// name, it chooses its role from the name it was started as.

#include "InstallEffects.h"
#include "Roles.h"
#include "Scenario.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Programs with a role of their own, by lower-case name; later roles join here.
const QHash<QString, Role> &roles()
{
    static const QHash<QString, Role> table = [] {
        QHash<QString, Role> roles { { QStringLiteral("updater.exe"), runUpdater },
            { QStringLiteral("ndp46-kb3045560-web.exe"), runDotNetInstaller },
            { QStringLiteral("getreg.exe"), runGetReg }, { QStringLiteral("firmwareupdatekit.exe"), runFirmwareKit },
            { QStringLiteral("novaupdateservice.exe"), runUpdateService }, { QStringLiteral("steam.exe"), runSteam },
            { QStringLiteral("steamnovasetup.exe"), runSteamSetup }, { QStringLiteral("exitsteam.exe"), runExitSteam },
            { QStringLiteral("sendsignal.exe"), runSendSignal }, { QStringLiteral("steamvrinit.exe"), runSteamVRInit },
            { QStringLiteral("keltaccountmanager.exe"), runAccountManager } };
        const QStringList guides = guideProgramNames();
        for (const QString &guide : guides)
            roles.insert(guide.toLower(), runGuide);
        return roles;
    }();
    return table;
}

// The role of a program: its own by name, then by the start of its name, else scripted.
Role roleOf(const QString &program)
{
    if (program.startsWith(QLatin1String("UpdaterInstallHelper"), Qt::CaseInsensitive))
        return runInstallHelper;
    if (program.startsWith(QLatin1String("uninstallWin"), Qt::CaseInsensitive))
        return runDriverUninstall;
    return roles().value(program.toLower(), runScripted);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // argv[0], not the resolved executable: a link under a program's name plays it too.
    const QString program = QFileInfo(QFile::decodeName(argv[0])).fileName();
    const QStringList arguments = app.arguments().mid(1);
    const Scenario scenario = Scenario::forStart(program, arguments);
    return roleOf(program)(arguments, scenario);
}
