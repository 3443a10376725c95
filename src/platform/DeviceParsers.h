#pragma once

#include <QByteArray>
#include <QString>

// Pure parsers and composers of what the device readers find in sysfs; they touch no
// file, so tests feed them captured texts.
namespace platform {

// The ids of a HID device from the "HID_ID=0003:000028DE:00002000" line of its uevent.
struct HidId {
    bool valid = false;
    quint16 bus = 0; // 0x0003 USB, 0x0005 Bluetooth
    quint16 vendor = 0;
    quint16 product = 0;
};
HidId hidIdFromUevent(const QByteArray &uevent);

constexpr quint16 HidBusUsb = 0x0003;

// The port a USB device is attached to: the last number of its "devpath" ("2.5" gives
// 5, "3" gives 3); 0 when the text is not a device path.
int usbPortFromDevpath(const QByteArray &devpath);

// "\\?\USB#VID_0BB4&PID_2134#<instance>#{f18a0e88-c30c-11d0-8815-00a0c906bed8}": the
// path of a USB hub's device interface.
QString usbHubDevicePath(quint16 vendor, quint16 product, const QString &instance);

// "\\?\HID#VID_28DE&PID_2000&MI_00#<instance>#{4d1e55b2-f16f-11cf-88cb-001111000030}":
// the path of a HID interface; interfaceNumber < 0 leaves "MI_" out, as for a device
// with a single interface.
QString hidDevicePath(quint16 vendor, quint16 product, int interfaceNumber, const QString &instance);

} // namespace platform
