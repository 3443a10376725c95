#include "PeerPipe.h"
#include "PeerWindow.h"
#include "Roles.h"
#include "Scenario.h"

#include "platform/NamedMutex.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

// The exit code of a child that could not run or crashed.
constexpr int ChildFailed = 1;

// Starts the program of a "launch" setting as a child, its output passed through, and
// waits for it to end without a limit, as a launcher waits for the program it started.
// Returns the child's exit code. With "detach" the program is started on its own, to
// outlive this one, and not waited for: 0 once it runs.
int launchChild(const QJsonObject &launch)
{
    const QString program = launch.value(QStringLiteral("program")).toString();
    const QStringList arguments = launch.value(QStringLiteral("arguments")).toVariant().toStringList();
    if (launch.value(QStringLiteral("detach")).toBool()) {
        if (QProcess::startDetached(program, arguments))
            return 0;
        std::fprintf(stderr, "launch: %s: cannot start it\n", qUtf8Printable(program));
        return ChildFailed;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(program, arguments);
    if (!child.waitForStarted() || !child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "launch: %s: %s\n", qUtf8Printable(program), qUtf8Printable(child.errorString()));
        return ChildFailed;
    }
    return child.exitCode();
}

} // namespace

int runScript(const QString &pipe, const QStringList &messages, const Scenario &scenario)
{
    QElapsedTimer alive;
    alive.start();
    for (const QString &message : messages) {
        sendToPipe(pipe, message.toUtf8());
        QThread::msleep(ulong(scenario.intValue(QStringLiteral("intervalMs"), 0)));
    }
    const qint64 left = scenario.intValue(QStringLiteral("runMs"), 0) - alive.elapsed();
    if (left > 0)
        QThread::msleep(ulong(left));
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}

int runScripted(const QStringList &, const Scenario &scenario)
{
    // A program that holds a machine-wide lock for its whole run, as another copy of a
    // set-up program holds its single-instance lock.
    std::unique_ptr<platform::NamedMutex> lock;
    const QString lockName = scenario.stringValue(QStringLiteral("holdLock"));
    if (!lockName.isEmpty()) {
        lock = std::make_unique<platform::NamedMutex>(lockName);
        if (!lock->tryLock())
            std::fprintf(stderr, "holdLock: %s is held elsewhere (%d)\n", qUtf8Printable(lockName), lock->error());
    }
    // A program that shows a window while it runs, found by its title.
    std::unique_ptr<PeerWindow> window;
    const QString title = scenario.stringValue(QStringLiteral("window"));
    if (!title.isEmpty()) {
        window = std::make_unique<PeerWindow>(title);
        if (!window->isShown())
            std::fprintf(stderr, "window: %s is not shown: no X display\n", qUtf8Printable(title));
    }
    const QJsonObject launch = scenario.settings().value(QStringLiteral("launch")).toObject();
    const int childCode = launch.isEmpty() ? 0 : launchChild(launch);
    const int ownCode = runScript(
        scenario.stringValue(QStringLiteral("pipe")), scenario.stringList(QStringLiteral("messages")), scenario);
    // A launcher passes its program's exit code on, unless the scenario gives its own.
    const bool passOn = !launch.isEmpty() && !scenario.settings().contains(QStringLiteral("exitCode"));
    return passOn ? childCode : ownCode;
}
