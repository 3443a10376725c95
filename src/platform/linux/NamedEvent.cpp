#include "platform/NamedEvent.h"

#include "ObjectPaths.h"
#include "platform/Machine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The event is a one-byte file ('1' set, '0' reset) in the machine's event folder.
// Every open handle holds a shared flock on it, so "does the event exist?" is "does
// anybody hold a shared lock?", which an exclusive try-lock answers. The first opener
// after all holders are gone starts from the initial state, as a new kernel object
// would. A guard lock makes creating, opening and that existence test atomic. Every
// lock is tried for a bounded time only: a lock that another process (of any user)
// keeps makes the call fail, never hang.

namespace platform {

namespace {

constexpr int PollIntervalMs = 5;

class GuardLock {
public:
    explicit GuardLock(const QString &path)
        : m_fd(detail::openShared(path, O_RDWR | O_CREAT))
    {
        if (m_fd >= 0 && !detail::lockWithin(m_fd, LOCK_EX)) {
            const int error = errno;
            ::close(m_fd);
            m_fd = -1;
            errno = error;
        }
    }
    ~GuardLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd;
};

} // namespace

NamedEvent::NamedEvent(const QString &name)
    : m_path(detail::objectPath(Machine::eventFolder(), name, QStringLiteral(".event")))
{
}

NamedEvent::~NamedEvent()
{
    close();
}

bool NamedEvent::create(bool initiallySet)
{
    return attach(true, initiallySet);
}

bool NamedEvent::open()
{
    return attach(false, false);
}

bool NamedEvent::attach(bool create, bool initiallySet)
{
    close();
    if (m_path.isEmpty()) {
        m_error = EACCES;
        return false;
    }
    GuardLock guard(m_path + QStringLiteral(".guard"));
    if (!guard.isHeld()) {
        m_error = errno;
        return false;
    }
    m_fd = detail::openShared(m_path, create ? O_RDWR | O_CREAT : O_RDWR);
    if (m_fd < 0) {
        m_error = errno;
        return false;
    }
    m_existed = ::flock(m_fd, LOCK_EX | LOCK_NB) != 0;
    if (!m_existed && !create) {
        close();
        m_error = ENOENT;
        return false;
    }
    // Under the guard only a process that bypasses it can hold the event exclusively.
    if ((!m_existed && !writeState(initiallySet)) || !detail::lockWithin(m_fd, LOCK_SH)) {
        m_error = errno;
        close();
        return false;
    }
    m_error = 0;
    return true;
}

void NamedEvent::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_existed = false;
}

bool NamedEvent::writeState(bool set)
{
    const char state = set ? '1' : '0';
    if (m_fd < 0 || ::pwrite(m_fd, &state, 1, 0) != 1) {
        m_error = m_fd < 0 ? EBADF : errno;
        return false;
    }
    return true;
}

bool NamedEvent::set()
{
    return writeState(true);
}

bool NamedEvent::reset()
{
    return writeState(false);
}

bool NamedEvent::isSet() const
{
    char state = '0';
    return m_fd >= 0 && ::pread(m_fd, &state, 1, 0) == 1 && state == '1';
}

bool NamedEvent::wait(int timeoutMs) const
{
    if (m_fd < 0)
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!isSet()) {
        if (timeoutMs >= 0 && timer.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(PollIntervalMs);
    }
    return true;
}

} // namespace platform
