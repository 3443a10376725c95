#include "ObjectPaths.h"

#include "platform/Machine.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace platform::detail {

QString objectPath(const QString &folder, QString name, const QString &suffix)
{
    for (const QLatin1String prefix : { QLatin1String("Global\\"), QLatin1String("Local\\") }) {
        if (name.startsWith(prefix, Qt::CaseInsensitive)) {
            name.remove(0, prefix.size());
            break;
        }
    }
    if (!Machine::ensureSharedFolder(folder))
        return {};
    const QByteArray safe = name.toUtf8().toPercentEncoding(QByteArray(), QByteArrayLiteral("~"));
    return folder + QLatin1Char('/') + QString::fromLatin1(safe) + suffix;
}

int openShared(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 && (flags & O_CREAT))
        ::fchmod(fd, 0666); // the umask may have taken bits away; ignore failure on others' files
    return fd;
}

} // namespace platform::detail
