#pragma once

#include "device/DeviceInfo.h"

#include <QObject>
#include <QString>

class GraphicsChecker;

// One headset detection pass per request, on a thread of its own: the headset's USB hub
// and what each of its ports has attached, the headset's HID interfaces, and its
// display among the monitors or, failing that, as the graphics driver sees it. Passes
// queue on the thread, so a slow one delays the next instead of overlapping it.
class DetectWorker : public QObject {
    Q_OBJECT

public:
    explicit DetectWorker(GraphicsChecker *graphicsChecker, QObject *parent = nullptr);

signals:
    void returnStatus(DEVICE_INFO diStatus);

public slots:
    void onDetectStatus();

private:
    void openHub();
    void readHubPorts();
    void readHidInterfaces();
    void readDisplay();
    void setPortStatus(int port, qint32 status);

    GraphicsChecker *const m_graphicsChecker;
    const QString m_hardwareRoot;
    QString m_hub; // the open hub's name on its bus; empty when none
    DEVICE_INFO m_status;
};
