#include "InstallEffects.h"

#include "Scenario.h"
#include "UpdaterCommandLine.h"

#include "platform/Folders.h"
#include "platform/Machine.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString SystemPath = QStringLiteral("SystemPath");
const QString AppPath = QStringLiteral("AppPath");

struct GuideProgram {
    const char *package;
    const char *name; // folder below "App" and program name
    const char *registryKey; // below the main key
};

const GuideProgram Guides[] = {
    { "com.kelt.windows.oobe.kyr_guide", "NovaTundraEGuide", "NovaTundraEGuide" },
    { "com.kelt.windows.oobe.eye_guide", "NovaTundraGuide", "NovaEyeGuide" },
    { "com.kelt.windows.oobe.dov_guide", "Nova2020Guide", "NovaDovGuide" },
};

bool failed(const QString &what)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(what));
    return false;
}

// Creates a folder; in a sandbox machine only below its root.
bool makeFolder(const QString &path)
{
    const QString root = platform::Machine::root();
    if (!root.isEmpty() && !QDir::cleanPath(path).startsWith(root + QLatin1Char('/')))
        return failed(QStringLiteral("refusing to install outside the sandbox: ") + path);
    return QDir().mkpath(path) || failed(QStringLiteral("cannot create ") + path);
}

// The product's installation folder: the one registered with "-install", else one
// below the machine's program files.
QString installFolder()
{
    const QString registered = platform::Registry::read(MainKey, SystemPath).toString();
    return registered.isEmpty() ? platform::Folders::programFiles() + QStringLiteral("/NOVA") : registered;
}

// The store app's installer comes with the main software and goes on after the
// updater's end, as a real one does: a copy of this program, started detached.
bool startStoreInstaller(const QString &softwareFolder)
{
    const QString folder = softwareFolder + QStringLiteral("/NOVAPORT");
    const QString program = folder + QStringLiteral("/UpdaterInstallHelper.exe");
    return placeCopyOfThisProgram(program)
        && (QProcess::startDetached(program, QStringList(), folder)
            || failed(QStringLiteral("cannot start ") + program));
}

// The main software: its folder, "SystemPath" and its own key, and on request the
// store app's installer.
bool installSoftware(bool withStoreInstaller)
{
    const QString folder = installFolder();
    return makeFolder(folder) && writeRegistryValue(MainKey, SystemPath, folder)
        && writeRegistryValue(MainKey + QStringLiteral("\\PCClient"), AppPath, folder)
        && (!withStoreInstaller || startStoreInstaller(folder));
}

// Standalone SteamVR lives in "SteamVR" below the product's folder.
bool installStandaloneSteamVR()
{
    const QString folder = installFolder();
    return makeFolder(folder + QStringLiteral("/SteamVR")) && writeRegistryValue(MainKey, SystemPath, folder)
        && writeRegistryValue(MainKey, QStringLiteral("StandaloneSteamVRInstalled"), 1U);
}

// The guide program is a copy of this program, which plays the guide under that name.
bool installGuide(const GuideProgram &guide)
{
    const QString name = QLatin1String(guide.name);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/App/") + name;
    const QString program = folder + QLatin1Char('/') + name + QStringLiteral(".exe");
    const QString key = MainKey + QLatin1Char('\\') + QLatin1String(guide.registryKey);
    return placeCopyOfThisProgram(program) && writeRegistryValue(key, AppPath, folder)
        && writeRegistryValue(key, QStringLiteral("LaunchPath"), program);
}

// A small file that the updater keeps in its "Config" folder.
bool writeConfigFile(const QString &name, const QByteArray &content)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Config");
    QFile file(folder + QLatin1Char('/') + name);
    return (makeFolder(folder) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) >= 0)
        || failed(QStringLiteral("cannot write ") + file.fileName());
}

} // namespace

QStringList guideProgramNames()
{
    QStringList names;
    for (const GuideProgram &guide : Guides)
        names.append(QLatin1String(guide.name) + QStringLiteral(".exe"));
    return names;
}

bool writeRegistryValue(const QString &key, const QString &name, const QVariant &value)
{
    return platform::Registry::write(key, name, value) || failed(QStringLiteral("cannot write ") + key);
}

bool placeCopyOfThisProgram(const QString &path)
{
    if (!makeFolder(QFileInfo(path).path()))
        return false;
    QFile::remove(path);
    return QFile::copy(QCoreApplication::applicationFilePath(), path)
        || failed(QStringLiteral("cannot copy this program to ") + path);
}

void keepUpdaterSettings(const UpdaterCommandLine &line)
{
    writeConfigFile(QStringLiteral("ut.ini"),
        "[Updater]\nLastTask=" + line.task.toUtf8() + "\nPipe=" + line.pipeName.toUtf8() + '\n');
}

bool makeInstallEffects(const UpdaterCommandLine &line, const Scenario &scenario)
{
    const QString job = line.job();
    if (job == QLatin1String(Job::Register)) {
        const QString folder = line.packages.value(1);
        if (folder.isEmpty())
            return failed(QStringLiteral("no installation folder to register"));
        // Per-task files the updater keeps after a registration; only their names matter.
        return writeRegistryValue(MainKey, SystemPath, folder)
            && writeConfigFile(QStringLiteral("imei.NOVA_OOBE.ENC"), QByteArrayLiteral("NOVA_OOBE"))
            && writeConfigFile(QStringLiteral("imei.NOVA_SOFTWARE.ENC"), QByteArrayLiteral("NOVA_SOFTWARE"));
    }
    if (job == QLatin1String(Job::Updater))
        return writeRegistryValue(
            MainKey + QStringLiteral("\\Updater"), AppPath, QCoreApplication::applicationDirPath());
    if (job == QLatin1String(Job::Software))
        return installSoftware(scenario.settings().value(QStringLiteral("storeInstaller")).toBool());
    if (job == QLatin1String(Job::SteamVR))
        return installStandaloneSteamVR();
    if (job == QLatin1String(Job::Guide)) {
        for (const GuideProgram &guide : Guides) {
            if (line.installs(QLatin1String(guide.package)) && !installGuide(guide))
                return false;
        }
    }
    return true;
}
