#include "platform/Launch.h"

#include "DesktopUser.h"
#include "platform/Machine.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace platform {

namespace {

constexpr int WaitPollMs = 5;

// The caller's environment, with the user's own identity and folders when the
// program runs as another user.
QByteArrayList environmentFor(const DesktopUser *user)
{
    QByteArrayList variables;
    for (char **entry = environ; *entry; ++entry)
        variables.append(*entry);
    if (!user)
        return variables;
    const QByteArray runtime = "/run/user/" + QByteArray::number(uint(user->uid));
    const QList<QPair<QByteArray, QByteArray>> own = {
        { "HOME", user->home },
        { "USER", user->name },
        { "LOGNAME", user->name },
        { "SHELL", user->shell },
        { "XDG_RUNTIME_DIR", runtime },
    };
    for (const auto &variable : own) {
        variables.erase(std::remove_if(variables.begin(), variables.end(),
                            [&](const QByteArray &v) { return v.startsWith(variable.first + '='); }),
            variables.end());
        variables.append(variable.first + '=' + variable.second);
    }
    return variables;
}

QVector<char *> pointers(QByteArrayList &strings)
{
    QVector<char *> result;
    for (QByteArray &string : strings)
        result.append(string.data());
    result.append(nullptr);
    return result;
}

// Appends what can be read now from a non-blocking descriptor.
void drain(int fd, QByteArray *output)
{
    if (fd < 0)
        return;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof(buffer))) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            output->append(buffer, int(got));
    }
}

// Waits for the child up to limitMs (< 0: no limit), collecting its output from
// outputFd when one is given. True with its status once it ended.
bool waitForChild(pid_t pid, int limitMs, int *status, int outputFd = -1, QByteArray *output = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        drain(outputFd, output);
        const pid_t done = ::waitpid(pid, status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            drain(outputFd, output);
            return done == pid;
        }
        if (limitMs >= 0 && timer.elapsed() >= limitMs)
            return false;
        QThread::msleep(WaitPollMs);
    }
}

// Without a desktop user a program is started as the caller, unless that would be root
// on a real machine: a sandbox's desktop user is whoever runs it.
bool runsAsCallerWithoutDesktopUser()
{
    return ::geteuid() != 0 || Machine::isSandbox();
}

} // namespace

bool hasLaunchUser()
{
    DesktopUser user;
    return findDesktopUser(&user) || runsAsCallerWithoutDesktopUser();
}

LaunchResult launchAsUser(
    const QString &workingDir, const QString &commandLine, bool wait, int waitLimitMs, QByteArray *output)
{
    LaunchResult result;
    const QStringList words = QProcess::splitCommand(commandLine);
    const QString program = words.isEmpty() ? QString() : QStandardPaths::findExecutable(words.first());
    if (program.isEmpty()) {
        result.error = ENOENT;
        return result;
    }

    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls are allowed.
    DesktopUser user;
    const bool asOther = findDesktopUser(&user);
    if (!asOther && !runsAsCallerWithoutDesktopUser()) {
        result.status = LaunchResult::NoDesktopUser;
        return result;
    }
    QByteArrayList arguments;
    arguments.append(QFile::encodeName(program));
    for (int i = 1; i < words.size(); ++i)
        arguments.append(words.at(i).toLocal8Bit());
    QByteArrayList environment = environmentFor(asOther ? &user : nullptr);
    const QVector<char *> argv = pointers(arguments);
    const QVector<char *> envp = pointers(environment);
    const QByteArray directory = QFile::encodeName(workingDir);

    // The child reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        result.error = errno;
        return result;
    }

    // The program's standard output, when the caller takes it.
    int captured[2] = { -1, -1 };
    if (wait && output && ::pipe2(captured, O_CLOEXEC) != 0) {
        result.error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return result;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        result.error = errno;
        for (int fd : { report[0], report[1], captured[0], captured[1] })
            if (fd >= 0)
                ::close(fd);
        return result;
    }
    if (pid == 0) {
        ::close(report[0]);
        // Not waited for: a second fork leaves the program to init, so it never
        // becomes a zombie of ours.
        if (!wait) {
            const pid_t grandchild = ::fork();
            if (grandchild != 0)
                ::_exit(grandchild < 0 ? 127 : 0);
        }
        ::setsid();
        if (captured[1] >= 0)
            ::dup2(captured[1], STDOUT_FILENO);
        if ((asOther
                && (::setgroups(user.groups.size(), user.groups.data()) != 0 || ::setgid(user.gid) != 0
                    || ::setuid(user.uid) != 0))
            || (!directory.isEmpty() && ::chdir(directory.constData()) != 0)) {
            const int error = errno;
            (void)!::write(report[1], &error, sizeof(error));
            ::_exit(127);
        }
        ::execve(argv[0], argv.data(), envp.data());
        const int error = errno;
        (void)!::write(report[1], &error, sizeof(error));
        ::_exit(127);
    }

    ::close(report[1]);
    if (captured[1] >= 0) {
        ::close(captured[1]);
        ::fcntl(captured[0], F_SETFL, O_NONBLOCK);
    }
    // Closes the output's end once the child is done with, whichever way this returns.
    const auto closeOutput = qScopeGuard([&captured] {
        if (captured[0] >= 0)
            ::close(captured[0]);
    });
    int childError = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &childError, sizeof(childError));
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);

    int status = 0;
    if (!wait)
        waitForChild(pid, -1, &status); // the intermediate child, which exits at once
    if (got == sizeof(childError)) {
        if (wait)
            waitForChild(pid, -1, &status);
        result.error = childError;
        return result;
    }
    if (!wait) {
        result.status = LaunchResult::Started;
        return result;
    }
    if (!waitForChild(pid, waitLimitMs, &status, captured[0], output)) {
        ::kill(pid, SIGKILL);
        waitForChild(pid, -1, &status);
        result.status = LaunchResult::TimedOut;
        return result;
    }
    result.status = LaunchResult::Finished;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace platform
