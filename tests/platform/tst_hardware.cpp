#include "LogCapture.h"
#include "SandboxMachine.h"

#include "platform/Devices.h"

#include "platform/Hardware.h"
#include "platform/HardwareParsers.h"

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

using namespace platform;

namespace {

const QByteArray SmallPciIds = "# pci.ids excerpt\n"
                               "10de  NVIDIA Corporation\n"
                               "\t1b80  GP104 [GeForce GTX 1080]\n"
                               "\t\t1043 85aa  GP104 [ROG STRIX GTX 1080]\n"
                               "\t1c03  GP106 [GeForce GTX 1060 6GB]\n"
                               "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n"
                               "\t67df  Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]\n"
                               "8086  Intel Corporation\n"
                               "# a comment inside a vendor\n"
                               "\t3e92  CoffeeLake-S GT2 [UHD Graphics 630]\n"
                               "C 03  Display controller\n"
                               "\t00  VGA compatible controller\n";

// An EDID base block with the packed manufacturer code and the product code.
QByteArray edid(quint16 manufacturer, quint16 product)
{
    QByteArray bytes = QByteArray::fromHex("00ffffffffffff00");
    bytes.append(char(manufacturer >> 8)).append(char(manufacturer & 0xff));
    bytes.append(char(product & 0xff)).append(char(product >> 8));
    return bytes.leftJustified(128, '\0');
}

// A PCI device of a fake /sys tree.
struct FakePci {
    QString slot;
    QByteArray pciClass;
    quint16 vendor;
    quint16 device;
    QString driver; // empty: none bound
    QByteArray moduleVersion; // empty: the module has none
    QByteArray vram; // amdgpu's mem_info_vram_total, empty: none
};

// A fake root folder with /sys, /proc and /run files.
class FakeTree {
public:
    QString root() const { return m_dir.path(); }

    void write(const QString &path, const QByteArray &content) const
    {
        const QString full = root() + path;
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void link(const QString &path, const QString &target) const
    {
        QDir().mkpath(QFileInfo(root() + path).path());
        QVERIFY(QFile::link(target, root() + path));
    }

    void addPci(const FakePci &pci) const
    {
        const QString device = QStringLiteral("/sys/bus/pci/devices/") + pci.slot;
        const auto hex
            = [](quint16 id) -> QByteArray { return "0x" + QByteArray::number(id, 16).rightJustified(4, '0') + '\n'; };
        write(device + QStringLiteral("/class"), pci.pciClass + '\n');
        write(device + QStringLiteral("/vendor"), hex(pci.vendor));
        write(device + QStringLiteral("/device"), hex(pci.device));
        write(device + QStringLiteral("/subsystem_vendor"), hex(0x1043));
        write(device + QStringLiteral("/subsystem_device"), hex(0x85aa));
        write(device + QStringLiteral("/revision"), "0xa1\n");
        if (!pci.vram.isEmpty())
            write(device + QStringLiteral("/mem_info_vram_total"), pci.vram + '\n');
        if (pci.driver.isEmpty())
            return;
        const QString driver = QStringLiteral("/sys/bus/pci/drivers/") + pci.driver;
        QDir().mkpath(root() + driver);
        if (!QFileInfo::exists(root() + driver + QStringLiteral("/module")))
            link(driver + QStringLiteral("/module"), QStringLiteral("../../../../module/") + pci.driver);
        QDir().mkpath(root() + QStringLiteral("/sys/module/") + pci.driver);
        if (!pci.moduleVersion.isEmpty())
            write(QStringLiteral("/sys/module/") + pci.driver + QStringLiteral("/version"), pci.moduleVersion + '\n');
        link(device + QStringLiteral("/driver"), QStringLiteral("../../drivers/") + pci.driver);
    }

    void addConnector(const QString &name, const QByteArray &status, const QByteArray &edidBytes) const
    {
        write(QStringLiteral("/sys/class/drm/") + name + QStringLiteral("/status"), status + '\n');
        write(QStringLiteral("/sys/class/drm/") + name + QStringLiteral("/edid"), edidBytes);
    }

    void addMemoryBlocks(int online, int offline) const
    {
        write(QStringLiteral("/sys/devices/system/memory/block_size_bytes"), "8000000\n");
        for (int i = 0; i < online + offline; ++i) {
            write(QStringLiteral("/sys/devices/system/memory/memory%1/online").arg(i), i < online ? "1\n" : "0\n");
        }
    }

    QString pciIds() const
    {
        write(QStringLiteral("/pci.ids"), SmallPciIds);
        return root() + QStringLiteral("/pci.ids");
    }

private:
    QTemporaryDir m_dir;
};

const FakePci Nvidia { QStringLiteral("0000:01:00.0"), "0x030000", 0x10de, 0x1b80, QStringLiteral("nvidia"),
    "550.54.15", {} };
const FakePci Amd { QStringLiteral("0000:03:00.0"), "0x030000", 0x1002, 0x67df, QStringLiteral("amdgpu"), {},
    "8589934592" };
const FakePci Intel { QStringLiteral("0000:00:02.0"), "0x030000", 0x8086, 0x3e92, QStringLiteral("i915"), {}, {} };
const FakePci HostBridge { QStringLiteral("0000:00:00.0"), "0x060000", 0x8086, 0x3e0f, {}, {}, {} };
const FakePci Nvidia3D { QStringLiteral("0000:01:00.0"), "0x030200", 0x10de, 0x1c03, QStringLiteral("nvidia"),
    "535.183.01", {} };

} // namespace

Q_DECLARE_METATYPE(FakePci)
Q_DECLARE_METATYPE(QList<FakePci>)

class TestHardware : public QObject {
    Q_OBJECT

private slots:
    void pciNamesFromDatabase_data()
    {
        QTest::addColumn<quint16>("vendor");
        QTest::addColumn<quint16>("device");
        QTest::addColumn<QString>("vendorName");
        QTest::addColumn<QString>("deviceName");
        const QString nvidia = QStringLiteral("NVIDIA Corporation");
        QTest::newRow("first vendor") << quint16(0x10de) << quint16(0x1b80) << nvidia
                                      << QStringLiteral("GP104 [GeForce GTX 1080]");
        QTest::newRow("after a subsystem line")
            << quint16(0x10de) << quint16(0x1c03) << nvidia << QStringLiteral("GP106 [GeForce GTX 1060 6GB]");
        QTest::newRow("subsystem id is no device") << quint16(0x10de) << quint16(0x1043) << nvidia << QString();
        QTest::newRow("device of another vendor") << quint16(0x10de) << quint16(0x67df) << nvidia << QString();
        QTest::newRow("after a comment") << quint16(0x8086) << quint16(0x3e92) << QStringLiteral("Intel Corporation")
                                         << QStringLiteral("CoffeeLake-S GT2 [UHD Graphics 630]");
        QTest::newRow("unknown vendor") << quint16(0x1234) << quint16(0x1b80) << QString() << QString();
    }
    void pciNamesFromDatabase()
    {
        QFETCH(quint16, vendor);
        QFETCH(quint16, device);
        QFETCH(QString, vendorName);
        QFETCH(QString, deviceName);
        const PciNames names = pciNames(SmallPciIds, vendor, device);
        QCOMPARE(names.vendor, vendorName);
        QCOMPARE(names.device, deviceName);
    }

    void monitorIdFromEdidBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("id");
        QTest::newRow("TSB 8888") << edid(0x5262, 0x8888) << QStringLiteral("MONITOR\\TSB8888");
        QTest::newRow("ABC 1234") << edid(0x0443, 0x1234) << QStringLiteral("MONITOR\\ABC1234");
        QByteArray badHeader = edid(0x5262, 0x8888);
        badHeader[0] = char(0xff);
        QTest::newRow("bad header") << badHeader << QString();
        QTest::newRow("short") << edid(0x5262, 0x8888).left(64) << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void monitorIdFromEdidBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, id);
        QCOMPARE(monitorIdFromEdid(bytes), id);
    }

    void nvidiaVersions_data()
    {
        QTest::addColumn<QByteArray>("proc");
        QTest::addColumn<QString>("version");
        QTest::addColumn<quint32>("number");
        QTest::newRow("proprietary module")
            << QByteArray("NVRM version: NVIDIA UNIX x86_64 Kernel Module  515.76  Mon Sep 12 19:21:56 UTC 2022\n"
                          "GCC version:  gcc version 12.2.0 (Debian 12.2.0-14)\n")
            << QStringLiteral("515.76") << quint32(51576);
        QTest::newRow("open module") << QByteArray("NVRM version: NVIDIA UNIX Open Kernel Module for x86_64  "
                                                   "580.95.05  Release Build  (dvs-builder@U16)  Tue Sep 23 2025\n")
                                     << QStringLiteral("580.95.05") << quint32(58095);
        QTest::newRow("three-digit minor") << QByteArray("NVRM version: NVIDIA UNIX x86_64 Kernel Module  535.183.01  "
                                                         "Sun May 12 19:39:15 UTC 2024\n")
                                           << QStringLiteral("535.183.01") << quint32(53599);
        QTest::newRow("empty") << QByteArray() << QString() << quint32(0);
    }
    void nvidiaVersions()
    {
        QFETCH(QByteArray, proc);
        QFETCH(QString, version);
        QFETCH(quint32, number);
        QCOMPARE(nvidiaVersionFromProc(proc), version);
        QCOMPARE(nvidiaVersionNumber(version), number);
    }

    void memoryFromUdev_data()
    {
        QTest::addColumn<QByteArray>("udev");
        QTest::addColumn<QList<qint64>>("banks");
        const qint64 gib8 = qint64(8) << 30;
        QTest::newRow("two modules, an empty slot between") << QByteArray(
            "E:MEMORY_ARRAY_NUM_DEVICES=4\nE:MEMORY_DEVICE_0_PRESENT=1\nE:MEMORY_DEVICE_0_SIZE=8589934592\n"
            "E:MEMORY_DEVICE_1_PRESENT=0\nE:MEMORY_DEVICE_2_SIZE=8589934592\n")
                                                            << QList<qint64> { gib8, gib8 };
        QTest::newRow("slot marked empty")
            << QByteArray("E:MEMORY_DEVICE_0_SIZE=8589934592\nE:MEMORY_DEVICE_0_PRESENT=0\n") << QList<qint64>();
        QTest::newRow("no memory properties") << QByteArray("E:ID_VENDOR=x\n") << QList<qint64>();
    }
    void memoryFromUdev()
    {
        QFETCH(QByteArray, udev);
        QFETCH(QList<qint64>, banks);
        QCOMPARE(memoryBanksFromUdev(udev), banks);
    }

    void gpusOfFakeTrees_data()
    {
        QTest::addColumn<QList<FakePci>>("devices");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("pnpIds");
        QTest::addColumn<QStringList>("driverVersions");
        QTest::addColumn<QList<double>>("memory");
        const QString gtx1080 = QStringLiteral("NVIDIA Corporation GP104 [GeForce GTX 1080]");
        const QString uhd630 = QStringLiteral("Intel Corporation CoffeeLake-S GT2 [UHD Graphics 630]");
        QTest::newRow("NVIDIA") << QList<FakePci> { HostBridge, Nvidia } << QStringList { gtx1080 }
                                << QStringList { QStringLiteral("PCI\\VEN_10DE&DEV_1B80&SUBSYS_85AA1043&REV_A1") }
                                << QStringList { QStringLiteral("550.54.15") } << QList<double> { 0 };
        QTest::newRow("AMD") << QList<FakePci> { Amd }
                             << QStringList { QStringLiteral("Advanced Micro Devices, Inc. [AMD/ATI] Ellesmere "
                                                             "[Radeon RX 470/480/570/570X/580/580X/590]") }
                             << QStringList { QStringLiteral("PCI\\VEN_1002&DEV_67DF&SUBSYS_85AA1043&REV_A1") }
                             << QStringList { QString() } << QList<double> { 8192 };
        QTest::newRow("Intel") << QList<FakePci> { HostBridge, Intel } << QStringList { uhd630 }
                               << QStringList { QStringLiteral("PCI\\VEN_8086&DEV_3E92&SUBSYS_85AA1043&REV_A1") }
                               << QStringList { QString() } << QList<double> { 0 };
        QTest::newRow("two adapters, in slot order")
            << QList<FakePci> { Nvidia3D, Intel }
            << QStringList { uhd630, QStringLiteral("NVIDIA Corporation GP106 [GeForce GTX 1060 6GB]") }
            << QStringList { QStringLiteral("PCI\\VEN_8086&DEV_3E92&SUBSYS_85AA1043&REV_A1"),
                   QStringLiteral("PCI\\VEN_10DE&DEV_1C03&SUBSYS_85AA1043&REV_A1") }
            << QStringList { QString(), QStringLiteral("535.183.01") } << QList<double> { 0, 0 };
        QTest::newRow("unknown to pci.ids")
            << QList<FakePci> { { QStringLiteral("0000:02:00.0"), "0x038000", 0x1234, 0x1111, {}, {}, {} } }
            << QStringList { QStringLiteral("Vendor 1234 Device 1111") }
            << QStringList { QStringLiteral("PCI\\VEN_1234&DEV_1111&SUBSYS_85AA1043&REV_A1") }
            << QStringList { QString() } << QList<double> { 0 };
        QTest::newRow("no GPU") << QList<FakePci> { HostBridge } << QStringList() << QStringList() << QStringList()
                                << QList<double>();
    }
    void gpusOfFakeTrees()
    {
        QFETCH(QList<FakePci>, devices);
        QFETCH(QStringList, names);
        QFETCH(QStringList, pnpIds);
        QFETCH(QStringList, driverVersions);
        QFETCH(QList<double>, memory);
        FakeTree tree;
        for (const FakePci &device : devices)
            tree.addPci(device);
        const QList<GpuAdapter> gpus = HardwareReader::gpus(tree.root(), { tree.pciIds() });
        QStringList foundNames, foundIds, foundVersions;
        QList<double> foundMemory;
        for (const GpuAdapter &gpu : gpus) {
            foundNames.append(gpu.name);
            foundIds.append(gpu.pnpDeviceId);
            foundVersions.append(gpu.driverVersion);
            foundMemory.append(gpu.memoryMiB);
        }
        QCOMPARE(foundNames, names);
        QCOMPARE(foundIds, pnpIds);
        QCOMPARE(foundVersions, driverVersions);
        QCOMPARE(foundMemory, memory);
    }

    void kernelReleases_data()
    {
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QString>("version");
        QTest::newRow("Debian") << QByteArray("6.1.0-18-amd64\n") << QStringLiteral("6.1.0");
        QTest::newRow("Ubuntu") << QByteArray("5.15.0-91-generic\n") << QStringLiteral("5.15.0");
        QTest::newRow("four parts") << QByteArray("5.15.153.1-microsoft-standard-WSL2") << QStringLiteral("5.15.153.1");
        QTest::newRow("two parts, suffix with digits") << QByteArray("4.15-rc8+") << QStringLiteral("4.15");
        QTest::newRow("no number") << QByteArray("linux\n") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void kernelReleases()
    {
        QFETCH(QByteArray, release);
        QTEST(kernelVersionFromRelease(release), "version");
    }

    // amdgpu comes with the kernel: its version is the kernel's release, whatever module
    // version a build for that kernel carries; other drivers report their module's.
    void amdDriverVersionIsTheKernels_data()
    {
        QTest::addColumn<FakePci>("device");
        QTest::addColumn<QByteArray>("release"); // empty: no osrelease file
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("version");
        FakePci dkms = Amd;
        dkms.moduleVersion = "6.3.6";
        FakePci radeon = Amd;
        radeon.driver = QStringLiteral("radeon");
        FakePci unbound = Amd;
        unbound.driver.clear();
        QTest::newRow("in-kernel amdgpu")
            << Amd << QByteArray("6.1.0-18-amd64\n") << QStringLiteral("amdgpu") << QStringLiteral("6.1.0");
        QTest::newRow("amdgpu built for the kernel")
            << dkms << QByteArray("5.15.0-91-generic\n") << QStringLiteral("amdgpu") << QStringLiteral("5.15.0");
        QTest::newRow("kernel release unreadable") << Amd << QByteArray() << QStringLiteral("amdgpu") << QString();
        QTest::newRow("radeon") << radeon << QByteArray("6.1.0-18-amd64\n") << QStringLiteral("radeon") << QString();
        QTest::newRow("no driver bound") << unbound << QByteArray("6.1.0-18-amd64\n") << QString() << QString();
        QTest::newRow("NVIDIA keeps its module's")
            << Nvidia << QByteArray("6.1.0-18-amd64\n") << QStringLiteral("nvidia") << QStringLiteral("550.54.15");
    }
    void amdDriverVersionIsTheKernels()
    {
        QFETCH(FakePci, device);
        QFETCH(QByteArray, release);
        FakeTree tree;
        tree.addPci(device);
        if (!release.isEmpty())
            tree.write(QStringLiteral("/proc/sys/kernel/osrelease"), release);
        const QList<GpuAdapter> gpus = HardwareReader::gpus(tree.root(), { tree.pciIds() });
        QCOMPARE(gpus.size(), 1);
        QTEST(gpus.at(0).driver, "driver");
        QTEST(gpus.at(0).driverVersion, "version");
    }

    // The first candidate that exists names the GPUs, wherever it lies in the list.
    void pciIdsFromTheFirstExistingPlace_data()
    {
        QTest::addColumn<QStringList>("present"); // of misc, hwdata, share
        QTest::addColumn<QString>("name");
        const QString listed = QStringLiteral("NVIDIA Corporation GP104 [GeForce GTX 1080]");
        QTest::newRow("Debian's place wins")
            << QStringList { QStringLiteral("misc"), QStringLiteral("hwdata"), QStringLiteral("share") } << listed;
        QTest::newRow("hwdata only") << QStringList { QStringLiteral("hwdata") }
                                     << listed + QStringLiteral(" (hwdata)");
        QTest::newRow("last place only") << QStringList { QStringLiteral("share") }
                                         << listed + QStringLiteral(" (share)");
        QTest::newRow("earlier place wins") << QStringList { QStringLiteral("hwdata"), QStringLiteral("share") }
                                            << listed + QStringLiteral(" (hwdata)");
        QTest::newRow("none: raw ids") << QStringList() << QStringLiteral("Vendor 10de Device 1b80");
    }
    void pciIdsFromTheFirstExistingPlace()
    {
        QFETCH(QStringList, present);
        FakeTree tree;
        tree.addPci(Nvidia);
        const QStringList places { QStringLiteral("misc"), QStringLiteral("hwdata"), QStringLiteral("share") };
        QStringList candidates;
        for (const QString &place : places)
            candidates.append(tree.root() + QStringLiteral("/usr/share/") + place + QStringLiteral("/pci.ids"));
        // Each place's copy but Debian's marks the device name, so the test sees which one
        // was read.
        for (const QString &place : present) {
            QByteArray ids = SmallPciIds;
            if (place == QLatin1String("hwdata"))
                ids.replace("GP104 [GeForce GTX 1080]", "GP104 [GeForce GTX 1080] (hwdata)");
            if (place == QLatin1String("share"))
                ids.replace("GP104 [GeForce GTX 1080]", "GP104 [GeForce GTX 1080] (share)");
            tree.write(QStringLiteral("/usr/share/") + place + QStringLiteral("/pci.ids"), ids);
        }
        const QList<GpuAdapter> gpus = HardwareReader::gpus(tree.root(), candidates);
        QCOMPARE(gpus.size(), 1);
        QTEST(gpus.at(0).name, "name");
    }

    void nvidiaDriverFromModuleOrProc()
    {
        FakeTree tree;
        QCOMPARE(HardwareReader::nvidiaDriverVersion(tree.root()), QString());
        tree.write(QStringLiteral("/proc/driver/nvidia/version"),
            "NVRM version: NVIDIA UNIX x86_64 Kernel Module  515.76  Mon Sep 12 19:21:56 UTC 2022\n");
        QCOMPARE(HardwareReader::nvidiaDriverVersion(tree.root()), QStringLiteral("515.76"));
        tree.addPci(Nvidia);
        QCOMPARE(HardwareReader::nvidiaDriverVersion(tree.root()), QStringLiteral("550.54.15"));
    }

    void monitorsOnConnectedConnectors()
    {
        FakeTree tree;
        QDir().mkpath(tree.root() + QStringLiteral("/sys/class/drm/card0"));
        QDir().mkpath(tree.root() + QStringLiteral("/sys/class/drm/card1"));
        QDir().mkpath(tree.root() + QStringLiteral("/sys/class/drm/renderD128"));
        tree.addConnector(QStringLiteral("card0-DP-1"), "disconnected", edid(0x0443, 0x1234));
        tree.addConnector(QStringLiteral("card0-DP-2"), "connected", QByteArray());
        tree.addConnector(QStringLiteral("card0-HDMI-A-1"), "connected", edid(0x5262, 0x8888));
        const QList<DisplayAdapter> adapters = HardwareReader::displayAdapters(tree.root());
        QCOMPARE(adapters.size(), 2);
        QCOMPARE(adapters.at(0).name, QStringLiteral("card0"));
        QCOMPARE(adapters.at(0).monitors.size(), 1);
        QCOMPARE(adapters.at(0).monitors.at(0).id, QStringLiteral("MONITOR\\TSB8888"));
        QVERIFY(!adapters.at(0).monitors.at(0).nonDesktop); // no DRM device node in a fake tree
        QCOMPARE(adapters.at(1).name, QStringLiteral("card1"));
        QVERIFY(adapters.at(1).monitors.isEmpty());
    }

    // A card without a readable device node: nothing is in direct mode, and the log
    // says why once per node, not at every look.
    void noDrmAccessLoggedOnce()
    {
        FakeTree tree;
        QDir().mkpath(tree.root() + QStringLiteral("/sys/class/drm/card0"));
        tree.addConnector(QStringLiteral("card0-DP-1"), "connected", edid(0x68B0, 0xAA01));
        LogCapture log;
        for (int look = 0; look < 2; ++look) {
            const QList<DisplayAdapter> adapters = HardwareReader::displayAdapters(tree.root());
            QCOMPARE(adapters.value(0).monitors.size(), 1);
            QVERIFY(!adapters.at(0).monitors.at(0).nonDesktop);
        }
        const QString line = QStringLiteral("[Hardware] No access to the DRM device ") + tree.root()
            + QStringLiteral("/dev/dri/card0 (No such file or directory): no display is found in direct mode");
        QCOMPARE(log.lines(), QStringList { line });
    }

    void memoryFromTheBestSource()
    {
        FakeTree tree;
        QCOMPARE(HardwareReader::memoryBanks(tree.root()), QList<qint64>());
        // MemTotal of a PC with 8 GiB installed is a little below 8 GiB.
        tree.write(QStringLiteral("/proc/meminfo"), "MemTotal:        8029852 kB\nMemFree:  100 kB\n");
        QCOMPARE(HardwareReader::memoryBanks(tree.root()), QList<qint64> { qint64(8) << 30 });
        tree.addMemoryBlocks(62, 2);
        QCOMPARE(HardwareReader::memoryBanks(tree.root()), QList<qint64> { qint64(62) << 27 });
        tree.write(QStringLiteral("/run/udev/data/+dmi:id"),
            "E:MEMORY_DEVICE_0_SIZE=4294967296\nE:MEMORY_DEVICE_1_SIZE=4294967296\n");
        QCOMPARE(HardwareReader::memoryBanks(tree.root()), (QList<qint64> { qint64(4) << 30, qint64(4) << 30 }));
    }

    void sandboxReadsItsOwnHardwareFolder()
    {
        SandboxMachine machine;
        const QString hw = machine.path(QStringLiteral("hw"));
        QDir().mkpath(hw + QStringLiteral("/sys/bus/pci/devices/0000:01:00.0"));
        for (const auto &[file, value] :
            { std::pair { "class", "0x030000" }, { "vendor", "0x10de" }, { "device", "0x1b80" } }) {
            QFile out(hw + QStringLiteral("/sys/bus/pci/devices/0000:01:00.0/") + QLatin1String(file));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(value);
        }
        const QList<GpuAdapter> gpus = Hardware::gpus();
        QCOMPARE(gpus.size(), 1);
        QCOMPARE(gpus.at(0).name, QStringLiteral("NVIDIA Corporation GP104 [GeForce GTX 1080]"));
        QCOMPARE(Hardware::nvidiaDriverVersion(), QString());
        QVERIFY(Hardware::displayAdapters().isEmpty());
    }

    void profileOverridesEachFact()
    {
        SandboxMachine machine;
        machine.writeProfile(
            { { QStringLiteral("gpus"),
                  QJsonArray { QJsonObject { { QStringLiteral("name"), QStringLiteral("AMD Radeon RX 580") },
                      { QStringLiteral("pnpDeviceId"),
                          QStringLiteral("PCI\\VEN_1002&DEV_67DF&SUBSYS_0B311002&REV_E7") },
                      { QStringLiteral("driverVersion"), QStringLiteral("26.20.15029.27017") },
                      { QStringLiteral("memoryMiB"), 8192 } } } },
                { QStringLiteral("memoryBanks"), QJsonArray { 8589934592.0, 8589934592.0 } },
                { QStringLiteral("nvidiaDriver"), QStringLiteral("431.60") },
                { QStringLiteral("monitors"),
                    QJsonArray { QJsonObject { { QStringLiteral("id"), QStringLiteral("MONITOR\\ZEPAA01") },
                                     { QStringLiteral("nonDesktop"), true } },
                        QJsonObject { { QStringLiteral("id"), QStringLiteral("MONITOR\\TSB8888") },
                            { QStringLiteral("nonDesktop"), true } },
                        QJsonObject { { QStringLiteral("id"), QStringLiteral("MONITOR\\ZEPAA02") } } } } });
        const QList<GpuAdapter> gpus = Hardware::gpus();
        QCOMPARE(gpus.size(), 1);
        QCOMPARE(gpus.at(0).vendorId, quint16(0x1002));
        QCOMPARE(gpus.at(0).driverVersion, QStringLiteral("26.20.15029.27017"));
        QCOMPARE(gpus.at(0).memoryMiB, 8192.0);
        QCOMPARE(Hardware::memoryBanks(), (QList<qint64> { qint64(8) << 30, qint64(8) << 30 }));
        QCOMPARE(Hardware::nvidiaDriverVersion(), QStringLiteral("431.60"));
        QCOMPARE(Hardware::displayAdapters().value(0).monitors.size(), 3);
        // "ZEP" packed: only the non-desktop monitor of that maker is in direct mode.
        QCOMPARE(Hardware::directModeDisplays(0x68B0), 1);
    }

    void readersRunOnThisMachine()
    {
        const QList<GpuAdapter> gpus = HardwareReader::gpus(QStringLiteral("/"));
        for (const GpuAdapter &gpu : gpus) {
            qInfo("GPU %s: %s, %s, driver %s, %.0f MiB", qUtf8Printable(gpu.slot), qUtf8Printable(gpu.name),
                qUtf8Printable(gpu.pnpDeviceId), qUtf8Printable(gpu.driverVersion), gpu.memoryMiB);
        }
        const QList<qint64> banks = HardwareReader::memoryBanks(QStringLiteral("/"));
        for (qint64 bank : banks)
            qInfo("memory: %lld bytes", bank);
        qInfo("NVIDIA driver: '%s'", qUtf8Printable(HardwareReader::nvidiaDriverVersion(QStringLiteral("/"))));
        const QList<DisplayAdapter> adapters = HardwareReader::displayAdapters(QStringLiteral("/"));
        qInfo("DRM cards: %d", int(adapters.size()));
        for (const DisplayAdapter &adapter : adapters) {
            for (const Monitor &monitor : adapter.monitors)
                qInfo("%s: %s%s", qUtf8Printable(adapter.name), qUtf8Printable(monitor.id),
                    monitor.nonDesktop ? " (non-desktop)" : "");
        }
        const DeviceList<UsbHub> hubs = DeviceReader::usbHubs(QStringLiteral("/"));
        qInfo("USB hubs: %d, listing error %d", int(hubs.items.size()), hubs.error);
        for (const UsbHub &hub : hubs.items) {
            const int ports = DeviceReader::hubPortCount(QStringLiteral("/"), hub.name);
            QStringList attached;
            for (int port = 1; port <= ports; ++port) {
                UsbPortConnection connection;
                int error = 0;
                if (DeviceReader::hubPortConnection(QStringLiteral("/"), hub.name, port, &connection, &error)
                    && connection.attached)
                    attached.append(
                        QString::number(port) + (connection.interfacesBound ? QString() : QStringLiteral("?")));
            }
            qInfo("hub %s: %s, %d ports, attached on %s", qUtf8Printable(hub.name), qUtf8Printable(hub.devicePath),
                ports, qUtf8Printable(attached.join(QLatin1Char(','))));
        }
        const DeviceList<QString> hid = DeviceReader::hidInterfaces(QStringLiteral("/"));
        qInfo("HID interfaces: %d, listing error %d", int(hid.items.size()), hid.error);
        for (const QString &path : hid.items)
            qInfo("HID %s", qUtf8Printable(path));
        QVERIFY(!banks.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHardware)
#include "tst_hardware.moc"
