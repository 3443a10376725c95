#include "platform/Launch.h"

#include "DesktopUser.h"
#include "platform/Machine.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace platform {

namespace {

// Without a pidfd (a kernel before 5.3), how often a wait looks whether the child ended.
constexpr int WaitPollMs = 5;
// How often a wait asks whether it is to stop.
constexpr int StopPollMs = 100;
// How long a child that was killed, or failed before its exec, may take to go before a
// reaper is left to collect it.
constexpr int EndWaitMs = 5000;
// A reaper only waits: it needs little stack.
constexpr size_t ReaperStackBytes = 64 * 1024;

// The caller's environment, with the user's own identity and folders.
QByteArrayList environmentFor(const DesktopUser &user)
{
    QByteArrayList variables;
    for (char **entry = environ; *entry; ++entry)
        variables.append(*entry);
    const QByteArray runtime = "/run/user/" + QByteArray::number(uint(user.uid));
    const QList<QPair<QByteArray, QByteArray>> own = {
        { "HOME", user.home },
        { "USER", user.name },
        { "LOGNAME", user.name },
        { "SHELL", user.shell },
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

// The program path and its arguments, as execve takes them.
QByteArrayList argumentsOf(const StartRequest &request)
{
    QByteArrayList arguments { QFile::encodeName(request.program) };
    for (const QString &argument : request.arguments)
        arguments.append(argument.toLocal8Bit());
    return arguments;
}

// Appends what can be read now from a non-blocking descriptor; false once every writer
// has closed it.
bool drain(int fd, QByteArray *output)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof(buffer));
        if (got > 0)
            output->append(buffer, int(got));
        else if (got == 0)
            return false;
        else if (errno != EINTR)
            return errno == EAGAIN;
    }
}

void *reap(void *child)
{
    int status;
    while (::waitpid(pid_t(reinterpret_cast<intptr_t>(child)), &status, 0) < 0 && errno == EINTR) { }
    return nullptr;
}

// A program that is not waited for is collected, once it ends, by a detached thread of
// its own blocked in waitpid for that one pid, so it never stays a zombie. The thread
// lives as long as the program and no longer. The alternatives cost more or reach
// further: a second fork (the program left to init) copies our page tables once more; a
// SIGCHLD handler would also collect the children of QProcess and of every other part;
// a pidfd still needs a thread or an event loop to wait on it. 0, or the error.
int reapWhenEnded(pid_t pid)
{
    pthread_attr_t attributes;
    ::pthread_attr_init(&attributes);
    ::pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    ::pthread_attr_setstacksize(&attributes, ReaperStackBytes);
    pthread_t thread;
    const int error = ::pthread_create(&thread, &attributes, reap, reinterpret_cast<void *>(intptr_t(pid)));
    ::pthread_attr_destroy(&attributes);
    return error;
}

// Waits up to limitMs for the child to end, meanwhile collecting its standard output
// from outputFd (non-blocking; -1: none); stop, when set, can end the wait early. True
// once the child ended, with its wait status.
bool waitForChild(
    pid_t pid, int limitMs, const std::function<bool()> &stop, int outputFd, QByteArray *output, int *status)
{
    // Readable once the child ended, so the wait needs no polling steps.
    // (A system call of its own: glibc 2.36's header for it lacks C linkage.)
    const int pidFd = int(::syscall(SYS_pidfd_open, pid, 0));
    const auto closePidFd = qScopeGuard([pidFd] {
        if (pidFd >= 0)
            ::close(pidFd);
    });
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (outputFd >= 0 && !drain(outputFd, output))
            outputFd = -1;
        const pid_t done = ::waitpid(pid, status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            if (outputFd >= 0)
                drain(outputFd, output);
            return done == pid;
        }
        const qint64 left = limitMs - timer.elapsed();
        if (left <= 0 || (stop && stop()))
            return false;
        int stepMs = int(left);
        if (pidFd < 0)
            stepMs = std::min(stepMs, WaitPollMs);
        if (stop)
            stepMs = std::min(stepMs, StopPollMs);
        pollfd watched[2];
        nfds_t count = 0;
        for (int fd : { pidFd, outputFd })
            if (fd >= 0)
                watched[count++] = { fd, POLLIN, 0 };
        ::poll(watched, count, stepMs);
    }
}

// Collects a child that is about to end: here for a short while, then by a reaper.
void collectEnding(pid_t pid)
{
    int status;
    if (!waitForChild(pid, EndWaitMs, {}, -1, nullptr, &status))
        reapWhenEnded(pid);
}

// What follows once the child exists: not waited for, it is handed to a reaper; waited
// for, its output is collected until it ends, or it is killed at the limit.
LaunchResult followChild(pid_t pid, const StartRequest &request, int outputFd)
{
    LaunchResult result;
    if (!request.wait) {
        result.error = reapWhenEnded(pid);
        if (result.error != 0) { // nobody could collect it later: it must not run
            ::kill(pid, SIGKILL);
            collectEnding(pid);
            return result;
        }
        result.status = LaunchResult::Started;
        return result;
    }
    int status = 0;
    if (!waitForChild(pid, request.waitLimitMs, request.stopWaiting, outputFd, request.output, &status)) {
        ::kill(pid, SIGKILL);
        collectEnding(pid);
        result.status = LaunchResult::TimedOut;
        return result;
    }
    result.status = LaunchResult::Finished;
    result.crashed = WIFSIGNALED(status);
    result.exitCode = result.crashed ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return result;
}

// A pipe for the program's standard output when the caller collects it: {-1, -1}
// otherwise. False with errno when it cannot be made.
bool makeOutputPipe(const StartRequest &request, int captured[2])
{
    captured[0] = captured[1] = -1;
    return !(request.wait && request.output) || ::pipe2(captured, O_CLOEXEC) == 0;
}

// The parent's side of the output pipe once the child holds the writing end.
void keepReadingEnd(int captured[2])
{
    if (captured[1] < 0)
        return;
    ::close(captured[1]);
    captured[1] = -1;
    ::fcntl(captured[0], F_SETFL, O_NONBLOCK);
}

void closeAll(std::initializer_list<int> fds)
{
    for (int fd : fds)
        if (fd >= 0)
            ::close(fd);
}

// Starts the program as another user. The switch needs code of ours between fork and
// exec, which posix_spawn has no place for, so this path forks: one fork, with a reaper
// in place of the second one. A spawn through a switching program (setpriv) costs far
// less in a large process, but the program's own failure to start would then come
// back as that program's exit code, not as a start failure with the system's error.
LaunchResult startAsUser(const StartRequest &request, const DesktopUser &user)
{
    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls are allowed.
    LaunchResult result;
    QByteArrayList arguments = argumentsOf(request);
    QByteArrayList environment = environmentFor(user);
    const QVector<char *> argv = pointers(arguments);
    const QVector<char *> envp = pointers(environment);
    const QByteArray directory = QFile::encodeName(request.workingDir);
    sigset_t all, none, callerMask;
    sigfillset(&all);
    sigemptyset(&none);
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;

    // The child reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        result.error = errno;
        return result;
    }
    int captured[2];
    if (!makeOutputPipe(request, captured)) {
        result.error = errno;
        closeAll({ report[0], report[1] });
        return result;
    }
    // No handler of ours may run in the child before its dispositions are reset.
    ::pthread_sigmask(SIG_SETMASK, &all, &callerMask);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        for (int number = 1; number < NSIG; ++number)
            ::sigaction(number, &byDefault, nullptr);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        if (request.newSession)
            ::setsid();
        if (!request.inheritStreams) {
            const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
            for (int fd : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO })
                ::dup2(null, fd);
        }
        if (captured[1] >= 0)
            ::dup2(captured[1], STDOUT_FILENO);
        if (::setgroups(user.groups.size(), user.groups.data()) != 0 || ::setgid(user.gid) != 0
            || ::setuid(user.uid) != 0 || (!directory.isEmpty() && ::chdir(directory.constData()) != 0)) {
            const int error = errno;
            (void)!::write(report[1], &error, sizeof(error));
            ::_exit(127);
        }
        ::execve(argv[0], argv.data(), envp.data());
        const int error = errno;
        (void)!::write(report[1], &error, sizeof(error));
        ::_exit(127);
    }
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &callerMask, nullptr);
    ::close(report[1]);
    if (pid < 0) {
        result.error = forkError;
        closeAll({ report[0], captured[0], captured[1] });
        return result;
    }
    keepReadingEnd(captured);
    const auto closeOutput = qScopeGuard([&captured] { closeAll({ captured[0] }); });
    int childError = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &childError, sizeof(childError));
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == sizeof(childError)) {
        collectEnding(pid);
        result.error = childError;
        return result;
    }
    return followChild(pid, request, captured[0]);
}

// Without a desktop user a program is started as the caller, unless that would be root
// on a real machine: a sandbox's desktop user is whoever runs it.
bool runsAsCallerWithoutDesktopUser()
{
    return ::geteuid() != 0 || Machine::isSandbox();
}

} // namespace

namespace {

// Spawns the request's program (see startProgram) and sets pid; outputFd is the reading
// end of its standard output when collected, else -1. 0, or the error.
int spawn(const StartRequest &request, pid_t *pid, int *outputFd)
{
    *outputFd = -1;
    StartRequest resolved = request;
    if (!request.program.contains(QLatin1Char('/')))
        resolved.program = QStandardPaths::findExecutable(request.program);
    if (resolved.program.isEmpty())
        return ENOENT;
    QByteArrayList arguments = argumentsOf(resolved);
    const QVector<char *> argv = pointers(arguments);

    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    const auto destroyAttributes = qScopeGuard([&attributes] { ::posix_spawnattr_destroy(&attributes); });
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setflags(&attributes,
        short(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | (request.newSession ? POSIX_SPAWN_SETSID : 0)));

    int captured[2];
    if (!makeOutputPipe(request, captured))
        return errno;
    const auto closeOutput = qScopeGuard([&captured] { closeAll({ captured[0], captured[1] }); });
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    const auto destroyActions = qScopeGuard([&actions] { ::posix_spawn_file_actions_destroy(&actions); });
    if (!request.inheritStreams) {
        ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (captured[1] < 0)
            ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    if (captured[1] >= 0)
        ::posix_spawn_file_actions_adddup2(&actions, captured[1], STDOUT_FILENO);
    const QByteArray directory = QFile::encodeName(request.workingDir);
    if (!directory.isEmpty())
        ::posix_spawn_file_actions_addchdir_np(&actions, directory.constData());

    const int error = ::posix_spawn(pid, argv[0], &actions, &attributes, argv.data(), environ);
    if (error != 0)
        return error;
    keepReadingEnd(captured);
    std::swap(*outputFd, captured[0]);
    return 0;
}

} // namespace

LaunchResult startProgram(const StartRequest &request)
{
    LaunchResult result;
    pid_t pid = -1;
    int outputFd = -1;
    result.error = spawn(request, &pid, &outputFd);
    if (result.error != 0)
        return result;
    const auto closeOutput = qScopeGuard([outputFd] { closeAll({ outputFd }); });
    return followChild(pid, request, outputFd);
}

StartedProgram::StartedProgram(const StartRequest &request)
{
    StartRequest started = request;
    started.output = nullptr;
    int outputFd = -1;
    pid_t pid = -1;
    m_result.error = spawn(started, &pid, &outputFd);
    m_started = m_result.error == 0;
    m_pid = m_started ? pid : -1;
}

StartedProgram::~StartedProgram()
{
    finish(0);
}

LaunchResult StartedProgram::finish(int waitLimitMs)
{
    if (m_pid > 0) {
        StartRequest waited;
        waited.waitLimitMs = waitLimitMs;
        m_result = followChild(m_pid, waited, -1);
        m_pid = -1;
    }
    return m_result;
}

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
    DesktopUser user;
    const bool switchUser = findDesktopUser(&user) && user.uid != ::geteuid();
    if (!switchUser && !runsAsCallerWithoutDesktopUser()) {
        result.status = LaunchResult::NoDesktopUser;
        return result;
    }
    StartRequest request;
    request.program = program;
    request.arguments = words.mid(1);
    request.workingDir = workingDir;
    request.wait = wait;
    request.waitLimitMs = waitLimitMs;
    request.output = output;
    request.inheritStreams = true;
    request.newSession = true;
    return switchUser ? startAsUser(request, user) : startProgram(request);
}

} // namespace platform
