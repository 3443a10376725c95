#include "InstallEffects.h"
#include "PeerWindow.h"
#include "Roles.h"
#include "Scenario.h"
#include "SteamState.h"

#include "platform/Processes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {

constexpr uint DefaultUserId = 140000001;
constexpr int DefaultInstallMs = 2000;
constexpr int SignalTimeoutMs = 30000;
const QString HandlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\vrmonitor\\Shell\\Open\\Command");

// The client's time line, counted from its start: it ends when the user closes it
// ("closeAfterMs") or when its time is up ("runMs"), whichever comes first.
class SteamClock {
public:
    explicit SteamClock(const Scenario &scenario)
        : m_closeAt(scenario.intValue(QStringLiteral("closeAfterMs"), -1))
        , m_runsFor(scenario.intValue(QStringLiteral("runMs"), -1))
    {
        m_started.start();
    }

    // Sleeps until ms after the start; false when the client ends before then (having
    // slept until its end).
    bool sleepUntil(qint64 ms) const
    {
        const qint64 end = endAt();
        const bool endsFirst = end >= 0 && end <= ms;
        const qint64 left = (endsFirst ? end : ms) - m_started.elapsed();
        if (left > 0)
            QThread::msleep(ulong(left));
        return !endsFirst;
    }

    // Sleeps until the end; a client that nothing ends runs until it is killed.
    void sleepToEnd() const
    {
        if (endAt() < 0) {
            for (;;)
                QThread::sleep(3600);
        }
        sleepUntil(endAt());
    }

    bool closedByUser() const { return m_closeAt >= 0 && m_closeAt == endAt(); }

private:
    qint64 endAt() const
    {
        if (m_closeAt < 0 || m_runsFor < 0)
            return qMax(m_closeAt, m_runsFor);
        return qMin(m_closeAt, m_runsFor);
    }

    QElapsedTimer m_started;
    const qint64 m_closeAt; // -1: never
    const qint64 m_runsFor; // -1: never
};

void setUpdating(uint updating)
{
    for (const QString &app : { SteamVRAppId, SteamCommonAppId })
        writeRegistryValue(steamAppKey(app), QStringLiteral("Updating"), updating);
}

// SteamVR's programs below the client's folder, copies of this program that play them,
// and the protocol handler that starts its monitor.
bool placeSteamVR(const QString &steamFolder)
{
    const QString bin = steamFolder + QStringLiteral("/steamapps/common/SteamVR/bin/");
    const QString monitor = bin + QStringLiteral("win32/vrmonitor.exe");
    return placeCopyOfThisProgram(bin + QStringLiteral("win64/vrpathreg.exe")) && placeCopyOfThisProgram(monitor)
        && placeCopyOfThisProgram(bin + QStringLiteral("win32/vrstartup.exe"))
        && writeRegistryValue(
            HandlerKey, QStringLiteral("Default"), QString(QLatin1Char('"') + monitor + QStringLiteral("\" \"%1\"")));
}

// Runs the registered signal tool, which tells every registered pipe "Finished".
void signalFinished()
{
    const QString tool = registeredSignalProgram();
    if (tool.isEmpty()) {
        std::fprintf(stderr, "Steam: no signal tool is registered\n");
        return;
    }
    QProcess signal;
    signal.setProcessChannelMode(QProcess::ForwardedChannels);
    signal.start(tool, QStringList());
    if (!signal.waitForFinished(SignalTimeoutMs))
        std::fprintf(stderr, "Steam: %s: %s\n", qUtf8Printable(tool), qUtf8Printable(signal.errorString()));
}

// SteamVR's download has ended: its files, then its state, then the signal.
void finishSteamVRInstall(const Scenario &scenario)
{
    const bool placed = placeSteamVR(QCoreApplication::applicationDirPath())
        && writeRegistryValue(steamAppKey(SteamVRAppId), QStringLiteral("Installed"), 1U);
    setUpdating(0);
    if (placed && scenario.settings().value(QStringLiteral("sendSignal")).toBool(true))
        signalFinished();
}

} // namespace

int runSteam(const QStringList &, const Scenario &scenario)
{
    // A second start hands its command line to the running client and leaves.
    if (steamRuns(true))
        return 0;
    const SteamClock clock(scenario);
    const bool steamVRThere = isSteamVRInstalled();
    writeRegistryValue(SteamActiveProcessKey, QStringLiteral("pid"), uint(platform::Processes::currentPid()));
    writeRegistryValue(SteamActiveProcessKey, QStringLiteral("ActiveUser"), 0U);
    const PeerWindow window(QStringLiteral("Steam"));

    const int signInMs = scenario.intValue(QStringLiteral("signInMs"), 0);
    if (signInMs >= 0 && clock.sleepUntil(signInMs)) {
        writeRegistryValue(SteamActiveProcessKey, QStringLiteral("ActiveUser"),
            uint(scenario.int64Value(QStringLiteral("userId"), DefaultUserId)));
        if (!steamVRThere) {
            setUpdating(1);
            if (clock.sleepUntil(signInMs + scenario.intValue(QStringLiteral("installMs"), DefaultInstallMs)))
                finishSteamVRInstall(scenario);
        }
    }
    clock.sleepToEnd();
    if (clock.closedByUser())
        writeRegistryValue(SteamActiveProcessKey, QStringLiteral("pid"), 0U);
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}
