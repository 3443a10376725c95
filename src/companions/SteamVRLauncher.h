#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>

class RoomSetupWorker;

// Finds the installed SteamVR (the one inside Steam, or in China mode the product
// line's standalone copy), starts it, and then has a RoomSetupWorker start SteamVR's
// room-setup tool and bring it to the front. Paths are kept and logged in Windows form
// (backslash separated); a found path stays cached for the launcher's life. The programs
// it starts run as the desktop user and on their own: it neither waits for them nor
// stops them.
//
// The launcher lives with its owner. Its slots may be called from any thread; the
// caches are shared under a lock with the worker.
class SteamVRLauncher : public QObject {
    Q_OBJECT

public:
    // chinaMode: standalone SteamVR is used when the registry says it is installed.
    explicit SteamVRLauncher(bool chinaMode, QObject *parent = nullptr);
    // Stops a running launch and the room-setup worker, each within a few seconds.
    ~SteamVRLauncher() override;

signals:
    // SteamVR has been started and the room-setup tool should follow: starts the
    // room-setup worker unless it runs.
    void launchVaroRoomSetup();
    // A launch asked for on the user-interface thread, for the launcher's own thread.
    void launchHandedOver();

public slots:
    // Starts SteamVR and then emits launchVaroRoomSetup. Blocks its caller for at
    // least 1.5 s; called on the user-interface thread, it warns and runs on the
    // launcher's own thread instead.
    void launchSteamVR();
    // Waits up to 50 s for the room-setup worker to end; before the application quits.
    void waitRoomSetupWorker();
    // Does nothing: SteamVR is left running.
    void checkAndCloseSteamVR();
    // The SteamVR monitor's full path, or empty. Looks at the file system until found.
    QString getVRMonitorPath();

private:
    friend class RoomSetupWorker;

    void decideStandalone();
    // Called with m_lock held.
    QString getSteamVRDir();
    QString getVRStartupPath();
    void runVRMonitor(const QString &argument);
    // For the worker: asks the monitor to start the room-setup tool.
    void launchRoomSetup();

    const bool m_chinaMode;
    // Guards the standalone flag and the caches, which the worker reads too.
    std::mutex m_lock;
    bool m_standalone = false;
    QString m_steamVRDir;
    QString m_vrMonitorPath;
    QString m_vrStartupPath;
    std::unique_ptr<RoomSetupWorker> m_roomSetupWorker;
    // Only touched on the user-interface thread: the launches handed over from there.
    QObject *m_launchContext = nullptr;
    // Last, so that it goes first: a launch in progress, which may start the worker,
    // ends before the worker is stopped.
    WorkerThread m_launchThread { "[SteamVRLauncher]" };
};
