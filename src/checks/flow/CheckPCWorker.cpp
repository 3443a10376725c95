#include "checks/flow/CheckPCWorker.h"

#include "checks/NovaCheckLib.h"

CheckPCWorker::CheckPCWorker(NovaCheckLib &checkLib, const QString &programFolder)
    : m_checkLib(checkLib)
    , m_programFolder(programFolder)
{
}

CheckPCWorker::~CheckPCWorker()
{
    m_checkLib.dropLoader();
}

void CheckPCWorker::checkPC()
{
    qDebug("[CheckPCWorker] checkPC");
    m_checkLib.collectPcInfo();
    m_checkLib.compareWithOnline(NovaCheckLib::onlineListUrl(), m_programFolder + QStringLiteral("/comp/comp.json"),
        m_programFolder + QStringLiteral("/comp/compDefault.json"));
}
