#include "platform/Hardware.h"

#include "platform/HardwareParsers.h"
#include "platform/Machine.h"

#include <QJsonArray>
#include <QJsonObject>

namespace platform {

// Profile entries:
//   "gpus": [{"name", "pnpDeviceId", "driver", "driverVersion", "memoryMiB"}, ...]
//   "memoryBanks": [bytes, ...]
//   "nvidiaDriver": "431.60"
//   "monitors": [{"id": "MONITOR\\TSB8888", "nonDesktop": false}, ...] (on one adapter)

QList<GpuAdapter> Hardware::gpus()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("gpus"));
    if (!profiled.isArray())
        return HardwareReader::gpus(Machine::hardwareRoot());
    QList<GpuAdapter> adapters;
    for (const QJsonValue &value : profiled.toArray()) {
        const QJsonObject entry = value.toObject();
        GpuAdapter adapter;
        adapter.name = entry.value(QLatin1String("name")).toString();
        adapter.pnpDeviceId = entry.value(QLatin1String("pnpDeviceId")).toString();
        adapter.vendorId = quint16(pnpField(adapter.pnpDeviceId, QStringLiteral("VEN_")).toUInt(nullptr, 16));
        adapter.driver = entry.value(QLatin1String("driver")).toString();
        adapter.driverVersion = entry.value(QLatin1String("driverVersion")).toString();
        adapter.memoryMiB = entry.value(QLatin1String("memoryMiB")).toDouble();
        adapters.append(adapter);
    }
    return adapters;
}

QList<qint64> Hardware::memoryBanks()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("memoryBanks"));
    if (!profiled.isArray())
        return HardwareReader::memoryBanks(Machine::hardwareRoot());
    QList<qint64> banks;
    for (const QJsonValue &value : profiled.toArray())
        banks.append(qint64(value.toDouble()));
    return banks;
}

QString Hardware::nvidiaDriverVersion()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("nvidiaDriver"));
    return profiled.isString() ? profiled.toString() : HardwareReader::nvidiaDriverVersion(Machine::hardwareRoot());
}

QList<DisplayAdapter> Hardware::displayAdapters()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("monitors"));
    if (!profiled.isArray())
        return HardwareReader::displayAdapters(Machine::hardwareRoot());
    DisplayAdapter adapter;
    adapter.name = QStringLiteral("card0");
    for (const QJsonValue &value : profiled.toArray()) {
        const QJsonObject entry = value.toObject();
        adapter.monitors.append(
            { entry.value(QLatin1String("id")).toString(), entry.value(QLatin1String("nonDesktop")).toBool() });
    }
    return { adapter };
}

int Hardware::directModeDisplays(quint16 manufacturer)
{
    const QString prefix = QStringLiteral("MONITOR\\") + edidManufacturerLetters(manufacturer);
    int count = 0;
    for (const DisplayAdapter &adapter : displayAdapters()) {
        for (const Monitor &monitor : adapter.monitors)
            count += monitor.nonDesktop && monitor.id.startsWith(prefix, Qt::CaseInsensitive) ? 1 : 0;
    }
    return count;
}

} // namespace platform
