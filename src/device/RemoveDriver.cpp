#include "device/RemoveDriver.h"

#include "core/Utils.h"
#include "device/RemoveTool.h"
#include "platform/DeviceRescan.h"
#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/SystemInfo.h"

#include <QCoreApplication>
#include <QThread>

RemoveDriverLimits &RemoveDriverLimits::current()
{
    static RemoveDriverLimits limits;
    return limits;
}

RemoveWorker::RemoveWorker(const QString &programFolder, int toolWaitMs)
    : m_programFolder(Utils::withBackslashes(programFolder))
    , m_toolWaitMs(toolWaitMs)
{
}

void RemoveWorker::onRemove()
{
    qDebug("[RemoveDriver] Remove...");
    const RemoveTool tool
        = chooseRemoveTool(platform::SystemInfo::osVersion(), platform::SystemInfo::nativeArchitecture());
    if (tool.isError)
        qWarning("%s", qUtf8Printable(tool.logLine));
    else
        qDebug("%s", qUtf8Printable(tool.logLine));
    if (!tool.program.isEmpty())
        runTool(tool.program);
    emit returnRemove();
}

void RemoveWorker::runTool(const QString &storedProgram) const
{
    const QString stored = m_programFolder + storedProgram;
    platform::StartRequest request;
    request.program = platform::Folders::localPath(stored);
    request.waitLimitMs = m_toolWaitMs;
    // Asked in short steps, so that the end of the program need not wait for a tool that hangs.
    bool interrupted = false;
    request.stopWaiting = [&interrupted] { return interrupted = QThread::currentThread()->isInterruptionRequested(); };
    const platform::LaunchResult result = platform::startProgram(request);
    if (result.status == platform::LaunchResult::StartFailed)
        qWarning("[RemoveDriver] Error: cannot start %s", qUtf8Printable(stored));
    else if (result.status == platform::LaunchResult::TimedOut && !interrupted)
        qWarning("[RemoveDriver] Error: timeout, terminate.");
}

void RemoveWorker::onScan()
{
    qDebug("[RemoveDriver] Scan...");
    const platform::RescanResult rescan = platform::rescanDevices();
    if (rescan.status == platform::RescanResult::NoDeviceTree) {
        // As when the device tree's root cannot be found: nothing is reported.
        qWarning("[RemoveDriver] CM_Locate_DevNode failed: 0x%08x", unsigned(rescan.error));
        return;
    }
    if (rescan.status == platform::RescanResult::Failed)
        qWarning("[RemoveDriver] CM_Reenumerate_DevNode failed: 0x%08x", unsigned(rescan.error));
    emit returnScan();
}

CRemoveDriver::CRemoveDriver(QObject *root, QObject *parent)
    : CRemoveDriver(root, QCoreApplication::applicationDirPath(), parent)
{
}

CRemoveDriver::CRemoveDriver(QObject *root, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_root(root)
{
    RemoveWorker *worker = m_thread.prepare<RemoveWorker>(programFolder, RemoveDriverLimits::current().toolWaitMs);
    if (!worker)
        return;
    connect(this, &CRemoveDriver::remove, worker, &RemoveWorker::onRemove);
    connect(worker, &RemoveWorker::returnRemove, this, &CRemoveDriver::onReturnRemove);
    connect(this, &CRemoveDriver::scan, worker, &RemoveWorker::onScan);
    connect(worker, &RemoveWorker::returnScan, this, &CRemoveDriver::onReturnScan);
    m_thread.startThread();
}

void CRemoveDriver::doRemoveDriver()
{
    qDebug("[RemoveDriver] Do Remove Driver...");
    if (m_busy) {
        qDebug("[RemoveDriver] Skip");
        return;
    }
    m_busy = true;
    emit remove();
}

void CRemoveDriver::onReturnRemove()
{
    qDebug("[RemoveDriver] Remove...(OK)");
    emit scan();
}

void CRemoveDriver::onReturnScan()
{
    qDebug("[RemoveDriver] Scan...(OK)");
    m_busy = false;
}
