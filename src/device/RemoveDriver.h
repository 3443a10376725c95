#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

// How long a driver uninstall tool may run before it is ended. Tests shorten it;
// production code never changes it.
struct RemoveDriverLimits {
    int toolWaitMs = 30000;

    static RemoveDriverLimits &current();
};

// Runs the uninstall tool and the device re-enumeration on its own thread, one request
// at a time.
class RemoveWorker : public QObject {
    Q_OBJECT

public:
    // programFolder: the folder the tool paths are relative to, backslash separated.
    RemoveWorker(const QString &programFolder, int toolWaitMs);

signals:
    void returnRemove();
    void returnScan();

public slots:
    void onRemove();
    void onScan();

private:
    // Starts the tool and waits for its end, ending it at the time limit.
    void runTool(const QString &storedProgram) const;

    const QString m_programFolder;
    const int m_toolWaitMs;
};

// Removes stale headset drivers with the uninstall tool that matches the Windows
// version and the system's processor architecture, then has all devices enumerated
// afresh so that the headset is detected anew. Lives on the user-interface thread and
// only relays the requests to its worker; a request while one runs is skipped.
class CRemoveDriver : public QObject {
    Q_OBJECT

public:
    // The tools are looked for relative to this program's folder.
    explicit CRemoveDriver(QObject *root, QObject *parent = nullptr);
    CRemoveDriver(QObject *root, const QString &programFolder, QObject *parent = nullptr);

    void doRemoveDriver();
    bool isBusy() const { return m_busy; }

signals:
    void remove();
    void scan();

public slots:
    void onReturnRemove();
    void onReturnScan();

private:
    QObject *const m_root;
    WorkerThread m_thread { "[RemoveDriver]", "worker thread" };
    bool m_busy = false;
};
