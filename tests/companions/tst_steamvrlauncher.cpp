#include "LogCapture.h"
#include "SandboxMachine.h"
#include "XvfbDisplay.h"

#include "companions/SteamVRLauncher.h"
#include "core/Utils.h"
#include "platform/Folders.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Windows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using platform::Registry;

namespace {

const QString Tag = QStringLiteral("[SteamVRLauncher] ");
const QString WorkerTag = QStringLiteral("[RoomSetupWorker] ");
const QString MonitorKey = QStringLiteral("HKEY_CLASSES_ROOT\\vrmonitor\\Shell\\Open\\Command");
const QString HandedOver = QStringLiteral("WARNING: launchSteamVR blocks, moved off the user-interface thread");
const QString RoomSetupArgument = QStringLiteral("vrmonitor://setup-runroomsetup");
const QStringList StandIns
    = { QStringLiteral("vrstartup.exe"), QStringLiteral("vrmonitor.exe"), QStringLiteral("steamvr_room_setup.exe") };

QStringList tagged(const QString &tag, const QStringList &texts)
{
    QStringList lines;
    for (const QString &text : texts)
        lines << tag + text;
    return lines;
}

QString monitorOf(const QString &steamVR)
{
    return steamVR + QStringLiteral("\\bin\\win32\\vrmonitor.exe");
}

QString startupOf(const QString &steamVR)
{
    return steamVR + QStringLiteral("\\bin\\win32\\vrstartup.exe");
}

// What a launch that finds SteamVR at the folder (Windows form) logs.
QStringList launchLines(bool standalone, const QString &steamVR)
{
    const QStringList decision { Tag + QStringLiteral("launchSteamVR+"),
        Tag + (standalone ? QStringLiteral("Use standalone SteamVR") : QStringLiteral("Use regular SteamVR")) };
    if (steamVR.isEmpty())
        return decision
            + tagged(Tag,
                { QStringLiteral("Cannot find SteamVR dir"), QStringLiteral("Cannot find vrstartup.exe"),
                    QStringLiteral("ERROR: Cannot find vrstartup.exe, abort.") });
    return decision
        + tagged(Tag,
            { QStringLiteral("Found SteamVR in: ") + steamVR,
                QStringLiteral("Found vrstartup in: ") + startupOf(steamVR),
                QStringLiteral("Calling ") + startupOf(steamVR), QStringLiteral("SteamVR launched."),
                QStringLiteral("Start to launch RoomSetup"), QStringLiteral("launchSteamVR-") });
}

} // namespace

// The SteamVR launcher and its room-setup worker against stand-in SteamVR programs and
// the registry of a sandbox machine.
class tst_SteamVRLauncher : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup()
    {
        for (const QString &name : StandIns)
            Utils::killProcessByName(name);
        m_machine.reset();
    }

    void launchFindsSteamVR_data()
    {
        QTest::addColumn<bool>("chinaMode");
        QTest::addColumn<int>("standaloneInstalled"); // the registry flag; -1: not written
        QTest::addColumn<QString>("steam"); // its path's separators: "/" or "\\"; empty: no Steam
        QTest::addColumn<bool>("standaloneCopy"); // a standalone SteamVR at "SystemPath"
        QTest::addColumn<QString>("used"); // "steam", "standalone" or "" (none found)
        QTest::newRow("no Steam registry entry") << false << -1 << QString() << false << QString();
        QTest::newRow("Steam path with forward slashes")
            << false << -1 << QStringLiteral("/") << false << QStringLiteral("steam");
        QTest::newRow("Steam path with backslashes")
            << false << -1 << QStringLiteral("\\") << false << QStringLiteral("steam");
        QTest::newRow("CN, standalone installed")
            << true << 1 << QStringLiteral("/") << true << QStringLiteral("standalone");
        QTest::newRow("standalone flag ignored without CN")
            << false << 1 << QStringLiteral("/") << true << QStringLiteral("steam");
        QTest::newRow("CN, standalone flag without its copy") << true << 1 << QStringLiteral("/") << false << QString();
    }
    void launchFindsSteamVR()
    {
        QFETCH(bool, chinaMode);
        QFETCH(int, standaloneInstalled);
        QFETCH(QString, steam);
        QFETCH(bool, standaloneCopy);
        QFETCH(QString, used);
        const QString steamVR = installSteam(steam);
        const QString standaloneVR = standaloneCopy ? installSteamVR(QStringLiteral("opt/NOVA/SteamVR")) : QString();
        Registry::write(Utils::RegKeltNova, QStringLiteral("SystemPath"), m_machine->path(QStringLiteral("opt/NOVA")));
        if (standaloneInstalled >= 0)
            Registry::write(Utils::RegKeltNova, Utils::ValueStandaloneSteamVRInstalled, uint(standaloneInstalled));
        const bool standalone = chinaMode && standaloneInstalled == 1;
        const QString found = used == QLatin1String("steam") ? steamVR : used.isEmpty() ? QString() : standaloneVR;

        LogCapture log;
        auto launcher = std::make_unique<SteamVRLauncher>(chinaMode);
        int requests = 0;
        connect(launcher.get(), &SteamVRLauncher::launchVaroRoomSetup, this, [&] { ++requests; });
        QElapsedTimer launching;
        launching.start();
        launcher->launchSteamVR();
        // Called here, on the user-interface thread: it returns at once, and the sleeps
        // run on the launcher's thread.
        QVERIFY2(launching.elapsed() < 500, qPrintable(QString::number(launching.elapsed())));
        const QStringList expected = (chinaMode ? QStringList { Tag + QStringLiteral("In CN mode") } : QStringList())
            + QStringList { Tag + HandedOver } + launchLines(standalone, found);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(expected.last()), 10000);
        QCOMPARE(log.startingWith(Tag), expected);
        QVERIFY(log.threadOf(Tag + QStringLiteral("launchSteamVR+")) != QThread::currentThread());
        if (found.isEmpty()) {
            QCOMPARE(requests, 0);
            QCOMPARE(m_machine->peerStarts(), QStringList());
            log.clear();
            launcher->waitRoomSetupWorker();
            QCOMPARE(log.lines(), tagged(Tag, { QStringLiteral("No RoomSetup worker running. No need to wait.") }));
            return;
        }
        QVERIFY2(launching.elapsed() >= 1500, qPrintable(QString::number(launching.elapsed())));
        for (const QString &afterSleep :
            { QStringLiteral("Start to launch RoomSetup"), QStringLiteral("launchSteamVR-") })
            QVERIFY(log.threadOf(Tag + afterSleep) != QThread::currentThread());
        QTRY_COMPARE(requests, 1);
        QCOMPARE(m_machine->peerStarts(), QStringList { QStringLiteral("vrstartup.exe") });
        // Standalone SteamVR has its monitor in its own folder; the regular one's comes
        // from the protocol handler, which names Steam's.
        log.clear();
        QCOMPARE(launcher->getVRMonitorPath(), monitorOf(found));
    }

    void startupThatNeverStarts()
    {
        const QString steamVR = installSteam(QStringLiteral("/"));
        // Present, but not a program.
        const QString startup = startupOf(steamVR);
        QVERIFY(QFile::setPermissions(
            platform::Folders::localPath(startup), QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        LogCapture log;
        auto launcher = std::make_unique<SteamVRLauncher>(false);
        int requests = 0;
        connect(launcher.get(), &SteamVRLauncher::launchVaroRoomSetup, this, [&] { ++requests; });
        // Off the user-interface thread, the launch runs on its caller's thread.
        std::unique_ptr<QThread> caller(QThread::create([&] { launcher->launchSteamVR(); }));
        caller->start();
        QVERIFY(caller->wait(20000));
        QVERIFY(log.threadOf(Tag + QStringLiteral("launchSteamVR-")) == caller.get());
        QVERIFY(!log.contains(Tag + HandedOver));

        const QStringList warnings = log.startingWith(Tag + QStringLiteral("WARNING: Failed to launch SteamVR "));
        QCOMPARE(warnings.size(), 5);
        for (int attempt = 0; attempt < 5; ++attempt) {
            const QRegularExpression warning(QStringLiteral(
                "^\\[SteamVRLauncher\\] WARNING: Failed to launch SteamVR %1 times\\. Last error=[1-9]\\d* \\S")
                                                 .arg(attempt));
            QVERIFY2(warning.match(warnings.at(attempt)).hasMatch(), qPrintable(warnings.at(attempt)));
        }
        QCOMPARE(log.count(Tag + QStringLiteral("Calling ") + startup), 5);
        QCOMPARE(log.count(Tag + QStringLiteral("SteamVR launched.")), 0);
        QVERIFY(log.contains(Tag + QStringLiteral("Start to launch RoomSetup")));
        QTRY_COMPARE(requests, 1);

        // The worker looks for the room-setup tool, which never comes; the launcher's
        // end stops it within its bound, without terminating it.
        QTRY_VERIFY(log.contains(WorkerTag + QStringLiteral("Checking whether RoomSetup is alive")));
        QElapsedTimer stopping;
        stopping.start();
        launcher.reset();
        QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
        QCOMPARE(log.startingWith(WorkerTag + QStringLiteral("WARNING")), QStringList());
        QCOMPARE(log.startingWith(WorkerTag + QStringLiteral("Launch RoomSetup")), QStringList());
    }

    void monitorPath_data()
    {
        QTest::addColumn<bool>("registered"); // the protocol handler
        QTest::addColumn<bool>("backslashes"); // the handler's path backslash separated
        QTest::addColumn<bool>("present"); // the program it names
        QTest::newRow("handler in Windows form") << true << true << true;
        QTest::newRow("handler's program missing") << true << false << false;
        QTest::newRow("no handler") << false << false << false;
    }
    void monitorPath()
    {
        QFETCH(bool, registered);
        QFETCH(bool, backslashes);
        QFETCH(bool, present);
        const QString folder = QStringLiteral("Steam/steamapps/common/SteamVR/bin/win32");
        QString path;
        if (registered) {
            path = m_machine->path(folder + QStringLiteral("/vrmonitor.exe"));
            if (backslashes)
                path = Utils::withBackslashes(path);
            Registry::write(
                MonitorKey, QStringLiteral("Default"), QStringLiteral("\"%1\" \"%2\"").arg(path, QStringLiteral("%1")));
        }
        if (present)
            QVERIFY(!m_machine->installPeer(folder, StandIns.at(1)).isEmpty());

        LogCapture log;
        SteamVRLauncher launcher(false);
        const QStringList looked = tagged(Tag,
            { QStringLiteral("vrmonitor path: ") + path,
                present ? QStringLiteral("Found vrmonitor in: ") + path
                        : QStringLiteral("Cannot find vrmonitor.exe") });
        QCOMPARE(launcher.getVRMonitorPath(), present ? path : QString());
        QCOMPARE(log.lines(), looked);
        // Found: cached, so nothing is looked at again. Missing: looked for again.
        log.clear();
        QCOMPARE(launcher.getVRMonitorPath(), present ? path : QString());
        QCOMPARE(log.lines(), present ? QStringList() : looked);
        if (registered && !present) {
            QVERIFY(!m_machine->installPeer(folder, StandIns.at(1)).isEmpty());
            QCOMPARE(launcher.getVRMonitorPath(), path);
        }
    }

    void roomSetupAlreadyRunning()
    {
        // No display: the window step looks five times and gives up.
        const NoDesktopUserNamed noDisplay;
        m_machine->writeScenario({ { StandIns.at(2), QJsonObject { { QStringLiteral("runMs"), 30000 } } } });
        QProcess roomSetup;
        roomSetup.start(m_machine->installPeer(QStringLiteral("opt/SteamVR"), StandIns.at(2)), QStringList());
        QVERIFY(roomSetup.waitForStarted());
        QTRY_VERIFY(!platform::Processes::find(StandIns.at(2), platform::Processes::Match::Name).isEmpty());

        LogCapture log;
        SteamVRLauncher launcher(false);
        QElapsedTimer waited;
        waited.start();
        emit launcher.launchVaroRoomSetup();
        launcher.waitRoomSetupWorker();
        // The window step started at once: five looks a second apart, no launch.
        QVERIFY2(waited.elapsed() < 8000, qPrintable(QString::number(waited.elapsed())));
        QStringList expected { QStringLiteral("Checking whether RoomSetup is alive"),
            QStringLiteral("RoomSetup is running") };
        for (int look = 1; look <= 5; ++look)
            expected << QStringLiteral("Cannot find RoomSetup window %1 times").arg(look);
        expected << QStringLiteral("ERROR: Failed to find RoomSetup by 5 retries.");
        QCOMPARE(log.startingWith(WorkerTag), tagged(WorkerTag, expected));
        QCOMPARE(
            log.startingWith(Tag), tagged(Tag, { QStringLiteral("Wait for RoomSetup worker for at most 50 seconds") }));
        roomSetup.kill();
        roomSetup.waitForFinished();
    }

    void roomSetupComesToFront()
    {
        XvfbDisplay display;
        QVERIFY2(display.start() && display.startWindowManager(), qPrintable(display.errorString()));
        ScopedEnvironment environment;
        environment.set("DISPLAY", display.name().toLatin1());
        environment.unset("WAYLAND_DISPLAY");
        environment.unset("XDG_SESSION_TYPE");
        const QString steamVR = installSteam(QStringLiteral("/"));
        const QString roomSetup = m_machine->installPeer(QStringLiteral("opt/SteamVR"), StandIns.at(2));
        const auto detached = [](const QString &program) {
            return QJsonObject { { QStringLiteral("launch"),
                QJsonObject { { QStringLiteral("program"), program }, { QStringLiteral("detach"), true } } } };
        };
        const auto window = [](const QString &title) {
            return QJsonObject { { QStringLiteral("window"), title }, { QStringLiteral("runMs"), 30000 } };
        };
        // vrstartup starts the monitor, which shows its window; the monitor's second
        // start, asked for the room setup, starts the room-setup tool.
        m_machine->writeScenario({ { StandIns.at(0), detached(platform::Folders::localPath(monitorOf(steamVR))) },
            { StandIns.at(1),
                QJsonObject { { QStringLiteral("attempts"),
                    QJsonArray { window(QStringLiteral("SteamVR")), detached(roomSetup) } } } },
            { StandIns.at(2), window(QStringLiteral("SteamVR Room Setup")) } });

        LogCapture log;
        SteamVRLauncher launcher(false);
        launcher.launchSteamVR();
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(Tag + QStringLiteral("launchSteamVR-")), 10000);
        launcher.waitRoomSetupWorker();
        QVERIFY(log.contains(WorkerTag + QStringLiteral("Found RoomSetup window. Bring it to top.")));

        QString missing;
        QVERIFY2(
            linesInOrder(log.lines(),
                { Tag + QStringLiteral("Calling ") + startupOf(steamVR),
                    WorkerTag + QStringLiteral("Cannot find RoomSetup running"),
                    WorkerTag + QStringLiteral("Launch RoomSetup 1 times"), Tag + QStringLiteral("Launch RoomSetup"),
                    Tag + QStringLiteral("Found vrmonitor in: ") + monitorOf(steamVR),
                    Tag + QStringLiteral("Calling \"%1\" %2").arg(monitorOf(steamVR), RoomSetupArgument),
                    WorkerTag + QStringLiteral("RoomSetup is running"),
                    WorkerTag + QStringLiteral("Found SteamVR window. Bring it to top."),
                    WorkerTag + QStringLiteral("Found RoomSetup window. Bring it to top.") },
                &missing),
            qPrintable(missing));
        QCOMPARE(log.startingWith(WorkerTag + QStringLiteral("Launch RoomSetup")),
            QStringList { WorkerTag + QStringLiteral("Launch RoomSetup 1 times") });
        QCOMPARE(m_machine->peerStarts(),
            (QStringList { StandIns.at(0), StandIns.at(1), StandIns.at(1) + QLatin1Char(' ') + RoomSetupArgument,
                StandIns.at(2) }));
        const platform::WindowInfo roomSetupShown
            = platform::Windows::find(QStringLiteral("SteamVR Room Setup"), StandIns.at(2));
        QVERIFY(roomSetupShown.id != 0);
        QTRY_COMPARE(platform::Windows::active(), roomSetupShown.id);
    }

private:
    // A SteamVR of stand-ins at folder (below the sandbox); its path in Windows form.
    QString installSteamVR(const QString &folder) const
    {
        const QString bin = folder + QStringLiteral("/bin/win32");
        m_machine->installPeer(bin, StandIns.at(0));
        m_machine->installPeer(bin, StandIns.at(1));
        return Utils::withBackslashes(m_machine->path(folder));
    }
    // Steam with SteamVR, its path kept with the separator given and its monitor
    // registered as the protocol handler; the SteamVR folder. Empty: no Steam.
    QString installSteam(const QString &separator) const
    {
        if (separator.isEmpty())
            return QString();
        const QString steam = m_machine->path(QStringLiteral("opt/Steam"));
        QDir().mkpath(steam);
        Registry::write(Utils::RegSteamMachine, QStringLiteral("InstallPath"),
            separator == QLatin1String("\\") ? Utils::withBackslashes(steam) : steam);
        const QString steamVR = installSteamVR(QStringLiteral("opt/Steam/steamapps/common/SteamVR"));
        Registry::write(MonitorKey, QStringLiteral("Default"),
            QStringLiteral("\"%1\" \"%2\"").arg(monitorOf(steamVR), QStringLiteral("%1")));
        return steamVR;
    }

    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(tst_SteamVRLauncher)
#include "tst_steamvrlauncher.moc"
