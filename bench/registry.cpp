// Prints the time per registry write, per read and for one flush, in a private sandbox
// machine (its hives lie in the temporary folder, so TMPDIR chooses the disk).
//   registry [writes]
#include "BenchSetup.h"

#include "platform/Registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

using platform::Registry;

namespace {

const QString Key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Bench");

double microsecondsEach(const QElapsedTimer &timer, int count)
{
    return double(timer.nsecsElapsed()) / 1000.0 / count;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int writes = countArgument(argc, argv, 200);
    BenchMachine machine;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < writes; ++i) {
        if (!Registry::write(Key, QStringLiteral("Value%1").arg(i), i))
            return 1;
    }
    std::printf("write: %.1f us each (%d values)\n", microsecondsEach(timer, writes), writes);

    timer.restart();
    for (int i = 0; i < writes; ++i) {
        if (Registry::read(Key, QStringLiteral("Value%1").arg(i)) != i)
            return 1;
    }
    std::printf("read: %.1f us each\n", microsecondsEach(timer, writes));

    timer.restart();
    const bool flushed = Registry::flush();
    std::printf("flush: %.1f us%s\n", microsecondsEach(timer, 1), flushed ? "" : " (failed)");
    return flushed ? 0 : 1;
}
