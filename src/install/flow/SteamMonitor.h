#pragma once

#include "companions/SteamVRLauncher.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <utility>

class BIService;
class PathManager;

// How long the Steam path waits for the client. Tests shorten them; production code
// never changes them.
struct SteamLimits {
    // Starts of Steam with its installer request before the step gives up.
    int triggers = 30;
    // Consecutive passes without a Steam process before Steam counts as closed.
    int passesWithoutSteam = 30;
    // Seconds after the sign-in without any updating of SteamVR before it counts as
    // installed.
    int idleSeconds = 30;

    static SteamLimits &current();
};

// Watches the Steam client from the outside while it installs SteamVR: whether Steam
// runs, whether the user has signed in, and whether SteamVR and the Steamworks
// redistributables are still updating. Polls once a second on its own thread until it
// reports success, fails or is stopped; the registry values come through the installed
// application's registry reader, as the desktop user sees them.
class SteamMonitor : public QThread {
    Q_OBJECT

public:
    SteamMonitor(BIService *biService, PathManager *pathManager, QObject *parent = nullptr);
    // Stops a monitor that still runs, within a bound.
    ~SteamMonitor() override;

signals:
    void error(const QString &errorId);
    void installFinished();
    void closePipe();
    void steamSigned();
    void waitSteamLogin();

public slots:
    void doStop();

protected:
    void run() override;

private:
    enum class State { Before, SteamUpdating, WaitToLogin, AfterLogin };

    // One poll: Steam's process, the sign-in and the state's step.
    void pass();
    // Looks for the signed-in user; sets the flag once found.
    void checkSignIn(qint64 steamPid, int registryPid);
    void checkSteamVRInstalled();
    // Brings a window of the Steam process to the front.
    void bringSteamToFront(qint64 steamPid) const;
    void succeed();
    void report(const QString &progress) const;
    // Whether SteamVR and the Steamworks redistributables are updating, in that order.
    std::pair<int, int> readUpdating() const;
    // The value through the registry reader; -1 when it cannot be read.
    int readValue(const QString &key, const QString &valueName, bool *ran = nullptr) const;

    BIService *const m_biService;
    PathManager *const m_pathManager;
    const SteamLimits m_limits;
    QString m_toolFolder;
    // Finds SteamVR's monitor once Steam has installed SteamVR.
    SteamVRLauncher m_steamVR { false };
    State m_state = State::Before;
    bool m_signedIn = false;
    int m_curUserId = -1;
    int m_lastUserId = -1;
    std::atomic<bool> m_stop { false };
    int m_passesWithoutSteam = 0;
    int m_idlePasses = 0;
    int m_loginPasses = 0;
};
