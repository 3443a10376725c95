// Start-up of the wizard against a bare Qt Quick window of the same size, each started
// the given number of times, interleaved, in a private sandbox machine with software
// rendering; a distribution installer ("calamares") is measured beside them when it is
// on PATH. Two figures, each with the peak memory (VmHWM) at its moment:
// - on an X server of the bench's own (Xvfb, no window manager, a session bus of its
//   own): the time from process start until the window first shows a pixel other than
//   black;
// - offscreen: the time until the window is up, active and drawn once (both tell a caller
//   pipe "DONE", as the wizard tells its launcher).
// On X it also times the wizard's EGL probe from start to exit, as a floor: the wizard
// creates its application object only once the probe has answered.
// Usage: startup [runs]   (programs are taken from this program's folder)

#include "BenchSetup.h"
#include "FirstFrame.h"

#include "SessionBus.h"
#include "XvfbDisplay.h"

#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int DrawTimeoutMs = 20000;
constexpr int StartTimeoutMs = 5000;
constexpr int ClearTimeoutMs = 5000;
// How often a wait for drawing looks whether the program has ended.
constexpr int ExitCheckMs = 100;
constexpr double TimeAim = 2.0;
constexpr double MemoryAim = 1.5;

struct Sample {
    double seconds = -1; // -1: the run failed
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

QProcessEnvironment environment(const QString &platform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    return environment;
}

// A program to measure, quiet, in the given environment.
void prepare(QProcess &process, const QProcessEnvironment &environment)
{
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(StartTimeoutMs);
}

Sample measureOffscreen(const QString &program, const QProcessEnvironment &environment)
{
    const QString pipe = QStringLiteral("\\\\.\\pipe\\startup_bench");
    platform::NamedPipeServer server(pipe);
    if (!server.listen())
        qFatal("cannot listen: %s", qUtf8Printable(server.errorString()));
    QProcess process;
    prepare(process, environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, { QStringLiteral("DONE:") + pipe });
    Sample sample;
    QByteArray message;
    if (server.waitForClient(DrawTimeoutMs) && server.readMessage(&message, StartTimeoutMs)) {
        sample.seconds = timer.nsecsElapsed() / 1e9;
        server.writeReply("OK");
        sample.peakKiB = peakMemoryKiB(process.processId());
    }
    stop(process);
    return sample;
}

Sample measureOnDisplay(FirstFrame &frame, const QString &program, const QProcessEnvironment &environment)
{
    Sample sample;
    if (!frame.clear(ClearTimeoutMs)) {
        std::fprintf(stderr, "startup: %s\n", qPrintable(frame.errorString()));
        return sample;
    }
    QProcess process;
    prepare(process, environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    qint64 drawnNs = -1;
    if (process.waitForStarted(StartTimeoutMs)) {
        // In slices, so that a program that ends without drawing is not waited for.
        const QDeadlineTimer deadline(DrawTimeoutMs);
        while (drawnNs < 0 && !deadline.hasExpired() && !process.waitForFinished(0))
            drawnNs = frame.waitForDrawing(timer, ExitCheckMs);
    }
    if (drawnNs >= 0) {
        sample.seconds = drawnNs / 1e9;
        sample.peakKiB = peakMemoryKiB(process.processId());
    }
    stop(process);
    return sample;
}

// The time from start to exit of a program that draws nothing: the wizard's EGL probe,
// whose answer the wizard waits for before it creates its application object.
Sample measureToExit(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    prepare(process, environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    Sample sample;
    if (process.waitForFinished(StartTimeoutMs) && process.exitStatus() == QProcess::NormalExit)
        sample.seconds = timer.nsecsElapsed() / 1e9;
    else
        stop(process);
    return sample;
}

template<typename T> T median(QVector<T> values)
{
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The runs of one program: the medians of those that succeeded, and how many failed.
class Runs {
public:
    void add(const Sample &sample)
    {
        if (sample.seconds < 0) {
            ++m_failed;
            return;
        }
        m_seconds.append(sample.seconds);
        m_peaksKiB.append(sample.peakKiB);
    }
    bool isEmpty() const { return m_seconds.isEmpty(); }
    double seconds() const { return median(m_seconds); }
    qint64 peakKiB() const { return median(m_peaksKiB); }
    int failed() const { return m_failed; }

private:
    QVector<double> m_seconds;
    QVector<qint64> m_peaksKiB;
    int m_failed = 0;
};

void print(const char *name, const Runs &runs, const QByteArray &failure)
{
    std::printf("  %-22s ", name);
    if (runs.isEmpty()) {
        std::printf("failed: %s in every run\n", failure.constData());
        return;
    }
    std::printf("%.3f s", runs.seconds());
    if (runs.peakKiB() >= 0)
        std::printf(", peak %lld KiB", runs.peakKiB());
    if (runs.failed() > 0)
        std::printf(" (%d failed runs left out: %s)", runs.failed(), failure.constData());
    std::printf("\n");
}

// Prints the ratios, and answers them as time and memory (0 when a side has no runs).
QPair<double, double> printRatio(const Runs &wizard, const Runs &bare)
{
    if (wizard.isEmpty() || bare.isEmpty()) {
        std::printf("  ratio (wizard/bare):   none\n");
        return {};
    }
    const double time = wizard.seconds() / bare.seconds();
    const double memory = double(wizard.peakKiB()) / double(bare.peakKiB());
    std::printf("  ratio (wizard/bare):   time %.2f, memory %.2f\n", time, memory);
    return { time, memory };
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = countArgument(argc, argv, 21);
    const BenchMachine machine;
    XvfbDisplay display;
    if (!display.start()) {
        std::fprintf(stderr, "startup: %s\n", qPrintable(display.errorString()));
        return 1;
    }
    SessionBus bus;
    if (!bus.start()) {
        std::fprintf(stderr, "startup: %s\n", qPrintable(bus.errorString()));
        return 1;
    }
    FirstFrame frame(display.name());
    if (!frame.isValid()) {
        std::fprintf(stderr, "startup: %s\n", qPrintable(frame.errorString()));
        return 1;
    }
    QProcessEnvironment onDisplay = environment(QStringLiteral("xcb"));
    onDisplay.insert(QStringLiteral("DISPLAY"), display.name());
    const QProcessEnvironment offscreen = environment(QStringLiteral("offscreen"));
    const QString folder = QCoreApplication::applicationDirPath();
    const QString wizardProgram = folder + QStringLiteral("/NovaEyeInstall");
    const QString bareProgram = folder + QStringLiteral("/bare_window");
    const QString installerProgram = QStandardPaths::findExecutable(QStringLiteral("calamares"));

    const QString probeProgram = folder + QStringLiteral("/nova-eglprobe");

    Runs wizard, bare, probe, installer, wizardOffscreen, bareOffscreen;
    for (int i = 0; i < runs; ++i) {
        wizard.add(measureOnDisplay(frame, wizardProgram, onDisplay));
        bare.add(measureOnDisplay(frame, bareProgram, onDisplay));
        probe.add(measureToExit(probeProgram, onDisplay));
        if (!installerProgram.isEmpty())
            installer.add(measureOnDisplay(frame, installerProgram, onDisplay));
        wizardOffscreen.add(measureOffscreen(wizardProgram, offscreen));
        bareOffscreen.add(measureOffscreen(bareProgram, offscreen));
    }
    const int timeoutSeconds = DrawTimeoutMs / 1000;
    const QByteArray neverDrew = QByteArray("never drew within ") + QByteArray::number(timeoutSeconds) + " s";
    std::printf("runs:                    %d of each program, interleaved (medians)\n", runs);
    std::printf("on X (Xvfb, software Qt Quick), process start to the first non-black frame:\n");
    print("bare window:", bare, neverDrew);
    print("wizard:", wizard, neverDrew);
    const QPair<double, double> ratio = printRatio(wizard, bare);
    print("egl probe alone:", probe, "no exit within 5 s");
    if (installerProgram.isEmpty())
        std::printf("  %-22s skipped (not on PATH)\n", "calamares:");
    else
        print("calamares:", installer, neverDrew);
    std::printf("offscreen, process start to the active window (\"DONE\" on the caller pipe):\n");
    const QByteArray neverActive = QByteArray("no \"DONE\" within ") + QByteArray::number(timeoutSeconds) + " s";
    print("bare window:", bareOffscreen, neverActive);
    print("wizard:", wizardOffscreen, neverActive);
    printRatio(wizardOffscreen, bareOffscreen);
    std::printf("aims (on X):             first frame at most %.1fx the bare window (now %.2fx), "
                "peak memory at most %.1fx (now %.2fx)\n",
        TimeAim, ratio.first, MemoryAim, ratio.second);
    return 0;
}
