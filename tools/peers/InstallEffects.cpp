#include "InstallEffects.h"

#include "UpdaterCommandLine.h"

#include "platform/Folders.h"
#include "platform/Machine.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
    std::fprintf(stderr, "updater: %s\n", qUtf8Printable(what));
    return false;
}

bool write(const QString &key, const QString &name, const QVariant &value)
{
    return platform::Registry::write(key, name, value) || failed(QStringLiteral("cannot write ") + key);
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

// The main software: its folder, "SystemPath" and its own key.
bool installSoftware()
{
    const QString folder = installFolder();
    return makeFolder(folder) && write(MainKey, SystemPath, folder)
        && write(MainKey + QStringLiteral("\\PCClient"), AppPath, folder);
}

// Standalone SteamVR lives in "SteamVR" below the product's folder.
bool installStandaloneSteamVR()
{
    const QString folder = installFolder();
    return makeFolder(folder + QStringLiteral("/SteamVR")) && write(MainKey, SystemPath, folder)
        && write(MainKey, QStringLiteral("StandaloneSteamVRInstalled"), 1U);
}

// The guide program is a copy of this program, which plays the guide under that name.
bool installGuide(const GuideProgram &guide)
{
    const QString name = QLatin1String(guide.name);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/App/") + name;
    const QString program = folder + QLatin1Char('/') + name + QStringLiteral(".exe");
    if (!makeFolder(folder))
        return false;
    QFile::remove(program);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program))
        return failed(QStringLiteral("cannot copy the guide to ") + program);
    const QString key = MainKey + QLatin1Char('\\') + QLatin1String(guide.registryKey);
    return write(key, AppPath, folder) && write(key, QStringLiteral("LaunchPath"), program);
}

} // namespace

QStringList guideProgramNames()
{
    QStringList names;
    for (const GuideProgram &guide : Guides)
        names.append(QLatin1String(guide.name) + QStringLiteral(".exe"));
    return names;
}

bool makeInstallEffects(const UpdaterCommandLine &line)
{
    const QString job = line.job();
    if (job == QLatin1String(Job::Register)) {
        const QString folder = line.packages.value(1);
        return folder.isEmpty() ? failed(QStringLiteral("no installation folder to register"))
                                : write(MainKey, SystemPath, folder);
    }
    if (job == QLatin1String(Job::Updater))
        return write(MainKey + QStringLiteral("\\Updater"), AppPath, QCoreApplication::applicationDirPath());
    if (job == QLatin1String(Job::Software))
        return installSoftware();
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
