#include "ObjectPaths.h"

#include "platform/Machine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::detail {

namespace {

constexpr int LockPollMs = 5;

} // namespace

QString objectPath(const QString &folder, QString name, const QString &suffix)
{
    for (const QLatin1String prefix : { QLatin1String("Global\\"), QLatin1String("Local\\") }) {
        if (name.startsWith(prefix, Qt::CaseInsensitive)) {
            name.remove(0, prefix.size());
            break;
        }
    }
    if (!Machine::prepareObjectFolder(folder))
        return {};
    const QByteArray safe = name.toUtf8().toPercentEncoding(QByteArray(), QByteArrayLiteral("~"));
    return folder + QLatin1Char('/') + QString::fromLatin1(safe) + suffix;
}

int openShared(const QString &path, int flags)
{
    // O_NONBLOCK: a FIFO planted under the object's name must not hold the open.
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0)
        return -1;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    if (flags & O_CREAT)
        ::fchmod(fd, 0666); // the umask may have taken bits away; ignore failure on others' files
    return fd;
}

bool lockWithin(int fd, int operation, int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (timer.elapsed() >= limitMs) {
            errno = EWOULDBLOCK;
            return false;
        }
        QThread::msleep(LockPollMs);
    }
}

} // namespace platform::detail
