#include "install/flow/InstallWorker.h"

#include "install/flow/InstallManager.h"

InstallWorker::InstallWorker(InstallManager &manager)
    : m_manager(manager)
{
}

void InstallWorker::checkPath()
{
    m_manager.checkPathImpl();
}
