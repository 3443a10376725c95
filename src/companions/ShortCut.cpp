#include "companions/ShortCut.h"

#include "platform/Folders.h"
#include "platform/Shell.h"

#include <QFileInfo>

namespace {

using platform::ProcessInfo;

const QString Description = QStringLiteral("NOVA Tundra Setup");
// The argument text of the shortcut: one blank, so the launcher starts without arguments.
const QString Arguments = QStringLiteral(" ");

const ProcessInfo *findProcess(const QList<ProcessInfo> &snapshot, qint64 pid)
{
    for (const ProcessInfo &info : snapshot) {
        if (info.pid == pid)
            return &info;
    }
    return nullptr;
}

// The full image path of the level-2 ancestor of pid, or an empty text.
QString ancestorPath(const QList<ProcessInfo> &snapshot, qint64 pid)
{
    if (snapshot.isEmpty()) {
        qDebug("[Shortcut] WARNING: Failed to create process snapshot");
        return QString();
    }
    const ProcessInfo *process = findProcess(snapshot, pid);
    for (int level = 1; level <= 2; ++level) {
        process = process ? findProcess(snapshot, process->parentPid) : nullptr;
        if (!process) {
            qDebug("[Shortcut] WARNING: Failed to find level %d parent process", level);
            return QString();
        }
        qDebug("[Shortcut] Found level %d parent: %lld, %s", level, process->pid, qUtf8Printable(process->imageName));
    }
    if (process->imagePath.isEmpty())
        qDebug("[Shortcut] WARNING: Failed to open process %lld, error %d", process->pid, process->imageError);
    return process->imagePath;
}

// The folder of path: all before its last separator.
QString parseDirPath(const QString &path)
{
    const int separator = path.lastIndexOf(QLatin1Char('/'));
    if (separator < 0) {
        qDebug("[ShortCut] parseDirPath: Can't find separator, return full path %s", qUtf8Printable(path));
        return path;
    }
    return path.left(separator);
}

// The launcher's file name up to its first "P2" ("NovaTundraSetupP2.exe" gives
// "NovaTundraSetup"). A name without "P2" is kept whole; so is one that starts with it,
// which would otherwise give a hidden, nameless entry.
QString shortcutName(const QString &launcherPath)
{
    const QString fileName = QFileInfo(launcherPath).fileName();
    const int p2 = fileName.indexOf(QLatin1String("P2"));
    return p2 > 0 ? fileName.left(p2) : fileName;
}

// Found once per process, by the first caller.
const ShortCut::Launcher &processLauncher()
{
    static const ShortCut::Launcher launcher
        = ShortCut::findLauncher(platform::Processes::list(), platform::Processes::currentPid());
    return launcher;
}

} // namespace

ShortCut::ShortCut(QObject *parent)
    : QObject(parent)
{
    processLauncher();
}

QString ShortCut::launcherPath()
{
    return processLauncher().path;
}

QString ShortCut::launcherLocation()
{
    return processLauncher().location;
}

ShortCut::Launcher ShortCut::findLauncher(const QList<ProcessInfo> &snapshot, qint64 pid)
{
    Launcher launcher;
    launcher.path = ancestorPath(snapshot, pid);
    launcher.location = parseDirPath(launcher.path);
    qDebug("[ShortCut] Launcher full path: %s", qUtf8Printable(launcher.path));
    qDebug("[ShortCut] Launcher location: %s", qUtf8Printable(launcher.location));
    return launcher;
}

bool ShortCut::writeShortcut(const QString &desktopFolder, const Launcher &launcher)
{
    qDebug("[ShortCut] Desktop path: %s", qUtf8Printable(desktopFolder));
    qDebug("[ShortCut] Launcher path: %s", qUtf8Printable(launcher.path));
    if (desktopFolder.isEmpty() || launcher.path.isEmpty()) {
        qWarning("[ShortCut] ERROR: Can't get launcher path or desktop path, abort to create shortcut.");
        return false;
    }
    const QString name = shortcutName(launcher.path);
    const QString path = platform::Shell::shortcutPath(desktopFolder, name);
    qDebug("[ShortCut] Shortcut's full path: %s", qUtf8Printable(path));
    int failure = 0;
    if (!platform::Shell::writeShortcut(
            path, { name, Description, launcher.path, Arguments, launcher.location }, &failure)) {
        qWarning("[ShortCut]create shortcut fail hRes: %d", failure);
        return false;
    }
    qDebug("[ShortCut]create shortcut success");
    return true;
}

bool ShortCut::createShortcut()
{
    qDebug("[ShortCut] Create shortcut for Launcher");
    const QString desktop = platform::Folders::desktop();
    if (desktop.isEmpty())
        qDebug("[ShortCut]SHGetKnownFolderPath Fail : Fail to get path for desktop");
    return writeShortcut(desktop, processLauncher());
}
