#include "install/UpdaterLauncher.h"

#include "core/ModeFlags.h"
#include "core/Utils.h"

#include <QProcess>

namespace {

const QString Location = QStringLiteral("-Location:CN");
const QString SkipAdditionTasks = QStringLiteral("-SkipAdditionTasks");
const QString NovaSoftware = QStringLiteral("NOVA_SOFTWARE");
const QString NovaEyeSoftware = QStringLiteral("NOVAEYE_SOFTWARE");

// The eye-tracking packages that the main software's run leaves to their own step.
const QString EyeShort = QStringLiteral(
    "-AdditionTask:NOVAEYE_SOFTWARE -IGNORE:com.kelt.windows.nova_eye.hid_manager "
    "-IGNORE:com.kelt.windows.nova_eye.hid_client_core -IGNORE:com.kelt.windows.nova_eye.update_tool "
    "-IGNORE:com.kelt.windows.nova_eye.update_tool_ROM5 -IGNORE:com.kelt.windows.nova_eye.update_tool_ROM6 "
    "-IGNORE:com.kelt.windows.nova_eye.control_unit2");
const QString EyeLong = EyeShort
    + QStringLiteral(" -IGNORE:com.kelt.windows.nova_eye.dividi"
                     " -IGNORE:com.kelt.windows.nova_eye.lens_package");

bool isTundraFamily(const QString &productName)
{
    return productName == QLatin1String("NOVA Tundra") || productName == QLatin1String("NOVA Tundra Elite");
}

QStringList eyePackages(const QStringList &suffixes)
{
    QStringList packages;
    for (const QString &suffix : suffixes)
        packages.append(QStringLiteral("com.kelt.windows.nova_eye.") + suffix);
    return packages;
}

} // namespace

UpdaterLauncher::UpdaterLauncher(bool isCN, QObject *parent)
    : QObject(parent)
    , m_isCN(isCN)
    , m_pid(Utils::getCurrentPid())
{
    qDebug("[UpdaterLauncher] Current PID: %s", qUtf8Printable(m_pid));
}

QString UpdaterLauncher::guidePackageId(const QString &productName)
{
    if (productName == QLatin1String("NOVA Tundra Elite"))
        return QStringLiteral("com.kelt.windows.oobe.kyr_guide");
    if (productName == QLatin1String("NOVA Tundra"))
        return QStringLiteral("com.kelt.windows.oobe.eye_guide");
    return QStringLiteral("com.kelt.windows.oobe.dov_guide");
}

QStringList UpdaterLauncher::withLocation(QStringList arguments) const
{
    if (m_isCN)
        arguments.append(Location);
    return arguments;
}

QStringList UpdaterLauncher::checkSizeArguments(bool shouldUseSASteamVR) const
{
    if (Mode::isSWOA()) {
        return withLocation({ NovaSoftware, QStringLiteral("com.kelt.windows.nova_internal.pcclient"),
            QStringLiteral("com.kelt.windows.nova_internal.new_updater"), QStringLiteral("-CheckTask"),
            QStringLiteral("-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.launchers") });
    }
    return withLocation({ NovaSoftware,
        shouldUseSASteamVR ? QStringLiteral("-download_type:0-6") : QStringLiteral("-download_type:0-5"),
        QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.pcclient"),
        QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.novaportvr"), QStringLiteral("-CheckTask"),
        QStringLiteral("-AdditionTask:NOVAEYE_SOFTWARE"),
        QStringLiteral("-AdditionTask:NOVA_OOBE ") + guidePackageId(Mode::productName()) });
}

QStringList UpdaterLauncher::predownloadArguments() const
{
    return withLocation(
        { NovaEyeSoftware, QStringLiteral("com.kelt.windows.nova_eye.oobe_config"), SkipAdditionTasks });
}

QStringList UpdaterLauncher::installUpdaterArguments() const
{
    return withLocation(
        { NovaSoftware, QStringLiteral("com.kelt.windows.nova_internal.new_updater"), SkipAdditionTasks });
}

QStringList UpdaterLauncher::installHidRomCUArguments() const
{
    const QStringList tools = isTundraFamily(Mode::productName())
        ? QStringList { QStringLiteral("update_tool"), QStringLiteral("update_tool_ROM2"),
              QStringLiteral("update_tool_ROM3"), QStringLiteral("update_tool_ROM4"),
              QStringLiteral("update_tool_ROM5"), QStringLiteral("update_tool_ROM6"),
              QStringLiteral("update_tool_ROM7") }
        : QStringList { QStringLiteral("update_tool_g_10"), QStringLiteral("update_tool_g_12"),
              QStringLiteral("update_tool_g_13"), QStringLiteral("update_tool_g_14"),
              QStringLiteral("update_tool_g_15"), QStringLiteral("update_tool_g_16") };
    return QStringList { NovaEyeSoftware }
    + eyePackages(QStringList { QStringLiteral("hid_manager"), QStringLiteral("hid_client_core") } + tools
        + QStringList { QStringLiteral("control_unit2") })
        + QStringList { SkipAdditionTasks };
}

QStringList UpdaterLauncher::installGuideArguments() const
{
    return withLocation({ QStringLiteral("NOVA_OOBE"), guidePackageId(Mode::productName()), SkipAdditionTasks });
}

QStringList UpdaterLauncher::installNovaSwArguments() const
{
    if (Mode::isSWOA()) {
        return withLocation({ NovaSoftware, QStringLiteral("com.kelt.windows.nova_internal.pcclient"),
            QStringLiteral("-AdditionTask:NOVA_OOBE com.kelt.windows.oobe.launchers") });
    }
    QStringList arguments { NovaSoftware, QStringLiteral("-download_type:0-5"),
        QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.new_updater"),
        QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.pcclient"),
        QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.novaportvr") };
    if (Utils::isTestMode()) {
        arguments << QStringLiteral("-IGNORE:com.kelt.windows.nova_internal.systemoverlay") << SkipAdditionTasks
                  << EyeShort;
    } else {
        arguments << SkipAdditionTasks << (isTundraFamily(Mode::productName()) ? EyeShort : EyeLong);
    }
    return withLocation(arguments);
}

QStringList UpdaterLauncher::installStandaloneSteamVRArguments() const
{
    // Standalone SteamVR always comes from the China service, whatever the mode.
    return { NovaSoftware, QStringLiteral("com.kelt.windows.nova_internal.steamvr"), SkipAdditionTasks, Location };
}

void UpdaterLauncher::start(
    QProcess *proc, const QString &updaterDirPath, const QString &pipeName, QStringList arguments) const
{
    if (!proc) {
        qWarning("[UpdaterLauncher] ERROR: Received null process, abort");
        return;
    }
    const QString program = updaterDirPath + QStringLiteral("/Updater.exe");
    arguments << QStringLiteral("-NoUI") << QStringLiteral("-NP:") + pipeName << QStringLiteral("-OOBE")
              << QStringLiteral("-ExitWhenParentDie:") + m_pid;
    qDebug("[UpdaterLauncher] Calling Updater: %s [%s]", qUtf8Printable(program),
        qUtf8Printable(arguments.join(QStringLiteral(" | "))));
    proc->setWorkingDirectory(updaterDirPath);
    proc->start(program, arguments, QIODevice::ReadWrite);
}

void UpdaterLauncher::checkSize(
    QProcess *proc, const QString &updaterDirPath, const QString &pipeName, bool shouldUseSASteamVR)
{
    start(proc, updaterDirPath, pipeName, checkSizeArguments(shouldUseSASteamVR));
}

void UpdaterLauncher::installAccount(QProcess *, const QString &, const QString &)
{
    // The account package comes with the main software; nothing to start.
}

void UpdaterLauncher::predownload(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, predownloadArguments());
}

void UpdaterLauncher::installUpdater(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, installUpdaterArguments());
}

void UpdaterLauncher::installHidRomCU(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, installHidRomCUArguments());
}

void UpdaterLauncher::installGuide(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, installGuideArguments());
}

void UpdaterLauncher::installNovaSw(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, installNovaSwArguments());
}

void UpdaterLauncher::installStandaloneSteamVR(QProcess *proc, const QString &updaterDirPath, const QString &pipeName)
{
    start(proc, updaterDirPath, pipeName, installStandaloneSteamVRArguments());
}
