#include "companions/CheckingWorker.h"

#include "core/Utils.h"
#include "core/WorkerThread.h"
#include "platform/Processes.h"

#include <QElapsedTimer>

namespace {

const QString InstallerPrefix = QStringLiteral("UpdaterInstallHelper");
const QString StoreApp = QStringLiteral("Nova.exe");
constexpr int HandlerLooks = 5;
constexpr int HandlerPauseMs = 1000;
constexpr int FirstPauseMs = 1000;
constexpr int StoreAppRunningMs = 4000;
constexpr int StoreAppMissingMs = 60000;

bool sleepFor(qint64 ms)
{
    return WorkerThread::sleepUnlessStopped(int(ms));
}

} // namespace

void CheckingWorker::run(int mode)
{
    qDebug("[CheckingWorker] check mode: %d", mode);
    if (mode == InstallCheck)
        checkInstallation();
    else if (mode == CloseAfterLaunch)
        checkLaunch();
    emit checkEnded();
}

void CheckingWorker::checkInstallation()
{
    const qint64 threadId = platform::Processes::currentThreadId();
    qDebug("[NovaportLauncher] Start checking NOVAPORT (%lld)", threadId);
    if (!sleepFor(FirstPauseMs) || !waitForInstaller())
        return;
    qDebug("[NovaportLauncher] NOVAPORT installation stopped");
    for (int look = 1; look <= HandlerLooks; ++look) {
        if (!Utils::getNovaportHelperCommand().isEmpty()) {
            qDebug("[NovaportLauncher] NOVAPORT installed successfully");
            emit installFinished();
            break;
        }
        qDebug("[NovaportLauncher] Cannot find NOVAPORT for %d times", look);
        if (!sleepFor(HandlerPauseMs))
            return;
        if (look == HandlerLooks) {
            qWarning("[NovaportLauncher] ERROR: NOVAPORT installation failed, skip");
            emit installError();
        }
    }
    qDebug("[NovaportLauncher] Finished checking NOVAPORT (%lld)", threadId);
}

bool CheckingWorker::waitForInstaller()
{
    QElapsedTimer waited;
    waited.start();
    while (Utils::findProcessByPrefix(InstallerPrefix)) {
        const qint64 left = m_timing.installerLimitMs - waited.elapsed();
        if (left <= 0) {
            qWarning("[NovaportLauncher] WARNING: NOVAPORT installation still running after %lld s, stop waiting",
                m_timing.installerLimitMs / 1000);
            return true;
        }
        if (!sleepFor(qMin<qint64>(m_timing.installerPollMs, left)))
            return false;
    }
    return true;
}

void CheckingWorker::checkLaunch()
{
    qDebug("[CheckingWorker] Check if Nova.exe exist.");
    bool slept;
    if (Utils::findProcessByName(StoreApp)) {
        qDebug("[CheckingWorker] Novaport exist, wait for 4 sec and close OOBE.");
        slept = sleepFor(StoreAppRunningMs);
    } else {
        qDebug("[CheckingWorker] Novaport doesn't' exist, wait for 20 sec. If not recieve NovaportLaunched event, "
               "close OOBE");
        slept = sleepFor(StoreAppMissingMs);
    }
    if (slept)
        emit prepareToQuit(QStringLiteral("done"));
}
