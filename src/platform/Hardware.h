#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// A graphics adapter: a PCI display controller.
struct GpuAdapter {
    QString name; // vendor and device name, "NVIDIA Corporation GP104 [GeForce GTX 1080]"
    QString slot; // the PCI address, "0000:01:00.0"
    QString pnpDeviceId; // "PCI\VEN_10DE&DEV_1B80&SUBSYS_85AA1043&REV_A1"
    quint16 vendorId = 0;
    QString driver; // the bound driver's name ("amdgpu", "nvidia"); empty when none is bound
    // The bound driver module's version; for amdgpu, which comes with the kernel, the
    // kernel's release ("6.1.0"); empty for drivers without one.
    QString driverVersion;
    double memoryMiB = 0; // dedicated memory where the driver reports it, else 0
};

struct Monitor {
    QString id; // "MONITOR\TSB8888": the EDID manufacturer letters and product code
    bool nonDesktop = false; // kept off the desktop for a headset runtime (direct mode)
};

// A display adapter with the monitors attached to it, in connector order.
struct DisplayAdapter {
    QString name; // "card0"
    QList<Monitor> monitors;
};

// The PC's hardware facts. In a sandbox machine the profile (machine.json) overrides
// each of them: "gpus", "memoryBanks", "nvidiaDriver", "monitors"; every fact it does
// not name is read below Machine::hardwareRoot().
class Hardware {
public:
    static QList<GpuAdapter> gpus();
    // Size in bytes of each installed memory module; one entry holding the total when
    // the modules cannot be told apart.
    static QList<qint64> memoryBanks();
    // The loaded NVIDIA driver's version ("550.54.15"), empty without it.
    static QString nvidiaDriverVersion();
    static QList<DisplayAdapter> displayAdapters();
    // Monitors of the EDID manufacturer (a packed three-letter code) that are kept off
    // the desktop for a headset runtime: the displays in direct mode.
    static int directModeDisplays(quint16 manufacturer);
};

// The readers behind Hardware, below a root folder ("/" on a real PC), so tests can
// point them at a fake tree.
namespace HardwareReader {

// Where distributions keep the PCI id database: Debian's place, then that of the
// distributions whose hwdata package holds it, then an older common one.
inline const QStringList PciIdsPaths { QStringLiteral("/usr/share/misc/pci.ids"),
    QStringLiteral("/usr/share/hwdata/pci.ids"), QStringLiteral("/usr/share/pci.ids") };

// The first of the candidates that exists (paths of the running system, not below a
// root); empty when none does.
QString pciIdsPath(const QStringList &candidates = PciIdsPaths);

// Display controllers in /sys/bus/pci/devices, named from the pci.ids file that
// pciIdsPath chooses among the candidates.
QList<GpuAdapter> gpus(const QString &root, const QStringList &pciIdsCandidates = PciIdsPaths);
// From udev's record of the DMI memory devices, else the online memory blocks, else
// MemTotal rounded up to whole GiB (the kernel keeps part of the memory for itself).
QList<qint64> memoryBanks(const QString &root);
// /sys/module/nvidia/version, else /proc/driver/nvidia/version.
QString nvidiaDriverVersion(const QString &root);
// The DRM cards in /sys/class/drm and the monitors with a readable EDID on their
// connected connectors; whether one is kept off the desktop comes from the card's
// device node below root (/dev/dri/cardN), and is false without access to it.
QList<DisplayAdapter> displayAdapters(const QString &root);

} // namespace HardwareReader

} // namespace platform
