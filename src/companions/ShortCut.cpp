#include "companions/ShortCut.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>

namespace {

using platform::ProcessInfo;

const QString Description = QStringLiteral("NOVA Tundra Setup");
// The argument text of the shortcut: one blank, so the launcher starts without arguments.
const QString Arguments = QStringLiteral(" ");
// Desktops start only entries marked executable (trusted launchers).
const QFileDevice::Permissions Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

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

// A text as a desktop entry value holds it: backslashes and line breaks escaped, so no
// file name can end the line and add keys of its own.
QString escapeValue(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    value.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return value;
}

// One quoted argument of the Exec key: '"', '`', '$' and '\' escaped inside the quotes,
// '%' doubled so that it is no field code.
QString quoteExecArgument(QString argument)
{
    static const QRegularExpression reserved(QStringLiteral("([\"`$\\\\])"));
    argument.replace(reserved, QStringLiteral("\\\\1"));
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + argument + QLatin1Char('"');
}

QByteArray desktopEntry(const QString &name, const ShortCut::Launcher &launcher)
{
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + escapeValue(name)
        + QStringLiteral("\nComment=") + Description + QStringLiteral("\nExec=")
        + escapeValue(quoteExecArgument(launcher.path) + Arguments) + QStringLiteral("\nPath=")
        + escapeValue(launcher.location) + QLatin1Char('\n');
    return entry.toUtf8();
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
    const QString path = desktopFolder + QLatin1Char('/') + name + QStringLiteral(".desktop");
    qDebug("[ShortCut] Shortcut's full path: %s", qUtf8Printable(path));
    // A desktop folder made here (as root, for the user at the screen) is theirs.
    if (!QFileInfo::exists(desktopFolder) && QDir().mkpath(desktopFolder))
        platform::Folders::giveToDesktopUser(desktopFolder);
    // A link of that name is replaced, never written through: whoever owns the desktop
    // must not be able to point the write at another file.
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.setPermissions(Executable)
        && file.write(desktopEntry(name, launcher)) >= 0 && file.commit();
    if (!saved) {
        qWarning("[ShortCut]create shortcut fail hRes: %d", int(file.error()));
        return false;
    }
    // The entry works either way; the user can only not edit one left to root.
    if (!platform::Folders::giveToDesktopUser(path))
        qWarning("[ShortCut] WARNING: Cannot give the shortcut to the desktop user, error %d", errno);
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
