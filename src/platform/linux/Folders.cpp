#include "platform/Folders.h"

#include "platform/Machine.h"

#include "DesktopUser.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
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
    if (Machine::isSandbox())
        return sandboxed(QStringLiteral("AppData/Local"), QString());
    DesktopUser user;
    if (!findDesktopUser(&user))
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QFile::decodeName(user.home) + QStringLiteral("/.config");
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

QString Folders::environmentFolder(const QString &variable)
{
    static const QStringList programFilesVariables = { QStringLiteral("PROGRAMFILES"), QStringLiteral("PROGRAMW6432") };
    if (!programFilesVariables.contains(variable, Qt::CaseInsensitive))
        return QString();
    const QJsonObject named = Machine::profile().value(QLatin1String("environment")).toObject();
    for (auto it = named.begin(); it != named.end(); ++it) {
        if (it.key().compare(variable, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    }
    return programFiles();
}

QString Folders::localPath(const QString &path)
{
    QString local = path;
    return local.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString Folders::systemDriveRoot()
{
    return Machine::isSandbox() ? Machine::root() : QStringLiteral("/");
}

} // namespace platform
