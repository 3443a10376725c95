#include "XvfbDisplay.h"

#include "SandboxMachine.h"

#include <QDeadlineTimer>

XvfbDisplay::~XvfbDisplay()
{
    stop();
}

bool XvfbDisplay::start(int timeoutMs)
{
    // With -displayfd the server picks a free display itself and writes its number to
    // that descriptor (here its standard output) once it accepts connections. With
    // -noreset it does not start afresh each time its last client leaves, refusing
    // connections meanwhile.
    m_server.start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
            QStringLiteral("-noreset") });
    if (!m_server.waitForStarted(timeoutMs))
        return fail(QStringLiteral("Xvfb does not start: ") + m_server.errorString());
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_server.canReadLine()) {
        if (deadline.hasExpired() || !m_server.waitForReadyRead(int(deadline.remainingTime())))
            return fail(
                QStringLiteral("Xvfb names no display: ") + QString::fromLocal8Bit(m_server.readAllStandardError()));
    }
    bool isNumber = false;
    const int display = m_server.readLine().trimmed().toInt(&isNumber);
    if (!isNumber)
        return fail(QStringLiteral("Xvfb names no display number"));
    m_name = QLatin1Char(':') + QString::number(display);
    return true;
}

bool XvfbDisplay::startWindowManager(int timeoutMs)
{
    if (m_name.isEmpty()) {
        m_error = QStringLiteral("no display for the window manager");
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    m_windowManager.setProcessEnvironment(environment);
    if (!startAndWaitForLine(m_windowManager, builtProgram(QStringLiteral("nova-test-wm")), {}, "ready", timeoutMs)) {
        m_error = QStringLiteral("nova-test-wm does not manage the display: ")
            + QString::fromLocal8Bit(m_windowManager.readAllStandardError()).trimmed();
        stopProcess(m_windowManager);
        return false;
    }
    return true;
}

void XvfbDisplay::stop()
{
    m_name.clear();
    stopProcess(m_windowManager);
    stopProcess(m_server);
}

bool XvfbDisplay::fail(const QString &error)
{
    m_error = error;
    stop();
    return false;
}
