#pragma once

#include <QList>
#include <QString>

namespace platform {

struct ProcessInfo {
    qint64 pid = 0;
    qint64 parentPid = 0;
    // The executable's file name ("Updater.exe") and full path. The path is empty
    // when the system does not let us read it (another user's process); imageError
    // then holds the system's code for why, to log.
    QString imageName;
    QString imagePath;
    int imageError = 0;
};

// Process snapshots and termination. In a sandbox machine only processes whose image
// lies under the sandbox root are seen, so tests running side by side never touch each
// other's processes or the host's.
class Processes {
public:
    enum class Match {
        Name, // image name equal to the pattern
        Prefix, // image name starting with the pattern
        Path, // image path equal to the pattern
    };

    static QList<ProcessInfo> list();
    // Every running process that matches, ignoring case; never the calling process.
    static QList<ProcessInfo> find(const QString &pattern, Match match);
    // Ends the process at once (SIGKILL). False when it could not be.
    static bool terminate(qint64 pid);
    // Whether a process with this id is alive, wherever its image lies (a zombie, dead
    // and only waiting to be reaped, is not).
    static bool isRunning(qint64 pid);
    static qint64 currentPid();
    // The calling process's executable, full path, as the system knows it (not argv[0]);
    // there before the application object that tells its folder otherwise.
    static QString currentImagePath();
    // The calling thread's id as the system numbers threads, for log lines.
    static qint64 currentThreadId();
    // Ends the calling process at once, as a crash would: no clean-up, no exit code of
    // its own, no core dump.
    [[noreturn]] static void abortCurrent();
};

} // namespace platform
