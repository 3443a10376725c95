#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <vector>

namespace platform {

// The user who owns the desktop session while we run as root on their behalf (through
// sudo, pkexec, or as the X display's owner). What is meant for that user (programs
// started for them, their desktop) goes to them, not to root.
struct DesktopUser {
    uid_t uid = 0;
    gid_t gid = 0;
    QByteArray name;
    QByteArray home;
    QByteArray shell;
    std::vector<gid_t> groups;
};

// False when we do not run as root or no such user is known.
bool findDesktopUser(DesktopUser *user);

// The desktop folder below home as the user's "user-dirs.dirs" text names it
// (XDG_DESKTOP_DIR), or home + "/Desktop".
QString desktopFolderOf(const QString &home, const QByteArray &userDirs);

} // namespace platform
