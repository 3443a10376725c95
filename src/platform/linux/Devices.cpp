#include "platform/Devices.h"

#include "platform/DeviceParsers.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <dirent.h>

namespace platform::DeviceReader {

namespace {

QByteArray readTrimmed(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// The entries of a folder, sorted; with the system error when it cannot be listed.
QStringList entriesOf(const QString &folder, int *error)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        *error = errno;
        return {};
    }
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            names.append(name);
    }
    ::closedir(dir);
    names.sort();
    *error = 0;
    return names;
}

// A list whose folder is missing is empty: that bus or class is not in this kernel.
QStringList entriesOrNone(const QString &folder, int *error)
{
    const QStringList names = entriesOf(folder, error);
    if (*error == ENOENT)
        *error = 0;
    return names;
}

QString usbDevices(const QString &root)
{
    return root + QStringLiteral("/sys/bus/usb/devices/");
}

// Devices are named "<bus>-<ports>" or, for root hubs, "usb<bus>"; interfaces carry
// ":<configuration>.<interface>".
bool isUsbDevice(const QString &name)
{
    return !name.contains(QLatin1Char(':'));
}

int busOf(const QString &name)
{
    return name.startsWith(QLatin1String("usb")) ? name.midRef(3).toInt()
                                                 : name.section(QLatin1Char('-'), 0, 0).toInt();
}

quint16 readHexId(const QString &path, bool *ok)
{
    return quint16(readTrimmed(path).toUShort(ok, 16));
}

bool hasBoundInterface(const QString &device, const QString &name, int configuration)
{
    int error = 0;
    const QString prefix = name + QStringLiteral(":%1.").arg(configuration);
    const QStringList entries = entriesOf(device, &error);
    // The kernel links "driver" to the bound driver; the link is there only while bound.
    return std::any_of(entries.begin(), entries.end(), [&](const QString &entry) {
        return entry.startsWith(prefix)
            && QFileInfo(device + QLatin1Char('/') + entry + QStringLiteral("/driver")).isSymLink();
    });
}

} // namespace

DeviceList<UsbHub> usbHubs(const QString &root)
{
    DeviceList<UsbHub> hubs;
    QStringList names = entriesOrNone(usbDevices(root), &hubs.error);
    // Bus order puts a USB3 hub's USB 2 twin first: host controllers register their
    // USB 2 bus before the USB3 one.
    std::stable_sort(
        names.begin(), names.end(), [](const QString &a, const QString &b) { return busOf(a) < busOf(b); });
    for (const QString &name : names) {
        const QString device = usbDevices(root) + name;
        if (!isUsbDevice(name) || readTrimmed(device + QStringLiteral("/bDeviceClass")) != "09")
            continue;
        UsbHub hub;
        hub.name = name;
        bool vendorOk = false, productOk = false;
        const quint16 vendor = readHexId(device + QStringLiteral("/idVendor"), &vendorOk);
        const quint16 product = readHexId(device + QStringLiteral("/idProduct"), &productOk);
        if (vendorOk && productOk) {
            const QByteArray serial = readTrimmed(device + QStringLiteral("/serial"));
            hub.devicePath = usbHubDevicePath(vendor, product, serial.isEmpty() ? name : QString::fromUtf8(serial));
        }
        hubs.items.append(hub);
    }
    return hubs;
}

int hubPortCount(const QString &root, const QString &hub)
{
    return readTrimmed(usbDevices(root) + hub + QStringLiteral("/maxchild")).toInt();
}

bool hubPortConnection(const QString &root, const QString &hub, int port, UsbPortConnection *connection, int *error)
{
    const QString hubFolder = usbDevices(root) + hub + QLatin1Char('/');
    const QStringList entries = entriesOf(hubFolder, error);
    if (*error != 0)
        return false;
    *connection = {};
    for (const QString &name : entries) {
        if (!isUsbDevice(name) || !name.contains(QLatin1Char('-')))
            continue;
        const QString child = hubFolder + name;
        if (usbPortFromDevpath(readTrimmed(child + QStringLiteral("/devpath"))) != port)
            continue;
        connection->attached = true;
        connection->configuration = readTrimmed(child + QStringLiteral("/bConfigurationValue")).toInt();
        connection->interfacesBound
            = connection->configuration != 0 && hasBoundInterface(child, name, connection->configuration);
        break;
    }
    return true;
}

DeviceList<QString> hidInterfaces(const QString &root)
{
    const QString hidraw = root + QStringLiteral("/sys/class/hidraw/");
    DeviceList<QString> interfaces;
    for (const QString &node : entriesOrNone(hidraw, &interfaces.error)) {
        // The HID device, "0003:28DE:2000.0001", below the USB interface it came from.
        const QString device = QFileInfo(hidraw + node + QStringLiteral("/device")).canonicalFilePath();
        if (device.isEmpty())
            continue;
        const HidId id = hidIdFromUevent(readTrimmed(device + QStringLiteral("/uevent")));
        if (!id.valid)
            continue;
        int interfaceNumber = -1;
        if (id.bus == HidBusUsb && readTrimmed(device + QStringLiteral("/../../bNumInterfaces")).toInt() > 1)
            interfaceNumber = readTrimmed(device + QStringLiteral("/../bInterfaceNumber")).toInt(nullptr, 16);
        QString instance = QFileInfo(device).fileName().toLower();
        instance.replace(QLatin1Char(':'), QLatin1Char('&')).replace(QLatin1Char('.'), QLatin1Char('&'));
        interfaces.items.append(hidDevicePath(id.vendor, id.product, interfaceNumber, instance));
    }
    return interfaces;
}

} // namespace platform::DeviceReader
