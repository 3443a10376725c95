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
    static QString localAppData();
    // A temporary folder private to the current user (mode 0700); never a shared,
    // predictable path, so nobody else can plant files or links there.
    static QString tempFolder();
    static QString programFiles();
    // The root of the system drive ("C:\" on Windows).
    static QString systemDriveRoot();
};

} // namespace platform
