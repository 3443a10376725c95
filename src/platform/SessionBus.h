#pragma once

#include <QString>

namespace platform {

// The D-Bus address of the desktop user's session bus, where the programs of that user's
// session (the account manager and its sign-in window) serve. Run as root on behalf of a
// desktop user, it is that user's bus, not root's: the D-Bus address that the process
// was given then belongs to root's session, if any.
QString sessionBusAddress();

// What the choice depends on.
struct SessionBusFacts {
    bool asRoot = false;
    bool sandbox = false;
    QString environmentAddress; // DBUS_SESSION_BUS_ADDRESS; empty when not set
    uint desktopUid = 0; // the desktop user root runs for; 0 for none
    uint ownUid = 0;
};

// The rule behind sessionBusAddress(): a caller that is not root, or runs in a sandbox
// machine, takes DBUS_SESSION_BUS_ADDRESS when it has one; root on a real machine takes
// the desktop user's bus, or its own address when no desktop user is known. Otherwise
// the bus is the one that a user's login starts at "unix:path=/run/user/<uid>/bus", for
// the desktop user when there is one, else for the caller.
QString sessionBusAddressFor(const SessionBusFacts &facts);

} // namespace platform
