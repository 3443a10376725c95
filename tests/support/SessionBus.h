#pragma once

#include "SandboxMachine.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A session bus of the test's own: a dbus-daemon listening in a temporary folder, named
// by DBUS_SESSION_BUS_ADDRESS while it runs (for this process and the programs it
// starts). The daemon ends, and the variable is restored, with the object.
class SessionBus {
public:
    SessionBus() = default;
    ~SessionBus();
    SessionBus(const SessionBus &) = delete;
    SessionBus &operator=(const SessionBus &) = delete;

    // Starts the daemon and waits until it names its address.
    bool start(int timeoutMs = 10000);
    // The same, with the daemon running as another user (for a test run by root): the
    // bus of a desktop user whom root works for.
    bool startAs(uint uid, int timeoutMs = 10000);
    QString address() const { return m_address; }
    QString errorString() const { return m_error; }

private:
    // Runs the daemon after a command prefix: none, or one that runs it as another user.
    bool startDaemon(QStringList command, int timeoutMs);
    bool fail(const QString &error);

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
    ScopedEnvironment m_environment;
};
