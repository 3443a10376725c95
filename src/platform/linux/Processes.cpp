#include "platform/Processes.h"

#include "platform/Machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray readProcFile(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Fills the parent id from /proc/PID/stat; false for processes that are gone or
// zombies (dead, only waiting to be reaped).
bool readStat(qint64 pid, ProcessInfo *info)
{
    const QByteArray stat = readProcFile(pid, "stat");
    // "pid (comm) state ppid ...": comm may hold spaces and parentheses.
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 2 || fields.at(0) == "Z" || fields.at(0) == "X")
        return false;
    info->parentPid = fields.at(1).toLongLong();
    return true;
}

void readImage(qint64 pid, ProcessInfo *info)
{
    char target[4096];
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    const ssize_t size = ::readlink(link.constData(), target, sizeof(target));
    info->imageError = size > 0 ? 0 : errno;
    QString path = size > 0 ? QFile::decodeName(QByteArray(target, int(size))) : QString();
    // The kernel marks an executable that was replaced or removed since it started.
    const QLatin1String deleted(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    info->imagePath = path;
    if (!path.isEmpty()) {
        info->imageName = QFileInfo(path).fileName();
        return;
    }
    // Another user's process: its first argument is all we may read.
    const QByteArray argv0 = readProcFile(pid, "cmdline").split('\0').value(0);
    info->imageName = QFileInfo(QFile::decodeName(argv0)).fileName();
}

bool insideSandbox(const ProcessInfo &info, const QString &root)
{
    return root.isEmpty() || info.imagePath.startsWith(root + QLatin1Char('/'));
}

bool matches(const ProcessInfo &info, const QString &pattern, Processes::Match match)
{
    switch (match) {
    case Processes::Match::Name:
        return info.imageName.compare(pattern, Qt::CaseInsensitive) == 0;
    case Processes::Match::Prefix:
        return info.imageName.startsWith(pattern, Qt::CaseInsensitive);
    case Processes::Match::Path: {
        // Compare the cheap file name first, then the whole path.
        const QString fileName
            = pattern.mid(qMax(pattern.lastIndexOf(QLatin1Char('/')), pattern.lastIndexOf(QLatin1Char('\\'))) + 1);
        return info.imageName.compare(fileName, Qt::CaseInsensitive) == 0
            && info.imagePath.compare(QDir::cleanPath(QDir::fromNativeSeparators(pattern)), Qt::CaseInsensitive) == 0;
    }
    }
    return false;
}

// Every live process whose image lies in the sandbox and passes keep. The image is read
// first and the stat only for what is kept: /proc/PID/stat costs the kernel ten times
// what the exe link does, and a scan usually keeps few of the host's processes.
template<typename Keep> QList<ProcessInfo> scan(Keep keep)
{
    const QString root = Machine::root();
    QList<ProcessInfo> processes;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return processes;
    while (const dirent *entry = ::readdir(proc)) {
        char *end = nullptr;
        ProcessInfo info;
        info.pid = std::strtoll(entry->d_name, &end, 10);
        if (*end != '\0' || info.pid <= 0)
            continue;
        readImage(info.pid, &info);
        if (!info.imageName.isEmpty() && insideSandbox(info, root) && keep(info) && readStat(info.pid, &info))
            processes.append(info);
    }
    ::closedir(proc);
    return processes;
}

} // namespace

QList<ProcessInfo> Processes::list()
{
    return scan([](const ProcessInfo &) { return true; });
}

QList<ProcessInfo> Processes::find(const QString &pattern, Match match)
{
    if (pattern.isEmpty())
        return {};
    const qint64 self = currentPid();
    return scan([&](const ProcessInfo &info) { return info.pid != self && matches(info, pattern, match); });
}

bool Processes::terminate(qint64 pid)
{
    if (pid <= 0 || pid == currentPid()) {
        errno = EPERM;
        return false;
    }
    return ::kill(pid_t(pid), SIGKILL) == 0;
}

bool Processes::isRunning(qint64 pid)
{
    ProcessInfo info;
    return pid > 0 && readStat(pid, &info);
}

qint64 Processes::currentPid()
{
    return ::getpid();
}

QString Processes::currentImagePath()
{
    ProcessInfo info;
    readImage(::getpid(), &info);
    return info.imagePath;
}

qint64 Processes::currentThreadId()
{
    return ::gettid();
}

void Processes::abortCurrent()
{
    ::kill(::getpid(), SIGKILL);
    std::abort(); // not reached
}

} // namespace platform
