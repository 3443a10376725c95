#include "InstallEffects.h"
#include "PeerPipe.h"
#include "Roles.h"
#include "Scenario.h"
#include "SpeedProfile.h"
#include "UpdaterCommandLine.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// Exit codes of the updater (index = code): the ones this stand-in uses by itself.
enum ExitCode { Success = 0, UpdateFail = 1, ConfigError = 2, SelfUpdating = 6, CopyFail = 9, SelfUpdateFinished = 13 };

constexpr int ParentPollMs = 100;
constexpr qint64 DefaultTotalSize = 8 << 20;
constexpr qint64 DefaultSpeed = 16 << 20; // bytes per second
constexpr int DefaultIntervalMs = 100;

// Messages no parser understands, for the "garbage" fault.
const QList<QByteArray> DefaultGarbage = {
    QByteArrayLiteral("Size:"), QByteArrayLiteral("Size:1024"), QByteArrayLiteral("Size:1/2/3"),
    QByteArrayLiteral("ExitCode"), QByteArrayLiteral("TotalSize"), QByteArrayLiteral("Finished"),
    QByteArray("\xff\xfe\0ExitCode:0", 14), // not UTF-8; the report after the NUL must not count
};

// Ends the process as soon as pid is gone, whatever the main thread is doing.
void watchParent(qint64 pid)
{
    std::thread([pid] {
        while (platform::Processes::isRunning(pid))
            QThread::msleep(ParentPollMs);
        std::_Exit(UpdateFail);
    }).detach();
}

// Lists the updater's process id as a value name under the key that set-up programs
// read to tell whether an updater is running, for as long as the run lasts. A run that
// crashes or is killed leaves its id behind, as the real program does.
class PidRegistration {
public:
    PidRegistration()
        : m_name(QString::number(platform::Processes::currentPid()))
    {
        platform::Registry::write(PidKey, m_name, QString());
    }
    ~PidRegistration() { platform::Registry::remove(PidKey, m_name); }
    PidRegistration(const PidRegistration &) = delete;
    PidRegistration &operator=(const PidRegistration &) = delete;

private:
    static inline const QString PidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\PID");
    const QString m_name;
};

// One run of the updater: progress on the report pipe, the scenario's fault if any, the
// installation's effects and the final report.
class UpdaterRun {
public:
    UpdaterRun(const UpdaterCommandLine &line, const Scenario &scenario)
        : m_line(line)
        , m_scenario(scenario)
        , m_fault(scenario.stringValue(QStringLiteral("fault")))
        , m_totalSize(scenario.int64Value(QStringLiteral("totalSize"), DefaultTotalSize))
        // A text "totalSize" is answered as it stands, number or not.
        , m_sizeAnswer(scenario.stringValue(QStringLiteral("totalSize"), QString::number(m_totalSize)).toUtf8())
    {
    }

    int run(const QStringList &arguments)
    {
        static const QStringList faults { QStringLiteral("crash"), QStringLiteral("hang"), QStringLiteral("garbage"),
            QStringLiteral("silent"), QStringLiteral("selfUpdate") };
        if (!m_fault.isEmpty() && !faults.contains(m_fault))
            std::fprintf(stderr, "updater: unknown fault \"%s\" ignored\n", qUtf8Printable(m_fault));
        if (!m_line.checkTask && !m_line.pipeName.isEmpty())
            sendProgress();
        if (m_fault == QLatin1String("crash"))
            platform::Processes::abortCurrent();
        if (m_fault == QLatin1String("hang"))
            hang();
        if (m_fault == QLatin1String("garbage"))
            sendGarbage();
        if (m_fault == QLatin1String("selfUpdate"))
            return handOverToNewVersion(arguments);
        return finish(m_scenario.intValue(QStringLiteral("exitCode"), Success));
    }

    // Makes the installation's effects when the job succeeded, unless the scenario
    // turns them off, and reports the code (the size for a size query) unless the
    // scenario wants silence.
    int finish(int code)
    {
        const bool done = code == Success || (m_line.selfUpdated && code == SelfUpdateFinished);
        const bool effects = m_scenario.settings().value(QStringLiteral("effects")).toBool(true);
        if (done && effects && !makeInstallEffects(m_line, m_scenario))
            code = CopyFail;
        if (m_fault != QLatin1String("silent"))
            send(m_line.checkTask ? QByteArray("TotalSize:" + m_sizeAnswer)
                                  : QByteArray("ExitCode:" + QByteArray::number(code)));
        return code;
    }

private:
    void send(const QByteArray &message) const
    {
        if (!m_line.pipeName.isEmpty())
            sendToPipe(m_line.pipeName, message);
    }

    // "Size:<current>/<total>" every intervalMs until the download is complete, the
    // current size growing at the scenario's speed (bytes per second) as its speed
    // profile shapes it.
    void sendProgress() const
    {
        const qint64 speed = m_scenario.int64Value(QStringLiteral("speed"), DefaultSpeed);
        const int intervalMs = m_scenario.intValue(QStringLiteral("intervalMs"), DefaultIntervalMs);
        const SpeedProfile profile = speedProfile();
        QElapsedTimer elapsed;
        elapsed.start();
        for (qint64 current = 0;;) {
            send("Size:" + QByteArray::number(current) + '/' + QByteArray::number(m_totalSize));
            if (current >= m_totalSize)
                return;
            QThread::msleep(ulong(qMax(0, intervalMs)));
            current = bytesAfter(profile, speed, m_totalSize, elapsed.elapsed());
        }
    }

    SpeedProfile speedProfile() const
    {
        const QString name = m_scenario.stringValue(QStringLiteral("speedProfile"), QStringLiteral("constant"));
        const std::optional<SpeedProfile> profile = speedProfileNamed(name);
        if (!profile)
            std::fprintf(stderr, "updater: unknown speed profile \"%s\", constant used\n", qUtf8Printable(name));
        return profile.value_or(SpeedProfile::Constant);
    }

    void sendGarbage() const
    {
        const QStringList configured = m_scenario.stringList(QStringLiteral("garbage"));
        if (configured.isEmpty()) {
            for (const QByteArray &message : DefaultGarbage)
                send(message);
        }
        for (const QString &message : configured)
            send(message.toUtf8());
    }

    [[noreturn]] static void hang()
    {
        for (;;)
            QThread::sleep(3600);
    }

    // Reports the self-update, starts the new version, which reports its end on the
    // same pipe, and leaves.
    int handOverToNewVersion(const QStringList &arguments) const
    {
        send("ExitCode:" + QByteArray::number(SelfUpdating));
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(),
                arguments + QStringList { QStringLiteral("-SelfUpdated") }, QDir::currentPath()))
            std::fprintf(stderr, "updater: cannot start the new version\n");
        return SelfUpdating;
    }

    const UpdaterCommandLine &m_line;
    const Scenario &m_scenario;
    const QString m_fault;
    const qint64 m_totalSize;
    const QByteArray m_sizeAnswer;
};

} // namespace

int runUpdater(const QStringList &arguments, const Scenario &scenario)
{
    const UpdaterCommandLine line = parseUpdaterCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "updater: %s\n", qUtf8Printable(line.error));
        return ConfigError;
    }
    if (line.parentPid > 0)
        watchParent(line.parentPid);
    keepUpdaterSettings(line);
    const PidRegistration registration;
    // The new version after a self-update only reports, whatever the scenario says; it
    // is no attempt of its own.
    if (line.selfUpdated)
        return UpdaterRun(line, Scenario()).finish(SelfUpdateFinished);
    const Scenario task = scenario.forTask(line.job());
    return UpdaterRun(line, task).run(arguments);
}
