#include "platform/SessionBus.h"

#include "DesktopUser.h"
#include "platform/Machine.h"

#include <QFile>
#include <QTemporaryDir>

#include <thread>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

QString sessionBusAddress()
{
    SessionBusFacts facts;
    facts.ownUid = ::geteuid();
    facts.asRoot = facts.ownUid == 0;
    facts.sandbox = Machine::isSandbox();
    facts.environmentAddress = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    DesktopUser user;
    if (findDesktopUser(&user))
        facts.desktopUid = user.uid;
    return sessionBusAddressFor(facts);
}

namespace {

// A write to a peer that stopped reading gives up after this long, so that the relay's
// stop stays bounded.
constexpr int SendTimeoutMs = 2000;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

void setSendTimeout(int fd)
{
    const timeval limit { SendTimeoutMs / 1000, (SendTimeoutMs % 1000) * 1000 };
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

bool sendAll(int fd, const QByteArray &data)
{
    for (qsizetype sent = 0; sent < data.size();) {
        const ssize_t count = ::send(fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        sent += count;
    }
    return true;
}

sockaddr_un unixAddress(const QByteArray &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    return address;
}

// Connects to a socket with another user's credentials: the kernel hands the daemon the
// credentials that the connecting thread had. The raw system calls change this thread's
// credentials alone (the C library's wrappers change every thread's) and give them back
// before returning.
int connectAs(const QByteArray &path, uid_t uid, gid_t gid)
{
    const uid_t ownUid = ::geteuid();
    const gid_t ownGid = ::getegid();
    if (::syscall(SYS_setresgid, -1, gid, -1) != 0)
        return -1;
    if (::syscall(SYS_setresuid, -1, uid, -1) != 0) {
        ::syscall(SYS_setresgid, -1, ownGid, -1);
        return -1;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int error = errno;
    if (fd >= 0) {
        setSendTimeout(fd);
        const sockaddr_un address = unixAddress(path);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            error = errno;
            ::close(fd);
            fd = -1;
        }
    }
    ::syscall(SYS_setresuid, -1, ownUid, -1);
    ::syscall(SYS_setresgid, -1, ownGid, -1);
    errno = error;
    return fd;
}

} // namespace

// Listens on a socket in a folder of its own (only its owner, root, can reach it) for
// one connection, and joins it to the bus: the client's authentication is passed on as
// the bus owner's, then the messages both ways as they are.
class SessionBusLink::Relay {
public:
    Relay(const QByteArray &busPath, uid_t uid, gid_t gid)
        : m_busPath(busPath)
        , m_uid(uid)
        , m_gid(gid)
    {
    }
    ~Relay()
    {
        if (m_thread.joinable()) {
            const eventfd_t one = 1;
            ::eventfd_write(m_stop.get(), one);
            m_thread.join();
        }
    }

    // False, with the reason logged, when it cannot listen.
    bool start()
    {
        m_path = QFile::encodeName(m_dir.filePath(QStringLiteral("bus")));
        m_stop.reset(::eventfd(0, EFD_CLOEXEC));
        m_listener.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        const sockaddr_un address = unixAddress(m_path);
        if (!m_dir.isValid() || m_stop.get() < 0 || m_listener.get() < 0
            || ::bind(m_listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
            || ::listen(m_listener.get(), 1) != 0) {
            qWarning(
                "[SessionBus] ERROR: Cannot relay to the session bus of uid %u: %s", uint(m_uid), std::strerror(errno));
            return false;
        }
        m_thread = std::thread([this] { run(); });
        return true;
    }

    QString address() const { return QStringLiteral("unix:path=") + QString::fromUtf8(m_path.toPercentEncoding("/")); }

private:
    // Waits until fd is readable or the relay is stopped; false when stopped.
    bool waitReadable(const std::initializer_list<int> &fds, int *ready)
    {
        pollfd polled[3] {};
        int count = 0;
        for (int fd : fds)
            polled[count++] = { fd, POLLIN, 0 };
        polled[count++] = { m_stop.get(), POLLIN, 0 };
        while (::poll(polled, nfds_t(count), -1) < 0) {
            if (errno != EINTR)
                return false;
        }
        if (polled[count - 1].revents != 0)
            return false;
        for (int index = 0; index < count - 1; ++index) {
            if (polled[index].revents != 0) {
                *ready = polled[index].fd;
                return true;
            }
        }
        return false;
    }

    void run()
    {
        int ready = -1;
        if (!waitReadable({ m_listener.get() }, &ready))
            return;
        FileDescriptor client(::accept4(m_listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
        m_listener.reset();
        FileDescriptor bus(connectAs(m_busPath, m_uid, m_gid));
        if (client.get() < 0 || bus.get() < 0) {
            qWarning("[SessionBus] ERROR: Cannot reach the session bus at %s as uid %u: %s", m_busPath.constData(),
                uint(m_uid), std::strerror(errno));
            return;
        }
        setSendTimeout(client.get());
        relay(client.get(), bus.get());
    }

    void relay(int client, int bus)
    {
        QByteArray pending; // the client's unfinished authentication line
        bool opened = false; // the client opens with a zero byte, then speaks in lines
        bool authenticating = true;
        char buffer[65536];
        int from = -1;
        while (waitReadable({ client, bus }, &from)) {
            const ssize_t count = ::recv(from, buffer, sizeof buffer, 0);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                return;
            const QByteArray data(buffer, int(count));
            if (from == bus || !authenticating) {
                if (!sendAll(from == bus ? client : bus, data))
                    return;
                continue;
            }
            pending += data;
            if (!opened && pending.startsWith('\0')) {
                if (!sendAll(bus, QByteArray(1, '\0')))
                    return;
                pending.remove(0, 1);
                opened = true;
            }
            int end;
            while (authenticating && (end = pending.indexOf("\r\n")) >= 0) {
                const RelayedAuthLine line = relayedAuthLine(pending.left(end), m_uid);
                pending.remove(0, end + 2);
                authenticating = !line.begins;
                if ((!line.toBus.isEmpty() && !sendAll(bus, line.toBus))
                    || (!line.toClient.isEmpty() && !sendAll(client, line.toClient)))
                    return;
            }
            if (!authenticating && !sendAll(bus, pending))
                return;
        }
    }

    const QByteArray m_busPath;
    const uid_t m_uid;
    const gid_t m_gid;
    QTemporaryDir m_dir;
    QByteArray m_path;
    FileDescriptor m_stop;
    FileDescriptor m_listener;
    std::thread m_thread;
};

SessionBusLink::SessionBusLink()
    : m_address(sessionBusAddress())
{
    const QByteArray path = busSocketPath(m_address);
    struct stat socket;
    if (::geteuid() != 0 || path.isEmpty() || ::stat(path.constData(), &socket) != 0 || socket.st_uid == 0)
        return;
    qDebug("[SessionBus] Joining the session bus of uid %u through a relay", uint(socket.st_uid));
    auto relay = std::make_unique<Relay>(path, socket.st_uid, socket.st_gid);
    if (!relay->start())
        return;
    m_address = relay->address();
    m_relay = std::move(relay);
}

SessionBusLink::~SessionBusLink() = default;

} // namespace platform
