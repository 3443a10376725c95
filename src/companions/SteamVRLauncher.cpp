#include "companions/SteamVRLauncher.h"

#include "companions/RoomSetupWorker.h"
#include "core/Utils.h"
#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

namespace {

const QString ValueSystemPath = QStringLiteral("SystemPath");
const QString ValueInstallPath = QStringLiteral("InstallPath");
const QString MonitorCommandKey = QStringLiteral("HKEY_CLASSES_ROOT\\vrmonitor\\Shell\\Open\\Command");
const QString MonitorCommandArgument = QStringLiteral("\" \"%1\"");
const QString RoomSetupArgument = QStringLiteral("vrmonitor://setup-runroomsetup");
constexpr int StartAttempts = 5;
constexpr int AfterStartPauseMs = 1000;
constexpr int AfterSignalPauseMs = 500;
constexpr int WorkerWaitLimitMs = 50000;

bool exists(const QString &path)
{
    return QFileInfo::exists(platform::Folders::localPath(path));
}

bool onUserInterfaceThread()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

// Starts a program of SteamVR's in its own folder, as the desktop user (never
// elevated), and leaves it to run on its own.
platform::LaunchResult startOnItsOwn(const QString &path, const QString &argument = QString())
{
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('\\')));
    QString command = QLatin1Char('"') + platform::Folders::localPath(path) + QLatin1Char('"');
    if (!argument.isEmpty())
        command += QLatin1Char(' ') + argument;
    return platform::launchAsUser(platform::Folders::localPath(folder), command, false);
}

QString errorText(const platform::LaunchResult &result)
{
    if (result.status == platform::LaunchResult::NoDesktopUser)
        return QStringLiteral("No desktop user to run it as");
    return qt_error_string(result.error);
}

} // namespace

SteamVRLauncher::SteamVRLauncher(bool chinaMode, QObject *parent)
    : QObject(parent)
    , m_chinaMode(chinaMode)
    , m_roomSetupWorker(std::make_unique<RoomSetupWorker>(this))
{
    if (m_chinaMode)
        qDebug("[SteamVRLauncher] In CN mode");
    // Direct: the worker starts whichever thread launches, with or without an event loop.
    connect(
        this, &SteamVRLauncher::launchVaroRoomSetup, this, [this] { m_roomSetupWorker->start(); },
        Qt::DirectConnection);
}

SteamVRLauncher::~SteamVRLauncher() = default;

void SteamVRLauncher::launchSteamVR()
{
    if (onUserInterfaceThread()) {
        qWarning("[SteamVRLauncher] WARNING: launchSteamVR blocks, moved off the user-interface thread");
        if (!m_launchContext) {
            // Connected before the thread starts, so that the thread sees the connection.
            m_launchContext = m_launchThread.prepare<QObject>();
            if (m_launchContext) {
                connect(this, &SteamVRLauncher::launchHandedOver, m_launchContext, [this] { launchSteamVR(); });
                m_launchThread.startThread();
            }
        }
        emit launchHandedOver();
        return;
    }
    qDebug("[SteamVRLauncher] launchSteamVR+");
    decideStandalone();
    for (int attempt = 0; attempt < StartAttempts; ++attempt) {
        const QString path = getVRStartupPath();
        if (path.isEmpty()) {
            qWarning("[SteamVRLauncher] ERROR: Cannot find vrstartup.exe, abort.");
            return;
        }
        qDebug("[SteamVRLauncher] Calling %s", qUtf8Printable(path));
        const platform::LaunchResult result = startOnItsOwn(path);
        if (result.status == platform::LaunchResult::Started) {
            qDebug("[SteamVRLauncher] SteamVR launched.");
            break;
        }
        qWarning("[SteamVRLauncher] WARNING: Failed to launch SteamVR %d times. Last error=%d %s", attempt,
            result.error, qUtf8Printable(errorText(result)));
    }
    // A sleep ends early when the thread is asked to stop (the launcher's own thread as
    // the launcher goes), and then nothing follows.
    if (!WorkerThread::sleepUnlessStopped(AfterStartPauseMs))
        return;
    qDebug("[SteamVRLauncher] Start to launch RoomSetup");
    emit launchVaroRoomSetup();
    if (!WorkerThread::sleepUnlessStopped(AfterSignalPauseMs))
        return;
    qDebug("[SteamVRLauncher] launchSteamVR-");
}

void SteamVRLauncher::waitRoomSetupWorker()
{
    if (!m_roomSetupWorker->isRunning()) {
        qDebug("[SteamVRLauncher] No RoomSetup worker running. No need to wait.");
        return;
    }
    qDebug("[SteamVRLauncher] Wait for RoomSetup worker for at most %d seconds", WorkerWaitLimitMs / 1000);
    m_roomSetupWorker->wait(WorkerWaitLimitMs);
}

void SteamVRLauncher::checkAndCloseSteamVR() { }

void SteamVRLauncher::decideStandalone()
{
    const std::lock_guard lock(m_lock);
    if (m_chinaMode)
        m_standalone
            = platform::Registry::read(Utils::RegKeltNova, Utils::ValueStandaloneSteamVRInstalled).toUInt() == 1;
    if (m_standalone)
        qDebug("[SteamVRLauncher] Use standalone SteamVR");
    else
        qDebug("[SteamVRLauncher] Use regular SteamVR");
}

QString SteamVRLauncher::getSteamVRDir()
{
    if (!m_steamVRDir.isEmpty())
        return m_steamVRDir;
    const QString folder = m_standalone
        ? Utils::readPath(Utils::RegKeltNova, ValueSystemPath) + QStringLiteral("\\SteamVR")
        : Utils::readPath(Utils::RegSteamMachine, ValueInstallPath) + QStringLiteral("\\steamapps\\common\\SteamVR");
    if (exists(folder)) {
        qDebug("[SteamVRLauncher] Found SteamVR in: %s", qUtf8Printable(folder));
        m_steamVRDir = folder;
    } else {
        qDebug("[SteamVRLauncher] Cannot find SteamVR dir");
    }
    return m_steamVRDir;
}

QString SteamVRLauncher::getVRMonitorPath()
{
    const std::lock_guard lock(m_lock);
    if (!m_vrMonitorPath.isEmpty())
        return m_vrMonitorPath;
    QString path;
    if (m_standalone) {
        path = getSteamVRDir() + QStringLiteral("\\bin\\win32\\vrmonitor.exe");
    } else {
        // The handler's command is "\"<monitor>\" \"%1\"".
        path = platform::Registry::read(MonitorCommandKey, QStringLiteral("Default"))
                   .toString()
                   .remove(MonitorCommandArgument)
                   .mid(1);
    }
    qDebug("[SteamVRLauncher] vrmonitor path: %s", qUtf8Printable(path));
    if (exists(path)) {
        qDebug("[SteamVRLauncher] Found vrmonitor in: %s", qUtf8Printable(path));
        m_vrMonitorPath = path;
    } else {
        qDebug("[SteamVRLauncher] Cannot find vrmonitor.exe");
    }
    return m_vrMonitorPath;
}

QString SteamVRLauncher::getVRStartupPath()
{
    const std::lock_guard lock(m_lock);
    if (m_vrStartupPath.isEmpty()) {
        const QString folder = getSteamVRDir();
        const QString path = folder + QStringLiteral("\\bin\\win32\\vrstartup.exe");
        if (!folder.isEmpty() && exists(path)) {
            qDebug("[SteamVRLauncher] Found vrstartup in: %s", qUtf8Printable(path));
            m_vrStartupPath = path;
        }
    }
    if (m_vrStartupPath.isEmpty())
        qDebug("[SteamVRLauncher] Cannot find vrstartup.exe");
    return m_vrStartupPath;
}

void SteamVRLauncher::runVRMonitor(const QString &argument)
{
    const QString path = getVRMonitorPath();
    if (path.isEmpty()) {
        qWarning("[SteamVRLauncher] ERROR: Cannot find vrmonitor.exe, abort.");
        return;
    }
    qDebug("[SteamVRLauncher] Calling %s", qUtf8Printable(QStringLiteral("\"%1\" %2").arg(path, argument)));
    const platform::LaunchResult result = startOnItsOwn(path, argument);
    if (result.status != platform::LaunchResult::Started)
        qWarning("[SteamVRLauncher] WARNING: Failed to launch vrmonitor. Last error=%d %s", result.error,
            qUtf8Printable(errorText(result)));
}

void SteamVRLauncher::launchRoomSetup()
{
    qDebug("[SteamVRLauncher] Launch RoomSetup");
    runVRMonitor(RoomSetupArgument);
}
