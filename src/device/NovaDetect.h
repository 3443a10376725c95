#pragma once

#include "core/WorkerThread.h"
#include "device/DeviceInfo.h"
#include "device/RemoveDriver.h"

#include <QObject>

class GraphicsChecker;

// Polls once a second, while the headset page is shown, whether the headset is plugged
// in and each of its USB functions works, and tells the page through its "setStatus":
// whether the USB side is complete, and whether the display is connected. The passes
// run on a worker thread of its own; this object lives on the user-interface thread.
class CNovaDetect : public QObject {
    Q_OBJECT

public:
    CNovaDetect(QObject *root, GraphicsChecker *graphicsChecker, QObject *parent = nullptr);
    ~CNovaDetect() override;

    DEVICE_INFO lastStatus() const { return m_status; }
    bool isPolling() const { return m_timerId != 0; }

signals:
    void detectStatus();

public slots:
    void loadedPHead04();
    void onReturnStatus(DEVICE_INFO diStatus);
    void onStopDMTimer();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QObject *const m_root;
    // Removes stale headset drivers when asked; outlives the detection's thread.
    CRemoveDriver m_removeDriver;
    WorkerThread m_workerThread { "[NovaDetect]", "worker thread" };
    int m_timerId = 0;
    DEVICE_INFO m_status;
};
