#include "install/flow/InstallManager.h"

#include "bi/BIService.h"
#include "companions/NovaportLauncher.h"
#include "core/DLog.h"
#include "core/ModeFlags.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Queued.h"
#include "core/Utils.h"
#include "core/Wiring.h"
#include "install/CAsyncNamedPipe.h"
#include "install/InstallInfo.h"
#include "install/NovaParser.h"
#include "install/PipeThreadWin.h"
#include "install/SteamParser.h"
#include "install/TellerTable.h"
#include "install/TimeTeller.h"
#include "install/UpdaterRun.h"
#include "install/flow/InstallWorker.h"
#include "install/flow/SteamMonitor.h"
#include "location/PathManager.h"
#include "platform/Folders.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace {

const QString SoftwareFolderName = QStringLiteral("NOVA");
// The chosen location, kept machine-wide under the main key beside the wizard's other
// settings, where the updater and the software look for it.
const QString InstallPathValue = QStringLiteral("InstallPathPrefix");
const QString OobeDataFolder = QStringLiteral("\\Kelt\\NovaSoftware\\OOBE");
constexpr int PipeTimeoutMs = 500;
constexpr int EstimateIntervalMs = 10000;
constexpr int FirmwareWaitMs = 10000;
constexpr int DriverCheckMs = 1000;
// Ten minutes of tries: a registration that works at all works within seconds.
constexpr int DriverRegistrationTries = 600;
// Half an hour: the firmware kit's image check ends in seconds when it runs at all.
constexpr int FirmwareWaits = 180;
// The helper programs are quick; one that hangs must not hold the installation for ever.
constexpr int HelperTimeoutMs = 120000;
constexpr int UninstallerPollMs = 3000;
// Half an hour: the remover of an earlier installation is done within minutes.
constexpr int UninstallerPolls = 600;
const QString UpdaterProgram = QStringLiteral("\\Updater\\Updater.exe");
const QString SteamPipe = QStringLiteral("steam_pipe");
const QString SteamProcess = QStringLiteral("Steam.exe");
const QString VRMonitorProcess = QStringLiteral("vrmonitor.exe");
constexpr int SteamTriggerWaitMs = 1000;
const QString UpdateRequesterPipe = QStringLiteral("\\\\.\\pipe\\UpdateRequester");
// Programs that may hold the guide's files open while it is replaced.
const QStringList GuideLockers = { QStringLiteral("NovaTundraGuide.exe"), QStringLiteral("NovaLHGuide.exe"),
    QStringLiteral("CheckIfLaunchTundraRoomSetup.exe"), QStringLiteral("TrackingChecker.exe"),
    QStringLiteral("DeviceChecker.exe") };

qint64 threadId()
{
    return platform::Processes::currentThreadId();
}

QString local(const QString &path)
{
    return platform::Folders::localPath(path);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Runs a helper program to its end; one that cannot start, crashes or hangs gives a
// negative result.
int runHelper(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return -2;
    if (!process.waitForFinished(HelperTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Starts a helper program whose failure and end go to the owner's slots; the process
// deletes itself once it has ended or could not start.
template<typename ErrorSlot, typename FinishedSlot>
void startHelper(InstallManager *owner, const QString &program, const QStringList &arguments, ErrorSlot onError,
    FinishedSlot onFinished)
{
    auto *process = new QProcess(owner);
    const auto finished = qOverload<int, QProcess::ExitStatus>(&QProcess::finished);
    QObject::connect(process, &QProcess::errorOccurred, owner, onError);
    QObject::connect(process, finished, owner, onFinished);
    QObject::connect(process, finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start(program, arguments);
}

} // namespace

const QString InstallManager::BgiPipe = QStringLiteral("\\\\.\\pipe\\bgi_pipe");

InstallManager::InstallManager(QObject *root, BIService *biService, PathManager *pathManager,
    const QString &productName, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_biService(biService)
    , m_pathManager(pathManager)
    , m_productName(productName)
    , m_programFolder(Utils::withBackslashes(programFolder))
{
    m_estimateTimer.setInterval(EstimateIntervalMs);
    connect(&m_estimateTimer, &QTimer::timeout, this, &InstallManager::calcEstTime);
    m_worker = m_workerThread.prepare<InstallWorker>(*this);
    if (!m_worker)
        return;
    connect(this, &InstallManager::checkPath, m_worker, &InstallWorker::checkPath);
    connect(this, &InstallManager::initInstall, m_worker, &InstallWorker::initInstall);
    connect(this, &InstallManager::installUpdater, m_worker, &InstallWorker::installUpdater);
    connect(this, &InstallManager::installHidRomCU, m_worker, &InstallWorker::installHidRomCU);
    connect(this, &InstallManager::installSteam, m_worker, &InstallWorker::installSteam);
    connect(this, &InstallManager::finishInstall, m_worker, &InstallWorker::finishInstall);
    connect(this, &InstallManager::checkUninstall, m_worker, &InstallWorker::onCheckUninstall);
    connect(m_worker, &InstallWorker::checkUninstallFinished, this, &InstallManager::onCheckUninstallFinished);
    connect(this, &InstallManager::regOpenVRDriverRequested, m_worker, &InstallWorker::regOpenVRDriver);
    m_workerThread.startThread();
}

InstallManager::~InstallManager() = default;

void InstallManager::checkPathImpl()
{
    m_pathManager->checkPath();
}

void InstallManager::loadedPFolder()
{
    using namespace QmlNames;
    QObject *page = find(m_root, pFolder);
    if (!page) {
        qWarning("[InstallManager] ERROR: Cannot find path selection page!");
        return;
    }
    // Called again when the sizes arrive while the page is up: one connection each.
    const auto unique = Qt::UniqueConnection;
    Wiring::connect(page, selectPathSignal, m_pathManager, "onSelectPath(QString)", unique);
    Wiring::connect(page, decidePathSignal, this, "decidePath(QString,QString)", unique);
    const int status = m_pathManager->sizeCheckStatus();
    qDebug("[InstallManager] Loaded path selection page. Size checking status:[%d], prev nova path:[%s, %s], prev "
           "Steam path:[%s]",
        status, qUtf8Printable(m_pathManager->prevNovaLocation()), qUtf8Printable(m_pathManager->prevNovaFolderName()),
        qUtf8Printable(m_pathManager->steamPath()));
    page->setProperty(defaultNovaLoc, m_pathManager->defaultLocation());
    page->setProperty(defaultNovaFolderName, SoftwareFolderName);
    page->setProperty(prevNovaLoc, m_pathManager->prevNovaLocation());
    page->setProperty(prevNovaFolderName, m_pathManager->prevNovaFolderName());
    page->setProperty(prevSteamPath, m_pathManager->steamPath());
    if (status == PathManager::SizesKnown) {
        m_pathManager->decideSkipInstall();
        m_pathManager->showPrevPathSizeInfo();
    } else {
        qWarning("[PathManager] WARNING: Download size checking not ready at the moment!");
    }

    // The resume entry on the desktop has done its job once the folder page is reached.
    const QString shortcut = platform::Folders::desktop() + QLatin1Char('/') + Utils::ShortcutFileName;
    qDebug("[InstallManager] Delete NovaTundraSetup.lnk");
    if (QFile::exists(shortcut) && !QFile::remove(shortcut))
        qWarning("[InstallManager] Error: Fail to remove %s", qUtf8Printable(shortcut));
}

void InstallManager::decidePath(const QString &loc, const QString &folderName)
{
    const QString prevLocation = m_pathManager->prevNovaLocation();
    const QString prevFolderName = m_pathManager->prevNovaFolderName();
    if (Mode::isSWOA()) {
        // The page offers the earlier installation's folder first: another folder
        // means moving the software.
        m_installLocation = loc;
        m_installFolderName = folderName;
    } else if (!prevLocation.isEmpty()) {
        m_installLocation = prevLocation;
        m_installFolderName = prevFolderName;
    } else {
        m_installLocation = m_pathManager->defaultLocation();
        m_installFolderName = SoftwareFolderName;
    }
    qDebug("[InstallManager] Decided to install NOVA to: [%s, %s]", qUtf8Printable(m_installLocation),
        qUtf8Printable(m_installFolderName));
    if (Mode::isSWOA() && !prevLocation.isEmpty()
        && (prevLocation != m_installLocation || prevFolderName != m_installFolderName)) {
        qDebug("[InstallManager] Different from previous NOVA installation path. Need to uninstall.");
        m_flags.needUninstall = true;
    }
    const QString prevSteam = m_pathManager->steamPath();
    m_steamFolder = !prevSteam.isEmpty() ? prevSteam : loc + QLatin1Char('\\') + folderName;
    qDebug("[InstallManager] Decided to install Steam to: %s", qUtf8Printable(m_steamFolder));
}

void InstallManager::startInstall()
{
    if (m_biService)
        m_biService->setInstallProgress(QStringLiteral("foreground installing"));
    qDebug("[InstallManager] startInstall(%lld)+", threadId());
    if (m_steamLanguageSource)
        m_steamLanguage = m_steamLanguageSource();
    doInstall();
    qDebug("[InstallManager] startInstall(%lld)-", threadId());
}

void InstallManager::doInstall()
{
    qDebug("[InstallManager] doInstall(%lld)", threadId());
    if (m_flags.guideStarted) {
        m_lastErrorId.clear();
        sendToGuide(QStringLiteral("BGI_STATUS:installing"));
    }
    for (const InstallStep step : InstallSteps::next(m_flags, Mode::isSWOA())) {
        switch (step) {
        case InstallStep::Init:
            emit initInstall();
            break;
        case InstallStep::Updater:
            emit installUpdater();
            break;
        case InstallStep::HidRomCU:
            emit installHidRomCU();
            break;
        case InstallStep::Guide:
            installGuide();
            break;
        case InstallStep::NovaSw:
            installNovaSw();
            break;
        case InstallStep::Uninstall:
            uninstallPrevious();
            break;
        case InstallStep::Preload:
            copyPreload();
            break;
        case InstallStep::Steam:
            // Marked here, where the dispatcher reads it, so it starts Steam once.
            m_flags.steamInstalling = true;
            emit installSteam();
            break;
        }
    }
}

void InstallManager::initInstallImpl()
{
    qDebug("[InstallManager] initInstallImpl(%lld)", threadId());
    const QString preload = Mode::isPreload() ? preloadInstaller(m_programFolder) : QString();
    if (!prepare())
        return;
    const QString updaterFolder = installFolder() + QStringLiteral("\\Updater");
    Queued::call(this, [this, updaterFolder, preload] { onPrepared(updaterFolder, preload); });
}

bool InstallManager::prepare()
{
    const QString message
        = Mode::isSWOA() ? tr("Installing NOVAPORT Desktop App") : tr("Installing %1 Software").arg(m_productName);
    setPageProperty("installMessageText", message);
    callPage("startCruising", 5.0);
    if (Mode::isSWOA() || Mode::isCN())
        qDebug("[InstallManager] Need to wait for NOVAPORT installation");

    if (m_installLocation.isEmpty() || m_installFolderName.isEmpty()) {
        qWarning("[InstallManager] ERROR: Nova directory not decided before installation started: (%s, %s). "
                 "Shouldn't happen.",
            qUtf8Printable(m_installLocation), qUtf8Printable(m_installFolderName));
        raiseError(QStringLiteral("IN002"));
        return false;
    }
    qDebug("[InstallManager] Write install loc \"%s\" into registry %s\\%s", qUtf8Printable(m_installLocation),
        qUtf8Printable(Utils::RegKeltNova), qUtf8Printable(InstallPathValue));
    platform::Registry::write(Utils::RegKeltNova, InstallPathValue, m_installLocation);
    const QString folder = installFolder();
    qDebug("[InstallManager] Create folder for %s", qUtf8Printable(folder));
    if (!QDir().mkpath(local(folder))) {
        qWarning("[InstallManager] WARNING: Failed to create folder for %s", qUtf8Printable(folder));
        raiseError(QStringLiteral("IN001"));
        return false;
    }

    const QString programData = platform::Folders::programData();
    if (programData.isEmpty()) {
        qWarning("[InstallManager] Can not get programdata folder");
        raiseError(QStringLiteral("IN001"));
        return false;
    }
    qDebug("[InstallManager] ProgramData Folder:%s", qUtf8Printable(programData));
    const QString dataFolder = Utils::withBackslashes(programData) + OobeDataFolder;
    qDebug("[InstallManager] Create folder %s", qUtf8Printable(dataFolder));
    if (!QDir().mkpath(local(dataFolder))) {
        qWarning("[InstallManager] WARNING: Failed to create folder %s", qUtf8Printable(dataFolder));
        raiseError(QStringLiteral("IN001"));
        return false;
    }
    qDebug("[InstallManager] Move log");
    if (!DLog::moveLog(local(dataFolder))) {
        qWarning("[InstallManager] WARNING: Failed to move Log file");
        raiseError(QStringLiteral("IN001"));
        return false;
    }

    const QString ownUpdater = m_programFolder + QStringLiteral("\\Updater");
    const QString configLeftOver = local(ownUpdater + QStringLiteral("\\Config\\ut.ini"));
    if (QFile::exists(configLeftOver)) {
        qDebug("[INstallManager] Delete unnecessary config before copying");
        if (!QFile::remove(configLeftOver)) {
            qWarning("[INstallManager] ERROR: Failed to delete ut.ini");
            raiseError(QStringLiteral("IN002"));
            return false;
        }
    }
    const QString updaterFolder = folder + QStringLiteral("\\Updater");
    qDebug("[INstallManager] Copy Updater to Nova install folder");
    if (!Utils::copyDir(local(ownUpdater), local(updaterFolder))) {
        qWarning("[INstallManager] ERROR: Failed to copy Updater");
        raiseError(QStringLiteral("IN001"));
        return false;
    }
    qDebug("[INstallManager] Copy OOBETool.");
    if (!Utils::copyDir(local(m_programFolder + QStringLiteral("\\OOBETool")),
            local(updaterFolder + QStringLiteral("\\App\\OOBETool")))) {
        qWarning("[INstallManager] ERROR: Failed to copy OOBETool");
        raiseError(QStringLiteral("IN001"));
        return false;
    }

    QStringList arguments = Mode::isSWOA()
        ? QStringList { QStringLiteral("-install"), QStringLiteral("NOVAPORT"), local(folder),
              QStringLiteral("NOVA_SOFTWARE") }
        : QStringList { QStringLiteral("-install"), QStringLiteral("NOVA Software"), local(folder),
              QStringLiteral("NOVA_SOFTWARE"),
              QStringLiteral("DONTKILL:com.kelt.windows.nova_internal.pcclient;com.kelt.windows.oobe.launchers"),
              QStringLiteral("-AdditionTask:NOVAEYE_SOFTWARE") };
    if (Mode::isCN())
        arguments << QStringLiteral("-CN");
    const QString updater = updaterFolder + QStringLiteral("\\Updater.exe");
    qDebug("[InstallManager] Register Updater: %s [%s]", qUtf8Printable(updater),
        qUtf8Printable(arguments.join(QStringLiteral(" | "))));
    const int result = runHelper(local(updater), arguments);
    if (result < 0) {
        qWarning("[INstallManager] ERROR: Register Updater error: %d", result);
        raiseError(QStringLiteral("IN001"));
        return false;
    }
    return true;
}

void InstallManager::onPrepared(const QString &updaterFolder, const QString &preloadInstaller)
{
    m_updaterFolder = updaterFolder;
    m_preloadInstaller = preloadInstaller;
    m_flags.preloadNeeded = !preloadInstaller.isEmpty();
    m_flags.novaportNeeded = Mode::isSWOA() || Mode::isCN();
    initTellers();
    m_flags.initDone = true;
    doInstall();
}

QString InstallManager::uninstallerOf(const QString &installFolder)
{
    // The store app's package brings the remover of the whole installation.
    return installFolder + QStringLiteral("\\NOVAPORT\\Uninstall.exe");
}

void InstallManager::uninstallPrevious()
{
    qDebug("[InstallManager] Uninstall Nova");
    m_root->setProperty("bIsUninstalling", true);
    setPageProperty("installMessageText", tr("Uninstalling NOVA"));
    callPage("startCruising", 5.0);
    const QString previous
        = m_pathManager->prevNovaLocation() + QLatin1Char('\\') + m_pathManager->prevNovaFolderName();
    startHelper(this, local(uninstallerOf(previous)), { QStringLiteral("-NoUI") }, &InstallManager::onUninstallError,
        &InstallManager::onUninstallFinished);
}

void InstallManager::onUninstallError(QProcess::ProcessError error)
{
    qWarning("[InstallManager] WARNING: Uninstalling Nova met error:%d", int(error));
    if (error == QProcess::FailedToStart) {
        qDebug("[InstallManager] Failed to start uninstall process, just proceed to install");
        afterUninstaller();
        return;
    }
    qWarning("[InstallManager] Unexpected error");
    raiseError(QStringLiteral("IN001"));
}

void InstallManager::onUninstallFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("[InstallManager] onUninstallFinished() exitCode:%d, exitStatus:%d", exitCode, int(exitStatus));
    // A crash has been raised as an error already.
    if (exitStatus == QProcess::NormalExit)
        afterUninstaller();
}

void InstallManager::afterUninstaller()
{
    emit checkUninstall();
    m_flags.uninstallDone = true;
    m_root->setProperty("bIsUninstalling", false);
    // The installation goes on once the remover it handed over to has ended
    // (onCheckUninstallFinished): a preparation requested now would queue behind that
    // wait on the worker and run a second time after it.
}

bool InstallManager::checkUninstallImpl() const
{
    qDebug("[InstallWorker] Start to check Uninstaller.");
    for (int poll = 0;; ++poll) {
        const bool running = Utils::findProcessByName(QStringLiteral("Uninstaller.exe"));
        qDebug("[InstallWorker] Uninstaller.exe exist ? %d", running);
        if (!running)
            return true;
        if (poll == UninstallerPolls) {
            qWarning("[InstallWorker] WARNING: Uninstaller.exe still runs after %d s, go on",
                UninstallerPolls * UninstallerPollMs / 1000);
            return true;
        }
        if (!WorkerThread::sleepUnlessStopped(UninstallerPollMs))
            return false;
    }
}

void InstallManager::onCheckUninstallFinished()
{
    qDebug("[InstallManager] Uninstaller.exe finished.");
    m_flags.uninstallDone = true;
    doInstall();
}

QString InstallManager::preloadInstaller(const QString &programFolder)
{
    const QString installer = programFolder + QStringLiteral("\\NovaAppsImage\\PreloadContentInstall.exe");
    const QString steamApps = programFolder + QStringLiteral("\\SteamAppsImage\\steamapps");
    if (!QFileInfo(local(installer)).isFile()) {
        qWarning("[InstallManager] WARNING: Cannot find preload installer, abort preload");
        return QString();
    }
    if (!QFileInfo(local(steamApps)).isDir()) {
        qWarning("[InstallManager] WARNING: Cannot find preload SteamVR folder, abort preload");
        return QString();
    }
    if (!QFileInfo(local(steamApps + QStringLiteral("\\appmanifest_250820.acf"))).isFile()) {
        qWarning("[InstallManager] WARNING: Cannot find preload SteamVR manifest, abort preload");
        return QString();
    }
    qDebug("[InstallManager] Passed preload path checking. Need to copy.");
    return installer;
}

void InstallManager::copyPreload()
{
    m_flags.preloadRunning = true;
    const QString destination = local(installFolder() + QStringLiteral("\\NovaApps"));
    qDebug("[InstallManager] Calling preload: %s %s", qUtf8Printable(m_preloadInstaller), qUtf8Printable(destination));
    startHelper(this, local(m_preloadInstaller), { destination }, &InstallManager::onCopyPreloadError,
        &InstallManager::onCopyPreloadFinished);
}

void InstallManager::onCopyPreloadError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart && error != QProcess::Crashed)
        return;
    qWarning("[InstallManager] ERROR: Preload installer failed with exit code %d, remove content folder.", -1);
    endPreload(false);
}

void InstallManager::onCopyPreloadFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitStatus != QProcess::NormalExit)
        return; // raised as an error already
    if (exitCode != 0)
        qWarning(
            "[InstallManager] ERROR: Preload installer failed with exit code %d, remove content folder.", exitCode);
    endPreload(exitCode == 0);
}

void InstallManager::endPreload(bool copied)
{
    if (!copied) {
        // Off this thread: the content may be large. The software works without it.
        const QString folder = local(installFolder() + QStringLiteral("\\NovaApps"));
        QThread *remover = QThread::create([folder] { QDir(folder).removeRecursively(); });
        connect(remover, &QThread::finished, remover, &QObject::deleteLater);
        remover->start();
    }
    m_flags.preloadRunning = false;
    m_flags.preloadDone = true;
    checkParallelStatus();
}

void InstallManager::killUpdaterProc()
{
    qDebug("[InstallManager] Stop running Updater");
    QStringList updaters { m_programFolder + UpdaterProgram };
    if (!m_updaterFolder.isEmpty())
        updaters.append(m_updaterFolder + QStringLiteral("\\Updater.exe"));
    if (!m_pathManager->prevNovaLocation().isEmpty())
        updaters.append(m_pathManager->prevNovaLocation() + QLatin1Char('\\') + m_pathManager->prevNovaFolderName()
            + UpdaterProgram);
    updaters.removeDuplicates();
    for (const QString &updater : qAsConst(updaters))
        Utils::killProcessByPath(local(updater));
}

void InstallManager::onRegOpenVRDriver()
{
    emit regOpenVRDriverRequested();
}

void InstallManager::regOpenVRDriverImpl() const
{
    qDebug("[InstallManager] Execute RegExtDriver.exe to register openvr driver.");
    const QString appPath = Utils::readPath(Utils::RegUpdater, QStringLiteral("AppPath"));
    const QString tool = appPath + QStringLiteral("\\App\\openvr_driver\\RegExtDriver.exe");
    const QStringList arguments { QStringLiteral("adddriver"), local(appPath + QStringLiteral("\\nova_eyes")) };
    qDebug("[InstallManager] RegExtDriver args: %s", qUtf8Printable(arguments.join(QLatin1Char(' '))));
    if (runHelper(local(tool), arguments) == 0)
        qDebug("[InstallManager] Register openvr driver success.");
    else
        qWarning("[InstallManager] Error: Register openvr driver fail.");

    CAsyncNamedPipe pipe(UpdateRequesterPipe, PipeTimeoutMs);
    QString reply;
    if (pipe.CallNamedPipeW(QStringLiteral("RegisterVRApp"), reply)) {
        qDebug("[InstallManager] Got named pipe ack: %s", qUtf8Printable(reply));
        return;
    }
    qWarning("[InstallManager] PCClient has some problems. Register VR apps from OOBE.");
    const QString fallback = m_programFolder + QStringLiteral("\\OOBETool\\RegVRApps.exe");
    qDebug("[InstallManager] RegVRApps.exe exit code: %d", runHelper(local(fallback), {}));
}

void InstallManager::installUpdaterImpl()
{
    launchStep({ "[InstallManager] Download Updater", QStringLiteral("updater_pipe"), QStringLiteral("NOVA Updater"),
        softwareDisplayName(), 10.0, true, false, TellerName::Updater, &InstallManager::updaterInstallUpdater,
        &InstallManager::onInstallUpdaterFinished, &InstallManager::onInstallUpdaterError });
}

void InstallManager::installHidRomCUImpl()
{
    launchStep(
        { "[InstallManager] Download HID_Manager", QStringLiteral("HidRomCU_pipe"), QStringLiteral("NOVA HidRomCU"),
            softwareDisplayName(), 12.0, false, false, TellerName::HidRomCU, &InstallManager::updaterInstallHidRomCU,
            &InstallManager::onInstallHidRomCUFinished, &InstallManager::onInstallHidRomCUError });
}

void InstallManager::installGuide()
{
    qDebug("[InstallManager] Clear possible file lock");
    for (const QString &program : GuideLockers)
        Utils::killProcessByName(program);
    launchStep({ "[InstallManager] Download and install Guide", QStringLiteral("guide_pipe"),
        QStringLiteral("NOVA Guide"), tr("%1 Setup Guide").arg(m_productName), double(m_guideProgress), false, false,
        TellerName::Guide, &InstallManager::updaterInstallGuide, &InstallManager::onInstallGuideFinished,
        &InstallManager::onInstallGuideError });
}

void InstallManager::installNovaSw()
{
    Utils::killProcessByPath(local(installFolder() + QStringLiteral("\\BTDriverUpdater\\AutoDriver.exe")));
    m_flags.novaInstalling = true;
    launchStep(
        { "[InstallManager] Download and install Nova software", QStringLiteral("nova_pipe"), QStringLiteral("NOVA Sw"),
            softwareDisplayName(), 90.0, false, false, TellerName::NovaSw, &InstallManager::updaterInstallNovaSw,
            &InstallManager::onInstallNovaFinished, &InstallManager::onInstallNovaError });
}

void InstallManager::installSteamImpl()
{
    qDebug("[InstallManager] installSteamImpl(%lld)", threadId());
    if (!waitForFirmwareCheck())
        return;
    callPage("startCruising", 90.0);
    if (!m_pathManager->shouldUseStandaloneSteamVR()) {
        installSteamClient();
        return;
    }
    Queued::call(this, [this] {
        if (m_biService)
            m_biService->setSteamVRProgress(QStringLiteral("steamvr standalone installing"));
    });
    for (const QString &program : { QStringLiteral("vrmonitor.exe"), QStringLiteral("vrserver.exe") })
        Utils::killProcessByName(program);
    if (Utils::findProcessByName(QStringLiteral("vrmonitor.exe"))
        || Utils::findProcessByName(QStringLiteral("vrserver.exe"))) {
        qWarning("[InstallManager] ERROR: Failed to exit SteamVR");
        steamStepFailed(QStringLiteral("IN006"));
        return;
    }
    launchStep({ "[InstallManager] Download and install standalone SteamVR", QStringLiteral("sasteamvr_pipe"),
        QStringLiteral("SteamVR"), QStringLiteral("SteamVR"), 90.0, false, true, TellerName::StandaloneSteamVR,
        &InstallManager::updaterInstallSASteamVR, &InstallManager::onInstallSteamFinished,
        &InstallManager::onInstallSteamVRError });
}

void InstallManager::installSteamClient()
{
    if (!closeSteam()) {
        qWarning("[InstallManager] ERROR: Failed to exit Steam");
        steamStepFailed(QStringLiteral("IN006"));
        return;
    }
    if (Mode::isPreload())
        copyPreloadSteamVR();
    qDebug("[InstallManager] Download and install Steam/SteamVR");
    if (m_pathManager->steamPath().isEmpty()) {
        qDebug("[InstallManager] No previous Steam installed on this PC, need Steam setup");
        if (!setUpSteam()) {
            qWarning("[InstallManager] ERROR: Steam setup failed");
            steamStepFailed(QStringLiteral("IN006"));
            return;
        }
    }
    if (!registerSteamSignal()) {
        qWarning("[InstallManager] ERROR: Failed to register Steam signal");
        steamStepFailed(QStringLiteral("IN006"));
        return;
    }
    triggerSteam();
}

bool InstallManager::closeSteam() const
{
    qDebug("[InstallManager] Close running Steam/SteamVR");
    const QString toolFolder
        = Utils::readPath(Utils::RegUpdater, Utils::ValueAppPath) + QStringLiteral("\\App\\OOBETool");
    const QString command
        = quoted(local(toolFolder + QStringLiteral("\\ExitSteam.exe"))) + QStringLiteral(" -CheckAndStopVRMonitor");
    qDebug("[InstallManager] Invoking %s", qUtf8Printable(command));
    int exitCode = -1;
    const bool ran = Utils::launchAsUser(local(toolFolder), command, exitCode, true, true);
    qDebug("[InstallManager] launchAsUser succ?%d", ran);
    qDebug("[InstallManager] ExitSteam return code: %d", exitCode);
    if (Utils::findProcessByName(SteamProcess)) {
        qDebug("[InstallManager] Steam.exe still alive, terminate it.");
        Utils::killProcessByName(SteamProcess);
    }
    if (Utils::findProcessByName(VRMonitorProcess)) {
        qDebug("[InstallManager] vrmonitor.exe still alive, terminate it.");
        Utils::killProcessByName(VRMonitorProcess);
    }
    return !Utils::findProcessByName(SteamProcess) && !Utils::findProcessByName(VRMonitorProcess);
}

void InstallManager::copyPreloadSteamVR() const
{
    if (m_pathManager->isSteamVRInstalled()) {
        qDebug("[InstallManager] Had previous SteamVR installed. No need to overwrite it with preload version.");
        return;
    }
    qDebug("[InstallManager] Copy preload SteamVR");
    const QString steamApps = m_steamFolder + QStringLiteral("\\steamapps");
    if (Utils::copyDir(local(m_programFolder + QStringLiteral("\\SteamAppsImage\\steamapps")), local(steamApps)))
        return;
    qDebug("[InstallManager] ERROR: Failed to copy preload SteamVR. Delete the copied cache file to trigger online "
           "installation.");
    const QString manifest = steamApps + QStringLiteral("\\appmanifest_250820.acf");
    const bool deleted = QFile::remove(local(manifest));
    qDebug("[InstallManager] Delete %s success?%d", qUtf8Printable(manifest), deleted);
}

bool InstallManager::setUpSteam() const
{
    const QString setup = local(m_programFolder + QStringLiteral("\\OOBETool\\SteamNovaSetup.exe"));
    const QStringList arguments = { QStringLiteral("/S"), QStringLiteral("/LANGUAGE=") + m_steamLanguage,
        QStringLiteral("/D=") + local(m_steamFolder) };
    qDebug("[InstallManager] Steam setup: %s, %s", qUtf8Printable(setup),
        qUtf8Printable(arguments.join(QLatin1Char(' '))));
    return runHelper(setup, arguments) == 0;
}

bool InstallManager::registerSteamSignal() const
{
    const QString tool = local(m_updaterFolder + QStringLiteral("\\Tool\\SendSignal.exe"));
    const QString argument = QStringLiteral("-register:") + SteamPipe + QLatin1Char(':');
    qDebug("[InstallManager] Register Steam signal: %s %s", qUtf8Printable(tool), qUtf8Printable(argument));
    return runHelper(tool, { argument }) == 0;
}

void InstallManager::triggerSteam()
{
    qDebug("[InstallManager] Trigger Steam update");
    auto *monitor = new SteamMonitor(m_biService, m_pathManager, m_worker);
    connect(monitor, &QThread::finished, monitor, &QObject::deleteLater);
    // The monitor closes the pipe from its thread: the pipe and its parser go with the
    // monitor, once that has ended, and not before.
    auto *parser = new SteamParser;
    auto *pipeThread = new PipeThreadWin(PipeThreadWin::pathFor(SteamPipe), parser, monitor);
    parser->setParent(pipeThread);
    connect(parser, &SteamParser::installFinished, this, &InstallManager::onInstallSteamFinished, Qt::QueuedConnection);
    connect(monitor, &SteamMonitor::error, this, &InstallManager::onInstallSteamError, Qt::QueuedConnection);
    connect(
        monitor, &SteamMonitor::installFinished, this, &InstallManager::onInstallSteamFinished, Qt::QueuedConnection);
    connect(monitor, &SteamMonitor::waitSteamLogin, this, &InstallManager::onWaitSteamLogin, Qt::QueuedConnection);
    connect(monitor, &SteamMonitor::steamSigned, this, &InstallManager::onSteamSigned, Qt::QueuedConnection);
    // Both run on the monitor's thread: the worker's own may be busy.
    connect(monitor, &SteamMonitor::closePipe, pipeThread, &PipeThreadWin::closePipe, Qt::DirectConnection);
    // A Steam that went away leaves the pipe free for the next try.
    connect(monitor, &SteamMonitor::error, pipeThread, &PipeThreadWin::closePipe, Qt::DirectConnection);
    connect(pipeThread, &QThread::finished, monitor, &SteamMonitor::doStop, Qt::DirectConnection);
    pipeThread->start();

    const QString steam = quoted(local(m_steamFolder + QStringLiteral("\\Steam.exe")))
        + QStringLiteral(" -steaminstaller SteamNovaSetup.exe");
    const int triggers = SteamLimits::current().triggers;
    for (int attempt = 1; attempt <= triggers; ++attempt) {
        if (!WorkerThread::sleepUnlessStopped(SteamTriggerWaitMs))
            return;
        int exitCode = -1;
        if (Utils::launchAsUser(local(m_steamFolder), steam, exitCode, false, false)) {
            if (TimeTeller *teller = m_tellers.value(TellerName::SteamClient))
                Queued::call(teller, [teller] { teller->startWithoutDownload(); });
            monitor->start();
            return;
        }
        qDebug("[InstallManager] Failed to trigger Steam for %d times", attempt);
    }
    qWarning("[InstallManager] Failed to trigger Steam update, abort.");
    pipeThread->closePipe();
    delete monitor;
    steamStepFailed(QStringLiteral("IN004"));
}

bool InstallManager::waitForFirmwareCheck() const
{
    for (int wait = 0;; ++wait) {
        const QString checked
            = platform::Registry::read(Utils::RegKeltNova, QStringLiteral("HmdFirmwareUpdateChecked")).toString();
        qDebug("[InstallManager] Hmd update Checked: %s", qUtf8Printable(checked));
        // A check that failed has run too: the firmware kit's fault is no reason to
        // hold the installation.
        if (checked == QLatin1String("Yes") || checked.compare(QLatin1String("Failed"), Qt::CaseInsensitive) == 0)
            return true;
        if (wait == FirmwareWaits) {
            qWarning("[InstallManager] WARNING: The firmware check did not end in %d s, go on without it",
                FirmwareWaits * FirmwareWaitMs / 1000);
            return true;
        }
        qDebug("[InstallManager] oem not checked. continue waiting.");
        if (!WorkerThread::sleepUnlessStopped(FirmwareWaitMs))
            return false;
    }
}

void InstallManager::steamStepFailed(const QString &dialogId)
{
    Queued::call(this, [this, dialogId] {
        m_flags.steamInstalling = false;
        raiseError(dialogId);
    });
}

void InstallManager::launchStep(const StepRun &step)
{
    qDebug("%s", step.logLine);
    callPage("startCruising", step.cruiseTarget);
    Attempts &attempts = step.isForSteamVR ? m_steamVRAttempts : m_attempts;
    auto *parser = new NovaParser(
        step.packageName, step.displayName, attempts.update, attempts.download, step.isSelfUpdate, step.isForSteamVR);
    // The run's pieces belong to the thread that launches it.
    QObject *owner = QThread::currentThread() == thread() ? static_cast<QObject *>(this) : m_worker;
    const UpdaterRun run = UpdaterRun::prepare(parser, step.pipeName, owner);
    connect(parser, &NovaParser::installFinished, this, step.finished, Qt::QueuedConnection);
    connect(parser, &NovaParser::installError, this, step.error, Qt::QueuedConnection);
    connect(parser, &NovaParser::autoRetry, this,
        step.isForSteamVR ? &InstallManager::onSteamVRAutoRetry : &InstallManager::onAutoRetry, Qt::QueuedConnection);
    connect(parser, &NovaParser::showInstallInfo, this, &InstallManager::showInstallInfo, Qt::QueuedConnection);
    if (TimeTeller *teller = m_tellers.value(step.tellerName)) {
        connect(parser, &NovaParser::reportDownload, teller, &TimeTeller::onReportDownload, Qt::QueuedConnection);
        connect(parser, &NovaParser::reportSpeed, teller, &TimeTeller::onReportSpeed, Qt::QueuedConnection);
        connect(parser, &NovaParser::startInstall, teller, &TimeTeller::onStartInstall, Qt::QueuedConnection);
        connect(parser, &NovaParser::installFinished, teller, &TimeTeller::onFinished, Qt::QueuedConnection);
    }
    run.pipeThread->start();
    emit(this->*step.launch)(run.process, local(m_updaterFolder), step.pipeName);
    ++attempts.update;
    ++attempts.download;
}

void InstallManager::stepFinished(double progress, bool isForSteamVR)
{
    callPage("setProgress", progress);
    Attempts &attempts = isForSteamVR ? m_steamVRAttempts : m_attempts;
    attempts.update = 0;
    attempts.download = 0;
}

void InstallManager::onInstallUpdaterFinished()
{
    qDebug("[InstallManager] Finished installing Updater");
    m_flags.updaterDone = true;
    stepFinished(10.0);
    doInstall();
}

void InstallManager::onInstallUpdaterError()
{
    qDebug("[InstallManager] Failed to install Updater");
    raiseError(QStringLiteral("IN002"));
}

void InstallManager::onInstallHidRomCUFinished()
{
    qDebug("[InstallManager] Finished installing Hid_Manager");
    emit checkMD5();
    m_flags.hidRomCUDone = true;
    stepFinished(12.0);
    doInstall();
}

void InstallManager::onInstallHidRomCUError()
{
    qDebug("[InstallManager] Failed to install Hid_Manager");
    raiseError(QStringLiteral("IN002"));
}

void InstallManager::onInstallGuideFinished()
{
    qDebug("[InstallManager] Finished installing Guide");
    if (!QFile::exists(local(m_updaterFolder + PathManager::guideProgramTail(m_productName)))) {
        qWarning("[InstallManager] Guide file doesn't exist");
        qWarning("[InstallManager] ERROR: Failed to install Guide");
        raiseError(QStringLiteral("IN002"));
        return;
    }
    m_flags.guideDone = true;
    stepFinished(m_guideProgress);
    m_flags.parallelStarted = true;
    if (m_pathManager->shouldUseStandaloneSteamVR())
        endForeground();
    doInstall();
}

void InstallManager::onInstallGuideError()
{
    qWarning("[InstallManager] ERROR: Failed to install Guide");
    raiseError(QStringLiteral("IN002"));
}

void InstallManager::onInstallNovaFinished()
{
    qDebug("[InstallManager] Finished installing NOVA");
    m_flags.novaInstalling = false;
    m_flags.novaDone = true;
    stepFinished(80.0);
    if (m_flags.novaportNeeded) {
        qDebug("[InstallManager] Start waiting for NOVAPORT installation");
        m_flags.novaportWaiting = true;
        if (!m_storeApp) {
            m_storeApp = std::make_unique<NovaportLauncher>(1);
            connect(m_storeApp.get(), &NovaportLauncher::installError, this, &InstallManager::onInstallNovaportError);
            connect(
                m_storeApp.get(), &NovaportLauncher::installFinished, this, &InstallManager::onInstallNovaportFinished);
        }
        m_storeApp->startInstallCheck();
        return;
    }
    checkParallelStatus();
}

void InstallManager::onInstallNovaError()
{
    qDebug("[InstallManager] Failed to install Nova software, error");
    m_flags.novaInstalling = false;
    raiseError(QStringLiteral("IN002"));
}

void InstallManager::onInstallSteamFinished()
{
    if (m_flags.steamDone) {
        qWarning("[InstallManager] WARNING: onInstallSteamFinished() has been invoked before, ignore.");
        return;
    }
    qDebug("[InstallManager] Finished installing Steam");
    m_flags.steamDone = true;
    m_flags.steamInstalling = false;
    stepFinished(80.0, true);
    if (m_biService)
        m_biService->setSteamVRProgress(m_pathManager->shouldUseStandaloneSteamVR()
                ? QStringLiteral("steamvr standalone installed")
                : QStringLiteral("steamvr installed"));
    if (m_flags.guideStarted)
        sendToGuide(QStringLiteral("INSTALL_DONE:SteamVR"));
    checkParallelStatus();
}

void InstallManager::onInstallSteamError(const QString &errorId)
{
    qDebug("[InstallManager] Failed to install Steam, error");
    m_flags.steamInstalling = false;
    raiseError(errorId);
}

void InstallManager::onWaitSteamLogin()
{
    setPageProperty("downlaodState", 1);
}

void InstallManager::onSteamSigned()
{
    setPageProperty("downlaodState", 2);
    if (TimeTeller *teller = m_tellers.value(TellerName::SteamClient))
        teller->onFinished();
    if (TimeTeller *teller = m_tellers.value(TellerName::SteamVR))
        teller->startWithoutDownload();
    endForeground();
}

void InstallManager::onInstallSteamVRError()
{
    qDebug("[InstallManager] Failed to install SteamVR, error");
    m_flags.steamInstalling = false;
    raiseError(QStringLiteral("IN007"));
}

void InstallManager::onInstallNovaportFinished()
{
    qDebug("[InstallManager] Finished installing NOVAPORT");
    qDebug("[InstallManager] Check NOVAPORT install exit code");
    const QString result = platform::Registry::read(Utils::RegKeltNova, QStringLiteral("InstallHelper")).toString();
    if (result.isEmpty()) {
        qDebug("[InstallManager] Cannot found NOVAPORT install exit code in registry.");
    } else {
        const QString code = result.section(QLatin1Char(':'), 1);
        qDebug("[InstallManager] NOVAPORT install exit code [%s]", qUtf8Printable(code));
        m_root->setProperty("nNovaportErrorCode", code.toInt());
        if (code == QLatin1String("3010")) {
            qDebug("[InstallManager] exit code 3010, write registry to run NOVAPORT_Signin.exe on when reboot.");
            platform::Registry::write(Utils::RegRun, QStringLiteral("NovaportSignin"),
                QString(m_programFolder + QStringLiteral("\\OOBETool\\NOVAPORT_Signin.exe")));
            qDebug("[InstallManager] bNovaport3010 set to true");
            m_root->setProperty("bNovaport3010", true);
        }
    }
    m_flags.novaportWaiting = false;
    m_flags.novaportDone = true;
    checkParallelStatus();
}

void InstallManager::onInstallNovaportError()
{
    // The store app is not needed for the headset: its failure is no reason to stop.
    qDebug("[InstallManager] Failed to install Novaport, error");
    qDebug("[InstallManager] Skip this NOVAPORT error");
    m_flags.novaportWaiting = false;
    m_flags.novaportDone = true;
    checkParallelStatus();
}

void InstallManager::onAutoRetry()
{
    m_flags.novaInstalling = false;
    doInstall();
}

void InstallManager::onSteamVRAutoRetry()
{
    m_flags.steamInstalling = false;
    doInstall();
}

void InstallManager::checkParallelStatus()
{
    const InstallFlags &f = m_flags;
    qDebug("[InstallManager] Check parallel installation status: NOVA?%d, Steam?%d; Preload?(%d,%d); NOVAPORT?(%d,%d)",
        f.novaDone, f.steamDone, f.preloadNeeded, f.preloadDone, f.novaportNeeded, f.novaportDone);
    qDebug("[InstallManager] Parallel started?%d, SteamVR started?%d, Guide started?%d", f.parallelStarted,
        f.steamVRStarted, f.guideStarted);
    if (!m_flags.allDone && InstallSteps::mainSoftwareDone(m_flags)) {
        m_flags.allDone = true;
        qDebug("[InstallManager] All parts of NOVA is done");
        if (m_flags.guideStarted)
            sendToGuide(QStringLiteral("INSTALL_DONE:NOVA"));
        if (!Mode::isSWOA() && m_flags.steamInstalling)
            setPageProperty("installMessageText",
                tr("Installing %1")
                    .arg(m_pathManager->shouldUseStandaloneSteamVR() ? QStringLiteral("SteamVR")
                                                                     : QStringLiteral("Steam")));
    }
    if (!m_flags.allDone)
        return;
    if (Mode::isSWOA()) {
        setPageProperty("installMessageText", QString());
        callPage("complete");
        qDebug("[InstallManager] Stop timer");
        m_estimateTimer.stop();
        qDebug("[InstallManager] Remove imei files.");
        for (const char *file : { "\\Config\\imei.NOVA_OOBE.ENC", "\\Config\\imei.NOVA_SOFTWARE.ENC" })
            QFile::remove(local(m_updaterFolder + QLatin1String(file)));
    } else if (m_flags.steamDone && !m_finishing) {
        qDebug("[InstallManager] BG installation has finished.");
        m_finishing = true;
        emit finishInstall();
    }
}

void InstallManager::finishInstallImpl()
{
    for (int attempt = 1; !registerDrivers(); ++attempt) {
        if (attempt == DriverRegistrationTries) {
            qWarning(
                "[InstallManager] WARNING: The VR drivers are not registered after %d tries, finish anyway", attempt);
            break;
        }
        qDebug("[InstallManager] openvr driver is not registered success, continue to check.");
        if (!WorkerThread::sleepUnlessStopped(DriverCheckMs))
            return;
    }
    Queued::call(this, [this] { onDriversRegistered(); });
}

bool InstallManager::registerDrivers() const
{
    qDebug("[InstallManager] Register drivers.");
    // Standalone SteamVR lies in the software's folder: Steam's path is not there then.
    const QString steamVR = m_pathManager->shouldUseStandaloneSteamVR()
        ? installFolder() + QStringLiteral("\\SteamVR")
        : Utils::readPath(Utils::RegSteamMachine, QStringLiteral("InstallPath"))
            + QStringLiteral("\\steamapps\\common\\SteamVR");
    const QString pathTool = steamVR + QStringLiteral("\\bin\\win64\\vrpathreg.exe");
    qDebug("[InstallManager] vrpathreg path: %s", qUtf8Printable(pathTool));
    const QString appPath = Utils::readPath(Utils::RegUpdater, QStringLiteral("AppPath"));
    int exitCode = -1;
    const auto addDriver = [&](const char *line, const QString &folder) {
        qDebug(line, qUtf8Printable(folder));
        Utils::launchAsUser(local(QFileInfo(local(pathTool)).absolutePath()),
            quoted(local(pathTool)) + QStringLiteral(" adddriver ") + quoted(local(folder)), exitCode, true, true);
    };
    addDriver("[InstallManager] openvr driver path to register: %s", appPath + QStringLiteral("\\nova_eyes"));
    addDriver("[InstallManager] novavr driver path to register: %s", appPath + QStringLiteral("\\NovaVR"));
    qDebug("[InstallManager] Check if drivers are registered.");
    const QString toolFolder = appPath + QStringLiteral("\\App\\OOBETool");
    exitCode = -1;
    const bool ran = Utils::launchAsUser(local(toolFolder),
        quoted(local(toolFolder + QStringLiteral("\\CheckIfRegOpenvrDriver.exe"))), exitCode, true, true);
    if (ran && exitCode == 0) {
        qDebug("[InstallManager] Register drivers successed.");
        return true;
    }
    qDebug("[InstallManager] Register drivers failed.");
    return false;
}

void InstallManager::onDriversRegistered()
{
    if (m_biService)
        m_biService->setInstallProgress(QStringLiteral("installed"));
    sendToGuide(QStringLiteral("BGI_STATUS:done"));
    setPageProperty("installMessageText", tr("Finished"));
    setPageProperty("speedMessageText", QString());
    callPage("complete");
    qDebug("[InstallManager] Stop timer");
    m_estimateTimer.stop();
    emit prepareToQuit(QStringLiteral("bg done"));
}

void InstallManager::endForeground()
{
    qDebug("[InstallManager] FG has finished");
    setPageProperty("installMessageText", QString());
    setPageProperty("speedMessageText", QString());
    callPage("complete");
    m_flags.steamVRStarted = true;
    if (m_biService)
        m_biService->setInstallProgress(QStringLiteral("background installing"));
    if (!emit startGuide(BgiPipe))
        startBackgroundMode();
}

void InstallManager::startBackgroundMode()
{
    if (!m_root) {
        qWarning("[InstallManager] ERROR: Cannot start guide due to missing QML root. Shouldn't happen.");
        return;
    }
    qDebug("[InstallManager] UI starts BG mode");
    QmlCall::call(m_root, "startBGMode");
}

void InstallManager::initTellers()
{
    if (m_tellers.isEmpty()) {
        qDebug("[InstallManager] Init TimeTellers");
        TellerModes modes;
        modes.swoa = Mode::isSWOA();
        modes.standaloneSteamVR = m_pathManager->shouldUseStandaloneSteamVR();
        modes.steamFolderKnown = !m_pathManager->steamPath().isEmpty();
        modes.steamVRInSteam = m_pathManager->isSteamVRInstalled();
        for (const TellerRow &row : tellerRows(modes))
            m_tellers.insert(row.name, new TimeTeller(row.name, row.defaultBytes, row.installSeconds, &m_speed, this));
    }
    if (!m_estimateTimer.isActive()) {
        qDebug("[InstallManager] Periodically estimate remaining time");
        m_estimateTimer.start();
    }
    calcEstTime();
}

qint64 InstallManager::secondsLeft(QLatin1String tellerName)
{
    TimeTeller *teller = m_tellers.value(tellerName);
    return teller ? teller->estimate() : 0;
}

void InstallManager::calcEstTime()
{
    qDebug("[InstallManager] Calc est time");
    const InstallFlags &f = m_flags;
    if (!f.guideStarted) {
        if (Mode::isSWOA()) {
            if (!f.updaterDone)
                secondsLeft(TellerName::Updater);
            return;
        }
        qint64 seconds = 0;
        if (!f.updaterDone)
            seconds += secondsLeft(TellerName::Updater);
        if (!f.hidRomCUDone)
            seconds += secondsLeft(TellerName::HidRomCU);
        if (!f.guideDone)
            seconds += secondsLeft(TellerName::Guide);
        if (!m_pathManager->shouldUseStandaloneSteamVR() && !f.steamDone)
            seconds += secondsLeft(TellerName::SteamClient);
        const int minutes = minutesToGuide(seconds);
        qDebug("[InstallManager] Est minutes to Guide: %d", minutes);
        setPageProperty("minutesToGuide", minutes);
        return;
    }
    if (!f.allDone) {
        const int minutes = minutesLeft(secondsLeft(TellerName::NovaSw));
        qDebug("[InstallManager] Est minutes for NOVA: %d", minutes);
        sendToGuide(QStringLiteral("EST_TIME:NOVA|") + QString::number(minutes));
    }
    if (!f.steamDone) {
        const int minutes = minutesLeft(secondsLeft(
            m_pathManager->shouldUseStandaloneSteamVR() ? TellerName::StandaloneSteamVR : TellerName::SteamVR));
        qDebug("[InstallManager] Est minutes for SteamVR: %d", minutes);
        sendToGuide(QStringLiteral("EST_TIME:SteamVR|") + QString::number(minutes));
    }
}

void InstallManager::showInstallInfo(const QString &packageName, const QString &packageNameTr, double curSize,
    double totalSize, double speed, bool isForSteamVR, bool shouldHideDownload)
{
    const InstallInfo info { packageName, packageNameTr, curSize, totalSize, speed, isForSteamVR, shouldHideDownload };
    InstallPhase phase;
    phase.parallelStarted = m_flags.parallelStarted;
    phase.allDone = m_flags.allDone;
    phase.steamDone = m_flags.steamDone;
    phase.namesSteamVR = m_pathManager->shouldUseStandaloneSteamVR() || m_flags.steamVRStarted;
    const InstallTexts texts = installTexts(info, phase);
    if (!texts.ignored) {
        setPageProperty("installMessageText", texts.message);
        setPageProperty("speedMessageText", texts.speed);
    }
    if (m_flags.guideStarted)
        sendToGuide(installInfoPipeText(info));
}

void InstallManager::raiseError(const QString &dialogId)
{
    if (QThread::currentThread() != thread()) {
        Queued::call(this, [this, dialogId] { raiseError(dialogId); });
        return;
    }
    callPage("stopCruising");
    if (m_flags.guideStarted) {
        m_lastErrorId = dialogId;
        sendToGuide(QStringLiteral("BGI_STATUS:error|") + dialogId);
        return;
    }
    emit showDialog(dialogId);
}

void InstallManager::onReturnTryAgain(const QString &dialogID)
{
    if (!dialogID.startsWith(QLatin1String("IN")))
        return;
    qDebug("[InstallManager] Dialog return asks to resume installation");
    static const QStringList storeAppErrors
        = { QStringLiteral("IN012"), QStringLiteral("IN013"), QStringLiteral("IN014") };
    if (storeAppErrors.contains(dialogID)) {
        qDebug("[InstallManager] Retry dowonload novaport.");
        m_flags.novaportWaiting = false;
        m_flags.novaportDone = false;
    }
    doInstall();
}

void InstallManager::onGuideStarted()
{
    qDebug("[InstallManager] Guide has started");
    m_flags.guideStarted = true;
    if (m_flags.allDone && m_flags.steamDone) {
        qDebug("[InstallManager] BGI has finished. No need to send BGI message now.");
        return;
    }
    if (m_lastErrorId.isEmpty()) {
        if (m_flags.allDone)
            sendToGuide(QStringLiteral("INSTALL_DONE:NOVA"));
        if (m_flags.steamDone)
            sendToGuide(QStringLiteral("INSTALL_DONE:SteamVR"));
        sendToGuide(QStringLiteral("BGI_STATUS:installing"));
    } else {
        sendToGuide(QStringLiteral("BGI_STATUS:error|") + m_lastErrorId);
    }
    startBackgroundMode();
}

void InstallManager::sendToGuide(const QString &message)
{
    qDebug("[InstallManager] Send message %s to %s", qUtf8Printable(message), qUtf8Printable(BgiPipe));
    CAsyncNamedPipe pipe(BgiPipe, PipeTimeoutMs);
    QString reply;
    if (pipe.CallNamedPipeW(message, reply))
        qDebug("[InstallManager] Got named pipe ack: %s", qUtf8Printable(reply));
    else
        qWarning("[InstallManager] Error when sending message %s", qUtf8Printable(message));
}

QString InstallManager::softwareDisplayName() const
{
    return Mode::isSWOA() ? tr("NOVAPORT Desktop App") : tr("%1 Software").arg(m_productName);
}

QString InstallManager::installFolder() const
{
    return m_installLocation + QLatin1Char('\\') + m_installFolderName;
}

void InstallManager::withPage(std::function<void(QObject *)> apply) const
{
    QObject *const root = m_root;
    Queued::call(root, [root, apply = std::move(apply)] {
        if (QObject *page = QmlNames::find(root, QmlNames::pInstall))
            apply(page);
    });
}

void InstallManager::callPage(const char *function) const
{
    withPage([function](QObject *page) { QMetaObject::invokeMethod(page, function); });
}

void InstallManager::callPage(const char *function, double value) const
{
    withPage([function, value](QObject *page) { QmlCall::call(page, function, value); });
}

void InstallManager::setPageProperty(const char *name, const QVariant &value) const
{
    withPage([name, value](QObject *page) { page->setProperty(name, value); });
}
