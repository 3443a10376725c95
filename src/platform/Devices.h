#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The USB and HID devices of the PC, as the headset detection asks for them: the USB
// hubs, what each port of a hub has attached, and the HID interfaces. Device paths are
// composed as the Windows device interfaces name them ("\\?\USB#VID_0BB4&PID_2134#...",
// "\\?\HID#VID_28DE&PID_2000&MI_00#..."), so callers search them for the same
// identifiers on every system.
namespace platform {

struct UsbHub {
    QString name; // the device's name on its bus ("1-2"), by which its ports are asked
    QString devicePath; // empty when the hub's ids could not be read
};

// What is attached to one port of a hub.
struct UsbPortConnection {
    bool attached = false;
    int configuration = 0; // the active configuration value, 0 while not configured
    bool interfacesBound = false; // drivers serve its interfaces: its pipes are open
};

// A list of devices, or the system error (errno) that kept it from being read.
template<typename Item> struct DeviceList {
    QList<Item> items;
    int error = 0;
};

// The readers, below a root folder ("/" on a real PC, Machine::hardwareRoot() in a
// sandbox), so tests can point them at a fake tree.
namespace DeviceReader {

// The USB hubs of /sys/bus/usb/devices, in bus order. A PC without a USB bus has none;
// an error only when the listing itself cannot be read.
DeviceList<UsbHub> usbHubs(const QString &root);
// The number of downstream ports of a hub ("maxchild"); 0 when it cannot be read.
int hubPortCount(const QString &root, const QString &hub);
// What is attached to port 1..hubPortCount of a hub; false with the system error when
// the hub cannot be asked (it went away).
bool hubPortConnection(const QString &root, const QString &hub, int port, UsbPortConnection *connection, int *error);
// The HID interfaces of /sys/class/hidraw, as device paths.
DeviceList<QString> hidInterfaces(const QString &root);

} // namespace DeviceReader

} // namespace platform
