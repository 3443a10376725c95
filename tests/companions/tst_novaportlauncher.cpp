#include "LogCapture.h"
#include "SandboxMachine.h"

#include "companions/NovaportLauncher.h"
#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "platform/NamedEvent.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>
#include <mutex>

using platform::Registry;

namespace {

const QString Tag = QStringLiteral("[NovaportLauncher] ");
const QString RunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString Done = QStringLiteral("done");
const QString EventSeen = QStringLiteral("[WaitEventThread] Recieved \"Global\\\\NovaportLaunched\" event.");

// The lines of the given tags, the thread ids in them replaced by "(tid)".
QStringList linesOf(const LogCapture &log, const QStringList &tags)
{
    QStringList lines;
    for (const QString &line : log.lines())
        if (std::any_of(tags.begin(), tags.end(), [&](const QString &tag) { return line.startsWith(tag); }))
            lines << QString(line).replace(QRegularExpression(QStringLiteral("\\(\\d+\\)$")), QStringLiteral("(tid)"));
    return lines;
}

QStringList tagged(const QStringList &texts)
{
    QStringList lines;
    for (const QString &text : texts)
        lines << Tag + text;
    return lines;
}

} // namespace

// The store app launcher against stand-in programs and the registry of a sandbox machine.
class tst_NovaportLauncher : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Mode::set(ModeFlags());
        m_machine = std::make_unique<SandboxMachine>();
    }
    void cleanup()
    {
        m_installer.disconnect(this);
        for (QProcess *process : { &m_installer, &m_storeApp }) {
            process->kill();
            process->waitForFinished();
        }
        m_results.clear();
        m_machine.reset();
        Mode::set(ModeFlags());
    }

    void installationCheck_data()
    {
        QTest::addColumn<int>("installerMs"); // how long the store installer runs; 0: not started
        QTest::addColumn<int>("handler"); // 0: never registered, 1: from the start, 2: once the installer ends
        QTest::addColumn<qint64>("limitMs");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("installed");
        const QString start = QStringLiteral("Start checking NOVAPORT (tid)");
        const QString stopped = QStringLiteral("NOVAPORT installation stopped");
        const QString found = QStringLiteral("NOVAPORT installed successfully");
        const QString end = QStringLiteral("Finished checking NOVAPORT (tid)");
        QStringList missing { start, stopped };
        for (int look = 1; look <= 5; ++look)
            missing << QStringLiteral("Cannot find NOVAPORT for %1 times").arg(look);
        missing << QStringLiteral("ERROR: NOVAPORT installation failed, skip") << end;
        const qint64 noLimit = CheckTiming().installerLimitMs;

        QTest::newRow("installer never started") << 0 << 1 << noLimit << tagged({ start, stopped, found, end }) << true;
        QTest::newRow("handler missing") << 0 << 0 << noLimit << tagged(missing) << false;
        QTest::newRow("handler appears as the installer ends")
            << 2000 << 2 << noLimit << tagged({ start, stopped, found, end }) << true;
        QTest::newRow("installer outlasts the limit")
            << 60000 << 1 << qint64(1000)
            << tagged({ start, QStringLiteral("WARNING: NOVAPORT installation still running after 1 s, stop waiting"),
                   stopped, found, end })
            << true;
    }
    void installationCheck()
    {
        QFETCH(int, installerMs);
        QFETCH(int, handler);
        QFETCH(qint64, limitMs);
        QFETCH(bool, installed);
        if (handler == 1)
            registerHandler();
        int resultsAtInstallerEnd = -1;
        if (installerMs > 0) {
            connect(&m_installer, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, [&] {
                resultsAtInstallerEnd = m_results.size();
                if (handler == 2)
                    registerHandler();
            });
            start(m_installer, QStringLiteral("UpdaterInstallHelper.exe"), installerMs);
        }
        LogCapture log;
        NovaportLauncher launcher(CheckingWorker::InstallCheck, nullptr, CheckTiming { 5000, limitMs });
        connect(&launcher, &NovaportLauncher::installFinished, this, [this] { record(QStringLiteral("finished")); });
        connect(&launcher, &NovaportLauncher::installError, this, [this] { record(QStringLiteral("error")); });
        launcher.startInstallCheck();
        launcher.startInstallCheck(); // while the first runs: no second check

        QFETCH(QStringList, lines);
        QTRY_COMPARE_WITH_TIMEOUT(linesOf(log, { Tag }), lines, 20000);
        QTest::qWait(200);
        QCOMPARE(m_results, QStringList { installed ? QStringLiteral("finished") : QStringLiteral("error") });
        QVERIFY(log.threadOf(Tag + QStringLiteral("Start checking")) != QThread::currentThread());
        if (handler == 2)
            QCOMPARE(resultsAtInstallerEnd, 0);
    }

    void writeNovaportReg_data()
    {
        QTest::addColumn<QString>("result"); // "InstallHelper"; null: not written
        QTest::addColumn<QString>("desktop"); // "NovaportDesktop"; null: not written
        QTest::addColumn<QStringList>("lines"); // after the exit code line
        QTest::addColumn<QString>("desktopAfter");
        const QString command = QStringLiteral("\"C:\\NOVAPORT\\Nova.exe\" --tray");
        const QString silent = command + QStringLiteral(" /silent");
        const QString restart
            = QStringLiteral("Novaport return code is 3010, write registry to launch novaport on PC startup.");
        QStringList looks { restart };
        for (int look = 0; look < 10; ++look)
            looks << QStringLiteral("Find NovaportDesktop for %1 times.").arg(look);

        QTest::newRow("no result") << QString() << QString()
                                   << tagged({ QStringLiteral("Cannot found NOVAPORT install exit code in registry") })
                                   << QString();
        QTest::newRow("0") << QStringLiteral("x:0") << command << QStringList() << command;
        QTest::newRow("3010") << QStringLiteral("x:3010") << command
                              << tagged({ restart, QStringLiteral("Found NovaportDesktop registry!"),
                                     QStringLiteral("NovaportDesktop auto launch value:") + command,
                                     QStringLiteral("Change NovaportDesktop auto launch value to: ") + silent,
                                     QStringLiteral("NovaportDesktop auto launch value changed to: ") + silent })
                              << silent;
        QTest::newRow("3010 without a start command")
            << QStringLiteral("x:3010") << QString()
            << tagged(looks << QStringLiteral("Can't fint NovaportDesktop registry.")) << QString();
    }
    void writeNovaportReg()
    {
        QFETCH(QString, result);
        QFETCH(QString, desktop);
        if (!result.isNull())
            Registry::write(Utils::RegKeltNova, QStringLiteral("InstallHelper"), result);
        if (!desktop.isNull())
            Registry::write(RunKey, QStringLiteral("NovaportDesktop"), desktop);
        LogCapture log;
        NovaportLauncher launcher(CheckingWorker::InstallCheck);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        launcher.writeNovaportReg();

        const QString stamp = Registry::read(Utils::RegUserSettings, QStringLiteral("LaunchNovaportLogin")).toString();
        const QDateTime written = QDateTime::fromString(stamp, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QVERIFY2(written >= before && written <= QDateTime::currentDateTime(), qPrintable(stamp));
        QFETCH(QStringList, lines);
        QCOMPARE(linesOf(log, { Tag }),
            tagged({ QStringLiteral("Write registry for novaport."),
                QStringLiteral("current time write to registry:") + stamp,
                QStringLiteral("Check NOVAPORT install exit code"),
                QStringLiteral("NOVAPORT install exit code [%1]").arg(result) })
                + lines);
        QTEST(Registry::read(RunKey, QStringLiteral("NovaportDesktop")).toString(), "desktopAfter");
    }

    void launchNovaport_data()
    {
        QTest::addColumn<QString>("mode"); // the mode's switch; empty: neither
        QTest::addColumn<bool>("storeAppRuns"); // before the launch
        QTest::addColumn<bool>("eventSet"); // by the store app, after the launch
        QTest::addColumn<QString>("started"); // the program started, empty for none
        QTest::addColumn<QString>("decision"); // the close-after-launch check's, empty for no check
        QTest::addColumn<QString>("closedBy"); // the line before "done", empty: the wizard stays open
        const QString appears = QStringLiteral("[CheckingWorker] Novaport exist, wait for 4 sec and close OOBE.");
        const QString missing = QStringLiteral("[CheckingWorker] Novaport doesn't' exist, wait for 20 sec. If not "
                                               "recieve NovaportLaunched event, close OOBE");
        QTest::newRow("neither mode") << QString() << true << true << QString() << QString() << QString();
        QTest::newRow("CN, store app running")
            << QStringLiteral("CN") << true << false << QStringLiteral("NovaportHelper.exe") << appears << appears;
        QTest::newRow("CN, store app announces its start")
            << QStringLiteral("CN") << false << true << QStringLiteral("NovaportHelper.exe") << missing << EventSeen;
        for (const char *mode : { "SWOA", "NOACCOUNT" })
            QTest::newRow(mode) << QString::fromLatin1(mode) << true << false << QStringLiteral("NOVAPORT_Signin.exe")
                                << missing << QString();
    }
    void launchNovaport()
    {
        QFETCH(QString, mode);
        QFETCH(bool, storeAppRuns);
        QFETCH(bool, eventSet);
        QFETCH(QString, started);
        QFETCH(QString, decision);
        QFETCH(QString, closedBy);
        ModeFlags flags;
        flags.isCN = mode == QLatin1String("CN");
        flags.isSWOA = mode == QLatin1String("SWOA");
        flags.isNoAccount = mode == QLatin1String("NOACCOUNT");
        Mode::set(flags);
        registerHandler();
        const QString updater = m_machine->path(QStringLiteral("opt/Updater"));
        Registry::write(Utils::RegUpdater, Utils::ValueAppPath, updater);
        m_machine->installPeer(QStringLiteral("opt/Updater/App/OOBETool"), QStringLiteral("NOVAPORT_Signin.exe"));
        if (storeAppRuns)
            start(m_storeApp, QStringLiteral("Nova.exe"), 60000);
        platform::NamedEvent event(WaitEventThread::EventName);
        QVERIFY(event.create(false));

        LogCapture log;
        auto launcher = std::make_unique<NovaportLauncher>(CheckingWorker::InstallCheck);
        QSignalSpy quit(launcher.get(), &NovaportLauncher::prepareToQuit);
        launcher->launchNovaport();
        const bool signin = started == QLatin1String("NOVAPORT_Signin.exe");
        if (signin) {
            QCOMPARE(linesOf(log, { Tag }),
                tagged({ QStringLiteral("Kill Nova.exe"), QStringLiteral("launchNovaport() launch NOVAPORT_Signin.exe"),
                    QStringLiteral("launch novaport signin program."),
                    QStringLiteral("launch NovaportSignin.exe succ:1") }));
            QVERIFY(m_storeApp.waitForFinished(2000));
        }
        if (!decision.isEmpty())
            QTRY_VERIFY(log.contains(decision));
        if (eventSet)
            QVERIFY(event.set());

        QElapsedTimer waited;
        waited.start();
        if (closedBy.isEmpty()) {
            QTest::qWait(1500);
            QCOMPARE(quit.count(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(quit.count(), 1, 7000);
            QCOMPARE(quit.first().first().toString(), Done);
            QVERIFY(log.contains(closedBy));
            // The worker's four seconds, or at once for the event.
            const qint64 expectedMs = closedBy == EventSeen ? 0 : 4000;
            QVERIFY2(qAbs(waited.elapsed() - expectedMs) < 1000, qPrintable(QString::number(waited.elapsed())));
        }
        const auto programsStarted = [this] {
            QStringList programs;
            for (const QString &start : m_machine->peerStarts())
                programs << start.section(QLatin1Char(' '), 0, 0);
            programs.removeAll(QStringLiteral("Nova.exe"));
            return programs;
        };
        // A program started without a wait records itself once it runs, which a loaded
        // machine may put off.
        QTRY_COMPARE_WITH_TIMEOUT(programsStarted(), started.isEmpty() ? QStringList() : QStringList { started }, 5000);
        if (started.isEmpty())
            QCOMPARE(linesOf(log, { Tag, QStringLiteral("[CheckingWorker]"), QStringLiteral("[WaitEventThread]") }),
                QStringList());

        // A check in its long sleep and a waiting thread do not hold the closing up.
        waited.restart();
        launcher.reset();
        QVERIFY2(waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));
    }

    void waitEventThread_data()
    {
        QTest::addColumn<bool>("setEarly"); // before the thread starts
        QTest::addColumn<bool>("setLate"); // while the thread waits
        QTest::newRow("set before") << true << false;
        QTest::newRow("set while waiting") << false << true;
        QTest::newRow("never set") << false << false;
    }
    void waitEventThread()
    {
        QFETCH(bool, setEarly);
        QFETCH(bool, setLate);
        platform::NamedEvent event(WaitEventThread::EventName);
        QVERIFY(event.create(setEarly));
        LogCapture log;
        WaitEventThread::clearEvent();
        QCOMPARE(log.contains(EventSeen), setEarly);
        QVERIFY(event.isSet() == setEarly); // tested, not reset
        auto thread = std::make_unique<WaitEventThread>();
        // The thread reports on itself: what it reports is kept under a lock the thread
        // sanitizer sees (it cannot see Qt's own).
        std::mutex reportLock;
        QStringList reports;
        connect(
            thread.get(), &WaitEventThread::prepareToQuit, thread.get(),
            [&](const QString &reason) {
                const std::lock_guard lock(reportLock);
                reports.append(reason);
            },
            Qt::DirectConnection);
        const auto reported = [&] {
            const std::lock_guard lock(reportLock);
            return reports;
        };
        thread->start();
        QTRY_VERIFY(log.contains(QStringLiteral("[WaitEventThread] Start wait events")));
        if (setLate)
            QVERIFY(event.set());
        if (setEarly || setLate) {
            QTRY_COMPARE(reported(), QStringList { Done });
        } else {
            QTest::qWait(300);
            QElapsedTimer stopping;
            stopping.start();
            thread.reset();
            QVERIFY(stopping.elapsed() < 500);
            QCOMPARE(reported(), QStringList());
        }
    }

private:
    void record(const QString &result)
    {
        m_results << (QThread::currentThread() == thread() ? result : result + QStringLiteral(" off thread"));
    }
    void start(QProcess &process, const QString &name, int runMs)
    {
        m_machine->writeScenario({ { name, QJsonObject { { QStringLiteral("runMs"), runMs } } } });
        process.start(m_machine->installPeer(QStringLiteral("opt/Peers"), name), QStringList());
        QVERIFY(process.waitForStarted());
        // Started means forked: wait until it runs its own image.
        QTRY_VERIFY(!platform::Processes::find(name, platform::Processes::Match::Name).isEmpty());
    }
    void registerHandler()
    {
        const QString helper
            = m_machine->installPeer(QStringLiteral("opt/NOVAPORT"), QStringLiteral("NovaportHelper.exe"));
        Registry::write(QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command"), QStringLiteral("Default"),
            QStringLiteral("\"%1\" \"%2\"").arg(helper, QStringLiteral("%1")));
    }

    std::unique_ptr<SandboxMachine> m_machine;
    QProcess m_installer, m_storeApp;
    QStringList m_results;
};

QTEST_GUILESS_MAIN(tst_NovaportLauncher)
#include "tst_novaportlauncher.moc"
