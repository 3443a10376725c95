#include "platform/NamedPipe.h"

#include "ObjectPaths.h"
#include "platform/Machine.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A pipe is an AF_UNIX SOCK_SEQPACKET socket in the machine's pipe folder: sequenced
// packets keep message boundaries, as message-mode pipes do. The server holds an
// exclusive lock on "<socket>%lock" for its whole life, so a second server sees the
// name in use, and the socket file of a server that died can be replaced safely.
// ("%lock" cannot end an encoded pipe name, whose '%' always starts a hex escape.)

namespace platform {

namespace {

// How long a busy client waits between two tries to connect.
constexpr int BusyRetryMs = 2;

QString socketPathFor(const QString &pipePath)
{
    return detail::objectPath(Machine::pipeFolder(), pipeShortName(pipePath).toCaseFolded(), QString());
}

bool makeAddress(const QString &socketPath, sockaddr_un *address)
{
    const QByteArray native = QFile::encodeName(socketPath);
    std::memset(address, 0, sizeof(*address));
    address->sun_family = AF_UNIX;
    if (native.isEmpty() || native.size() >= int(sizeof(address->sun_path))) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address->sun_path, native.constData(), size_t(native.size()));
    return true;
}

// Waits for events on fd until the deadline; 1 when ready, 0 on time-out, -1 on error.
int waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry { fd, events, 0 };
        const int ready = ::poll(&entry, 1, int(qMin<qint64>(deadline.remainingTime(), INT_MAX)));
        if (ready >= 0 || errno != EINTR)
            return ready < 0 ? -1 : (ready > 0 ? 1 : 0);
    }
}

QDeadlineTimer deadlineAfter(int timeoutMs)
{
    return timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
}

// The system-neutral reason for an errno value.
PipeError pipeErrorFor(int error)
{
    switch (error) {
    case 0:
        return PipeError::None;
    case EADDRINUSE:
        return PipeError::NameInUse;
    case ENOENT:
    case ECONNREFUSED:
        return PipeError::NotFound;
    case EAGAIN:
        return PipeError::Busy;
    case ETIMEDOUT:
        return PipeError::TimedOut;
    case ENODATA:
    case ECONNRESET:
    case EPIPE:
        return PipeError::Closed;
    case EMSGSIZE:
        return PipeError::TooLarge;
    default:
        return PipeError::Failed;
    }
}

} // namespace

// ---- server ----

NamedPipeServer::NamedPipeServer(const QString &pipePath)
    : m_pipePath(pipePath)
{
}

NamedPipeServer::~NamedPipeServer()
{
    close();
}

bool NamedPipeServer::fail(int error, const QString &what)
{
    m_error = pipeErrorFor(error);
    m_systemError = error;
    m_errorString = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
    return false;
}

bool NamedPipeServer::listen()
{
    close();
    m_socketPath = socketPathFor(m_pipePath);
    if (m_socketPath.isEmpty())
        return fail(errno ? errno : EACCES, QStringLiteral("cannot make the pipe folder ") + Machine::pipeFolder());

    sockaddr_un address;
    if (!makeAddress(m_socketPath, &address))
        return fail(errno, QStringLiteral("pipe path too long: ") + m_socketPath);

    m_lockFd = detail::openShared(m_socketPath + QStringLiteral("%lock"), O_RDWR | O_CREAT);
    if (m_lockFd < 0)
        return fail(errno, QStringLiteral("cannot open the lock of pipe ") + m_pipePath);
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EADDRINUSE : errno;
        close();
        return fail(error, QStringLiteral("pipe ") + m_pipePath + QStringLiteral(" is served by another process"));
    }

    // Holding the lock, any socket file left here belongs to a server that died.
    ::unlink(address.sun_path);
    m_listenFd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
        || ::chmod(address.sun_path, 0666) != 0 || ::listen(m_listenFd, SOMAXCONN) != 0) {
        const int error = errno;
        close();
        return fail(error, QStringLiteral("cannot create pipe ") + m_pipePath);
    }
    return true;
}

bool NamedPipeServer::waitForClient(int timeoutMs)
{
    disconnectClient();
    if (m_listenFd < 0)
        return fail(EBADF, QStringLiteral("pipe is not listening"));
    const int ready = waitFor(m_listenFd, POLLIN, deadlineAfter(timeoutMs));
    if (ready <= 0)
        return fail(ready == 0 ? ETIMEDOUT : errno, QStringLiteral("no client"));
    m_clientFd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (m_clientFd < 0)
        return fail(errno, QStringLiteral("cannot accept a client"));
    return true;
}

bool NamedPipeServer::readMessage(QByteArray *message, int timeoutMs)
{
    message->clear();
    if (m_clientFd < 0)
        return fail(ENOTCONN, QStringLiteral("no client"));
    const int ready = waitFor(m_clientFd, POLLIN, deadlineAfter(timeoutMs));
    if (ready <= 0)
        return fail(ready == 0 ? ETIMEDOUT : errno, QStringLiteral("client sent nothing"));
    message->resize(MaxMessageSize);
    ssize_t size;
    do {
        size = ::recv(m_clientFd, message->data(), MaxMessageSize, MSG_TRUNC);
    } while (size < 0 && errno == EINTR);
    if (size <= 0) {
        message->clear();
        return fail(size == 0 ? ENODATA : errno, QStringLiteral("client sent nothing"));
    }
    if (size > MaxMessageSize) {
        message->clear();
        return fail(EMSGSIZE, QStringLiteral("message too long"));
    }
    message->resize(int(size));
    return true;
}

bool NamedPipeServer::writeReply(const QByteArray &reply)
{
    if (m_clientFd < 0)
        return fail(ENOTCONN, QStringLiteral("no client"));
    ssize_t written;
    do {
        written = ::send(m_clientFd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL);
    } while (written < 0 && errno == EINTR);
    return written == reply.size() || fail(errno, QStringLiteral("cannot write the reply"));
}

void NamedPipeServer::disconnectClient()
{
    if (m_clientFd >= 0) {
        ::close(m_clientFd);
        m_clientFd = -1;
    }
}

void NamedPipeServer::close()
{
    disconnectClient();
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

// ---- client ----

NamedPipeClient::NamedPipeClient(const QString &pipePath, int timeoutMs)
    : m_pipePath(pipePath)
    , m_timeoutMs(timeoutMs)
{
}

NamedPipeClient::Status NamedPipeClient::fail(Status status, int error)
{
    m_error = pipeErrorFor(error);
    m_systemError = error;
    return status;
}

QString NamedPipeClient::errorString() const
{
    return QString::fromLocal8Bit(std::strerror(m_systemError));
}

NamedPipeClient::Status NamedPipeClient::call(const QByteArray &message, QByteArray *reply, int maxReplySize)
{
    reply->clear();
    m_error = PipeError::None;
    m_systemError = 0;
    // One deadline for the whole call, so that a busy pipe, a slow write and a silent
    // server together still end it within the time-out.
    const QDeadlineTimer deadline = deadlineAfter(m_timeoutMs);
    sockaddr_un address;
    if (!makeAddress(socketPathFor(m_pipePath), &address))
        return fail(Status::OpenFailed, errno);

    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return fail(Status::OpenFailed, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };

    // A full backlog is a busy pipe: wait for it up to the time-out. A missing socket,
    // or one nobody listens on, is a missing pipe and fails at once.
    while (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            return fail(Status::OpenFailed, errno);
        if (deadline.hasExpired())
            return fail(Status::BusyTimeout, EAGAIN);
        QThread::msleep(ulong(qBound<qint64>(1, deadline.remainingTime(), BusyRetryMs)));
    }

    const int writable = waitFor(fd, POLLOUT, deadline);
    if (writable <= 0)
        return fail(writable == 0 ? Status::WriteTimeout : Status::WriteFailed, writable == 0 ? ETIMEDOUT : errno);
    if (::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL) != message.size())
        return fail(Status::WriteFailed, errno);

    const int readable = waitFor(fd, POLLIN, deadline);
    if (readable <= 0)
        return fail(readable == 0 ? Status::ReadTimeout : Status::ReadFailed, readable == 0 ? ETIMEDOUT : errno);
    reply->resize(maxReplySize);
    const ssize_t size = ::recv(fd, reply->data(), size_t(maxReplySize), MSG_TRUNC);
    if (size <= 0 || size > maxReplySize) {
        // A reply longer than the buffer fails, as a message-mode read would.
        reply->clear();
        return fail(Status::ReadFailed, size == 0 ? ECONNRESET : (size > 0 ? EMSGSIZE : errno));
    }
    reply->resize(int(size));
    return Status::Ok;
}

} // namespace platform
