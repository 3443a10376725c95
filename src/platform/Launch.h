#pragma once

#include <QString>

namespace platform {

struct LaunchResult {
    enum Status {
        Started, // running, not waited for
        Finished, // waited for and ended; exitCode holds its code
        TimedOut, // waited for, ran past the limit and was terminated
        StartFailed, // could not be created; error holds errno
    };
    Status status = StartFailed;
    int exitCode = -1;
    int error = 0;
};

// Starts a command line (program and arguments; arguments with spaces in double quotes)
// in workingDir. When the caller runs as root and a desktop user is known (SUDO_UID,
// PKEXEC_UID, or the owner of the X display), the program runs as that user with
// that user's environment; otherwise it runs as the caller. With wait, the call blocks
// up to waitLimitMs for the program to end; a program still running then is killed.
// A program that was not waited for is never left as a zombie.
LaunchResult launchAsUser(const QString &workingDir, const QString &commandLine, bool wait, int waitLimitMs = 10000);

} // namespace platform
