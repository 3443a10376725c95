#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Pure parsers of the texts the hardware readers find on the system. They take the
// bytes as read and never touch a file, so tests feed them captured samples.
namespace platform {

struct PciNames {
    QString vendor; // "NVIDIA Corporation"; empty when the vendor is not listed
    QString device; // "GP104 [GeForce GTX 1080]"; empty when the device is not listed
};

// Looks a vendor and device id up in the text of a pci.ids database.
PciNames pciNames(const QByteArray &pciIds, quint16 vendorId, quint16 deviceId);

// The Windows-style device instance id: "PCI\VEN_10DE&DEV_1B80&SUBSYS_85AA1043&REV_A1".
QString pnpDeviceId(
    quint16 vendorId, quint16 deviceId, quint16 subsystemVendorId, quint16 subsystemDeviceId, quint8 revision);

// The text of a device instance id between marker ("VEN_", "DEV_") and the next '&';
// empty when the marker is missing.
QString pnpField(const QString &pnpDeviceId, const QString &marker);

// The monitor id of an EDID base block: "MONITOR\" + the three manufacturer letters +
// the product code in four hexadecimal digits ("MONITOR\TSB8888"). Empty when the bytes
// are not an EDID.
QString monitorIdFromEdid(const QByteArray &edid);

// The three letters of a packed EDID manufacturer code (0x5262 gives "TSB").
QString edidManufacturerLetters(quint16 code);

// The driver version in /proc/driver/nvidia/version ("515.76", "580.95.05"); empty
// when the text names none.
QString nvidiaVersionFromProc(const QByteArray &text);

// The number NVIDIA's driver interface reports for a version: major * 100 + minor, so
// "431.60" gives 43160 and "550.54.15" gives 55054. Linux drivers have three-digit
// minors ("535.183.01"); they count as 99, which keeps the order of versions without
// reaching the next major. A missing minor counts as 0; text that is not a version
// gives 0.
quint32 nvidiaVersionNumber(const QString &version);

// The numeric part of a kernel release ("6.1.0-18-amd64" gives "6.1.0"), as
// /proc/sys/kernel/osrelease holds it; empty when the text does not start with one.
QString kernelVersionFromRelease(const QByteArray &release);

// Sizes in bytes of the populated memory slots in udev's database entry of the DMI
// device (lines "E:MEMORY_DEVICE_<n>_SIZE=<bytes>", empty slots "..._PRESENT=0").
QList<qint64> memoryBanksFromUdev(const QByteArray &udevData);

// MemTotal of /proc/meminfo in bytes, or 0.
qint64 memTotalFromMeminfo(const QByteArray &meminfo);

} // namespace platform
