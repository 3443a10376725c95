#pragma once

#include "companions/CheckingWorker.h"
#include "companions/WaitEventThread.h"
#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

#include <memory>

// Looks after the store desktop app around the end of the wizard: confirms that the
// store installer installed it, starts its sign-in program or the app itself when the
// wizard ends and keeps the wizard open until the app appears, and prepares the app's
// start at logon after its installer asked for a restart. Lives on the user-interface
// thread; the waiting is done by a CheckingWorker on a thread of its own, whose results
// arrive here queued.
class NovaportLauncher : public QObject {
    Q_OBJECT

public:
    // checkMode: the check the worker runs, CheckingWorker::InstallCheck for a launcher
    // that confirms the installation.
    explicit NovaportLauncher(int checkMode, QObject *parent = nullptr, const CheckTiming &timing = CheckTiming());
    ~NovaportLauncher() override;

    // Runs the check of the current mode on the worker, created on first use; does
    // nothing while a check runs.
    void startInstallCheck();

signals:
    void installFinished();
    void installError();
    void showDialog3010();
    void prepareToQuit(const QString &strReason);
    // Ask the worker for a check; connected before its thread starts.
    void installCheckRequested(QPrivateSignal);
    void closeCheckRequested(QPrivateSignal);

public slots:
    void launchNovaport();
    void writeNovaportReg();

private:
    void startWorker();
    void launchSignin();

    const CheckTiming m_timing;
    int m_checkMode;
    bool m_checking = false;
    CheckingWorker *m_worker = nullptr;
    std::unique_ptr<WaitEventThread> m_waitEventThread;
    // Last, so that it goes first: a running check is stopped before the rest.
    WorkerThread m_workerThread { "[NovaportLauncher]" };
};
