#include "companions/WaitEventThread.h"

#include "platform/NamedEvent.h"

namespace {

// The wait is cut into slices so that a request to stop is seen promptly.
constexpr int WaitSliceMs = 100;

void logReceived()
{
    qDebug("[WaitEventThread] Recieved \"Global\\\\NovaportLaunched\" event.");
}

} // namespace

const QString WaitEventThread::EventName = QStringLiteral("Global\\NovaportLaunched");

WaitEventThread::WaitEventThread(QObject *parent)
    : QThread(parent)
{
}

WaitEventThread::~WaitEventThread()
{
    requestInterruption();
    wait();
}

void WaitEventThread::clearEvent()
{
    qDebug("[WaitEventThread] Clear event");
    platform::NamedEvent event(EventName);
    if (!event.create(false)) {
        qWarning("[WaitEventThread] ERROR: Cannot open the event, error: %d", event.error());
        return;
    }
    if (event.isSet())
        logReceived();
}

void WaitEventThread::run()
{
    qDebug("[WaitEventThread] Start wait events");
    platform::NamedEvent event(EventName);
    if (!event.create(false)) {
        qWarning("[WaitEventThread] ERROR: Cannot open the event, error: %d", event.error());
        return;
    }
    while (!isInterruptionRequested()) {
        if (event.wait(WaitSliceMs)) {
            logReceived();
            emit prepareToQuit(QStringLiteral("done"));
            return;
        }
    }
}
