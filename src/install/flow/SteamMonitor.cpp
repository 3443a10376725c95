#include "install/flow/SteamMonitor.h"

#include "bi/BIService.h"
#include "core/Queued.h"
#include "core/Utils.h"
#include "core/WorkerThread.h"
#include "location/PathManager.h"
#include "platform/Folders.h"
#include "platform/Processes.h"
#include "platform/Windows.h"

namespace {

constexpr int PassMs = 1000;
constexpr int SignInSettleMs = 3000;
constexpr int LoginPassesPerFront = 20;
// A pass waits at most for its registry reads and the SteamVR check, each bounded.
constexpr int StopWaitMs = 60000;
const QString ActiveProcessKey = QStringLiteral("Software\\Valve\\Steam\\ActiveProcess");
const QString SteamVRAppKey = QStringLiteral("Software\\Valve\\Steam\\Apps\\250820");
const QString SteamworksAppKey = QStringLiteral("Software\\Valve\\Steam\\Apps\\228980");
const QString SteamProcess = QStringLiteral("Steam.exe");

} // namespace

SteamLimits &SteamLimits::current()
{
    static SteamLimits limits;
    return limits;
}

SteamMonitor::SteamMonitor(BIService *biService, PathManager *pathManager, QObject *parent)
    : QThread(parent)
    , m_biService(biService)
    , m_pathManager(pathManager)
    , m_limits(SteamLimits::current())
    , m_toolFolder(Utils::readPath(Utils::RegUpdater, Utils::ValueAppPath) + QStringLiteral("\\App\\OOBETool"))
{
}

SteamMonitor::~SteamMonitor()
{
    doStop();
    if (!wait(StopWaitMs)) {
        qWarning("[SteamMonitor] WARNING: The monitor did not stop in %d s, terminate it", StopWaitMs / 1000);
        terminate();
        wait();
    }
}

void SteamMonitor::doStop()
{
    qDebug("[SteamMonitor] doStop");
    m_stop = true;
    // Also ends a sleep of the run at once.
    WorkerThread::interrupt(this);
}

void SteamMonitor::run()
{
    qDebug("[SteamMonitor] Start to monitor Steam installation");
    m_state = State::Before;
    m_stop = false;
    bool ran = false;
    m_curUserId = readValue(ActiveProcessKey, QStringLiteral("ActiveUser"), &ran);
    qDebug("[SteamMonitor] succ get reg: %d, reg result: %d", ran, m_curUserId);
    qDebug("[SteamMonitor] current user id:%d", m_curUserId);
    while (!m_stop) {
        pass();
        WorkerThread::sleepUnlessStopped(PassMs);
    }
    qDebug("[SteamMonitor] Monitor ends, delete later");
}

void SteamMonitor::pass()
{
    m_lastUserId = readValue(ActiveProcessKey, QStringLiteral("ActiveUser"));
    qDebug("[SteamMonitor] succ get reg mCurUserId: %d", m_lastUserId);
    const int registryPid = readValue(ActiveProcessKey, QStringLiteral("pid"));
    qDebug("[SteamMonitor] succ get reg steamPidFromReg: %d", registryPid);
    qDebug("[SteamMonitor] From registry, Steam pid: %u, Steam user id: %u", uint(registryPid), uint(m_lastUserId));

    QList<qint64> steamPids;
    Utils::findProcessByName(SteamProcess, &steamPids);
    if (steamPids.isEmpty()) {
        ++m_passesWithoutSteam;
        qWarning("[SteamMonitor] No Steam process running: %d times", m_passesWithoutSteam);
        if (m_passesWithoutSteam > m_limits.passesWithoutSteam) {
            qWarning("[SteamMonitor] ERROR: No Steam process running");
            m_stop = true;
            emit error(QStringLiteral("IN005"));
        }
        return;
    }
    // Steam restarts itself while it updates: only a Steam gone for good counts.
    m_passesWithoutSteam = 0;
    const qint64 steamPid = steamPids.contains(registryPid) ? qint64(registryPid) : steamPids.last();
    qDebug("[SteamMonitor] Found Steam process ID: %lld", steamPid);
    if (m_state == State::WaitToLogin && ++m_loginPasses % LoginPassesPerFront == 0)
        bringSteamToFront(steamPid);
    checkSignIn(steamPid, registryPid);

    switch (m_state) {
    case State::Before:
        qDebug("[SteamMonitor] State change: Steam starts updating");
        m_state = State::SteamUpdating;
        break;
    case State::SteamUpdating:
        if (registryPid != steamPid)
            break;
        if (!m_signedIn) {
            qDebug("[SteamMonitor] State change: Steam starts to wait for user sign-in");
            m_state = State::WaitToLogin;
            report(QStringLiteral("wait signin"));
            emit waitSteamLogin();
            break;
        }
        qDebug("[SteamMonitor] State change: Steam finds user signed in [case 1]");
        m_state = State::AfterLogin;
        report(QStringLiteral("steamvr installing"));
        emit steamSigned();
        break;
    case State::WaitToLogin:
        if (!m_signedIn)
            break;
        qDebug("[SteamMonitor] State change: Steam finds user signed in [case 2]");
        m_state = State::AfterLogin;
        report(QStringLiteral("steamvr installing"));
        emit steamSigned();
        break;
    case State::AfterLogin:
        checkSteamVRInstalled();
        break;
    }
}

void SteamMonitor::checkSignIn(qint64 steamPid, int registryPid)
{
    if (m_signedIn)
        return;
    const bool steamVRInstalled = m_pathManager && m_pathManager->isSteamVRInstalled();
    // An unreadable user id (-1) is nobody signed in.
    if (m_lastUserId > 0 && registryPid == steamPid && steamVRInstalled) {
        qDebug("[SteamMonitor] SteamVR is installed and Steam account has signed-in. Sleep for %d secs for Steam "
               "message window.",
            SignInSettleMs / 1000);
        if (!WorkerThread::sleepUnlessStopped(SignInSettleMs))
            return;
        qDebug("[SteamMonitor] End of sleeping %d secs.", SignInSettleMs / 1000);
        m_signedIn = true;
        return;
    }
    if (steamVRInstalled)
        return;
    const auto [steamVRUpdating, steamworksUpdating] = readUpdating();
    qDebug("[SteamMonitor] isSteamVRUpdating, isSteamWorkUpdateing [%d, %d].", steamVRUpdating, steamworksUpdating);
    // Only a signed-in user's Steam installs apps.
    if (steamVRUpdating > 0 || steamworksUpdating > 0) {
        qDebug("[SteamMonitor] SteamVR not installed yet but has started to update [%d, %d].", steamVRUpdating,
            steamworksUpdating);
        m_signedIn = true;
    }
}

void SteamMonitor::checkSteamVRInstalled()
{
    const auto [steamVRUpdating, steamworksUpdating] = readUpdating();
    qDebug("[SteamMonitor] SteamVR updating?%d, SteamWork updating?%d", steamVRUpdating, steamworksUpdating);
    if (steamVRUpdating > 0 || steamworksUpdating > 0) {
        m_idlePasses = 0;
    } else {
        ++m_idlePasses;
        qDebug("[SteamMonitor] SteamVR meets error %d times.", m_idlePasses);
    }
    int exitCode = -1;
    const QString init = m_toolFolder + QStringLiteral("\\SteamVRInit.exe");
    if (Utils::launchAsUser(platform::Folders::localPath(m_toolFolder),
            QLatin1Char('"') + platform::Folders::localPath(init) + QLatin1Char('"'), exitCode, true, true)
        && exitCode == 0) {
        qDebug("[SteamMonitor] connect SteamVR success, send finish signal.");
        succeed();
        return;
    }
    if (m_idlePasses > m_limits.idleSeconds) {
        qWarning("[SteamMonitor] WARNING: SteamVR updating has stopped for %d seconds. Assume it has succeeded.",
            m_limits.idleSeconds);
        succeed();
    }
}

void SteamMonitor::succeed()
{
    m_stop = true;
    if (m_steamVR.getVRMonitorPath().isEmpty())
        qWarning("[SteamMonitor] WARNING: SteamVR answers, but its monitor is not where Steam registered it");
    emit installFinished();
    emit closePipe();
}

void SteamMonitor::bringSteamToFront(qint64 steamPid) const
{
    bool found = false;
    const QList<platform::WindowInfo> windows = platform::Windows::topLevel();
    for (const platform::WindowInfo &window : windows) {
        if (window.pid != steamPid || window.title.isEmpty())
            continue;
        found = true;
        qDebug("[SteamMonitor] procEnumWindowCallback(). SetForegroundWindow succ? %d",
            platform::Windows::activate(window.id));
        break;
    }
    qDebug("[SteamMonitor] Found Steam window? %d", found);
}

void SteamMonitor::report(const QString &progress) const
{
    if (!m_biService)
        return;
    BIService *service = m_biService;
    Queued::call(service, [service, progress] { service->setSteamVRProgress(progress); });
}

std::pair<int, int> SteamMonitor::readUpdating() const
{
    return { readValue(SteamVRAppKey, QStringLiteral("Updating")),
        readValue(SteamworksAppKey, QStringLiteral("Updating")) };
}

int SteamMonitor::readValue(const QString &key, const QString &valueName, bool *ran) const
{
    // The reader prints the value, as exit codes here keep only their low eight bits.
    const QString command = platform::Folders::localPath(m_toolFolder)
        + QStringLiteral("/GetReg.exe HKEY_CURRENT_USER ") + key + QLatin1Char(' ') + valueName;
    int exitCode = -1;
    QByteArray output;
    const bool started
        = Utils::launchAsUser(platform::Folders::localPath(m_toolFolder), command, exitCode, true, true, &output);
    if (ran)
        *ran = started;
    bool ok = false;
    const int value = output.trimmed().toInt(&ok);
    return started && ok ? value : -1;
}
