#include "FakeDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>

namespace FakeDevices {

namespace {

// Subsystems that are buses (their devices are listed in /sys/bus/<name>/devices); the
// others are classes (/sys/class/<name>).
const QList<QByteArray> Buses = { "usb", "hid", "pci", "platform", "i2c", "serio" };

const QString Controller = QStringLiteral("/devices/pci0000:00/0000:00:14.0");

QByteArray unescaped(const QByteArray &value)
{
    QByteArray text;
    for (int i = 0; i < value.size(); ++i) {
        if (value.at(i) == '\\' && i + 1 < value.size()) {
            const char next = value.at(++i);
            text.append(next == 'n' ? '\n' : next);
        } else {
            text.append(value.at(i));
        }
    }
    return text;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

bool makeLink(const QString &path, const QString &target)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    return QFile::link(target, path);
}

// The link from a bus or class list to a device: relative, as in sysfs.
QString listLink(const QByteArray &subsystem, const QString &devicePath, QString *listEntry)
{
    const QString name = devicePath.section(QLatin1Char('/'), -1);
    const QString subsystemName = QString::fromLatin1(subsystem);
    if (Buses.contains(subsystem)) {
        *listEntry = QStringLiteral("/sys/bus/") + subsystemName + QStringLiteral("/devices/") + name;
        return QStringLiteral("../../..") + devicePath;
    }
    *listEntry = QStringLiteral("/sys/class/") + subsystemName + QLatin1Char('/') + name;
    return QStringLiteral("../..") + devicePath;
}

bool loadDevice(const QList<QByteArray> &lines, const QString &root, QString *error)
{
    QString devicePath;
    QByteArray uevent;
    QByteArray subsystem;
    for (const QByteArray &line : lines) {
        if (line.size() < 3 || line.at(1) != ':' || line.at(2) != ' ')
            return fail(error, QStringLiteral("not a recording line: ") + QString::fromUtf8(line));
        const char type = line.at(0);
        const QByteArray rest = line.mid(3);
        if (type == 'P') {
            devicePath = QString::fromUtf8(rest);
            continue;
        }
        if (devicePath.isEmpty())
            return fail(error, QStringLiteral("a device without its P: line"));
        const int equals = rest.indexOf('=');
        const QByteArray name = rest.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : rest.mid(equals + 1);
        const QString file = root + QStringLiteral("/sys") + devicePath + QLatin1Char('/') + QString::fromUtf8(name);
        bool written = true;
        switch (type) {
        case 'E':
            uevent += rest + '\n';
            if (name == "SUBSYSTEM")
                subsystem = value;
            break;
        case 'A':
            written = writeFile(file, unescaped(value));
            break;
        case 'H':
            written = writeFile(file, QByteArray::fromHex(value));
            break;
        case 'L':
            written = makeLink(file, QString::fromUtf8(value));
            break;
        case 'N':
        case 'S':
            break;
        default:
            return fail(error, QStringLiteral("unknown line type: ") + QString::fromUtf8(line));
        }
        if (!written)
            return fail(error, QStringLiteral("cannot write ") + file);
    }
    if (devicePath.isEmpty())
        return true;
    const QString folder = root + QStringLiteral("/sys") + devicePath;
    if (!writeFile(folder + QStringLiteral("/uevent"), uevent))
        return fail(error, QStringLiteral("cannot write ") + folder + QStringLiteral("/uevent"));
    if (subsystem.isEmpty())
        return true;
    QString entry;
    const QString target = listLink(subsystem, devicePath, &entry);
    return makeLink(root + entry, target) || fail(error, QStringLiteral("cannot link ") + entry);
}

QString nameOf(const QString &path)
{
    return path.section(QLatin1Char('/'), -1);
}

QByteArray hex4(quint16 id)
{
    return QByteArray::number(id, 16).rightJustified(4, '0');
}

// The relative path from a device's folder up to /sys.
QByteArray upToSys(const QString &path)
{
    return QByteArray("../").repeated(path.count(QLatin1Char('/')));
}

} // namespace

bool load(const QByteArray &recording, const QString &root, QString *error)
{
    QList<QByteArray> device;
    for (const QByteArray &line : recording.split('\n')) {
        if (!line.trimmed().isEmpty()) {
            device.append(line);
            continue;
        }
        if (!loadDevice(device, root, error))
            return false;
        device.clear();
    }
    return loadDevice(device, root, error);
}

Recording::Device &Recording::add(const QString &path)
{
    m_devices.append({ path, {} });
    return m_devices.last();
}

QString Recording::rootHub(int bus)
{
    const QString path = Controller + QStringLiteral("/usb%1").arg(bus);
    Device &hub = add(path);
    hub.lines = { { "E", "DEVTYPE=usb_device" }, { "E", "SUBSYSTEM=usb" }, { "A", "bDeviceClass=09" },
        { "A", "idVendor=1d6b" }, { "A", "idProduct=0002" }, { "A", "bConfigurationValue=1" },
        { "A", "bNumInterfaces= 1" }, { "A", "devpath=0" }, { "A", "maxchild=16" },
        { "A", "busnum=" + QByteArray::number(bus) }, { "L", "driver=" + upToSys(path) + "bus/usb/drivers/usb" } };
    return path;
}

QString Recording::device(const QString &hubPath, int port, quint16 vendor, quint16 product, int interfaces,
    const QByteArray &configuration, int maxchild)
{
    const QString hubName = nameOf(hubPath);
    const bool onRootHub = hubName.startsWith(QLatin1String("usb"));
    const QString bus = onRootHub ? hubName.mid(3) : hubName.section(QLatin1Char('-'), 0, 0);
    const QString hubDevpath = onRootHub ? QString() : hubName.section(QLatin1Char('-'), 1);
    const QString devpath
        = hubDevpath.isEmpty() ? QString::number(port) : hubDevpath + QLatin1Char('.') + QString::number(port);
    const QString path = hubPath + QLatin1Char('/') + bus + QLatin1Char('-') + devpath;
    Device &device = add(path);
    device.lines = { { "E", "DEVTYPE=usb_device" }, { "E", "SUBSYSTEM=usb" },
        { "A", "bDeviceClass=" + QByteArray(maxchild > 0 ? "09" : "00") }, { "A", "idVendor=" + hex4(vendor) },
        { "A", "idProduct=" + hex4(product) }, { "A", "bConfigurationValue=" + configuration },
        { "A", "bNumInterfaces=" + QByteArray::number(interfaces).rightJustified(2, ' ') },
        { "A", "devpath=" + devpath.toLatin1() }, { "A", "devnum=" + QByteArray::number(++m_devnum) },
        { "A", "maxchild=" + QByteArray::number(maxchild) }, { "A", "busnum=" + bus.toLatin1() },
        { "L", "driver=" + upToSys(path) + "bus/usb/drivers/usb" } };
    return path;
}

QString Recording::interface(const QString &devicePath, int number, const QByteArray &driver)
{
    const QString path = devicePath + QLatin1Char('/') + nameOf(devicePath) + QStringLiteral(":1.%1").arg(number);
    Device &interface = add(path);
    interface.lines = { { "E", "DEVTYPE=usb_interface" }, { "E", "SUBSYSTEM=usb" }, { "A", "bInterfaceClass=03" },
        { "A", "bInterfaceNumber=" + QByteArray::number(number, 16).rightJustified(2, '0') } };
    if (!driver.isEmpty())
        interface.lines.append({ "L", "driver=" + upToSys(path) + "bus/usb/drivers/" + driver });
    return path;
}

void Recording::hidraw(const QString &interfacePath, quint16 vendor, quint16 product, quint16 bus)
{
    const QByteArray hidName = QByteArray::number(bus, 16).rightJustified(4, '0').toUpper() + ':'
        + hex4(vendor).toUpper() + ':' + hex4(product).toUpper() + '.'
        + QByteArray::number(m_hidraw + 1, 16).rightJustified(4, '0').toUpper();
    const QString hidPath = interfacePath + QLatin1Char('/') + QString::fromLatin1(hidName);
    Device &hid = add(hidPath);
    hid.lines = { { "E", "SUBSYSTEM=hid" },
        { "E", "HID_ID=" + hidName.left(4) + ":0000" + hex4(vendor).toUpper() + ":0000" + hex4(product).toUpper() } };
    const QString node = QStringLiteral("hidraw%1").arg(m_hidraw++);
    Device &raw = add(hidPath + QStringLiteral("/hidraw/") + node);
    raw.lines = { { "E", "SUBSYSTEM=hidraw" }, { "L", "device=../../../" + hidName } };
}

void Recording::setAttribute(const QString &path, const QByteArray &name, const QByteArray &value)
{
    for (Device &device : m_devices) {
        if (device.path != path)
            continue;
        for (int i = device.lines.size() - 1; i >= 0; --i) {
            if (device.lines.at(i).first == "A" && device.lines.at(i).second.startsWith(name + '='))
                device.lines.removeAt(i);
        }
        if (!value.isNull())
            device.lines.append({ "A", name + '=' + value });
    }
}

QByteArray Recording::text() const
{
    QByteArray text;
    for (const Device &device : m_devices) {
        text += "P: " + device.path.toUtf8() + '\n';
        for (const auto &[type, line] : device.lines)
            text += type + ": " + line + '\n';
        text += '\n';
    }
    return text;
}

} // namespace FakeDevices
