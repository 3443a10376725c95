#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Stateless system utilities, callable from any thread: process search and termination,
// starting programs as the desktop user, registry and INI access, folder copy and
// removal, and the launchers of companion programs. Each logs with the "[Utils]" tag and
// reports failure through its result.
namespace Utils {

// Registry keys of the product line and of the programs it works with.
inline const QString RegKeltNova = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
inline const QString RegPCClient = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\PCClient");
inline const QString RegDashboard = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Dashboard");
inline const QString RegHome = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Home");
inline const QString RegCompositor = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Compositor");
// Its "AppPath" value is the updater's folder.
inline const QString RegUpdater = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater");
inline const QString RegUpdaterPid = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\PID");
inline const QString RegUninstallPid = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\UninstallPID");
inline const QString RegAutoRegisterPCClient
    = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\AutoRegister\\PCClient");
// Values "AppPath" (working folder) and "LaunchPath" (program).
inline const QString RegControlUnit = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNovaEye\\ControlUnit2");
inline const QString RegNovaEyeSettings = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNovaEye\\NovaEyeSettings");
inline const QString RegOpenVRDriver = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNovaEye\\OpenVRDriver");
inline const QString RegZephOpenVRDriver
    = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNovaEye\\ZephOpenVRDriver");
inline const QString RegLaunchers = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KELT\\Launchers");
inline const QString RegUserSettings = QStringLiteral("HKEY_CURRENT_USER\\Software\\KELT\\KELT Nova");
inline const QString RegSteamUser = QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam");
inline const QString RegSteamMachine = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Valve\\Steam");
// Programs started at the user's logon.
inline const QString RegRun = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

// Value names.
inline const QString ValueAppPath = QStringLiteral("AppPath");
inline const QString ValueLaunchPath = QStringLiteral("LaunchPath");
inline const QString ValueServiceName = QStringLiteral("ServiceName");
inline const QString ValueLastService = QStringLiteral("LastService");
inline const QString ValueLanguage = QStringLiteral("Language");
inline const QString ValueStandaloneSteamVRInstalled = QStringLiteral("StandaloneSteamVRInstalled");

// Channel and mode words.
inline const QString ChannelByTool = QStringLiteral("ByTool");
inline const QString ChannelChinaStandalone = QStringLiteral("ChinaStandalone");
inline const QString ChannelStage = QStringLiteral("nova_stage");
inline const QString ChannelInternal = QStringLiteral("nova_internal");
inline const QString ChannelPreview = QStringLiteral("nova_preview");

// Auxiliary processes.
inline const QString ProcDeviceChecker = QStringLiteral("DeviceChecker.exe");
inline const QString ProcDa = QStringLiteral("da.exe");
inline const QString ProcUpdater = QStringLiteral("Updater.exe");
inline const QString ProcProgressDialog = QStringLiteral("ProgressDialog.exe");

// The other set-up and guide programs of the product line.
inline const QString ProcNovaGuide = QStringLiteral("NovaGuide.exe");
inline const QString ProcNovaInstall = QStringLiteral("NovaInstall.exe");
inline const QString ProcNovaProGuide = QStringLiteral("NovaProGuide.exe");
inline const QString ProcNovaProInstall = QStringLiteral("NovaProInstall.exe");
inline const QString ProcNovaSetup = QStringLiteral("NOVA_Setup.exe");

// The desktop shortcut that the installation removes.
inline const QString ShortcutFileName = QStringLiteral("NovaTundraSetup.desktop");

// path with every "/" turned into "\", the form in which paths are logged and stored.
QString withBackslashes(QString path);
// A path kept in the registry, in the form in which paths are logged and stored.
QString readPath(const QString &keyPath, const QString &valueName);

// True when "Internal_Application.ini" lies in the root of the system drive.
bool isTestMode();

// Copies source into destination recursively, replacing files of the same name and
// keeping the others; hidden entries of the source are not copied. Stops at the first
// failure (what was copied stays) and returns false.
bool copyDir(const QString &source, const QString &destination);
void removeFolder(const QString &path);

// Reads key from group of an INI file in the updater's "OOBE_Config" folder: the one
// shipped beside this program (isInstaller) or the installed updater's. Empty when the
// file or the key is missing.
QString getConfig(const QString &fileName, const QString &group, const QString &key, bool isInstaller);

// An invalid QVariant when the value is missing.
QVariant readRegValue(const QString &keyPath, const QString &valueName);
void writeRegValue(const QString &keyPath, const QString &valueName, const QVariant &value);

// The "UninstallString" of an installed product, or empty.
QString getUninstallCommand(const QString &productKey);
// The store protocol's open command ("\"<helper>\" \"%1\""), or empty when it is not
// registered or its program is missing.
QString getNovaportHelperCommand();
QString getCurrentPid();

// The process functions match executable names ignoring case, never see the calling
// process, and return whether at least one process matched.
bool findProcessByName(const QString &name, QList<qint64> *processIds = nullptr);
bool findProcessByPrefix(const QString &prefix);
bool killProcessByName(const QString &name);
// Ends only processes running the executable at that full path.
bool killProcessByPath(const QString &path);

// Starts a command line in workingDir as the desktop user. With wait, blocks up to
// 10 seconds and stores the program's exit code; a program still running then is
// terminated and the result is false. True when the program was started (and, with
// wait, ended in time). With wait and output, the program's standard output goes there.
bool launchAsUser(const QString &workingDir, const QString &command, int &exitCode, bool wait, bool hide,
    QByteArray *output = nullptr);

// Starts the control-unit app registered under RegControlUnit, detached.
void launchControlUnit();
// Starts the store app through its protocol handler, as the desktop user.
void launchNovaportByProtocol();

} // namespace Utils
