#include "platform/NamedMutex.h"

#include "ObjectPaths.h"
#include "platform/Machine.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// An exclusive flock(2) on a file in the machine's lock folder. The kernel drops the
// lock when the holding descriptor closes, including when the process is killed.

namespace platform {

NamedMutex::NamedMutex(const QString &name)
    : m_path(detail::objectPath(Machine::lockFolder(), name, QStringLiteral(".lock")))
{
}

NamedMutex::~NamedMutex()
{
    unlock();
}

bool NamedMutex::tryLock()
{
    if (m_fd >= 0)
        return true;
    if (m_path.isEmpty()) {
        m_error = EACCES;
        return false;
    }
    const int fd = detail::openShared(m_path, O_RDWR | O_CREAT);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_error = errno;
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_error = 0;
    return true;
}

void NamedMutex::unlock()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace platform
