#include "checks/flow/CheckManager.h"

#include "bi/BIService.h"
#include "checks/GraphicsChecker.h"
#include "checks/flow/CheckPCWorker.h"
#include "checks/flow/NetFxUtil.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "wizard/PageManager.h"

namespace {

const QString RankBad = NovaCheckLib::rankText(NovaCheckLib::RankBad);
const QString RankUnknown = NovaCheckLib::rankText(NovaCheckLib::RankUnknown);

BIPcInfo pcInfoOf(const NovaCheckLib &checkLib)
{
    BIPcInfo info;
    info.listVersion = checkLib.listVersion();
    info.cpuName = checkLib.cpuName();
    info.cpuRank = checkLib.cpuRank();
    info.gpuName = checkLib.gpuName();
    info.gpuRank = checkLib.gpuRank();
    info.osName = checkLib.osName();
    info.osRank = checkLib.osRank();
    info.memorySize = checkLib.memorySize();
    info.memoryRank = checkLib.memoryRank();
    info.overallRank = checkLib.overallRank();
    for (int i = 0; i < checkLib.gpuCount(); ++i)
        info.gpus.append({ checkLib.gpuNameAt(i), checkLib.gpuRankAt(i) });
    return info;
}

} // namespace

CheckManager::CheckManager(QObject *root, CPageManager *pageManager, CNetFxUtil *netFxUtil,
    GraphicsChecker *graphicsChecker, BIService *biService, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_rootObject(root)
    , m_pageManager(pageManager)
    , m_netFxUtil(netFxUtil)
    , m_graphicsChecker(graphicsChecker)
    , m_biService(biService)
{
    connect(&m_checkLib, &NovaCheckLib::compareFinished, this, &CheckManager::checkPCFinished);
    if (auto *worker = m_workerThread.prepare<CheckPCWorker>(m_checkLib, programFolder)) {
        connect(m_workerThread.thread(), &QThread::started, worker, &CheckPCWorker::checkPC);
        connect(&m_checkLib, &NovaCheckLib::compareFinished, m_workerThread.thread(), &QThread::quit);
    }
}

// The thread stops within WorkerThread's limit, even in the middle of a check.
CheckManager::~CheckManager() = default;

void CheckManager::startChecking()
{
    qDebug("[CheckManager] startChecking");
    // One check per run: the worker is gone once the first check ends.
    m_workerThread.startThread();
    m_pageManager->setSkipPDotNet(m_netFxUtil->isNetFxInstalled());
}

void CheckManager::checkPCFinished()
{
    qDebug("[CheckManager] checkPCFinished()");
    const QString rank = m_checkLib.overallRank();
    qDebug("[CheckManager] PC overall rank: %s", qUtf8Printable(rank));
    // A list that could not be read leaves the PC unchecked, which lets the user on.
    const bool ready = rank != RankBad && rank != RankUnknown;
    m_pageManager->setSkipPCheck(ready);
    QmlCall::call(m_rootObject, QmlNames::setPCChecked);
    m_biService->storePcInfo(pcInfoOf(m_checkLib));
    if (ready)
        m_biService->setPCCheckReady(0, 0);
    checkGpuDriver();
}

void CheckManager::checkGpuDriver()
{
    qDebug("[CheckManager] Check gpu driver.");
    m_driverReady = m_graphicsChecker->isDriverSupported();
    if (!m_driverReady) {
        const QString vendorId = m_checkLib.gpuVendorId();
        qDebug("[CheckManager] GPU vendor ID %s", qUtf8Printable(vendorId));
        if (m_graphicsChecker->isNvidia() || vendorId == QLatin1String("10DE")) {
            QmlCall::call(m_rootObject, QmlNames::setGpuType, QStringLiteral("nvidia"));
        } else if (m_graphicsChecker->isAmd() || vendorId == QLatin1String("1002")) {
            QmlCall::call(m_rootObject, QmlNames::setGpuType, QStringLiteral("amd"));
        } else {
            qDebug("[CheckManager] GPU is not AMD nor NV, bypass it.");
            m_driverReady = true;
        }
    }
    m_pageManager->setSkipPDriver(m_driverReady);
}

void CheckManager::loadedPCheck()
{
    QObject *page = QmlNames::find(m_rootObject, QmlNames::pCheck);
    if (!page) {
        qWarning("[CheckManager] WARNING: Cannot load checking page.");
        return;
    }
    QmlCall::call(page, QmlNames::setCheckResult, QStringLiteral("gpu"), m_checkLib.gpuName(), m_checkLib.gpuRank());
    QmlCall::call(page, QmlNames::setCheckResult, QStringLiteral("cpu"), m_checkLib.cpuName(), m_checkLib.cpuRank());
    QmlCall::call(page, QmlNames::setCheckResult, QStringLiteral("memory"),
        QString(m_checkLib.memorySize() + QStringLiteral(" GB")), m_checkLib.memoryRank());
    QmlCall::call(page, QmlNames::setCheckResult, QStringLiteral("os"), m_checkLib.osName(), m_checkLib.osRank());
}

void CheckManager::onSetDriverVersion(const QString &version, const QString &vender)
{
    m_rootObject->setProperty(
        vender == QLatin1String("Nv") ? QmlNames::driverVersionNv : QmlNames::driverVersionAMD, version);
}
