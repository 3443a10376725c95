// Measures what one start of a helper tool costs a process with a large touched heap,
// as the wizard has once its window is up: fork + exec, the double fork of a start that
// is not waited for, posix_spawn, posix_spawn through setpriv (a user switch without a
// fork of ours), and the platform layer's own startProgram. For each it prints the
// median time the caller is blocked in the start, the time until the tool has ended,
// and the time the caller then needs to write its heap again (after a fork every page
// is shared copy-on-write until the child execs, and each first write faults).
// Usage: spawn [starts] [megabytes]   (defaults 100 and 100; /bin/true is the tool)

#include "BenchSetup.h"

#include "platform/Launch.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr long PageSize = 4096;

struct Figures {
    double startMs = 0;
    double totalMs = 0;
    double touchMs = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void touch(std::vector<char> &heap)
{
    for (size_t i = 0; i < heap.size(); i += PageSize)
        ++heap[i];
}

// start() starts the tool and returns what waitpid must wait for (the intermediate
// child of a double fork), or -1.
Figures measure(int starts, std::vector<char> &heap, const std::function<pid_t()> &start)
{
    std::vector<double> startMs, totalMs, touchMs;
    for (int i = 0; i < starts; ++i) {
        QElapsedTimer timer;
        timer.start();
        const pid_t pid = start();
        startMs.push_back(msSince(timer));
        int status = 0;
        if (pid > 0)
            ::waitpid(pid, &status, 0);
        totalMs.push_back(msSince(timer));
        timer.restart();
        touch(heap);
        touchMs.push_back(msSince(timer));
    }
    return { median(startMs), median(totalMs), median(touchMs) };
}

pid_t forkExec(char *const argv[])
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execve(argv[0], argv, environ);
        ::_exit(127);
    }
    return pid;
}

pid_t doubleFork(char *const argv[])
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::fork() != 0)
            ::_exit(0);
        ::execve(argv[0], argv, environ);
        ::_exit(127);
    }
    return pid;
}

pid_t spawn(char *const argv[])
{
    pid_t pid = -1;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) == 0 ? pid : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const int starts = countArgument(argc, argv, 100);
    const long megabytes = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 100;
    std::vector<char> heap(size_t(megabytes) << 20);
    touch(heap);

    char tool[] = "/bin/true";
    char *toolArgv[] = { tool, nullptr };
    // setpriv as the caller's own user: the same work as a switch to another user.
    const QByteArray uid = "--reuid=" + QByteArray::number(uint(::getuid()));
    const QByteArray gid = "--regid=" + QByteArray::number(uint(::getgid()));
    char setpriv[] = "/usr/bin/setpriv";
    char clearGroups[] = "--clear-groups";
    char *setprivArgv[] = { setpriv, const_cast<char *>(uid.constData()), const_cast<char *>(gid.constData()),
        clearGroups, tool, nullptr };

    const std::vector<std::pair<const char *, std::function<pid_t()>>> methods = {
        { "fork + exec", [&] { return forkExec(toolArgv); } },
        { "double fork + exec", [&] { return doubleFork(toolArgv); } },
        { "posix_spawn", [&] { return spawn(toolArgv); } },
        { "posix_spawn setpriv", [&] { return spawn(setprivArgv); } },
        { "platform::startProgram",
            [&] {
                platform::StartRequest request;
                request.program = QString::fromLatin1(tool);
                platform::startProgram(request);
                return pid_t(-1);
            } },
    };
    std::printf("%d starts of %s from a process with %ld MB touched (medians)\n", starts, tool, megabytes);
    std::printf("%-24s %10s %10s %12s\n", "method", "start ms", "ended ms", "re-touch ms");
    for (const auto &[name, start] : methods) {
        const Figures figures = measure(starts, heap, start);
        std::printf("%-24s %10.3f %10.3f %12.3f\n", name, figures.startMs, figures.totalMs, figures.touchMs);
    }
    return 0;
}
