#include "WizardProcess.h"

#include "XKeyboard.h"

#include "platform/Graphics.h"
#include "platform/NamedPipe.h"
#include "platform/Processes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString CallerPipe = QStringLiteral("\\\\.\\pipe\\e2e_caller");
const QString UnpackerName = QStringLiteral("SetupUnpack.exe");
// How long a launcher takes to end once the wizard it waits for has gone.
constexpr int LauncherEndMs = 10000;

QStringList withCallerPipe(const QStringList &arguments)
{
    return QStringList { QStringLiteral("DONE:") + CallerPipe } + arguments;
}

// A stand-in's scenario settings that make it start program and wait for it.
QJsonObject launching(const QString &program, const QStringList &arguments)
{
    return { { QStringLiteral("launch"),
        QJsonObject { { QStringLiteral("program"), program },
            { QStringLiteral("arguments"), QJsonArray::fromStringList(arguments) } } } };
}

} // namespace

WizardProcess::WizardProcess(const SandboxMachine &machine)
    : m_machine(machine)
    , m_programFolder(machine.path(QStringLiteral("opt/NovaTundraSetup")))
{
}

WizardProcess::~WizardProcess()
{
    kill();
}

bool WizardProcess::install(bool baseRcc)
{
    const QString built = qEnvironmentVariable("NOVA_BIN_DIR");
    QDir().mkpath(m_programFolder);
    // The executables are copied (the wizard's folder is the program folder, where it
    // finds its EGL probe); the large resource files are linked.
    const QString probe = QLatin1Char('/') + QLatin1String(platform::EglProbe::ProgramName);
    if (!QFile::copy(built + QStringLiteral("/NovaEyeInstall"), programPath())
        || !QFile::copy(built + probe, m_programFolder + probe))
        return false;
    // The tools folder the installation copies next to the updater.
    bool ok = QDir().mkpath(m_programFolder + QStringLiteral("/OOBETool"))
        && QFile::link(built + QStringLiteral("/Language"), m_programFolder + QStringLiteral("/Language"))
        && QDir().mkpath(m_programFolder + QStringLiteral("/comp"))
        && QFile::link(built + QStringLiteral("/comp/compDefault.json"),
            m_programFolder + QStringLiteral("/comp/compDefault.json"));
    for (const char *file : { "general_assets.rcc", "bg.rcc", "fonts.rcc", "base.rcc" }) {
        const QString name = QLatin1String(file);
        const bool developmentTree
            = !baseRcc && (name == QLatin1String("base.rcc") || name == QLatin1String("fonts.rcc"));
        if (developmentTree) {
            const QString folder = m_machine.path(QStringLiteral("NovaBaseLib"));
            QDir().mkpath(folder);
            ok = ok && QFile::link(built + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
        } else {
            ok = ok && QFile::link(built + QLatin1Char('/') + name, m_programFolder + QLatin1Char('/') + name);
        }
    }
    return ok;
}

bool WizardProcess::installUpdater() const
{
    return !m_machine
                .installPeer(QDir(m_machine.root()).relativeFilePath(m_programFolder) + QStringLiteral("/Updater"),
                    QStringLiteral("Updater.exe"))
                .isEmpty();
}

QProcessEnvironment WizardProcess::offscreenEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    return environment;
}

bool WizardProcess::startAndWaitForWindow(const QStringList &arguments, int timeoutMs)
{
    return start(offscreenEnvironment(), programPath(), withCallerPipe(arguments), timeoutMs, nullptr);
}

bool WizardProcess::startAndWaitForWindow(XKeyboard &keyboard, const QStringList &arguments, int timeoutMs)
{
    return startOnDisplay(keyboard, programPath(), withCallerPipe(arguments), timeoutMs);
}

bool WizardProcess::startThroughLauncherAndWaitForWindow(
    XKeyboard &keyboard, const QString &launcher, QJsonObject scenario, const QStringList &arguments, int timeoutMs)
{
    const QFileInfo launcherFile(launcher);
    const QString launcherPath = m_machine.installPeer(launcherFile.path(), launcherFile.fileName());
    const QString unpacker = m_machine.installPeer(launcherFile.path(), UnpackerName);
    if (launcherPath.isEmpty() || unpacker.isEmpty())
        return false;
    scenario.insert(launcherFile.fileName(), launching(unpacker, {}));
    scenario.insert(UnpackerName, launching(programPath(), withCallerPipe(arguments)));
    m_machine.writeScenario(scenario);
    return startOnDisplay(keyboard, launcherPath, {}, timeoutMs);
}

bool WizardProcess::startOnDisplay(
    XKeyboard &keyboard, const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), keyboard.display());
    // The software scene graph needs no GL; the display has none to offer.
    environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    return start(environment, program, arguments, timeoutMs, [&] { return keyboard.focusWindowOf(m_pid, timeoutMs); });
}

bool WizardProcess::start(QProcessEnvironment environment, const QString &program, const QStringList &arguments,
    int timeoutMs, const std::function<bool()> &activate)
{
    platform::NamedPipeServer caller(CallerPipe);
    if (!caller.listen())
        return false;
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted())
        return false;
    m_pid = program == programPath() ? m_process.processId() : findWizard(timeoutMs);
    if (m_pid == 0 || (activate && !activate()))
        return false;
    QByteArray message;
    const bool told = caller.waitForClient(timeoutMs) && caller.readMessage(&message, 5000) && caller.writeReply("OK");
    return told && platform::pipeMessageText(message) == QLatin1String("DONE");
}

qint64 WizardProcess::findWizard(int timeoutMs) const
{
    qint64 pid = 0;
    const auto running = [&] {
        const QList<platform::ProcessInfo> wizards
            = platform::Processes::find(programPath(), platform::Processes::Match::Path);
        pid = wizards.isEmpty() ? 0 : wizards.first().pid;
        return pid != 0;
    };
    return QTest::qWaitFor(running, timeoutMs) ? pid : 0;
}

void WizardProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // A launcher ends by itself once the wizard it waits for has gone.
    const bool throughLauncher = m_pid != 0 && m_pid != m_process.processId();
    if (throughLauncher && platform::Processes::terminate(m_pid) && m_process.waitForFinished(LauncherEndMs))
        return;
    m_process.kill();
    m_process.waitForFinished();
}

int WizardProcess::waitForExit(int timeoutMs)
{
    const bool ended = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    return ended && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QString WizardProcess::programPath() const
{
    return m_programFolder + QStringLiteral("/NovaEyeInstall");
}

QStringList WizardProcess::logLinesOf(const SandboxMachine &machine, qint64 pid)
{
    // "NovaEyeInstall-log-<time>-<pid>.txt", or "...-<pid>-<n>.txt" after a name clash;
    // the installation moves it, whole, into the data folder.
    const QString id = pid == 0 ? QStringLiteral("*") : QString::number(pid);
    QFile log;
    for (const char *place : { "ProgramData/Kelt/NovaSoftware/OOBE", "Temp/NovaSetupTempLog" }) {
        const QDir folder(machine.path(QLatin1String(place)));
        const QStringList files = folder.entryList({ QStringLiteral("NovaEyeInstall-log-*-%1.txt").arg(id),
                                                       QStringLiteral("NovaEyeInstall-log-*-%1-*.txt").arg(id) },
            QDir::Files, QDir::Name);
        if (!files.isEmpty()) {
            log.setFileName(folder.filePath(files.first()));
            break;
        }
    }
    if (log.fileName().isEmpty() || !log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression line(QStringLiteral("^\\[[^\\]]+\\] (.*) \\([DWCFU]\\)"));
    QStringList texts;
    for (const QString &row : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(row);
        if (match.hasMatch())
            texts.append(match.captured(1));
    }
    return texts;
}
