// The PC check on this machine: collecting the hardware facts (CPU, PCI graphics
// adapters named from pci.ids, memory, OS) and ranking them against the shipped
// compatibility list, without network. Log lines are counted, not printed. This
// machine may have no graphics adapter, so the naming of one from pci.ids (read
// whole, then searched) is timed on its own.
// Usage: pc_check [runs]

#include "BenchSetup.h"

#include "checks/NovaCheckLib.h"
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
    return 0;
}
