#include "companions/NovaportLauncher.h"

#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <QDateTime>

using platform::Registry;

namespace {

const QString ValueLaunchLogin = QStringLiteral("LaunchNovaportLogin");
const QString ValueInstallHelper = QStringLiteral("InstallHelper");
const QString ValueNovaportDesktop = QStringLiteral("NovaportDesktop");
const QString RestartCode = QStringLiteral("3010");
constexpr int DesktopValueLooks = 10;
constexpr unsigned long DesktopValuePauseMs = 1000;
constexpr unsigned long AfterKillPauseMs = 500;

QString readText(const QString &key, const QString &name)
{
    return Registry::read(key, name).toString();
}

} // namespace

NovaportLauncher::NovaportLauncher(int checkMode, QObject *parent, const CheckTiming &timing)
    : QObject(parent)
    , m_timing(timing)
    , m_checkMode(checkMode)
{
}

NovaportLauncher::~NovaportLauncher() = default;

void NovaportLauncher::startInstallCheck()
{
    startWorker();
}

void NovaportLauncher::startWorker()
{
    if (!m_worker) {
        m_worker = m_workerThread.prepare<CheckingWorker>(m_timing);
        if (!m_worker)
            return;
        connect(
            m_worker, &CheckingWorker::installFinished, this, &NovaportLauncher::installFinished, Qt::QueuedConnection);
        connect(m_worker, &CheckingWorker::installError, this, &NovaportLauncher::installError, Qt::QueuedConnection);
        connect(m_worker, &CheckingWorker::prepareToQuit, this, &NovaportLauncher::prepareToQuit, Qt::QueuedConnection);
        connect(
            m_worker, &CheckingWorker::checkEnded, this, [this] { m_checking = false; }, Qt::QueuedConnection);
        // Made before the thread starts, and carrying no data, so the request needs no
        // synchronisation beyond the event queue's.
        CheckingWorker *worker = m_worker;
        connect(this, &NovaportLauncher::installCheckRequested, worker,
            [worker] { worker->run(CheckingWorker::InstallCheck); });
        connect(this, &NovaportLauncher::closeCheckRequested, worker,
            [worker] { worker->run(CheckingWorker::CloseAfterLaunch); });
        m_workerThread.startThread();
    }
    if (m_checking)
        return;
    m_checking = true;
    if (m_checkMode == CheckingWorker::CloseAfterLaunch)
        emit closeCheckRequested(QPrivateSignal());
    else
        emit installCheckRequested(QPrivateSignal());
}

void NovaportLauncher::launchNovaport()
{
    if (!m_waitEventThread) {
        m_waitEventThread = std::make_unique<WaitEventThread>();
        connect(m_waitEventThread.get(), &WaitEventThread::prepareToQuit, this, &NovaportLauncher::prepareToQuit,
            Qt::QueuedConnection);
    }
    if (Mode::isSWOA() || Mode::isNoAccount())
        launchSignin();
    else if (Mode::isCN())
        Utils::launchNovaportByProtocol();
    else
        return;
    WaitEventThread::clearEvent();
    m_waitEventThread->start(QThread::InheritPriority);
    m_checkMode = CheckingWorker::CloseAfterLaunch;
    startWorker();
}

void NovaportLauncher::launchSignin()
{
    qDebug("[NovaportLauncher] Kill Nova.exe");
    Utils::killProcessByName(QStringLiteral("Nova.exe"));
    QThread::msleep(AfterKillPauseMs);
    qDebug("[NovaportLauncher] launchNovaport() launch NOVAPORT_Signin.exe");
    const QString folder = readText(Utils::RegUpdater, Utils::ValueAppPath) + QStringLiteral("\\App\\OOBETool");
    const QString program = platform::Folders::localPath(folder + QStringLiteral("/NOVAPORT_Signin.exe"));
    qDebug("[NovaportLauncher] launch novaport signin program.");
    int exitCode = -1;
    const bool started = Utils::launchAsUser(
        platform::Folders::localPath(folder), QLatin1Char('"') + program + QLatin1Char('"'), exitCode, false, true);
    qDebug("[NovaportLauncher] launch NovaportSignin.exe succ:%d", started);
}

void NovaportLauncher::writeNovaportReg()
{
    qDebug("[NovaportLauncher] Write registry for novaport.");
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    qDebug("[NovaportLauncher] current time write to registry:%s", qUtf8Printable(now));
    Registry::write(Utils::RegUserSettings, ValueLaunchLogin, now);
    Registry::flush();

    qDebug("[NovaportLauncher] Check NOVAPORT install exit code");
    const QString result = readText(Utils::RegKeltNova, ValueInstallHelper);
    qDebug("[NovaportLauncher] NOVAPORT install exit code [%s]", qUtf8Printable(result));
    if (result.isEmpty()) {
        qDebug("[NovaportLauncher] Cannot found NOVAPORT install exit code in registry");
        return;
    }
    if (result.section(QLatin1Char(':'), 1) != RestartCode)
        return;

    qDebug("[NovaportLauncher] Novaport return code is 3010, write registry to launch novaport on PC startup.");
    QString command = readText(Utils::RegRun, ValueNovaportDesktop);
    for (int look = 0; command.isEmpty() && look < DesktopValueLooks; ++look) {
        qDebug("[NovaportLauncher] Find NovaportDesktop for %d times.", look);
        QThread::msleep(DesktopValuePauseMs);
        command = readText(Utils::RegRun, ValueNovaportDesktop);
    }
    if (command.isEmpty()) {
        qDebug("[NovaportLauncher] Can't fint NovaportDesktop registry.");
        return;
    }
    qDebug("[NovaportLauncher] Found NovaportDesktop registry!");
    qDebug("[NovaportLauncher] NovaportDesktop auto launch value:%s", qUtf8Printable(command));
    command += QStringLiteral(" /silent");
    qDebug("[NovaportLauncher] Change NovaportDesktop auto launch value to: %s", qUtf8Printable(command));
    Registry::write(Utils::RegRun, ValueNovaportDesktop, command);
    qDebug("[NovaportLauncher] NovaportDesktop auto launch value changed to: %s",
        qUtf8Printable(readText(Utils::RegRun, ValueNovaportDesktop)));
}
