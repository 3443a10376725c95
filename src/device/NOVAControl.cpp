#include "device/NOVAControl.h"

#include "checks/GraphicsChecker.h"

#include <QTimerEvent>

namespace {

constexpr int RetryIntervalMs = 1000;

} // namespace

NOVAControl::NOVAControl(GraphicsChecker *graphicsChecker, QObject *parent)
    : QObject(parent)
    , m_graphicsChecker(graphicsChecker)
{
}

void NOVAControl::loadedPHead01()
{
    if (m_timerId != 0)
        return;
    m_timerId = startTimer(RetryIntervalMs, Qt::CoarseTimer);
    qDebug("[NOVAControl] Timer %d started", m_timerId);
    qDebug("[NOVAControl] DirectMode timer: %d", m_timerId);
}

void NOVAControl::loadedPFinal01()
{
    qDebug("[NOVAControl] Stop timer %d", m_timerId);
    stopTimer();
}

void NOVAControl::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        qWarning("[NOVAControl] Error: Unknown timer ID.");
        return;
    }
    if (!m_done) {
        if (m_graphicsChecker->IsHdmiConnect() && m_graphicsChecker->isDriverSupported()) {
            m_done = m_graphicsChecker->enableDirectMode();
            qDebug(m_done ? "[NOVAControl] enableDirectMode OK" : "[NOVAControl] enableDirectMode fail");
        } else {
            qDebug("[NOVAControl] enableDirectMode() can't enable direct mode");
        }
    }
    if (m_done)
        stopTimer();
}

void NOVAControl::stopTimer()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}
