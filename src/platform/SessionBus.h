#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

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

// The way onto the session bus for one D-Bus connection of this process; keep it until
// the connection is closed. A bus daemon takes connections from its owner only, so root
// cannot join the desktop user's bus itself: for root, the link relays a private socket
// (that only root can reach) to the bus under the owner's credentials, and address() is
// that socket's. Otherwise address() is sessionBusAddress().
class SessionBusLink {
public:
    SessionBusLink();
    ~SessionBusLink();
    SessionBusLink(const SessionBusLink &) = delete;
    SessionBusLink &operator=(const SessionBusLink &) = delete;

    QString address() const { return m_address; }

private:
    class Relay;
    std::unique_ptr<Relay> m_relay;
    QString m_address;
};

// The socket file of the first "unix:path=" entry of a D-Bus address, unescaped; empty
// when the address names none (abstract sockets, other transports).
QByteArray busSocketPath(const QString &address);

// What the relay does with one line that the client sends while it authenticates
// (without its "\r\n"): the client claims its own uid, which the daemon checks against
// the connection's credentials, the owner's; and file descriptors cannot cross the relay.
struct RelayedAuthLine {
    QByteArray toBus; // with "\r\n"; empty when nothing is passed on
    QByteArray toClient; // the relay's own answer, with "\r\n"; usually empty
    bool begins = false; // the client ends authenticating: what follows is messages
};
RelayedAuthLine relayedAuthLine(const QByteArray &line, uint ownerUid);

} // namespace platform
