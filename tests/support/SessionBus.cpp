#include "SessionBus.h"

#include <QDeadlineTimer>
#include <QFile>

#include <unistd.h>

SessionBus::~SessionBus()
{
    stopProcess(m_daemon);
}

bool SessionBus::start(int timeoutMs)
{
    return startDaemon({}, timeoutMs);
}

bool SessionBus::startAs(uint uid, int timeoutMs)
{
    if (m_dir.isValid() && ::chown(QFile::encodeName(m_dir.path()).constData(), uid, uid) != 0)
        return fail(QStringLiteral("cannot give the bus folder to uid %1").arg(uid));
    const QString id = QString::number(uid);
    return startDaemon({ QStringLiteral("setpriv"), QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                           QStringLiteral("--clear-groups") },
        timeoutMs);
}

bool SessionBus::startDaemon(QStringList command, int timeoutMs)
{
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder for the bus: ") + m_dir.errorString());
    // The session configuration, listening in our folder instead of its own; the
    // daemon prints its address once it accepts connections.
    command << QStringLiteral("dbus-daemon") << QStringLiteral("--session") << QStringLiteral("--nofork")
            << QStringLiteral("--print-address") << QStringLiteral("--address=unix:dir=") + m_dir.path();
    m_daemon.start(command.takeFirst(), command);
    if (!m_daemon.waitForStarted(timeoutMs))
        return fail(QStringLiteral("dbus-daemon does not start: ") + m_daemon.errorString());
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_daemon.canReadLine()) {
        if (deadline.hasExpired() || !m_daemon.waitForReadyRead(int(deadline.remainingTime())))
            return fail(QStringLiteral("dbus-daemon names no address: ")
                + QString::fromLocal8Bit(m_daemon.readAllStandardError()).trimmed());
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine().trimmed());
    m_environment.set("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}

bool SessionBus::fail(const QString &error)
{
    m_error = error;
    stopProcess(m_daemon);
    return false;
}
