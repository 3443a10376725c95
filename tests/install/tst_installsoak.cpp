// A randomised fault soak of a whole installation in CN mode with standalone SteamVR:
// each run makes one step's updater fail in one way until the user answers, and
// checks what the user sees, that TRY AGAIN finishes the installation, that the
// user-interface thread keeps going and that closing ends a hung updater.
// NOVA_SOAK_RUNS (default 20) and NOVA_SOAK_SEED (the first run's seed) choose the
// runs; tests/soak/install-faults runs many more.

#include "InstallRun.h"
#include "LogCapture.h"

#include "core/Utils.h"
#include "install/NovaParser.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>

namespace {

constexpr int DefaultRuns = 20;
constexpr quint32 DefaultSeed = 2016;
constexpr int StepTimeoutMs = 60000;
constexpr int CloseLimitMs = 10000;
constexpr int HeartbeatMs = 10;
constexpr int MaxLateMs = 100;
// How long a run that does not end is watched for a dialog before the wizard closes.
constexpr int WatchWaitingMs = 500;
// Small, quick updater runs: a handful of progress messages each.
constexpr int UpdaterTotalSize = 1 << 20;
constexpr int UpdaterIntervalMs = 10;

// An updater job of the installation: the stand-in's name for it, the pipe it reports
// on, the package its parser names and the dialog its failure raises.
struct Job {
    QString name;
    QString pipe;
    QString package;
    QString dialogId;
    bool isSelfUpdate;
};

const Job Jobs[] = {
    { QStringLiteral("updater"), QStringLiteral("updater_pipe"), QStringLiteral("NOVA Updater"),
        QStringLiteral("IN002"), true },
    { QStringLiteral("hidRom"), QStringLiteral("HidRomCU_pipe"), QStringLiteral("NOVA HidRomCU"),
        QStringLiteral("IN002"), false },
    { QStringLiteral("guide"), QStringLiteral("guide_pipe"), QStringLiteral("NOVA Guide"), QStringLiteral("IN002"),
        false },
    { QStringLiteral("software"), QStringLiteral("nova_pipe"), QStringLiteral("NOVA Sw"), QStringLiteral("IN002"),
        false },
    { QStringLiteral("steamvr"), QStringLiteral("sasteamvr_pipe"), QStringLiteral("SteamVR"), QStringLiteral("IN007"),
        false },
};

// The stand-in updater's faults, in the order of FaultKind; the first is a reported code.
enum class FaultKind { ExitCode, Crash, Hang, Garbage, Silent };
const char *const FaultNames[] = { "exitCode", "crash", "hang", "garbage", "silent" };

struct Fault {
    FaultKind kind;
    int exitCode; // reported, for FaultKind::ExitCode

    QString text() const
    {
        const QString name = QLatin1String(FaultNames[int(kind)]);
        if (kind == FaultKind::ExitCode)
            return name + QLatin1Char(' ') + QString::number(exitCode);
        return name;
    }

    // The stand-in's settings for one run with this fault. The updater's own update
    // ends with 13 only from its new copy: that code comes through a real self-update.
    QJsonObject settings(bool isSelfUpdate) const
    {
        if (kind == FaultKind::ExitCode && isSelfUpdate && exitCode == UpdaterExitCode::SelfUpdateFinished)
            return { { QStringLiteral("fault"), QStringLiteral("selfUpdate") } };
        if (kind == FaultKind::ExitCode)
            return { { QStringLiteral("exitCode"), exitCode } };
        return { { QStringLiteral("fault"), QLatin1String(FaultNames[int(kind)]) } };
    }
};

// What the wizard makes of a fault that strikes every run of a step.
struct Expectation {
    enum Outcome { Completes, Raised, Waits };
    Outcome outcome;
    // The step's runs up to that outcome: the first one and the automatic retries.
    int runs;

    bool operator==(const Expectation &other) const { return outcome == other.outcome && runs == other.runs; }

    QString text() const
    {
        switch (outcome) {
        case Completes:
            return QStringLiteral("completes");
        case Raised:
            return QStringLiteral("raised after %1 run(s)").arg(runs);
        case Waits:
            return QStringLiteral("waits");
        }
        return {};
    }
};

// The reported codes that are not raised at once.
struct CodeRule {
    int code;
    bool selfUpdateOnly; // the rule holds for the updater's own update only
    Expectation expectation;
};

const CodeRule CodeRules[] = {
    { 1, false, { Expectation::Raised, 2 } }, // the update failed: tried once more
    { 5, false, { Expectation::Raised, 4 } }, // the download failed: tried three more times
    { 9, false, { Expectation::Raised, 2 } }, // the copy failed: tried once more
    { 6, true, { Expectation::Waits, 1 } }, // the updater replaces itself: its new copy is waited for
    { 13, true, { Expectation::Completes, 1 } }, // the new copy of the updater is done
};

Expectation expectedOutcome(const Fault &fault, bool isSelfUpdate)
{
    switch (fault.kind) {
    case FaultKind::Garbage: // unreadable messages are passed over; the report after them counts
        return { Expectation::Completes, 1 };
    case FaultKind::Hang:
        return { Expectation::Waits, 1 };
    case FaultKind::Crash:
    case FaultKind::Silent: // an updater that ends without its report has failed
        return { Expectation::Raised, 1 };
    case FaultKind::ExitCode:
        break;
    }
    for (const CodeRule &rule : CodeRules) {
        if (rule.code == fault.exitCode && (isSelfUpdate || !rule.selfUpdateOnly))
            return rule.expectation;
    }
    return { Expectation::Raised, 1 };
}

// Tells a parser what an updater run with the fault reports and how its process ends.
void feed(NovaParser &parser, const Fault &fault)
{
    switch (fault.kind) {
    case FaultKind::ExitCode:
        parser.parseMessage(QStringLiteral("ExitCode:%1").arg(fault.exitCode));
        parser.onProcFinished(fault.exitCode, QProcess::NormalExit);
        break;
    case FaultKind::Crash:
        parser.onProcError(QProcess::Crashed);
        parser.onProcFinished(0, QProcess::CrashExit);
        break;
    case FaultKind::Hang:
        break;
    case FaultKind::Garbage:
        for (const char *message : { "Size:1/2/3", "ExitCode", "Finished", "ExitCode:0" })
            parser.parseMessage(QLatin1String(message));
        parser.onProcFinished(0, QProcess::NormalExit);
        break;
    case FaultKind::Silent:
        parser.onProcFinished(0, QProcess::NormalExit);
        break;
    }
}

// The parser's own verdict: fresh parsers, each told of the runs before it, fed one
// faulty run each, until one ends the step (at most ten runs).
Expectation parserVerdict(const Fault &fault, bool isSelfUpdate)
{
    for (int earlier = 0; earlier < 10; ++earlier) {
        NovaParser parser(QStringLiteral("NOVA Sw"), QStringLiteral("NOVA Sw"), earlier, earlier, isSelfUpdate, false);
        QSignalSpy finished(&parser, &NovaParser::installFinished);
        QSignalSpy failed(&parser, &NovaParser::installError);
        QSignalSpy retried(&parser, &NovaParser::autoRetry);
        feed(parser, fault);
        if (!finished.isEmpty())
            return { Expectation::Completes, earlier + 1 };
        if (!failed.isEmpty())
            return { Expectation::Raised, earlier + 1 };
        if (retried.isEmpty())
            return { Expectation::Waits, earlier + 1 };
    }
    return { Expectation::Waits, -1 };
}

struct SoakCase {
    quint32 seed;
    const Job *job;
    Fault fault;
};

SoakCase drawCase(quint32 seed)
{
    QRandomGenerator random(seed);
    const Job *job = &Jobs[random.bounded(int(std::size(Jobs)))];
    const auto kind = FaultKind(random.bounded(int(std::size(FaultNames))));
    return { seed, job, { kind, kind == FaultKind::ExitCode ? random.bounded(1, 16) : 0 } };
}

// The stand-in updater for a case: small quick runs, the fault in each run of the job up
// to the expected outcome and none in the runs after it.
QJsonObject scenarioFor(const SoakCase &soakCase, const Expectation &expected)
{
    QJsonArray attempts;
    for (int run = 0; run < expected.runs; ++run)
        attempts.append(soakCase.fault.settings(soakCase.job->isSelfUpdate));
    attempts.append(QJsonObject());
    QJsonObject scenario = updaterJob(soakCase.job->name, { { QStringLiteral("attempts"), attempts } });
    scenario.insert(QStringLiteral("totalSize"), UpdaterTotalSize);
    scenario.insert(QStringLiteral("intervalMs"), UpdaterIntervalMs);
    return scenario;
}

// Ticks every HeartbeatMs on the thread that makes it and keeps how late the latest
// tick came at worst.
class Heartbeat {
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(HeartbeatMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tick(); });
        m_clock.start();
        m_timer.start();
    }

    // Stops, counting the time since the last tick.
    qint64 stop()
    {
        tick();
        m_timer.stop();
        return m_worstLateMs;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.elapsed();
        m_worstLateMs = qMax(m_worstLateMs, now - m_lastTickMs - HeartbeatMs);
        m_lastTickMs = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTickMs = 0;
    qint64 m_worstLateMs = 0;
};

struct RunFigures {
    qint64 lateMs = -1;
    qint64 closeMs = -1;
};

// The runs of a job so far; the new copy after a self-update is part of its run.
int runsOf(const InstallRun &run, const Job &job)
{
    const QStringList starts = run.machine.peerStarts();
    return int(std::count_if(starts.begin(), starts.end(), [&job](const QString &start) {
        const QStringList words = start.split(QLatin1Char(' '));
        return words.contains(QStringLiteral("-NP:") + job.pipe) && !words.contains(QStringLiteral("-SelfUpdated"));
    }));
}

bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, StepTimeoutMs);
}

// Closes as the wizard closes: ends the updaters, then everything goes. Returns what
// went wrong, empty when nothing did.
QString closeWaitingRun(std::unique_ptr<InstallRun> run, bool updaterHangs, RunFigures *figures)
{
    QList<qint64> updaters;
    Utils::findProcessByName(Utils::ProcUpdater, &updaters);
    if (updaterHangs && updaters.isEmpty())
        return QStringLiteral("no hung Updater.exe runs");
    QElapsedTimer closing;
    closing.start();
    run->installs.killUpdaterProc();
    run.reset();
    figures->closeMs = closing.elapsed();
    if (figures->closeMs > CloseLimitMs)
        return QStringLiteral("closing took %1 ms").arg(figures->closeMs);
    for (const qint64 pid : qAsConst(updaters)) {
        if (platform::Processes::isRunning(pid))
            return QStringLiteral("Updater.exe %1 still runs after closing").arg(pid);
    }
    return {};
}

// One installation with the case's fault. Returns what went otherwise than expected,
// empty when all went as expected.
QString runCase(const SoakCase &soakCase, const Expectation &expected, const LogCapture &log, RunFigures *figures)
{
    const Job &job = *soakCase.job;
    auto run = std::make_unique<InstallRun>(scenarioFor(soakCase, expected));
    if (!run->ready || !run->prepareStandaloneSteamVR())
        return QStringLiteral("the sandbox machine could not be prepared");
    QSignalSpy quits(&run->installs, &InstallManager::prepareToQuit);
    const auto runsOfJob = [&run, &job] { return runsOf(*run, job); };
    const auto installed = [&quits] {
        return waitFor([&quits] { return !quits.isEmpty(); })
            && quits.at(0).at(0).toString() == QLatin1String("bg done");
    };
    Heartbeat heartbeat;

    emit run->installs.checkPath();
    if (!waitFor([&run] { return run->paths.sizeCheckStatus() == PathManager::SizesKnown; }))
        return QStringLiteral("the sizes were not checked");
    if (!run->paths.shouldUseStandaloneSteamVR())
        return QStringLiteral("standalone SteamVR was not chosen");
    run->installs.startInstall();
    switch (expected.outcome) {
    case Expectation::Completes:
        if (!installed())
            return QStringLiteral("the installation did not end with \"bg done\"");
        break;
    case Expectation::Raised: {
        if (!waitFor([&run] { return !run->dialogs.isEmpty(); }))
            return QStringLiteral("no dialog");
        const QString dialogId = run->dialogs.at(0).at(0).toString();
        if (dialogId != job.dialogId)
            return QStringLiteral("dialog %1 raised").arg(dialogId);
        if (runsOfJob() != expected.runs)
            return QStringLiteral("the dialog came after %1 run(s)").arg(runsOfJob());
        run->installs.onReturnTryAgain(dialogId);
        if (!installed())
            return QStringLiteral("TRY AGAIN did not end the installation with \"bg done\"");
        break;
    }
    case Expectation::Waits: {
        // Waiting starts once the run has sent all its progress.
        const QString fullSize = QStringLiteral("[NovaParser] %1 parser received message: Size:%2/%2")
                                     .arg(job.package)
                                     .arg(UpdaterTotalSize);
        if (!waitFor([&log, &fullSize] { return log.contains(fullSize); }))
            return QStringLiteral("the step's run did not send all its progress");
        QTest::qWait(WatchWaitingMs);
        if (!quits.isEmpty())
            return QStringLiteral("the installation ended");
        break;
    }
    }
    if (run->dialogs.count() != (expected.outcome == Expectation::Raised ? 1 : 0))
        return QStringLiteral("%1 dialog(s) raised").arg(run->dialogs.count());
    const int runs = expected.runs + (expected.outcome == Expectation::Raised ? 1 : 0);
    if (runsOfJob() != runs)
        return QStringLiteral("the step ran %1 time(s), not %2").arg(runsOfJob()).arg(runs);
    figures->lateMs = heartbeat.stop();
    if (figures->lateMs > MaxLateMs)
        return QStringLiteral("the user-interface thread stalled for %1 ms").arg(figures->lateMs);
    if (expected.outcome == Expectation::Waits)
        return closeWaitingRun(std::move(run), soakCase.fault.kind == FaultKind::Hang, figures);
    return {};
}

void print(const QString &line)
{
    std::printf("soak: %s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

// The install manager's and the parsers' last lines, to tell where a run went wrong.
void printTail(const LogCapture &log)
{
    QStringList lines;
    for (const QString &line : log.lines()) {
        if (line.startsWith(QLatin1String("[InstallManager]")) || line.startsWith(QLatin1String("[NovaParser]")))
            lines.append(line);
    }
    for (const QString &line : lines.mid(lines.size() - 12))
        print(QStringLiteral("    ") + line);
}

// The soak's figures over its runs.
struct Tally {
    int runs = 0;
    int outcomes[3] = {};
    QStringList failedSeeds;
    qint64 worstLateMs = 0;
    qint64 slowestCloseMs = 0;

    void add(const SoakCase &soakCase, const Expectation &expected, const RunFigures &figures, bool failed)
    {
        ++runs;
        ++outcomes[expected.outcome];
        if (failed)
            failedSeeds.append(QString::number(soakCase.seed));
        worstLateMs = qMax(worstLateMs, figures.lateMs);
        slowestCloseMs = qMax(slowestCloseMs, figures.closeMs);
    }

    QString text(quint32 firstSeed, qint64 elapsedMs) const
    {
        QString text = QStringLiteral("%1 runs from seed %2 in %3 s: failed %4")
                           .arg(runs)
                           .arg(firstSeed)
                           .arg(elapsedMs / 1000)
                           .arg(failedSeeds.size());
        if (!failedSeeds.isEmpty())
            text += QStringLiteral(" (seeds ") + failedSeeds.join(QStringLiteral(", ")) + QLatin1Char(')');
        text += QStringLiteral("; %1 completed, %2 raised, %3 waited; UI late at most %4 ms")
                    .arg(outcomes[Expectation::Completes])
                    .arg(outcomes[Expectation::Raised])
                    .arg(outcomes[Expectation::Waits])
                    .arg(worstLateMs);
        if (outcomes[Expectation::Waits] > 0)
            text += QStringLiteral(", slowest close %1 ms").arg(slowestCloseMs);
        return text;
    }
};

QString runLine(const SoakCase &soakCase, const Expectation &expected, const QString &failure,
    const RunFigures &figures, qint64 elapsedMs)
{
    QString line = QStringLiteral("seed %1: %2 %3, %4: ")
                       .arg(soakCase.seed)
                       .arg(soakCase.job->name, soakCase.fault.text(), expected.text());
    line += failure.isEmpty() ? QStringLiteral("ok") : QString(QStringLiteral("FAILED, ") + failure);
    line += QStringLiteral(" in %1 s").arg(elapsedMs / 1000.0, 0, 'f', 1);
    if (figures.lateMs >= 0)
        line += QStringLiteral(", UI late %1 ms").arg(figures.lateMs);
    if (figures.closeMs >= 0)
        line += QStringLiteral(", closed in %1 ms").arg(figures.closeMs);
    return line;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class tst_InstallSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setInstallMode(false, true); }
    void cleanupTestCase() { setInstallMode(false); }

    void expectationsAgreeWithTheParser_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("isSelfUpdate");
        QList<Fault> faults;
        for (int code = 1; code < 16; ++code)
            faults.append({ FaultKind::ExitCode, code });
        for (const FaultKind kind : { FaultKind::Crash, FaultKind::Hang, FaultKind::Garbage, FaultKind::Silent })
            faults.append({ kind, 0 });
        for (const Fault &fault : qAsConst(faults)) {
            for (const bool isSelfUpdate : { false, true }) {
                const QString step = isSelfUpdate ? QStringLiteral("updater: ") : QStringLiteral("other step: ");
                QTest::newRow(qPrintable(step + fault.text())) << fault << isSelfUpdate;
            }
        }
    }

    // The soak's expectations, built from what each code and fault means, are what
    // the parser decides, run after run.
    void expectationsAgreeWithTheParser()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, isSelfUpdate);
        const Expectation expected = expectedOutcome(fault, isSelfUpdate);
        const Expectation verdict = parserVerdict(fault, isSelfUpdate);
        QVERIFY2(verdict == expected, qPrintable(verdict.text() + QStringLiteral(", expected ") + expected.text()));
    }

    // Each run: a failed step raises exactly one dialog and TRY AGAIN, the fault gone,
    // ends the installation with "bg done"; a fault that is no failure raises none; a
    // run that never ends raises none either, and closing ends it and its updater.
    void faultsEndAsExpected()
    {
        const int runs = qEnvironmentVariableIsSet("NOVA_SOAK_RUNS") ? qEnvironmentVariableIntValue("NOVA_SOAK_RUNS")
                                                                     : DefaultRuns;
        bool seedGiven = false;
        const quint32 givenSeed = qEnvironmentVariable("NOVA_SOAK_SEED").toUInt(&seedGiven);
        const quint32 firstSeed = seedGiven ? givenSeed : DefaultSeed;
        Tally tally;
        QElapsedTimer soak;
        soak.start();
        for (int index = 0; index < runs; ++index) {
            const SoakCase soakCase = drawCase(firstSeed + quint32(index));
            const Expectation expected = expectedOutcome(soakCase.fault, soakCase.job->isSelfUpdate);
            QElapsedTimer clock;
            clock.start();
            LogCapture log;
            RunFigures figures;
            const QString failure = runCase(soakCase, expected, log, &figures);
            tally.add(soakCase, expected, figures, !failure.isEmpty());
            print(QStringLiteral("run %1/%2 ").arg(index + 1).arg(runs)
                + runLine(soakCase, expected, failure, figures, clock.elapsed()));
            if (!failure.isEmpty())
                printTail(log);
        }
        const QString summary = tally.text(firstSeed, soak.elapsed());
        print(summary);
        QVERIFY2(tally.failedSeeds.isEmpty(), qPrintable(summary));
    }
};

QTEST_GUILESS_MAIN(tst_InstallSoak)
#include "tst_installsoak.moc"
