#include "install/flow/InstallWorker.h"

#include "install/flow/InstallManager.h"
#include "platform/Processes.h"

InstallWorker::InstallWorker(InstallManager &manager)
    : m_manager(manager)
{
}

void InstallWorker::checkPath()
{
    m_manager.checkPathImpl();
}

void InstallWorker::initInstall()
{
    qDebug("[InstallWorker] initInstall(%lld)", platform::Processes::currentThreadId());
    m_manager.initInstallImpl();
}

void InstallWorker::installUpdater()
{
    m_manager.installUpdaterImpl();
}

void InstallWorker::installHidRomCU()
{
    m_manager.installHidRomCUImpl();
}

void InstallWorker::installSteam()
{
    qDebug("[InstallWorker] installSteam(%lld)", platform::Processes::currentThreadId());
    m_manager.installSteamImpl();
}

void InstallWorker::finishInstall()
{
    m_manager.finishInstallImpl();
}

void InstallWorker::onCheckUninstall()
{
    if (m_manager.checkUninstallImpl())
        emit checkUninstallFinished();
}

void InstallWorker::regOpenVRDriver()
{
    m_manager.regOpenVRDriverImpl();
}
