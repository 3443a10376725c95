#include "InstallRun.h"

#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "platform/Registry.h"

#include <QDir>

const QString InstallRunProgramFolder = QStringLiteral("opt/NovaTundraSetup");

InstallPage::InstallPage(QObject *root)
    : QObject(root)
{
    setObjectName(QStringLiteral("pInstall"));
}

QVariant InstallPage::setProgress(const QVariant &value)
{
    progress.append(value.toDouble());
    return {};
}

QVariant InstallPage::stopCruising()
{
    ++stops;
    return {};
}

QVariant InstallPage::complete()
{
    ++completions;
    return {};
}

void setInstallMode(bool isSWOA, bool isCN)
{
    ModeFlags flags;
    flags.isSWOA = isSWOA;
    flags.isCN = isCN;
    Mode::set(flags);
}

InstallRun::InstallRun(const QJsonObject &updaterSettings, const QJsonObject &otherPrograms)
    : page(new InstallPage(&root))
    , paths(&root, nullptr, Mode::isCN(), machine.path(InstallRunProgramFolder))
    , installs(&root, nullptr, &paths, QStringLiteral("NOVA Tundra"), machine.path(InstallRunProgramFolder))
    , dialogs(&installs, &InstallManager::showDialog)
{
    QJsonObject scenario = otherPrograms;
    scenario.insert(QStringLiteral("Updater.exe"), updaterSettings);
    machine.writeScenario(scenario);
    ready = !machine.installPeer(InstallRunProgramFolder + QStringLiteral("/Updater"), QStringLiteral("Updater.exe"))
                 .isEmpty()
        && QDir().mkpath(machine.path(InstallRunProgramFolder + QStringLiteral("/OOBETool")));
    const auto direct = Qt::DirectConnection;
    QObject::connect(&paths, &PathManager::updaterCheckSize, &launcher, &UpdaterLauncher::checkSize, direct);
    QObject::connect(
        &installs, &InstallManager::updaterInstallUpdater, &launcher, &UpdaterLauncher::installUpdater, direct);
    QObject::connect(
        &installs, &InstallManager::updaterInstallHidRomCU, &launcher, &UpdaterLauncher::installHidRomCU, direct);
    QObject::connect(
        &installs, &InstallManager::updaterInstallGuide, &launcher, &UpdaterLauncher::installGuide, direct);
    QObject::connect(
        &installs, &InstallManager::updaterInstallNovaSw, &launcher, &UpdaterLauncher::installNovaSw, direct);
    QObject::connect(&installs, &InstallManager::updaterInstallSASteamVR, &launcher,
        &UpdaterLauncher::installStandaloneSteamVR, direct);
    // The page's folder is the software's in software-only mode, Steam's otherwise.
    installs.decidePath(Utils::withBackslashes(machine.path(QStringLiteral("games"))),
        Mode::isSWOA() ? QStringLiteral("NOVA") : QStringLiteral("Steam"));
}

void InstallRun::registerStoreApp() const
{
    platform::Registry::write(QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command"),
        QStringLiteral("Default"),
        QStringLiteral("\"%1\" \"%2\"")
            .arg(machine.path(InstallRunProgramFolder + QStringLiteral("/Updater/Updater.exe")), QStringLiteral("%1")));
}

bool InstallRun::prepareStandaloneSteamVR() const
{
    platform::Registry::write(Utils::RegKeltNova, QStringLiteral("HmdFirmwareUpdateChecked"), QStringLiteral("Failed"));
    registerStoreApp();
    return !machine
                .installPeer(
                    InstallRunProgramFolder + QStringLiteral("/OOBETool"), QStringLiteral("CheckIfRegOpenvrDriver.exe"))
                .isEmpty();
}

bool InstallRun::prepareSteamClient() const
{
    platform::Registry::write(Utils::RegKeltNova, QStringLiteral("HmdFirmwareUpdateChecked"), QStringLiteral("Yes"));
    return machine.installSteamClientTools(InstallRunProgramFolder);
}

QStringList InstallRun::pipes() const
{
    QStringList result;
    for (const QString &start : machine.peerStarts()) {
        const int at = start.indexOf(QLatin1String("-NP:"));
        if (at >= 0)
            result.append(start.mid(at + 4).section(QLatin1Char(' '), 0, 0));
    }
    return result;
}

QJsonObject updaterJob(const QString &name, const QJsonObject &settings)
{
    return { { QStringLiteral("tasks"), QJsonObject { { name, settings } } } };
}
