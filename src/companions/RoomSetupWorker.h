#pragma once

#include <QThread>

#include <mutex>

class SteamVRLauncher;

// Makes sure SteamVR's room-setup tool runs, asking the launcher to start it up to
// three times, and then brings the SteamVR window and the room-setup window to the
// front. Every wait is bounded and ends early when the thread is asked to stop.
class RoomSetupWorker : public QThread {
    Q_OBJECT

public:
    explicit RoomSetupWorker(SteamVRLauncher *launcher);
    // Asks a running worker to stop and waits a few seconds for it; only a worker that
    // does not stop by then is terminated.
    ~RoomSetupWorker() override;

protected:
    void run() override;

private:
    void startAndRaiseRoomSetup();
    // Whether the room-setup tool runs, looking for it for up to 12 s; false, too, when
    // the thread is asked to stop.
    bool isRoomSetupAlive();
    // Brings the SteamVR window, when there is one, and then the room-setup window to
    // the front; false when there is no room-setup window.
    bool raiseWindows();

    SteamVRLauncher *const m_launcher;
    // Taken as the run ends and by the destructor after the join, so that a thread
    // sanitizer sees the join that QThread::wait() makes inside the uninstrumented Qt.
    std::mutex m_ended;
};
