#include "companions/RoomSetupWorker.h"

#include "companions/SteamVRLauncher.h"
#include "core/Utils.h"
#include "core/WorkerThread.h"
#include "platform/Windows.h"

using platform::WindowInfo;
using platform::Windows;

namespace {

const QString RoomSetupImage = QStringLiteral("steamvr_room_setup.exe");
const QString RoomSetupTitle = QStringLiteral("SteamVR Room Setup");
const QString MonitorImage = QStringLiteral("vrmonitor.exe");
const QString MonitorTitle = QStringLiteral("SteamVR");
constexpr int MaxLaunches = 3;
constexpr int AliveChecks = 12;
constexpr int AliveCheckPauseMs = 1000;
constexpr int WindowLooks = 5;
constexpr int WindowPauseMs = 1000;
// Every step between two looks at the stop request is short, so this is ample.
constexpr unsigned long StopLimitMs = 5000;

} // namespace

RoomSetupWorker::RoomSetupWorker(SteamVRLauncher *launcher)
    : m_launcher(launcher)
{
}

RoomSetupWorker::~RoomSetupWorker()
{
    WorkerThread::interrupt(this);
    if (wait(StopLimitMs)) {
        const std::lock_guard lock(m_ended);
        return;
    }
    // Destroying a running thread would abort the program; ending it abruptly is the
    // lesser harm.
    qWarning("[RoomSetupWorker] WARNING: The worker did not stop in %lu ms, terminate it", StopLimitMs);
    terminate();
    wait(StopLimitMs);
}

void RoomSetupWorker::run()
{
    startAndRaiseRoomSetup();
    const std::lock_guard lock(m_ended);
}

void RoomSetupWorker::startAndRaiseRoomSetup()
{
    int launches = 0;
    while (!isRoomSetupAlive()) {
        if (isInterruptionRequested())
            return;
        if (launches == MaxLaunches) {
            // Its window is still looked for: the tool may yet appear.
            qWarning("[RoomSetupWorker] ERROR: Failed to launch RoomSetup by %d tries.", MaxLaunches);
            break;
        }
        ++launches;
        qDebug("[RoomSetupWorker] Launch RoomSetup %d times", launches);
        m_launcher->launchRoomSetup();
    }
    for (int look = 1; look <= WindowLooks; ++look) {
        if (raiseWindows() || !WorkerThread::sleepUnlessStopped(WindowPauseMs))
            return;
        qDebug("[RoomSetupWorker] Cannot find RoomSetup window %d times", look);
    }
    qWarning("[RoomSetupWorker] ERROR: Failed to find RoomSetup by %d retries.", WindowLooks);
}

bool RoomSetupWorker::isRoomSetupAlive()
{
    qDebug("[RoomSetupWorker] Checking whether RoomSetup is alive");
    bool alive = Utils::findProcessByName(RoomSetupImage);
    for (int check = 1; !alive && check < AliveChecks; ++check) {
        if (!WorkerThread::sleepUnlessStopped(AliveCheckPauseMs))
            return false;
        alive = Utils::findProcessByName(RoomSetupImage);
    }
    if (alive)
        qDebug("[RoomSetupWorker] RoomSetup is running");
    else
        qDebug("[RoomSetupWorker] Cannot find RoomSetup running");
    return alive;
}

bool RoomSetupWorker::raiseWindows()
{
    const WindowInfo monitor = Windows::find(MonitorTitle, MonitorImage);
    if (monitor.id) {
        qDebug("[RoomSetupWorker] Found SteamVR window. Bring it to top.");
        Windows::activate(monitor.id);
    }
    const WindowInfo roomSetup = Windows::find(RoomSetupTitle, RoomSetupImage);
    if (!roomSetup.id)
        return false;
    qDebug("[RoomSetupWorker] Found RoomSetup window. Bring it to top.");
    Windows::activate(roomSetup.id);
    return true;
}
