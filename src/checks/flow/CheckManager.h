#pragma once

#include "checks/NovaCheckLib.h"
#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

class BIService;
class CheckPCWorker;
class CNetFxUtil;
class CPageManager;
class GraphicsChecker;

// Runs the PC check once per run on a thread of its own and turns its results into the
// page manager's decisions: whether the PC-check, .NET and graphics-driver pages are
// shown. Fills the check page, tells the window which GPU vendor needs a driver update
// and hands the PC's facts to the analytics. Lives on the user-interface thread.
class CheckManager : public QObject {
    Q_OBJECT

public:
    // programFolder holds the installed compatibility list ("comp/compDefault.json").
    CheckManager(QObject *root, CPageManager *pageManager, CNetFxUtil *netFxUtil, GraphicsChecker *graphicsChecker,
        BIService *biService, const QString &programFolder, QObject *parent = nullptr);
    ~CheckManager() override;

    const NovaCheckLib &checkLib() const { return m_checkLib; }
    bool isDriverReady() const { return m_driverReady; }

public slots:
    void startChecking();
    void loadedPCheck();
    void checkPCFinished();
    void onSetDriverVersion(const QString &version, const QString &vender);
    void checkGpuDriver();

private:
    QObject *m_rootObject;
    CPageManager *m_pageManager;
    CNetFxUtil *m_netFxUtil;
    GraphicsChecker *m_graphicsChecker;
    BIService *m_biService;
    NovaCheckLib m_checkLib;
    WorkerThread m_workerThread { "[CheckManager]" };
    bool m_driverReady = false;
};
