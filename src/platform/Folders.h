#pragma once

#include <QString>

namespace platform {

// The known folders of the PC, in a sandbox machine all below its root.
class Folders {
public:
    static QString programData();
    // The desktop of the user at the screen; when we run as root on a user's behalf,
    // that user's desktop, not root's.
    static QString desktop();
    // Makes a file or folder that was made for the user at the screen (on their desktop)
    // theirs, when we run as root on their behalf. True when there is nothing to do.
    static bool giveToDesktopUser(const QString &path);
    // The desktop user's local application data (on Linux their XDG configuration
    // folder, where SteamVR keeps its paths file).
    static QString localAppData();
    // A temporary folder private to the current user (mode 0700); never a shared,
    // predictable path, so nobody else can plant files or links there.
    static QString tempFolder();
    static QString programFiles();
    // The folder a Windows folder variable names: "PROGRAMFILES" and "PROGRAMW6432" are
    // the program files unless the machine profile's "environment" names them; empty for
    // any other variable.
    static QString environmentFolder(const QString &variable);
    // A path as the program keeps it (backslash separated) in the file system's form.
    static QString localPath(const QString &path);
    // The root of the system drive ("C:\" on Windows).
    static QString systemDriveRoot();
};

} // namespace platform
