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

    static bool isSandbox();
    // The sandbox folder, or an empty string on a real machine.
    static QString root();

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

    // Creates a folder that every local user may put objects in (mode 1777, like /tmp).
    static bool ensureSharedFolder(const QString &path);
};

} // namespace platform
