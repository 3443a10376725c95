#include "checks/flow/NetWorker.h"

#include <QProcess>
#include <QThread>

#include <array>

namespace {

// How often the wait for the installer looks whether the program is closing.
constexpr int PollMs = 200;

// The installer's own exit codes beyond one byte.
constexpr std::array<int, 5> WideCodes { 1602, 1603, 1641, 3010, 5100 };

} // namespace

NetWorker::NetWorker(const QString &programFolder)
    : m_programFolder(programFolder)
{
}

int NetWorker::installerExitCode(int status)
{
    for (int code : WideCodes) {
        if ((code & 0xFF) == status)
            return code;
    }
    return status;
}

void NetWorker::launchInstaller()
{
    const QString folder = m_programFolder + QStringLiteral("/dotNetFx");
    auto *installer = new QProcess;
    installer->setWorkingDirectory(folder);
    installer->start(folder + QStringLiteral("/NDP46-KB3045560-Web.exe"),
        { QStringLiteral("/norestart"), QStringLiteral("/passive"), QStringLiteral("/showrmui") });
    // The installer takes as long as its download does: no limit, but the program may close.
    while (installer->state() != QProcess::NotRunning && !installer->waitForFinished(PollMs)) {
        if (QThread::currentThread()->isInterruptionRequested()) {
            // The program is closing. The installer goes on by itself (the page told the
            // user to restart and open setup again), so its process object is left
            // alone: destroying it would kill the installer.
            qDebug("[NetFxUtil] Setup closes while .NET Framework is installing; the installer goes on.");
            return;
        }
    }
    const bool ran = installer->error() == QProcess::UnknownError && installer->exitStatus() == QProcess::NormalExit;
    if (!ran)
        qWarning(
            "[NetFxUtil] ERROR: The installer did not run to its end: %s", qUtf8Printable(installer->errorString()));
    const int exitCode = ran ? installerExitCode(installer->exitCode()) : NotRunCode;
    delete installer;
    emit installFinished(exitCode);
}
