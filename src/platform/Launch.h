#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

struct LaunchResult {
    enum Status {
        Started, // running, not waited for
        Finished, // waited for and ended; exitCode holds its code
        TimedOut, // waited for, ran past the limit and was terminated
        StartFailed, // could not be created; error holds the system's code, for the log only
        NoDesktopUser, // not started: run as root, and no desktop user to run it as
    };
    Status status = StartFailed;
    int exitCode = -1;
    int error = 0;
};

// Starts a command line (program and arguments; arguments with spaces in double quotes)
// in workingDir. When the caller runs as root, the program runs as the desktop user
// (SUDO_UID, PKEXEC_UID, or the owner of the X display) with that user's environment,
// and is not started at all when no such user is known: it must never run elevated. A
// caller that is not root, and a sandbox machine (whose desktop user is whoever runs
// it), start the program as the caller when no desktop user is known. With wait, the call blocks
// up to waitLimitMs for the program to end; a program still running then is killed.
// A program that was not waited for is never left as a zombie. With wait and output, the
// program's standard output is collected there.
LaunchResult launchAsUser(const QString &workingDir, const QString &commandLine, bool wait, int waitLimitMs = 10000,
    QByteArray *output = nullptr);

// Whether launchAsUser has a user to start programs as: false only when the caller runs
// as root on a real machine and no desktop user is known.
bool hasLaunchUser();

} // namespace platform
