#pragma once

#include <QString>

namespace platform {

// The known folders of the PC, in a sandbox machine all below its root.
class Folders {
public:
    static QString programData();
    static QString desktop();
    static QString localAppData();
    // A temporary folder private to the current user (mode 0700); never a shared,
    // predictable path, so nobody else can plant files or links there.
    static QString tempFolder();
    static QString programFiles();
    // The root of the system drive ("C:\" on Windows).
    static QString systemDriveRoot();
};

} // namespace platform
