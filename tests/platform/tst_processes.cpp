#include "SandboxMachine.h"

#include "platform/Launch.h"
#include "platform/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTest>

#include <csignal>
#include <memory>
#include <unistd.h>

using platform::LaunchResult;
using platform::Processes;
using platform::ProcessInfo;

namespace {

QList<qint64> pids(const QList<ProcessInfo> &processes)
{
    QList<qint64> result;
    for (const ProcessInfo &info : processes)
        result.append(info.pid);
    std::sort(result.begin(), result.end());
    return result;
}

bool isRunning(QProcess &process)
{
    return !process.waitForFinished(50);
}

// Children of this process that ended and were never collected.
int zombieChildren()
{
    int zombies = 0;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read after its ")".
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[0] == "Z" && fields[1].toLongLong() == Processes::currentPid())
            ++zombies;
    }
    return zombies;
}

// The blocked and ignored signal sets a program reports for itself. glibc's two
// internal signals (32 and 33) are left out: posix_spawn ignores them in the child,
// whose C library sets them up afresh.
QByteArray signalSets(const QByteArray &status)
{
    constexpr quint64 Internal = quint64(3) << 31;
    QByteArray sets;
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith("SigBlk:") || line.startsWith("SigIgn:"))
            sets += line.left(7) + QByteArray::number(line.mid(7).trimmed().toULongLong(nullptr, 16) & ~Internal) + ' ';
    return sets.trimmed();
}

// Starts a program both ways the platform layer offers for a plain start.
LaunchResult start(bool spawned, const QString &folder, const QString &program, const QStringList &arguments, bool wait,
    int limitMs = 10000, QByteArray *output = nullptr)
{
    if (!spawned) {
        QStringList words { program };
        for (const QString &argument : arguments)
            words.append(QLatin1Char('"') + argument + QLatin1Char('"'));
        return platform::launchAsUser(folder, words.join(QLatin1Char(' ')), wait, limitMs, output);
    }
    platform::StartRequest request;
    request.program = program;
    request.arguments = arguments;
    request.workingDir = folder;
    request.wait = wait;
    request.waitLimitMs = limitMs;
    request.output = output;
    return platform::startProgram(request);
}

} // namespace

class TestProcesses : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_machine->writeScenario(
            { { QStringLiteral("Sleeper.exe"), QJsonObject { { QStringLiteral("runMs"), 60000 } } } });
        m_inA = m_machine->installPeer(QStringLiteral("opt/A"), QStringLiteral("Sleeper.exe"));
        m_inB = m_machine->installPeer(QStringLiteral("opt/B"), QStringLiteral("Sleeper.exe"));
        m_outsideDir = std::make_unique<QTemporaryDir>();
        m_outside = m_outsideDir->filePath(QStringLiteral("Sleeper.exe"));
        QVERIFY(QFile::copy(m_inA, m_outside));
        for (auto [process, program] : { std::pair { &m_a, m_inA }, { &m_b, m_inB }, { &m_c, m_outside } }) {
            process->start(program, QStringList());
            QVERIFY(process->waitForStarted());
        }
        // Started means forked: wait until each runs its own image.
        QTRY_COMPARE(Processes::find(QStringLiteral("Sleeper.exe"), Processes::Match::Name).size(), 2);
    }

    void cleanup()
    {
        for (QProcess *process : { &m_a, &m_b, &m_c }) {
            process->kill();
            process->waitForFinished();
        }
        m_machine.reset();
        m_outsideDir.reset();
    }

    void findIgnoresCaseAndSeesOnlyTheSandbox()
    {
        const QList<ProcessInfo> found = Processes::find(QStringLiteral("sleeper.EXE"), Processes::Match::Name);
        QCOMPARE(pids(found),
            (QList<qint64> { qMin(m_a.processId(), m_b.processId()), qMax(m_a.processId(), m_b.processId()) }));
        for (const ProcessInfo &info : found) {
            QCOMPARE(info.imageName, QStringLiteral("Sleeper.exe"));
            QCOMPARE(info.parentPid, Processes::currentPid());
            QVERIFY(info.imagePath == m_inA || info.imagePath == m_inB);
        }
        QCOMPARE(Processes::find(QStringLiteral("SLEEP"), Processes::Match::Prefix).size(), 2);
        QVERIFY(Processes::find(QStringLiteral("Sleeper"), Processes::Match::Name).isEmpty());
        QVERIFY(Processes::find(QString(), Processes::Match::Prefix).isEmpty());
    }

    void terminateByPathLeavesTheSameNameInAnotherFolderAlone()
    {
        const QList<ProcessInfo> found = Processes::find(m_inA.toUpper(), Processes::Match::Path);
        QCOMPARE(pids(found), QList<qint64> { m_a.processId() });
        QVERIFY(Processes::terminate(found.first().pid));
        QVERIFY(m_a.waitForFinished(5000));
        QVERIFY(isRunning(m_b));
        QVERIFY(isRunning(m_c));
    }

    void terminateByNameEndsEveryMatchInsideTheSandbox()
    {
        const QList<ProcessInfo> found = Processes::find(QStringLiteral("SLEEPER.exe"), Processes::Match::Name);
        for (const ProcessInfo &info : found)
            QVERIFY(Processes::terminate(info.pid));
        QVERIFY(m_a.waitForFinished(5000));
        QVERIFY(m_b.waitForFinished(5000));
        QVERIFY(isRunning(m_c));
        QTRY_VERIFY(Processes::find(QStringLiteral("Sleeper.exe"), Processes::Match::Name).isEmpty());
    }

    void isRunningSeesAnyLiveProcessButNoZombie()
    {
        QVERIFY(Processes::isRunning(Processes::currentPid()));
        QVERIFY(Processes::isRunning(m_c.processId())); // outside the sandbox too
        QVERIFY(!Processes::isRunning(0));
        QVERIFY(!Processes::isRunning(-1));
        m_c.kill();
        QVERIFY(m_c.waitForFinished(5000));
        QVERIFY(!Processes::isRunning(m_c.processId()));

        // A killed child whose parent never reaps it stays a zombie.
        QProcess shell;
        shell.start(
            QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("sleep 60 & echo $!; exec sleep 60") });
        QVERIFY(shell.waitForReadyRead(10000));
        const qint64 child = shell.readLine().trimmed().toLongLong();
        // Only once the shell has become "sleep" is nobody left to reap the child.
        const auto parentName = [&shell] {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(shell.processId()));
            return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
        };
        QTRY_COMPARE(parentName(), QByteArray("sleep"));
        QVERIFY(Processes::isRunning(child));
        QVERIFY(::kill(pid_t(child), SIGKILL) == 0);
        QTRY_VERIFY(!Processes::isRunning(child));
        QVERIFY(QFile::exists(QStringLiteral("/proc/%1").arg(child))); // not reaped
        shell.kill();
        shell.waitForFinished();
    }

    void theCallerIsNeverFoundNorTerminated()
    {
        const QByteArray root = qgetenv("NOVA_MACHINE_ROOT");
        qunsetenv("NOVA_MACHINE_ROOT"); // the whole host: our own image is visible now
        const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const QList<qint64> found = pids(Processes::find(self, Processes::Match::Name));
        const QList<qint64> all = pids(Processes::list());
        qputenv("NOVA_MACHINE_ROOT", root);
        QVERIFY(all.contains(Processes::currentPid()));
        QVERIFY(!found.contains(Processes::currentPid()));
        QVERIFY(!Processes::terminate(Processes::currentPid()));
        // Its own image it knows wherever it lies, outside the sandbox too.
        QCOMPARE(Processes::currentImagePath(), QCoreApplication::applicationFilePath());
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<QTemporaryDir> m_outsideDir; // a folder outside the sandbox
    QString m_inA, m_inB, m_outside;
    QProcess m_a, m_b, m_c;
};

class TestLaunch : public QObject {
    Q_OBJECT

private slots:
    // A sandbox machine's desktop user is whoever runs it, root included.
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void waitedProgramReportsItsExitCodeInItsFolder()
    {
        QTemporaryDir dir;
        const LaunchResult result
            = platform::launchAsUser(dir.path(), QStringLiteral("sh -c \"pwd > where; exit 7\""), true);
        QCOMPARE(result.status, LaunchResult::Finished);
        QCOMPARE(result.exitCode, 7);
        QFile where(dir.filePath(QStringLiteral("where")));
        QVERIFY(where.open(QIODevice::ReadOnly));
        QCOMPARE(where.readAll().trimmed(), QFile::encodeName(dir.path()));
    }

    void waitedProgramHandsOverItsOutput()
    {
        QTemporaryDir dir;
        QByteArray output;
        // More than a pipe holds, so the output must be read while the program runs.
        const LaunchResult result = platform::launchAsUser(dir.path(),
            QStringLiteral("sh -c \"head -c 200000 /dev/zero | tr '\\\\0' x; echo; echo 1234\""), true, 10000, &output);
        QCOMPARE(result.status, LaunchResult::Finished);
        QCOMPARE(output.size(), 200000 + 6);
        QVERIFY(output.endsWith("\n1234\n"));
    }

    void programRunningPastTheLimitIsTerminated()
    {
        QTemporaryDir dir;
        QElapsedTimer timer;
        timer.start();
        const LaunchResult result
            = platform::launchAsUser(dir.path(), QStringLiteral("sh -c \"echo $$ > pid; exec sleep 30\""), true, 300);
        QCOMPARE(result.status, LaunchResult::TimedOut);
        QVERIFY(timer.elapsed() < 5000);
        QFile pidFile(dir.filePath(QStringLiteral("pid")));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        QVERIFY(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pidFile.readAll().trimmed())));
    }

    void programNotWaitedForRunsOn()
    {
        QTemporaryDir dir;
        const LaunchResult result
            = platform::launchAsUser(dir.path(), QStringLiteral("sh -c \"sleep 0.2; echo done > marker\""), false);
        QCOMPARE(result.status, LaunchResult::Started);
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("marker"))));
    }

    void failuresToStartAreReported_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("error");
        QTest::newRow("missing program") << QStringLiteral("/") << QStringLiteral("/no/such/program.exe") << ENOENT;
        QTest::newRow("empty command") << QStringLiteral("/") << QString() << ENOENT;
        QTest::newRow("missing folder") << QStringLiteral("/no/such/folder") << QStringLiteral("true") << ENOENT;
    }
    void failuresToStartAreReported()
    {
        QFETCH(QString, folder);
        QFETCH(QString, command);
        QFETCH(int, error);
        for (bool wait : { true, false }) {
            const LaunchResult result = platform::launchAsUser(folder, command, wait);
            QCOMPARE(result.status, LaunchResult::StartFailed);
            QCOMPARE(result.error, error);
        }
    }

    void bothStartsAndTheirResults_data()
    {
        QTest::addColumn<bool>("spawned");
        QTest::newRow("startProgram") << true;
        QTest::newRow("launchAsUser") << false;
    }
    // Exit code, crash, output and folder, the limit, and what cannot start, through
    // either entry.
    void bothStartsAndTheirResults()
    {
        QFETCH(bool, spawned);
        QTemporaryDir dir;
        QByteArray output;
        LaunchResult result = start(spawned, dir.path(), QStringLiteral("sh"),
            { QStringLiteral("-c"), QStringLiteral("pwd; exit 5") }, true, 10000, &output);
        QCOMPARE(result.status, LaunchResult::Finished);
        QCOMPARE(result.exitCode, 5);
        QVERIFY(!result.crashed);
        QCOMPARE(output.trimmed(), QFile::encodeName(dir.path()));

        result = start(
            spawned, dir.path(), QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("kill -9 $$") }, true);
        QCOMPARE(result.status, LaunchResult::Finished);
        QVERIFY(result.crashed);
        QCOMPARE(result.exitCode, 128 + SIGKILL);

        QElapsedTimer timer;
        timer.start();
        result = start(spawned, dir.path(), QStringLiteral("sleep"), { QStringLiteral("30") }, true, 200);
        QCOMPARE(result.status, LaunchResult::TimedOut);
        QVERIFY(timer.elapsed() < 5000);

        for (bool wait : { true, false }) {
            result = start(spawned, dir.path(), QStringLiteral("/no/such/program"), {}, wait);
            QCOMPARE(result.status, LaunchResult::StartFailed);
            QCOMPARE(result.error, ENOENT);
            result = start(spawned, dir.filePath(QStringLiteral("missing")), QStringLiteral("true"), {}, wait);
            QCOMPARE(result.status, LaunchResult::StartFailed);
            QCOMPARE(result.error, ENOENT);
        }
        QCOMPARE(zombieChildren(), 0);
    }

    // A program not waited for is collected once it ends, with no second fork.
    void programNotWaitedForLeavesNoZombie_data() { bothStartsAndTheirResults_data(); }
    void programNotWaitedForLeavesNoZombie()
    {
        QFETCH(bool, spawned);
        QTemporaryDir dir;
        const LaunchResult result = start(spawned, dir.path(), QStringLiteral("sh"),
            { QStringLiteral("-c"), QStringLiteral("echo $$ > pid.new; mv pid.new pid") }, false);
        QCOMPARE(result.status, LaunchResult::Started);
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("pid"))));
        QFile pidFile(dir.filePath(QStringLiteral("pid")));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const QString proc = QStringLiteral("/proc/") + QString::fromLatin1(pidFile.readAll().trimmed());
        QFile status(proc + QStringLiteral("/status"));
        QVERIFY(!status.open(QIODevice::ReadOnly)
            || status.readAll().contains("PPid:\t" + QByteArray::number(Processes::currentPid())));
        QTRY_VERIFY(!QFile::exists(proc)); // gone, not a zombie
        QCOMPARE(zombieChildren(), 0);
    }

    // Signals the caller blocks or ignores stay the caller's.
    void programStartsWithCleanSignals_data() { bothStartsAndTheirResults_data(); }
    void programStartsWithCleanSignals()
    {
        QFETCH(bool, spawned);
        sigset_t blocked, previous;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGUSR1);
        QCOMPARE(::pthread_sigmask(SIG_BLOCK, &blocked, &previous), 0);
        const auto oldPipe = ::signal(SIGPIPE, SIG_IGN);
        const auto oldUsr2 = ::signal(SIGUSR2, SIG_IGN);
        QByteArray output;
        const LaunchResult result = start(spawned, QStringLiteral("/"), QStringLiteral("cat"),
            { QStringLiteral("/proc/self/status") }, true, 10000, &output);
        ::signal(SIGUSR2, oldUsr2);
        ::signal(SIGPIPE, oldPipe);
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        QCOMPARE(result.status, LaunchResult::Finished);
        QCOMPARE(signalSets(output), QByteArray("SigBlk:0 SigIgn:0"));
    }

    // A wait can be ended before its limit; the program goes as at the limit.
    void stoppedWaitEndsTheProgram()
    {
        QTemporaryDir dir;
        platform::StartRequest request;
        request.program = QStringLiteral("sh");
        request.arguments = QStringList { QStringLiteral("-c"), QStringLiteral("echo $$ > pid; exec sleep 30") };
        request.workingDir = dir.path();
        request.waitLimitMs = 20000;
        request.stopWaiting = [&dir] { return QFile::exists(dir.filePath(QStringLiteral("pid"))); };
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(platform::startProgram(request).status, LaunchResult::TimedOut);
        QVERIFY(timer.elapsed() < 5000);
        QFile pidFile(dir.filePath(QStringLiteral("pid")));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        QVERIFY(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pidFile.readAll().trimmed())));
    }

    void asRootTheProgramRunsAsTheDesktopUser()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        qputenv("SUDO_UID", "65534");
        const LaunchResult result = platform::launchAsUser(
            QStringLiteral("/"), QStringLiteral("sh -c \"test $(id -u) = 65534 && test $HOME != /root\""), true);
        QCOMPARE(result.status, LaunchResult::Finished);
        QCOMPARE(result.exitCode, 0);

        // The switched start forks once; its signals are clean and nothing stays a zombie.
        const auto oldPipe = ::signal(SIGPIPE, SIG_IGN);
        QByteArray output;
        const LaunchResult status = platform::launchAsUser(
            QStringLiteral("/"), QStringLiteral("cat /proc/self/status"), true, 10000, &output);
        ::signal(SIGPIPE, oldPipe);
        QCOMPARE(status.status, LaunchResult::Finished);
        QCOMPARE(signalSets(output), QByteArray("SigBlk:0 SigIgn:0"));
        QCOMPARE(
            platform::launchAsUser(QStringLiteral("/"), QStringLiteral("true"), false).status, LaunchResult::Started);
        QTRY_COMPARE(zombieChildren(), 0);
        qunsetenv("SUDO_UID");
    }

    // Root on a real machine with nobody to run the program for: it would run elevated,
    // so it does not run at all.
    void asRootWithoutADesktopUserNothingStarts_data()
    {
        QTest::addColumn<bool>("wait");
        QTest::newRow("waited for") << true;
        QTest::newRow("not waited for") << false;
    }
    void asRootWithoutADesktopUserNothingStarts()
    {
        QFETCH(bool, wait);
        if (::geteuid() != 0)
            QSKIP("needs root");
        m_machine.reset(); // the host's own rules
        NoDesktopUserNamed noUser;
        QTemporaryDir dir;
        const LaunchResult result
            = platform::launchAsUser(dir.path(), QStringLiteral("sh -c \"echo ran > marker\""), wait);
        QCOMPARE(result.status, LaunchResult::NoDesktopUser);
        if (wait) // a program waited for would have left its marker
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("marker"))));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestProcesses processes;
    TestLaunch launch;
    return QTest::qExec(&processes, argc, argv) | QTest::qExec(&launch, argc, argv);
}

#include "tst_processes.moc"
