#include "device/NovaDetect.h"

#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "device/DetectWorker.h"

#include <QTimerEvent>

#include <utility>

namespace {

constexpr int PollIntervalMs = 1000;

// The fields in their order, with the name the log gives each.
const std::pair<const char *, qint32 DEVICE_INFO::*> Fields[] = {
    { "dsRootHub", &DEVICE_INFO::dsRootHub },
    { "dsKeltMcu", &DEVICE_INFO::dsKeltMcu },
    { "dsValveMcu1", &DEVICE_INFO::dsValveMcu1 },
    { "dsValveMcu2", &DEVICE_INFO::dsValveMcu2 },
    { "dsController1", &DEVICE_INFO::dsController1 },
    { "dsController2", &DEVICE_INFO::dsController2 },
    { "dsHdmi", &DEVICE_INFO::dsHdmi },
};

bool usbComplete(const DEVICE_INFO &status)
{
    for (const auto &field : Fields) {
        if (field.second != &DEVICE_INFO::dsHdmi && status.*field.second != 3)
            return false;
    }
    return true;
}

} // namespace

CNovaDetect::CNovaDetect(QObject *root, GraphicsChecker *graphicsChecker, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_removeDriver(root)
{
    qRegisterMetaType<DEVICE_INFO>("DEVICE_INFO");
    if (auto *worker = m_workerThread.prepare<DetectWorker>(graphicsChecker)) {
        connect(this, &CNovaDetect::detectStatus, worker, &DetectWorker::onDetectStatus);
        connect(worker, &DetectWorker::returnStatus, this, &CNovaDetect::onReturnStatus);
        m_workerThread.startThread();
    }
}

// The worker thread stops within WorkerThread's limit, even in the middle of a pass;
// the polling timer goes with this object.
CNovaDetect::~CNovaDetect() = default;

// A second call while polling keeps the running timer: the page is the same page.
void CNovaDetect::loadedPHead04()
{
    if (m_timerId == 0)
        m_timerId = startTimer(PollIntervalMs, Qt::CoarseTimer);
}

void CNovaDetect::onReturnStatus(DEVICE_INFO diStatus)
{
    m_status = diStatus;
    for (const auto &[name, field] : Fields)
        qDebug("[CNovaDetect] %s status: %d", name, diStatus.*field);
    QObject *page = QmlNames::find(QmlNames::find(m_root, QmlNames::pageLoader), QmlNames::pHead04);
    if (!page) {
        qWarning("[CNovaDetect] pPHead04 invalid");
        return;
    }
    QmlCall::call(page, QmlNames::setStatus, usbComplete(diStatus), diStatus.dsHdmi);
}

void CNovaDetect::onStopDMTimer()
{
    qDebug("[NovaDetect] onStopDMTimer()");
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

void CNovaDetect::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        qWarning("[NovaDetect] Error: Unknown timer ID.");
        return;
    }
    emit detectStatus();
}
