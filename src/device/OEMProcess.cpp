#include "device/OEMProcess.h"

#include "core/Utils.h"
#include "device/FirmwareKit.h"
#include "platform/Registry.h"

namespace {

const QString KitPathValue = QStringLiteral("OemUpdatePath");
const QString ImageCheckedValue = QStringLiteral("HmdFirmwareUpdateChecked");
const QString ImageCheckFailed = QStringLiteral("Failed");
// The exit code of a version check that found a newer version.
constexpr int NewerVersionExists = 1;

// Read at every start: the kit comes with the control-unit app, which the installation
// may put on the PC while the wizard runs.
FirmwareKitLocation registeredKit()
{
    return locateFirmwareKit(platform::Registry::read(Utils::RegControlUnit, KitPathValue).toString());
}

bool foundNewerVersion(int exitCode, QProcess::ExitStatus exitStatus)
{
    return exitStatus == QProcess::NormalExit && exitCode == NewerVersionExists;
}

} // namespace

OEMProcess::OEMProcess(QObject *root, QObject *parent)
    : QObject(parent)
    , m_root(root)
{
}

OEMProcess::~OEMProcess()
{
    // A kit that still runs goes on by itself: cutting a firmware update short could
    // leave the headset unusable. Where the set-up means to end the kit, it does so by name.
    const QList<QProcess *> running = findChildren<QProcess *>(QString(), Qt::FindDirectChildrenOnly);
    for (QProcess *process : running)
        process->setParent(nullptr);
}

void OEMProcess::onStartOEMProcess()
{
    qDebug("[OEMProcess] onStartOEMProcess()");
    const bool needReboot = emit isNeedReboot();
    if (m_bNoNeedUpdate) {
        if (needReboot) {
            qDebug("[OEMProcess] hmd no need update, but need reboot.");
            emit RebootHmd();
        }
        return;
    }
    const FirmwareKitLocation kit = registeredKit();
    const QStringList arguments { QStringLiteral("-hmd"), QStringLiteral("-normal_update") };
    qDebug("[OEMProcess] FirmwareUpdateKit exe path:%s", qUtf8Printable(kit.storedProgram));
    qDebug("[OEMProcess] FirmwareUpdateKit dir:%s", qUtf8Printable(kit.storedFolder));
    qDebug("[OEMProcess] args: %s", qUtf8Printable(arguments.join(QStringLiteral(" | "))));
    startKit(kit, arguments, &OEMProcess::onProcFinished, &OEMProcess::onProcError);
}

void OEMProcess::onProcError(QProcess::ProcessError error)
{
    qWarning("[OEMProcess] onProcError: %d", int(error));
    finishOem();
}

void OEMProcess::onProcFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("[OEMProcess] onProcFinished, Process exitCode %d, exitStatus %d", exitCode, int(exitStatus));
    finishOem();
    emit isFinished(true);
}

void OEMProcess::onCheckError(QProcess::ProcessError error)
{
    qWarning("[OEMProcess] onCheckError: %d", int(error));
    finishOem();
    m_bCheckFinished = true;
}

void OEMProcess::onCheckFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("[OEMProcess] onCheckFinished, Process exitCode %d, exitStatus %d", exitCode, int(exitStatus));
    if (!foundNewerVersion(exitCode, exitStatus))
        finishOem();
    qDebug("[OEMProcess] Set m_bCheckFinished to true");
    m_bCheckFinished = true;
}

void OEMProcess::onCheckMD5Error(QProcess::ProcessError error)
{
    qWarning("[OEMProcess] onCheckMD5Error: %d", int(error));
    recordImageCheck(ImageCheckFailed);
}

void OEMProcess::onCheckMD5Finished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("[OEMProcess] onCheckFinished, Process exitCode %d, exitStatus %d", exitCode, int(exitStatus));
    recordImageCheck(imageCheckResult(exitCode, exitStatus));
}

void OEMProcess::onCheckROMVersionError(QProcess::ProcessError error)
{
    qWarning("[OEMProcess] onCheckROMVersionError: %d", int(error));
    m_bCheckROMVersionFinished = true;
}

void OEMProcess::onCheckROMVersionFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qDebug("[OEMProcess] onCheckROMVersionFinished, Process exitCode %d, exitStatus %d", exitCode, int(exitStatus));
    if (!foundNewerVersion(exitCode, exitStatus))
        finishOem();
    qDebug("[OEMProcess] Set m_bCheckROMVersionFinished to true");
    m_bCheckROMVersionFinished = true;
}

void OEMProcess::onCheckProc()
{
    qDebug("[OEMProcess] onCheckProc hmd");
    const QString imageChecked = platform::Registry::read(Utils::RegKeltNova, ImageCheckedValue).toString();
    if (imageChecked.compare(ImageCheckFailed, Qt::CaseInsensitive) == 0) {
        finishOem();
        m_bCheckFinished = true;
        return;
    }
    startKit(registeredKit(), { QStringLiteral("-hmd"), QStringLiteral("-check_if_new_version") },
        &OEMProcess::onCheckFinished, &OEMProcess::onCheckError);
}

void OEMProcess::onCheckMD5Proc()
{
    qDebug("[OEMProcess] onCheckProc hmd");
    startKit(registeredKit(), { QStringLiteral("-check_rom_file") }, &OEMProcess::onCheckMD5Finished,
        &OEMProcess::onCheckMD5Error);
}

void OEMProcess::onCheckROMVersionProc()
{
    qDebug("[OEMProcess] onCheckROMVersionProc hmd");
    startKit(registeredKit(), { QStringLiteral("-rom_version"), QStringLiteral("-check_if_new_version") },
        &OEMProcess::onCheckROMVersionFinished, &OEMProcess::onCheckROMVersionError);
}

bool OEMProcess::onGetOemCheckFinished()
{
    qDebug("[OEMProcess] m_bCheckUpdateFinished: %d", m_bCheckFinished);
    return m_bCheckFinished;
}

bool OEMProcess::onGetMD5Checked()
{
    qDebug("[OEMProcess] Get m_bCheckMD5Finished: %d", m_bCheckMD5Finished);
    return m_bCheckMD5Finished;
}

bool OEMProcess::onGetROMVersionChecked()
{
    qDebug("[OEMProcess] Get m_bCheckROMVersionFinished: %d", m_bCheckROMVersionFinished);
    return m_bCheckROMVersionFinished;
}

void OEMProcess::Retry()
{
    qDebug("[OEMProcess] Retry oem.");
    onStartOEMProcess();
    ++m_retryCount;
}

void OEMProcess::startKit(
    const FirmwareKitLocation &kit, const QStringList &arguments, FinishedSlot onFinished, ErrorSlot onError)
{
    // One process per start, a child of this object while it runs; it goes once it has
    // ended or failed to start. A crash reports its error and then its end.
    auto *process = new QProcess(this);
    const auto finished = QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished);
    connect(process, &QProcess::errorOccurred, this, onError);
    connect(process, finished, this, onFinished);
    connect(process, finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    // A missing path fails to start like a missing program; the error slot ends the step.
    process->setWorkingDirectory(kit.folder);
    process->start(kit.program, arguments);
}

void OEMProcess::finishOem()
{
    m_bNoNeedUpdate = true;
    if (m_root)
        m_root->setProperty("bOemFinished", true);
}

void OEMProcess::recordImageCheck(const QString &result)
{
    platform::Registry::write(Utils::RegKeltNova, ImageCheckedValue, result);
    platform::Registry::flush();
    // The step has ended either way, so a caller polling for it stops waiting.
    m_bCheckMD5Finished = true;
}
