#pragma once

#include <QObject>

class InstallManager;

// The install manager's hands on its worker thread: each slot runs the manager's
// implementation of the same name there.
class InstallWorker : public QObject {
    Q_OBJECT

public:
    explicit InstallWorker(InstallManager &manager);

public slots:
    void checkPath();
    void initInstall();
    void installUpdater();
    void installHidRomCU();
    void installSteam();
    void finishInstall();
    // Waits while the uninstaller of an earlier installation runs.
    void onCheckUninstall();
    void regOpenVRDriver();

signals:
    void checkUninstallFinished();

private:
    InstallManager &m_manager;
};
