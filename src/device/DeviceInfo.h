#pragma once

#include <QMetaType>
#include <QtGlobal>

// The state of the headset's parts after one detection pass. The first six fields:
// 0 not found; 1 found on its hub port, configured and in use (for dsRootHub: the hub
// is there); 2 something is attached on its port but not configured or not in use;
// 3 its HID interface is there (for dsRootHub: all five functions are 3). dsHdmi: 1 when
// the headset's display is connected, else 0.
struct DEVICE_INFO {
    qint32 dsRootHub = 0;
    qint32 dsKeltMcu = 0;
    qint32 dsValveMcu1 = 0;
    qint32 dsValveMcu2 = 0;
    qint32 dsController1 = 0;
    qint32 dsController2 = 0;
    qint32 dsHdmi = 0;
};

Q_DECLARE_METATYPE(DEVICE_INFO)
