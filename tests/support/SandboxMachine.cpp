#include "SandboxMachine.h"

#include "platform/Browser.h"
#include "platform/Machine.h"
#include "platform/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void writeJson(const QString &path, const QJsonObject &object)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(object).toJson());
}

} // namespace

SandboxMachine::SandboxMachine()
    : m_dir(QDir::tempPath() + QStringLiteral("/nova-XXXXXX"))
    , m_previous(qgetenv(platform::Machine::RootVariable))
{
    qputenv(platform::Machine::RootVariable, QFile::encodeName(m_dir.path()));
}

SandboxMachine::~SandboxMachine()
{
    // Stand-ins that run until they are ended (a Steam client, a window of SteamVR)
    // must not outlive the machine they were started in.
    for (const platform::ProcessInfo &process : platform::Processes::list()) {
        if (process.pid != platform::Processes::currentPid())
            platform::Processes::terminate(process.pid);
    }
    if (m_previous.isNull())
        qunsetenv(platform::Machine::RootVariable);
    else
        qputenv(platform::Machine::RootVariable, m_previous);
}

void SandboxMachine::writeProfile(const QJsonObject &profile) const
{
    writeJson(path(QStringLiteral("machine.json")), profile);
}

void SandboxMachine::writeScenario(const QJsonObject &scenario) const
{
    writeJson(path(QStringLiteral("scenario.json")), scenario);
}

QString SandboxMachine::installPeer(const QString &folder, const QString &name) const
{
    const QString target = path(folder) + QLatin1Char('/') + name;
    QDir().mkpath(path(folder));
    QFile::remove(target);
    return QFile::copy(builtProgram(QStringLiteral("nova-peer")), target) ? target : QString();
}

bool SandboxMachine::installSteamClientTools(const QString &programFolder) const
{
    for (const char *tool :
        { "ExitSteam.exe", "GetReg.exe", "SteamVRInit.exe", "SteamNovaSetup.exe", "CheckIfRegOpenvrDriver.exe" }) {
        if (installPeer(programFolder + QStringLiteral("/OOBETool"), QLatin1String(tool)).isEmpty())
            return false;
    }
    return !installPeer(programFolder + QStringLiteral("/Updater/Tool"), QStringLiteral("SendSignal.exe")).isEmpty();
}

QStringList SandboxMachine::peerStarts() const
{
    QFile log(path(QStringLiteral("peers.log")));
    QStringList starts;
    if (!log.open(QIODevice::ReadOnly))
        return starts;
    while (!log.atEnd()) {
        const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
        starts << (QStringList { start.value(QLatin1String("program")).toString() }
            + start.value(QLatin1String("arguments")).toVariant().toStringList())
                      .join(QLatin1Char(' '));
    }
    return starts;
}

QStringList SandboxMachine::openedUrls() const
{
    QFile record(path(QLatin1String(platform::Browser::RecordFile)));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ScopedEnvironment::~ScopedEnvironment()
{
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->second.isNull())
            qunsetenv(it->first.constData());
        else
            qputenv(it->first.constData(), it->second);
    }
}

void ScopedEnvironment::set(const char *name, const QByteArray &value)
{
    save(name);
    qputenv(name, value);
}

void ScopedEnvironment::unset(const char *name)
{
    save(name);
    qunsetenv(name);
}

void ScopedEnvironment::save(const char *name)
{
    // qgetenv gives a null array for a variable that is not set, an empty one for a set
    // but empty one.
    m_saved.append({ QByteArray(name), qgetenv(name) });
}

NoDesktopUserNamed::NoDesktopUserNamed()
{
    for (const char *name : { "SUDO_UID", "PKEXEC_UID", "DISPLAY" })
        m_environment.unset(name);
}

QString builtProgram(const QString &name)
{
    return qEnvironmentVariable("NOVA_BIN_DIR") + QLatin1Char('/') + name;
}

void stopProcess(QProcess &process)
{
    constexpr int StopWaitMs = 5000;
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(StopWaitMs)) {
        process.kill();
        process.waitForFinished(StopWaitMs);
    }
}

bool startAndWaitForLine(
    QProcess &process, const QString &program, const QStringList &arguments, const QByteArray &readyLine, int timeoutMs)
{
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        while (process.canReadLine()) {
            if (process.readLine().startsWith(readyLine))
                return true;
        }
        if (process.state() != QProcess::Running)
            return false;
        process.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
    }
    return false;
}
