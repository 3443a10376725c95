// Start-up of the wizard against a bare Qt Quick window of the same size: the time from
// process start until the window is up, active and drawn once (both tell a caller pipe
// "DONE", as the wizard tells its launcher), and the peak memory (VmHWM) at that moment.
// Offscreen, software rendering, in a private sandbox machine.
// Usage: startup [runs]   (programs are taken from this program's folder)

#include "BenchSetup.h"

#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

struct Sample {
    double seconds = -1;
    qint64 peakKiB = -1;
};

qint64 peakMemoryKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

Sample measure(const QString &program)
{
    const QString pipe = QStringLiteral("\\\\.\\pipe\\startup_bench");
    platform::NamedPipeServer server(pipe);
    if (!server.listen())
        qFatal("cannot listen: %s", qUtf8Printable(server.errorString()));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, { QStringLiteral("DONE:") + pipe });
    Sample sample;
    QByteArray message;
    if (server.waitForClient(60000) && server.readMessage(&message, 5000)) {
        sample.seconds = timer.nsecsElapsed() / 1e9;
        server.writeReply("OK");
        sample.peakKiB = peakMemoryKiB(process.processId());
    }
    process.kill();
    process.waitForFinished();
    return sample;
}

Sample median(QVector<Sample> samples)
{
    std::sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.seconds < b.seconds; });
    return samples.at(samples.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = countArgument(argc, argv, 5);
    const BenchMachine machine;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    const QString folder = QCoreApplication::applicationDirPath();

    QVector<Sample> wizard, bare;
    for (int i = 0; i < runs; ++i) {
        wizard.append(measure(folder + QStringLiteral("/NovaEyeInstall")));
        bare.append(measure(folder + QStringLiteral("/bare_window")));
    }
    const Sample w = median(wizard);
    const Sample b = median(bare);
    std::printf("runs:                    %d (medians)\n", runs);
    std::printf("bare window:             %.3f s to active window, peak %lld KiB\n", b.seconds, b.peakKiB);
    std::printf("wizard:                  %.3f s to active window, peak %lld KiB\n", w.seconds, w.peakKiB);
    std::printf("ratio (wizard/bare):     time %.2f, memory %.2f\n", w.seconds / b.seconds,
        double(w.peakKiB) / double(b.peakKiB));
    return 0;
}
