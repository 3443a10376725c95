#include "core/Utils.h"

#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

namespace Utils {

namespace {

using platform::Processes;
using platform::ProcessInfo;

constexpr int LaunchWaitLimitMs = 10000;

const QString OobeConfigFolder = QStringLiteral("/App/OOBE_Config/");
const QString UninstallKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
const QString NovaportCommandKey = QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command");

enum class Action { Report, Terminate };

// The text between the first and the second double quote, or empty.
QString quotedPath(const QString &command)
{
    const int open = command.indexOf(QLatin1Char('"'));
    const int close = open < 0 ? -1 : command.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? QString() : command.mid(open + 1, close - open - 1);
}

// Whether the process runs the executable at path. A process whose image path the
// system will not show us (another user's, without the rights) does not match.
bool runsImage(const ProcessInfo &info, const QString &path)
{
    if (info.imagePath.isEmpty()) {
        qWarning("[Utils] WARNING: Failed to open process %lld (%s), error: 0x%08x", info.pid,
            qUtf8Printable(info.imageName), unsigned(info.imageError));
        return false;
    }
    return info.imagePath.compare(QDir::cleanPath(path), Qt::CaseInsensitive) == 0;
}

// The processes that match, other than our own: by name or prefix, or, for a path,
// by the file name first and then by the whole image path.
QList<ProcessInfo> matchingProcesses(const QString &pattern, Processes::Match match)
{
    if (match != Processes::Match::Path)
        return Processes::find(pattern, match);
    QList<ProcessInfo> found;
    const QList<ProcessInfo> named = Processes::find(QFileInfo(pattern).fileName(), Processes::Match::Name);
    for (const ProcessInfo &info : named) {
        if (runsImage(info, pattern))
            found.append(info);
    }
    return found;
}

void terminate(qint64 pid)
{
    if (Processes::terminate(pid))
        qDebug("[Utils] Killed process %lld", pid);
    else
        qWarning("[Utils] WARNING: Failed to kill process %lld", pid);
}

// The one walk behind the process functions: reports every match, collects its id
// and, when asked, ends it. intro, when given, is logged with the pattern first.
bool handleProcesses(const QString &pattern, Processes::Match match, Action action, QList<qint64> *processIds = nullptr,
    const char *intro = nullptr)
{
    if (pattern.isEmpty())
        return false;
    if (intro)
        qDebug("[Utils] %s %s", intro, qUtf8Printable(pattern));
    const QList<ProcessInfo> found = matchingProcesses(pattern, match);
    for (const ProcessInfo &info : found) {
        qDebug("[Utils] Found process %lld: %s", info.pid, qUtf8Printable(info.imageName));
        if (processIds)
            processIds->append(info.pid);
        if (action == Action::Terminate)
            terminate(info.pid);
    }
    if (found.isEmpty())
        qDebug("[Utils] No existing process: %s", qUtf8Printable(pattern));
    return !found.isEmpty();
}

// Copies one file over any file of the same name; false when it could not be copied.
bool copyFile(const QString &name, const QString &sourcePath, const QString &destinationPath)
{
    if (QFileInfo::exists(destinationPath)) {
        qDebug("[Utils] Remove existing file %s before copying.", qUtf8Printable(name));
        QFile::remove(destinationPath);
    }
    if (QFile::copy(sourcePath, destinationPath))
        return true;
    qWarning("[Utils] WARNING: Failed to copy file %s, abort.", qUtf8Printable(destinationPath));
    return false;
}

} // namespace

bool isTestMode()
{
    if (!QFileInfo::exists(
            QDir(platform::Folders::systemDriveRoot()).filePath(QStringLiteral("Internal_Application.ini"))))
        return false;
    qDebug("[Utils] Enter test mode due to root folder check.");
    return true;
}

namespace {

// Re-creates the symbolic link at sourcePath as a link at destinationPath, replacing a
// file or link there. A link to a place inside the copied tree (below root) points to
// the same place inside the copy; any other keeps its target.
bool copyLink(const QString &name, const QString &sourcePath, const QString &destinationPath, const QString &root)
{
    const QFileInfo link(sourcePath);
    const QString target = link.symLinkTarget();
    const bool inside = target == root || target.startsWith(root + QLatin1Char('/'));
    const QString linkText = inside ? link.dir().relativeFilePath(target) : target;
    const QFileInfo existing(destinationPath);
    if (existing.exists() || existing.isSymLink()) {
        qDebug("[Utils] Remove existing file %s before copying.", qUtf8Printable(name));
        QFile::remove(destinationPath);
    }
    if (QFile::link(linkText, destinationPath))
        return true;
    qWarning("[Utils] WARNING: Failed to copy file %s, abort.", qUtf8Printable(destinationPath));
    return false;
}

bool copyTree(const QString &from, const QString &to, const QString &root)
{
    if (!QFileInfo(from).isDir()) {
        qWarning("[Utils] WARNING: Source directory %s doesn't exists, abort.", qUtf8Printable(from));
        return false;
    }
    if (!QFileInfo(to).isDir() && !QDir().mkpath(to)) {
        qWarning("[Utils] WARNING: Failed to make directory %s, abort.", qUtf8Printable(to));
        return false;
    }
    // Hidden and system entries are not listed, so they are not copied.
    const QStringList names = QDir(from).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &name : names) {
        const QString sourcePath = from + QLatin1Char('/') + name;
        const QString destinationPath = to + QLatin1Char('/') + name;
        // Looked at afresh: the entry may have changed since it was listed.
        const QFileInfo entry(sourcePath);
        if (entry.isSymLink()) {
            // Copied as a link: following it could copy a whole other tree, or loop.
            if (!copyLink(name, sourcePath, destinationPath, root))
                return false;
        } else if (entry.isFile()) {
            if (!copyFile(name, sourcePath, destinationPath))
                return false;
        } else if (entry.isDir()) {
            qDebug("[Utils] copyDir(): %s to %s", qUtf8Printable(sourcePath), qUtf8Printable(destinationPath));
            if (!copyTree(sourcePath, destinationPath, root)) {
                qWarning(
                    "[Utils] WARNING: Failed when copying sub directory %s, abort.", qUtf8Printable(destinationPath));
                return false;
            }
        } else {
            qDebug("[Utils] %s is not a file or directory, ignore", qUtf8Printable(sourcePath));
        }
    }
    return true;
}

} // namespace

bool copyDir(const QString &source, const QString &destination)
{
    qDebug("[Utils] copyDir(): %s to %s", qUtf8Printable(source), qUtf8Printable(destination));
    const QString from = QDir(source).absolutePath();
    return copyTree(from, QDir(destination).absolutePath(), from);
}

QString withBackslashes(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString readPath(const QString &keyPath, const QString &valueName)
{
    return withBackslashes(platform::Registry::read(keyPath, valueName).toString());
}

void removeFolder(const QString &path)
{
    if (QDir(path).removeRecursively())
        qDebug("[Utils] Folder removed.");
    else
        qWarning("[Utils] ERROR: Failed to remove all or some files or folders");
}

QString getConfig(const QString &fileName, const QString &group, const QString &key, bool isInstaller)
{
    const QString folder = isInstaller ? QCoreApplication::applicationDirPath() + QStringLiteral("/Updater")
                                       : readRegValue(RegUpdater, ValueAppPath).toString();
    const QString path = folder + OobeConfigFolder + fileName;
    qDebug("[Utils] getConfig(), isInstaller: %d, path: %s", int(isInstaller), qUtf8Printable(path));
    if (!QFileInfo::exists(path)) {
        qDebug("[Utils] %s not exist.", qUtf8Printable(path));
        return QString();
    }
    qDebug("[Utils] found %s", qUtf8Printable(fileName));
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(group);
    return settings.value(key).toString();
}

QVariant readRegValue(const QString &keyPath, const QString &valueName)
{
    return platform::Registry::read(keyPath, valueName);
}

void writeRegValue(const QString &keyPath, const QString &valueName, const QVariant &value)
{
    platform::Registry::write(keyPath, valueName, value);
}

QString getUninstallCommand(const QString &productKey)
{
    const QString command = readRegValue(UninstallKey + productKey, QStringLiteral("UninstallString")).toString();
    qDebug("[Utils] Get uninstall command from registry: %s", qUtf8Printable(command));
    return command;
}

QString getNovaportHelperCommand()
{
    const QString command = readRegValue(NovaportCommandKey, QStringLiteral("Default")).toString();
    if (command.isEmpty())
        return QString();
    const QString path = quotedPath(command);
    qDebug("[Utils] UpdaterInstallHelper path: %s", qUtf8Printable(path));
    if (!QFileInfo(path).isFile())
        return QString();
    qDebug("[Utils] Found helper: %s", qUtf8Printable(path));
    return command;
}

QString getCurrentPid()
{
    const QString pid = QString::number(Processes::currentPid());
    qDebug("[Utils] My PID: %s", qUtf8Printable(pid));
    return pid;
}

bool findProcessByName(const QString &name, QList<qint64> *processIds)
{
    return handleProcesses(name, Processes::Match::Name, Action::Report, processIds, "Find process of name");
}

bool findProcessByPrefix(const QString &prefix)
{
    return handleProcesses(prefix, Processes::Match::Prefix, Action::Report, nullptr, "Find process of prefix");
}

bool killProcessByName(const QString &name)
{
    return handleProcesses(name, Processes::Match::Name, Action::Terminate);
}

bool killProcessByPath(const QString &path)
{
    return handleProcesses(path, Processes::Match::Path, Action::Terminate);
}

bool launchAsUser(
    const QString &workingDir, const QString &command, int &exitCode, bool wait, bool hide, QByteArray *output)
{
    qDebug("[Utils] launchAsUser %s", qUtf8Printable(command));
    if (!platform::hasLaunchUser()) {
        qWarning("[Utils] ERROR: No desktop shell is present");
        return false;
    }
    qDebug("[Utils] After convertion, working dir: %s", qUtf8Printable(workingDir));
    qDebug("[Utils] After convertion, command: %s", qUtf8Printable(command));
    qDebug("[Utils] Current OS Windows version:%s", qUtf8Printable(platform::SystemInfo::osVersion()));
    // Nothing here opens a console window for a program, so every system version is
    // treated as one where the window is left out at creation.
    if (hide) {
        qDebug("[Utils] Need hide process window. Set to hide.");
        qDebug("[Utils] set 'dwCreationFlags' to 'CREATE_NO_WINDOW'");
    }
    const platform::LaunchResult result = platform::launchAsUser(workingDir, command, wait, LaunchWaitLimitMs, output);
    switch (result.status) {
    case platform::LaunchResult::NoDesktopUser:
        qWarning("[Utils] ERROR: No desktop shell is present");
        return false;
    case platform::LaunchResult::StartFailed:
        qWarning("[Utils] ERROR: CreateProcessWithTokenW failed: %d", result.error);
        return false;
    case platform::LaunchResult::TimedOut:
        qWarning("[Utils] ERROR ! Wait time out for process execution.");
        return false;
    case platform::LaunchResult::Finished:
        exitCode = result.exitCode;
        qDebug("[Utils] exit code:%d", exitCode);
        return true;
    case platform::LaunchResult::Started:
        break;
    }
    return true;
}

void launchControlUnit()
{
    qDebug("[Utils] Launch CU");
    const QString folder = readRegValue(RegControlUnit, ValueAppPath).toString();
    const QString program = readRegValue(RegControlUnit, ValueLaunchPath).toString();
    if (!QProcess::startDetached(program, QStringList(), folder))
        qWarning("[Utils] WARNING: Failed to launch CU %s", qUtf8Printable(program));
}

void launchNovaportByProtocol()
{
    qDebug("[Utils] Launch NOVAPORT");
    QString command = getNovaportHelperCommand();
    const QString path = quotedPath(command);
    if (path.isEmpty()) {
        qWarning("[Utils] ERROR: Cannot find NOVAPORT, abort.");
        return;
    }
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')));
    command.replace(QStringLiteral("%1"), QStringLiteral("novaport://launchnovaport"));
    qDebug("[Utils] Calling %s", qUtf8Printable(command));
    int exitCode = -1;
    launchAsUser(folder, command, exitCode, false, false);
}

} // namespace Utils
