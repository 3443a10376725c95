#include "WizardProcess.h"

#include "platform/NamedPipe.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString CallerPipe = QStringLiteral("\\\\.\\pipe\\e2e_caller");

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
    // The executable is copied (its folder is the program folder); the large resource
    // files are linked.
    if (!QFile::copy(built + QStringLiteral("/NovaEyeInstall"), m_programFolder + QStringLiteral("/NovaEyeInstall")))
        return false;
    bool ok = QFile::link(built + QStringLiteral("/Language"), m_programFolder + QStringLiteral("/Language"));
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

bool WizardProcess::startAndWaitForWindow(const QStringList &arguments, int timeoutMs)
{
    platform::NamedPipeServer caller(CallerPipe);
    if (!caller.listen())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(m_programFolder + QStringLiteral("/NovaEyeInstall"),
        QStringList { QStringLiteral("DONE:") + CallerPipe } + arguments);
    if (!m_process.waitForStarted())
        return false;
    QByteArray message;
    const bool told = caller.waitForClient(timeoutMs) && caller.readMessage(&message, 5000) && caller.writeReply("OK");
    return told && platform::pipeMessageText(message) == QLatin1String("DONE");
}

void WizardProcess::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QStringList WizardProcess::logLines() const
{
    const QDir folder(m_machine.path(QStringLiteral("Temp/NovaSetupTempLog")));
    const QStringList files = folder.entryList({ QStringLiteral("NovaEyeInstall-log-*.txt") }, QDir::Files, QDir::Name);
    QFile log(folder.filePath(files.value(0)));
    if (files.isEmpty() || !log.open(QIODevice::ReadOnly))
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
