#include "platform/Graphics.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace platform {

namespace {

// Called directly: glibc 2.36 declares its wrappers without C linkage.
int openPidFd(pid_t pid)
{
    return int(::syscall(SYS_pidfd_open, pid, 0));
}

void killByPidFd(int pidFd)
{
    ::syscall(SYS_pidfd_send_signal, pidFd, SIGKILL, nullptr, 0);
}

// Whether the process behind pidFd ended within waitMs (a pidfd polls readable then).
bool endsWithin(int pidFd, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    pollfd entry { pidFd, POLLIN, 0 };
    for (;;) {
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

// Reaps the child; true when it exited with code 0.
bool reapedWithSuccess(pid_t pid)
{
    int status = 0;
    pid_t reaped = -1;
    do
        reaped = ::waitpid(pid, &status, 0);
    while (reaped < 0 && errno == EINTR);
    return reaped == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

const char EglProbe::ProgramName[] = "nova-eglprobe";

EglProbe::~EglProbe()
{
    succeeded(0);
}

bool EglProbe::start(const QString &programFolder)
{
    if (m_pid > 0)
        return false;
    const QByteArray program = QFile::encodeName(programFolder + QLatin1Char('/') + QLatin1String(ProgramName));
    // posix_spawn starts the child without copying this process's page tables (no fork).
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char *const argv[] = { const_cast<char *>(program.constData()), nullptr };
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return false;
    // The descriptor waits for the child's end with a limit (poll) and signals it with no
    // risk of reaching a reused process id. Kernels before 5.3 have none: no probe then.
    const int pidFd = openPidFd(pid);
    if (pidFd < 0) {
        ::kill(pid, SIGKILL);
        reapedWithSuccess(pid);
        return false;
    }
    m_pid = pid;
    m_pidFd = pidFd;
    return true;
}

bool EglProbe::succeeded(int waitMs)
{
    if (m_pid > 0) {
        const bool ended = endsWithin(m_pidFd, waitMs);
        if (!ended)
            killByPidFd(m_pidFd);
        m_succeeded = reapedWithSuccess(m_pid) && ended;
        ::close(m_pidFd);
        m_pid = -1;
        m_pidFd = -1;
    }
    return m_succeeded;
}

} // namespace platform
