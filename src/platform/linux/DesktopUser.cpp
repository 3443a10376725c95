#include "DesktopUser.h"

#include <QRegularExpression>
#include <QString>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool findDesktopUser(DesktopUser *user)
{
    if (::geteuid() != 0)
        return false;
    uid_t uid = 0;
    for (const char *variable : { "SUDO_UID", "PKEXEC_UID" }) {
        bool ok = false;
        const uint value = qEnvironmentVariable(variable).toUInt(&ok);
        if (ok && value != 0) {
            uid = value;
            break;
        }
    }
    if (uid == 0) {
        // The owner of the X display's socket: ":1.0" is /tmp/.X11-unix/X1.
        const QString display = qEnvironmentVariable("DISPLAY");
        const QString number = display.section(QLatin1Char(':'), 1).section(QLatin1Char('.'), 0, 0);
        struct stat info;
        const QByteArray socket = "/tmp/.X11-unix/X" + number.toLatin1();
        if (!number.isEmpty() && ::stat(socket.constData(), &info) == 0)
            uid = info.st_uid;
    }
    if (uid == 0)
        return false;
    const passwd *entry = ::getpwuid(uid);
    user->uid = uid;
    user->gid = entry ? entry->pw_gid : uid;
    user->name = entry ? QByteArray(entry->pw_name) : QByteArray::number(uint(uid));
    user->home = entry ? QByteArray(entry->pw_dir) : QByteArrayLiteral("/");
    user->shell = entry ? QByteArray(entry->pw_shell) : QByteArrayLiteral("/bin/sh");
    int count = 64;
    user->groups.resize(size_t(count));
    if (entry && ::getgrouplist(entry->pw_name, user->gid, user->groups.data(), &count) < 0) {
        user->groups.resize(size_t(count));
        ::getgrouplist(entry->pw_name, user->gid, user->groups.data(), &count);
    }
    user->groups.resize(entry ? size_t(count) : 0);
    if (user->groups.empty())
        user->groups.push_back(user->gid);
    return true;
}

QString desktopFolderOf(const QString &home, const QByteArray &userDirs)
{
    static const QRegularExpression line(
        QStringLiteral("^\\s*XDG_DESKTOP_DIR=\"([^\"]*)\"\\s*$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(userDirs));
    if (!match.hasMatch())
        return home + QStringLiteral("/Desktop");
    QString folder = match.captured(1);
    // Only "$HOME/..." and absolute paths are allowed there.
    if (folder == QLatin1String("$HOME") || folder.startsWith(QLatin1String("$HOME/")))
        folder.replace(0, 5, home);
    return folder.startsWith(QLatin1Char('/')) ? folder : home + QStringLiteral("/Desktop");
}

} // namespace platform
