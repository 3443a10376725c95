#include "XvfbDisplay.h"

#include <QDeadlineTimer>

namespace {

constexpr int StopWaitMs = 5000;

} // namespace

XvfbDisplay::~XvfbDisplay()
{
    stop();
}

bool XvfbDisplay::start(int timeoutMs)
{
    // With -displayfd the server picks a free display itself and writes its number to
    // that descriptor (here its standard output) once it accepts connections.
    m_server.start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") });
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

void XvfbDisplay::stop()
{
    m_name.clear();
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(StopWaitMs)) {
        m_server.kill();
        m_server.waitForFinished(StopWaitMs);
    }
}

bool XvfbDisplay::fail(const QString &error)
{
    m_error = error;
    stop();
    return false;
}
