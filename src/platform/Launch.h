#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

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
    bool crashed = false; // Finished by a signal; exitCode is then 128 + its number
    int error = 0;
};

// A program to start with the caller's own rights and environment.
struct StartRequest {
    QString program; // a path, or a name looked up in PATH
    QStringList arguments;
    QString workingDir; // empty: the caller's
    bool wait = true;
    int waitLimitMs = 10000;
    QByteArray *output = nullptr; // waited for: receives the program's standard output
    // Standard input, error and (unless collected) output: the caller's own, or /dev/null.
    bool inheritStreams = false;
    bool newSession = false; // a session of its own, away from the caller's terminal
    std::function<bool()> stopWaiting; // asked while waiting; true ends the wait as the limit does
};

// Starts a program without copying the caller's memory (no fork), with no signal
// blocked and every signal at its default action. With wait, the call blocks up to
// waitLimitMs (or until stopWaiting answers true) for the program to end; a program
// still running then is killed and the result is TimedOut. A program that was not waited
// for is never left as a zombie.
LaunchResult startProgram(const StartRequest &request);

// A program started as startProgram starts it, whose end is awaited later: the caller
// goes on with its own work meanwhile. The request's wait and output do not count.
class StartedProgram {
public:
    explicit StartedProgram(const StartRequest &request);
    // A program still running is killed and collected.
    ~StartedProgram();
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;

    // False when the program could not be started (finish() then gives the error).
    bool started() const { return m_started; }
    // Waits up to waitLimitMs for the program to end, as a waited startProgram does
    // (killed at the limit: TimedOut). StartFailed when it never started. The first
    // call decides; later ones repeat its result.
    LaunchResult finish(int waitLimitMs);

private:
    int m_pid = -1; // while the program is not yet collected
    bool m_started = false;
    LaunchResult m_result;
};

// Starts a command line (program and arguments; arguments with spaces in double quotes)
// in workingDir. When the caller runs as root, the program runs as the desktop user
// (SUDO_UID, PKEXEC_UID, or the owner of the X display) with that user's environment,
// and is not started at all when no such user is known: it must never run elevated. A
// caller that is not root, and a sandbox machine (whose desktop user is whoever runs
// it), start the program as the caller when no desktop user is known. With wait, the call blocks
// up to waitLimitMs for the program to end; a program still running then is killed.
// A program that was not waited for is never left as a zombie. With wait and output, the
// program's standard output is collected there. The program runs in a session of its
// own with the caller's standard streams and, as startProgram's, with clean signals;
// only a switch to the desktop user forks the caller.
LaunchResult launchAsUser(const QString &workingDir, const QString &commandLine, bool wait, int waitLimitMs = 10000,
    QByteArray *output = nullptr);

// Whether launchAsUser has a user to start programs as: false only when the caller runs
// as root on a real machine and no desktop user is known.
bool hasLaunchUser();

} // namespace platform
