#include "platform/Folders.h"

#include "platform/Machine.h"

#include "DesktopUser.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString sandboxed(const QString &relative, const QString &hostPath)
{
    const QString root = Machine::root();
    if (root.isEmpty())
        return hostPath;
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

// A folder owned by us and closed to everybody else, or false.
bool makePrivateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (!QDir().mkpath(path))
        return false;
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    return ::chmod(native.constData(), 0700) == 0;
}

} // namespace

QString Folders::programData()
{
    return sandboxed(QStringLiteral("ProgramData"), QStringLiteral("/var/lib"));
}

QString Folders::desktop()
{
    if (Machine::isSandbox())
        return sandboxed(QStringLiteral("Desktop"), QString());
    DesktopUser user;
    if (!findDesktopUser(&user))
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Root's own desktop is nobody's screen: what goes on the desktop goes on the user's.
    const QString home = QFile::decodeName(user.home);
    QFile userDirs(home + QStringLiteral("/.config/user-dirs.dirs"));
    return desktopFolderOf(home, userDirs.open(QIODevice::ReadOnly) ? userDirs.readAll() : QByteArray());
}

bool Folders::giveToDesktopUser(const QString &path)
{
    DesktopUser user;
    if (Machine::isSandbox() || !findDesktopUser(&user))
        return true;
    return ::lchown(QFile::encodeName(path).constData(), user.uid, user.gid) == 0;
}

QString Folders::localAppData()
{
    return sandboxed(
        QStringLiteral("AppData/Local"), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString Folders::tempFolder()
{
    QString path;
    if (Machine::isSandbox()) {
        path = Machine::root() + QStringLiteral("/Temp");
    } else {
        // The user's runtime folder is private by design; without one, a folder in the
        // user's own cache. Never a fixed name in the shared /tmp.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        path = runtime.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/nova-temp")
            : runtime + QStringLiteral("/nova-temp");
    }
    return makePrivateFolder(path) ? path : QString();
}

QString Folders::programFiles()
{
    return sandboxed(QStringLiteral("opt"), QStringLiteral("/opt"));
}

QString Folders::systemDriveRoot()
{
    return Machine::isSandbox() ? Machine::root() : QStringLiteral("/");
}

} // namespace platform
