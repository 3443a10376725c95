// The PC check on this machine: collecting the hardware facts (CPU, PCI graphics
// adapters named from pci.ids, memory, OS) and ranking them against the shipped
// compatibility list, without network. Log lines are counted, not printed. This
// machine may have no graphics adapter, so the naming of one from pci.ids (read
// whole, then searched) is timed on its own. Then one headset detection pass on a fake
// device tree of 200 USB devices (the headset among them) in a sandbox machine.
// Usage: pc_check [runs]

#include "BenchSetup.h"

#include "FakeDevices.h"

#include "checks/GraphicsChecker.h"
#include "checks/NovaCheckLib.h"
#include "device/DetectWorker.h"
#include "platform/Hardware.h"
#include "platform/HardwareParsers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int logLines = 0;

void countLine(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++logLines;
}

// Four buses with a hub of seven ports on each root port, HID devices on the hubs' ports,
// the headset's hub with its four functions on bus 1: 200 devices in all.
QByteArray deviceTree()
{
    FakeDevices::Recording recording;
    int devices = 0;
    const auto hid = [&](const QString &hub, int port, quint16 vendor, quint16 product, int interfaces) {
        const QString device = recording.device(hub, port, vendor, product, interfaces);
        for (int i = 0; i < interfaces; ++i)
            recording.hidraw(recording.interface(device, i, "usbhid"), vendor, product);
        ++devices;
    };
    const QString headset = recording.device(recording.rootHub(1), 1, 0x0bb4, 0x2134, 1, "1", 7);
    devices += 2;
    hid(headset, 1, 0x28de, 0x2000, 2);
    hid(headset, 5, 0x0bb4, 0x2c87, 1);
    hid(headset, 6, 0x28de, 0x2101, 1);
    hid(headset, 7, 0x28de, 0x2101, 1);
    for (int bus = 1; bus <= 4 && devices < 200; ++bus) {
        const QString root = bus == 1 ? headset.section(QLatin1Char('/'), 0, -2) : recording.rootHub(bus);
        devices += bus == 1 ? 0 : 1;
        for (int rootPort = 2; rootPort <= 16 && devices < 200; ++rootPort) {
            const QString hub = recording.device(root, rootPort, 0x05e3, 0x0610, 1, "1", 7);
            ++devices;
            for (int port = 1; port <= 7 && devices < 200; ++port)
                hid(hub, port, 0x046d, quint16(0xc52b + port), 1);
        }
    }
    return recording.text();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = countArgument(argc, argv, 20);
    const QString list = QStringLiteral(NOVA_COMP_DEFAULT_JSON);

    std::vector<double> collect, compare, naming;
    QString overall;
    qInstallMessageHandler(countLine);
    for (int i = 0; i < runs; ++i) {
        NovaCheckLib lib;
        QElapsedTimer clock;
        clock.start();
        lib.collectPcInfo();
        collect.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        lib.compareWithOnline(QString(), QString(), list);
        compare.push_back(clock.nsecsElapsed() / 1e6);
        overall = lib.overallRank();

        clock.restart();
        QFile ids(platform::HardwareReader::pciIdsPath());
        const QByteArray text = ids.open(QIODevice::ReadOnly) ? ids.readAll() : QByteArray();
        if (platform::pciNames(text, 0x10de, 0x2684).device.isEmpty())
            std::printf("pci.ids does not name 10de:2684\n");
        naming.push_back(clock.nsecsElapsed() / 1e6);
    }

    BenchMachine machine;
    FakeDevices::load(deviceTree(), machine.filePath(QStringLiteral("hw")));
    GraphicsChecker checker;
    DetectWorker worker(&checker);
    DEVICE_INFO found;
    QObject::connect(&worker, &DetectWorker::returnStatus, [&found](DEVICE_INFO status) { found = status; });
    std::vector<double> detection;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        worker.onDetectStatus();
        detection.push_back(clock.nsecsElapsed() / 1e6);
    }
    qInstallMessageHandler(nullptr);

    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::vector<double> total(collect.size());
    std::transform(collect.begin(), collect.end(), compare.begin(), total.begin(), std::plus<double>());
    std::printf("pc_check: %d runs, %d log lines per run, overall %s\n", runs, logLines / runs, qPrintable(overall));
    std::printf("  collectPcInfo   median %.2f ms\n", median(collect));
    std::printf("  compare         median %.2f ms\n", median(compare));
    std::printf("  naming a GPU    median %.2f ms (10de:2684 from pci.ids)\n", median(naming));
    std::printf(
        "  total           median %.2f ms, first run %.2f ms (aim: under 50 ms)\n", median(total), total.front());
    std::printf("  detection pass  median %.2f ms, first run %.2f ms (200 USB devices, headset hub %d; aim: under "
                "10 ms)\n",
        median(detection), detection.front(), found.dsRootHub);
    return 0;
}
