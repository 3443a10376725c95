#pragma once

#include <QJsonObject>
#include <QString>

namespace platform {

// Where machine-wide state lives. On a real PC these are the host's own places.
// With NOVA_MACHINE_ROOT set, every one of them lies under that folder, so tests and
// the demo can play a whole PC side by side without touching the host or each other.
class Machine {
public:
    static constexpr const char *RootVariable = "NOVA_MACHINE_ROOT";
    // The folder that holds the named objects of a real machine, made by root.
    static constexpr const char *SharedObjectRoot = "/run/nova";

    static bool isSandbox();
    // The sandbox folder, or an empty string on a real machine.
    static QString root();

    // The folders of named pipes, mutexes and events. Every process uses SharedObjectRoot
    // when it exists or when it runs as root; otherwise a folder under its own
    // $XDG_RUNTIME_DIR. Paths only: prepareObjectFolder makes one ready for use.
    static QString pipeFolder();
    static QString lockFolder();
    static QString eventFolder();
    static QString machineRegistryFolder();
    static QString userRegistryFolder();
    // Prefix for /sys, /proc and /etc paths read by the hardware readers.
    static QString hardwareRoot();

    // The optional machine.json of the sandbox: facts a Linux host cannot have.
    // Empty on a real machine and when the file is missing or malformed.
    static QJsonObject profile();

    // Makes one of the three object folders ready: creates it (and the folder it lies in)
    // with the mode its objects need when missing, and checks owner and mode of both.
    // False, with a log line, when one of them cannot be made or is refused.
    static bool prepareObjectFolder(const QString &folder);

    // The folder below which the object folders of a real machine lie, given whether
    // SharedObjectRoot exists, whether we run as root, and our $XDG_RUNTIME_DIR.
    static QString objectRootFor(bool sharedRootExists, bool asRoot, const QString &runtimeDir);

    struct FolderFacts {
        bool isFolder = false; // a folder itself, not a link to one nor another file
        uint ownerUid = 0;
        uint mode = 0; // the permission bits with the sticky bit
    };
    // Why an existing folder may not hold named objects that need expectedMode, for a
    // process of uid ownUid; empty when it may be used (one of our own after its mode is
    // set to expectedMode). Root's folders must have that mode already; another ordinary
    // user's folder, or anything that is not a folder, is always refused.
    static QString folderRefusal(const QString &path, const FolderFacts &facts, uint expectedMode, uint ownUid);
};

} // namespace platform
