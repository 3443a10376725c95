// A whole CN-mode installation through "bg done" with the stand-in updater at a fixed
// speed: how long it takes against what the stand-ins are scripted to take, the wizard's
// own overhead (the difference), the longest stall of the user-interface thread
// meanwhile and the peak resident memory of this process.
// Usage: install_run   (runs in a private sandbox machine)

#include "InstallBench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr qint64 TotalSize = 32 << 20; // bytes, every job
constexpr qint64 Speed = 16 << 20; // bytes per second
constexpr int IntervalMs = 100;
constexpr int HeartbeatMs = 10;
constexpr int RunTimeoutMs = 180000;
constexpr double OverheadAimSeconds = 5.0;
constexpr double StallAimMs = 50.0;

// The stand-ins' scripted time: the jobs up to the guide (updater, headset tools, guide)
// run one after another and the two after it (software, SteamVR) side by side, so it is
// the sum of totalSize/speed over the three plus the longer of the two; every job
// downloads the same here, and the other programs (registration, the drivers' check)
// are scripted to take no time.
constexpr double JobSeconds = double(TotalSize) / double(Speed);
constexpr double ScriptedSeconds = 3 * JobSeconds + JobSeconds;

// A timer every HeartbeatMs on this thread; the most it fired late is the longest the
// thread was kept from its events.
class Heartbeat {
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(HeartbeatMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
    }

    void start()
    {
        m_clock.start();
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double worstLatenessMs() const { return m_worstNs / 1e6; }

private:
    void beat()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_worstNs = qMax(m_worstNs, now - m_lastNs - HeartbeatMs * 1000000LL);
        m_lastNs = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
};

const char *verdict(bool met)
{
    return met ? "met" : "missed";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const BenchLog log;
    const std::unique_ptr<InstallRun> run = cnInstallRun({ { QStringLiteral("totalSize"), TotalSize },
        { QStringLiteral("speed"), Speed }, { QStringLiteral("intervalMs"), IntervalMs } });
    if (!run)
        return 1;
    Heartbeat heartbeat;
    QElapsedTimer clock;
    QString reason;
    double seconds = 0.0;
    QObject::connect(&run->installs, &InstallManager::prepareToQuit, [&](const QString &why) {
        seconds = clock.nsecsElapsed() / 1e9;
        heartbeat.stop();
        reason = why;
    });
    heartbeat.start();
    clock.start();
    run->installs.startInstall();
    const bool ended = runUntil([&reason] { return !reason.isEmpty(); }, RunTimeoutMs);
    run->installs.killUpdaterProc();
    if (!ended || reason != QLatin1String("bg done")) {
        std::fprintf(stderr,
            "the installation did not end with \"bg done\" within %d s (%s); the log ended with:\n  %s\n",
            RunTimeoutMs / 1000, qUtf8Printable(reason), qUtf8Printable(log.tail(20).join(QStringLiteral("\n  "))));
        return 1;
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);

    const double overhead = seconds - ScriptedSeconds;
    const double stall = heartbeat.worstLatenessMs();
    std::printf(
        "jobs: %lld MiB each at %lld MiB/s, a Size: message every %d ms\n", TotalSize >> 20, Speed >> 20, IntervalMs);
    std::printf("total time (startInstall to \"bg done\"): %7.2f s\n", seconds);
    std::printf("stand-ins' scripted time:               %7.2f s\n", ScriptedSeconds);
    std::printf("wizard's overhead:                      %7.2f s   (aim: at most %.0f s, %s)\n", overhead,
        OverheadAimSeconds, verdict(overhead <= OverheadAimSeconds));
    std::printf("longest user-interface stall:           %7.1f ms  (aim: at most %.0f ms, %s)\n", stall, StallAimMs,
        verdict(stall <= StallAimMs));
    std::printf("peak resident memory:                   %7ld KiB\n", usage.ru_maxrss);
    return 0;
}
