#include "platform/Hardware.h"
#include "platform/HardwareParsers.h"

#include "DrmConnector.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace platform::HardwareReader {

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray readTrimmed(const QString &path)
{
    return readFile(path).trimmed();
}

// sysfs prints ids as "0x10de".
quint16 readHexId(const QString &path)
{
    return quint16(readTrimmed(path).toUInt(nullptr, 16));
}

QString name(const QString &known, const char *kind, quint16 id)
{
    return known.isEmpty() ? QString::asprintf("%s %04x", kind, unsigned(id)) : known;
}

QStringList sortedEntries(const QString &folder, const QStringList &filters = {})
{
    return QDir(folder).entryList(filters, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// The version of the adapter's driver.
QString driverVersionOf(const QString &root, const QString &device, const QString &driver)
{
    // amdgpu, from the kernel or built for it, has no version in the numbering of the
    // vendor's Windows driver, and neither has the Mesa release above it; the kernel it
    // runs in says what it can do for a headset (see the graphics checker).
    if (driver == QLatin1String("amdgpu"))
        return kernelVersionFromRelease(readFile(root + QStringLiteral("/proc/sys/kernel/osrelease")));
    return QString::fromUtf8(readTrimmed(device + QStringLiteral("/driver/module/version")));
}

} // namespace

QString pciIdsPath(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QList<GpuAdapter> gpus(const QString &root, const QStringList &pciIdsCandidates)
{
    const QString devices = root + QStringLiteral("/sys/bus/pci/devices/");
    QByteArray pciIds;
    QList<GpuAdapter> adapters;
    for (const QString &slot : sortedEntries(devices)) {
        const QString device = devices + slot;
        // Base class 0x03: display controller (VGA, XGA, 3D, other).
        if (!readTrimmed(device + QStringLiteral("/class")).startsWith("0x03"))
            continue;
        if (pciIds.isNull())
            pciIds = readFile(pciIdsPath(pciIdsCandidates));
        GpuAdapter adapter;
        adapter.slot = slot;
        adapter.vendorId = readHexId(device + QStringLiteral("/vendor"));
        const quint16 deviceId = readHexId(device + QStringLiteral("/device"));
        adapter.pnpDeviceId
            = pnpDeviceId(adapter.vendorId, deviceId, readHexId(device + QStringLiteral("/subsystem_vendor")),
                readHexId(device + QStringLiteral("/subsystem_device")),
                quint8(readHexId(device + QStringLiteral("/revision"))));
        const PciNames names = pciNames(pciIds, adapter.vendorId, deviceId);
        adapter.name = name(names.vendor, "Vendor", adapter.vendorId) + QLatin1Char(' ')
            + name(names.device, "Device", deviceId);
        adapter.driver = QFileInfo(QFileInfo(device + QStringLiteral("/driver")).canonicalFilePath()).fileName();
        adapter.driverVersion = driverVersionOf(root, device, adapter.driver);
        // Only amdgpu reports its video memory in sysfs.
        adapter.memoryMiB = std::ldexp(readTrimmed(device + QStringLiteral("/mem_info_vram_total")).toDouble(), -20);
        adapters.append(adapter);
    }
    return adapters;
}

QList<qint64> memoryBanks(const QString &root)
{
    const QList<qint64> modules = memoryBanksFromUdev(readFile(root + QStringLiteral("/run/udev/data/+dmi:id")));
    if (!modules.isEmpty())
        return modules;

    const QString blocks = root + QStringLiteral("/sys/devices/system/memory/");
    const qint64 blockSize = readTrimmed(blocks + QStringLiteral("block_size_bytes")).toLongLong(nullptr, 16);
    qint64 online = 0;
    for (const QString &block : sortedEntries(blocks, { QStringLiteral("memory*") })) {
        if (readTrimmed(blocks + block + QStringLiteral("/online")) == "1")
            online += blockSize;
    }
    if (online > 0)
        return { online };

    const qint64 total = memTotalFromMeminfo(readFile(root + QStringLiteral("/proc/meminfo")));
    if (total <= 0)
        return {};
    const qint64 gib = qint64(1) << 30;
    return { (total + gib - 1) / gib * gib };
}

QString nvidiaDriverVersion(const QString &root)
{
    const QByteArray module = readTrimmed(root + QStringLiteral("/sys/module/nvidia/version"));
    if (!module.isEmpty())
        return QString::fromUtf8(module);
    return nvidiaVersionFromProc(readFile(root + QStringLiteral("/proc/driver/nvidia/version")));
}

QList<DisplayAdapter> displayAdapters(const QString &root)
{
    static const QRegularExpression card(QStringLiteral("^card(\\d+)$"));
    const QString drm = root + QStringLiteral("/sys/class/drm/");
    QList<DisplayAdapter> adapters;
    for (const QString &cardName : sortedEntries(drm, { QStringLiteral("card*") })) {
        if (!card.match(cardName).hasMatch())
            continue;
        DisplayAdapter adapter;
        adapter.name = cardName;
        // Asked only once a monitor is found: a card without one needs no DRM access.
        std::optional<QHash<QString, bool>> nonDesktop;
        const QString prefix = cardName + QLatin1Char('-');
        for (const QString &connector : sortedEntries(drm, { prefix + QLatin1Char('*') })) {
            const QString path = drm + connector;
            if (readTrimmed(path + QStringLiteral("/status")) != "connected")
                continue;
            Monitor monitor;
            monitor.id = monitorIdFromEdid(readFile(path + QStringLiteral("/edid")));
            if (monitor.id.isEmpty())
                continue;
            if (!nonDesktop)
                nonDesktop = nonDesktopConnectors(root + QStringLiteral("/dev/dri/") + cardName);
            monitor.nonDesktop = nonDesktop->value(connector.mid(prefix.size()));
            adapter.monitors.append(monitor);
        }
        adapters.append(adapter);
    }
    return adapters;
}

} // namespace platform::HardwareReader
