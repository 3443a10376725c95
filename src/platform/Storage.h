#pragma once

#include <QString>

namespace platform {

// Free space on the volumes of the PC.
class Storage {
public:
    struct FreeSpace {
        qint64 bytes = -1; // -1: cannot be told
        QString volumeRoot;
    };

    // The bytes the user may still write on the volume that holds path (or would hold
    // it, for a folder not made yet), when that volume is mounted, ready and writable.
    // A machine profile's "freeBytes" ({ "<folder>": bytes }) answers for the folders
    // it names and everything below them.
    static FreeSpace freeSpace(const QString &path);
};

} // namespace platform
