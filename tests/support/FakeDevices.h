#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Fake device trees for the device readers, below a root folder that stands for "/".
namespace FakeDevices {

// Writes a recording in umockdev's text format below root, as umockdev's test bed
// replays it: per device ("P:" line, blocks separated by a blank line) its folder below
// root/sys, its attributes ("A:" text with \n escapes, "H:" hexadecimal bytes) and links
// ("L:") as files, its properties ("E:") as its uevent, and its entry in
// /sys/bus/<subsystem>/devices or /sys/class/<subsystem>. "N:" and "S:" lines (device
// nodes) are skipped: the readers never open them. False, with the reason in *error,
// when a line is not understood or a file cannot be written.
bool load(const QByteArray &recording, const QString &root, QString *error = nullptr);

// Builds recordings of USB hubs, the devices on their ports and their HID interfaces,
// with the attributes a kernel gives them (in umockdev-record's format, for load()).
class Recording {
public:
    // The root hub of a bus below the PC's USB host controller: "/devices/.../usb1".
    QString rootHub(int bus);
    // A device on port of the hub at hubPath; its path. configuration: the text of
    // bConfigurationValue ("" while the device is not configured); maxchild > 0 makes
    // it a hub.
    QString device(const QString &hubPath, int port, quint16 vendor, quint16 product, int interfaces = 1,
        const QByteArray &configuration = "1", int maxchild = 0);
    // An interface of the device at devicePath in its configuration 1; driver empty:
    // bound to none.
    QString interface(const QString &devicePath, int number, const QByteArray &driver);
    // A HID device below the USB interface at interfacePath, with its hidraw node.
    void hidraw(const QString &interfacePath, quint16 vendor, quint16 product, quint16 bus = 0x0003);
    // A device's attribute, added to or replacing the recorded one; a null value leaves
    // it out.
    void setAttribute(const QString &path, const QByteArray &name, const QByteArray &value);

    QByteArray text() const;

private:
    struct Device {
        QString path;
        QList<QPair<QByteArray, QByteArray>> lines; // type ("E", "A", "L") and "name=value"
    };
    Device &add(const QString &path);

    QList<Device> m_devices;
    int m_hidraw = 0;
    int m_devnum = 1;
};

} // namespace FakeDevices
