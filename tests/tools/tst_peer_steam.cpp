#include "RecordingListener.h"
#include "SandboxMachine.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QJsonArray>
#include <QTest>

#include <memory>
#include <vector>

namespace {

using platform::Registry;

const QString SteamKey = QStringLiteral("Software\\Valve\\Steam");
const QString ActiveProcess = SteamKey + QStringLiteral("\\ActiveProcess");
const QString UserHive = QStringLiteral("HKEY_CURRENT_USER\\");
const QString SteamVRApp = UserHive + SteamKey + QStringLiteral("\\Apps\\250820");
const QString CommonApp = UserHive + SteamKey + QStringLiteral("\\Apps\\228980");
const QString HandlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\vrmonitor\\Shell\\Open\\Command");
const QString SteamPipe = QStringLiteral("\\\\.\\pipe\\steam_pipe");
const QString ToolFolder = QStringLiteral("opt/NOVA/Updater/App/OOBETool");
const QString SteamFolder = QStringLiteral("Programs/Steam");
const QString SteamVRBin = SteamFolder + QStringLiteral("/steamapps/common/SteamVR/bin");
constexpr int WaitMs = 10000;

bool running(const QString &name)
{
    return !platform::Processes::find(name, platform::Processes::Match::Name).isEmpty();
}

QVariant activeProcess(const char *name)
{
    return Registry::read(UserHive + ActiveProcess, QLatin1String(name));
}

} // namespace

// The Steam client and its tools, as real processes in a sandbox machine.
class TestPeerSteam : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_steam = m_machine->installPeer(SteamFolder, QStringLiteral("Steam.exe"));
        m_getReg = tool(ToolFolder, QStringLiteral("GetReg.exe"));
        QVERIFY(!m_steam.isEmpty() && !m_getReg.isEmpty());
    }
    void cleanup()
    {
        for (const std::unique_ptr<QProcess> &process : m_started) {
            process->kill();
            process->waitForFinished(WaitMs);
        }
        m_started.clear();
        m_machine.reset();
    }

    void setupPlacesAndRegistersTheClient_data()
    {
        QTest::addColumn<QString>("target"); // "/D=" argument; <sandbox> replaced, empty: none
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("installed") << QStringLiteral("<sandbox>/Programs/Valve") << QJsonObject() << 0;
        QTest::newRow("failed") << QStringLiteral("<sandbox>/Programs/Valve")
                                << QJsonObject { { QStringLiteral("exitCode"), 5 } } << 5;
        QTest::newRow("no target folder") << QString() << QJsonObject() << 2;
        QTest::newRow("outside the sandbox") << QStringLiteral("<host>/Valve") << QJsonObject() << 1;
    }
    void setupPlacesAndRegistersTheClient()
    {
        QFETCH(QString, target);
        QFETCH(QJsonObject, settings);
        QFETCH(int, exitCode);
        const QTemporaryDir host;
        const QString folder = QString(target)
                                   .replace(QLatin1String("<sandbox>"), m_machine->root())
                                   .replace(QLatin1String("<host>"), host.path());
        settings.insert(QStringLiteral("runMs"), 100);
        m_machine->writeScenario({ { QStringLiteral("SteamNovaSetup.exe"), settings } });
        QStringList arguments { QStringLiteral("/S"), QStringLiteral("/LANGUAGE=english") };
        if (!folder.isEmpty())
            arguments.append(QStringLiteral("/D=") + folder);
        QCOMPARE(run(tool(QStringLiteral("opt/Wizard/OOBETool"), QStringLiteral("SteamNovaSetup.exe")), arguments),
            exitCode);
        const bool placed = exitCode == 0;
        QCOMPARE(QFileInfo(folder + QStringLiteral("/Steam.exe")).isExecutable(), placed);
        QCOMPARE(Registry::read(QStringLiteral("HKEY_LOCAL_MACHINE\\") + SteamKey, QStringLiteral("InstallPath")),
            placed ? QVariant(folder) : QVariant());
        QCOMPARE(
            Registry::read(UserHive + SteamKey, QStringLiteral("SteamPath")), placed ? QVariant(folder) : QVariant());
        QVERIFY(placed || folder.isEmpty() || !QFileInfo::exists(folder));
    }

    void steamVRInstallIsSignalledToTheRegisteredPipe_data()
    {
        QTest::addColumn<QJsonObject>("steam");
        QTest::addColumn<int>("registration"); // SendSignal's exit code for it
        QTest::addColumn<bool>("steamVRBefore");
        QTest::addColumn<bool>("installs");
        QTest::addColumn<bool>("signalled");
        QTest::newRow("installs and signals") << QJsonObject() << 0 << false << true << true;
        QTest::newRow("no signal") << QJsonObject { { QStringLiteral("sendSignal"), false } } << 0 << false << true
                                   << false;
        QTest::newRow("failed registration") << QJsonObject() << 5 << false << true << false;
        QTest::newRow("never signs in") << QJsonObject { { QStringLiteral("signInMs"), -1 } } << 0 << false << false
                                        << false;
        QTest::newRow("SteamVR there already") << QJsonObject() << 0 << true << false << false;
    }
    void steamVRInstallIsSignalledToTheRegisteredPipe()
    {
        QFETCH(QJsonObject, steam);
        QFETCH(int, registration);
        QFETCH(bool, steamVRBefore);
        QFETCH(bool, installs);
        QFETCH(bool, signalled);
        steam.insert(QStringLiteral("installMs"), 200);
        steam.insert(QStringLiteral("runMs"), 800);
        m_machine->writeScenario({ { QStringLiteral("Steam.exe"), steam },
            { QStringLiteral("SendSignal.exe"), QJsonObject { { QStringLiteral("exitCode"), registration } } } });
        if (steamVRBefore)
            QVERIFY(Registry::write(SteamVRApp, QStringLiteral("Installed"), 1U));
        const RecordingListener wizard(SteamPipe);
        QVERIFY(wizard.isListening());
        QCOMPARE(run(tool(QStringLiteral("opt/NOVA/Updater/Tool"), QStringLiteral("SendSignal.exe")),
                     { QStringLiteral("-register:steam_pipe:") }),
            registration);

        QCOMPARE(run(m_steam, { QStringLiteral("-steaminstaller"), QStringLiteral("SteamNovaSetup.exe") }), 0);
        QCOMPARE(activeProcess("ActiveUser"), QVariant(steam.contains(QStringLiteral("signInMs")) ? 0 : 140000001));
        QCOMPARE(Registry::read(SteamVRApp, QStringLiteral("Installed")),
            installs || steamVRBefore ? QVariant(1) : QVariant());
        for (const QString &app : { SteamVRApp, CommonApp })
            QCOMPARE(Registry::read(app, QStringLiteral("Updating")), installs ? QVariant(0) : QVariant());
        const QString bin = m_machine->path(SteamVRBin);
        for (const char *program : { "/win64/vrpathreg.exe", "/win32/vrmonitor.exe", "/win32/vrstartup.exe" })
            QCOMPARE(QFileInfo(bin + QLatin1String(program)).isExecutable(), installs);
        QCOMPARE(Registry::read(HandlerKey, QStringLiteral("Default")),
            installs ? QVariant(QStringLiteral("\"%1/win32/vrmonitor.exe\" \"%2\"").arg(bin, QStringLiteral("%1")))
                     : QVariant());
        QFile received(m_machine->path(QStringLiteral("steam_pipe.log")));
        QCOMPARE(received.open(QIODevice::ReadOnly) ? received.readAll() : QByteArray(),
            signalled ? QByteArray("Finished\n") : QByteArray());
    }

    void signInAndInstallAreSeenThroughGetReg()
    {
        m_machine->writeScenario({ { QStringLiteral("Steam.exe"),
            QJsonObject { { QStringLiteral("signInMs"), 1000 }, { QStringLiteral("installMs"), 1000 },
                { QStringLiteral("userId"), 2000000001 }, { QStringLiteral("sendSignal"), false } } } });
        QProcess *steam = start(m_steam);
        // Process and user ids come back whole on the printed line, never cut to eight bits.
        QTRY_COMPARE(getReg(ActiveProcess, QStringLiteral("pid")), QString::number(steam->processId()));
        QCOMPARE(getReg(ActiveProcess, QStringLiteral("ActiveUser")), QStringLiteral("0"));
        QTRY_COMPARE_WITH_TIMEOUT(
            getReg(ActiveProcess, QStringLiteral("ActiveUser")), QStringLiteral("2000000001"), WaitMs);
        QCOMPARE(getReg(SteamKey + QStringLiteral("\\Apps\\250820"), QStringLiteral("Updating")), QStringLiteral("1"));
        QCOMPARE(getReg(SteamKey + QStringLiteral("\\Apps\\228980"), QStringLiteral("Updating")), QStringLiteral("1"));
        QTRY_COMPARE_WITH_TIMEOUT(getReg(SteamKey + QStringLiteral("\\Apps\\250820"), QStringLiteral("Installed")),
            QStringLiteral("1"), WaitMs);
        QCOMPARE(getReg(SteamKey + QStringLiteral("\\Apps\\250820"), QStringLiteral("Updating")), QStringLiteral("0"));
        QCOMPARE(steam->state(), QProcess::Running); // until it is killed

        int exitCode = 0;
        QCOMPARE(getReg(ActiveProcess, QStringLiteral("missing"), &exitCode), QStringLiteral("-1"));
        QCOMPARE(exitCode, 255);
    }

    void secondStartHandsOverToTheRegisteredClient_data()
    {
        QTest::addColumn<bool>("registered"); // the first client is the one the registry names
        QTest::newRow("registered client runs") << true;
        QTest::newRow("registry names no client") << false;
    }
    void secondStartHandsOverToTheRegisteredClient()
    {
        QFETCH(bool, registered);
        m_machine->writeScenario(
            { { QStringLiteral("Steam.exe"), QJsonObject { { QStringLiteral("signInMs"), -1 } } } });
        QProcess *first = start(m_steam);
        QTRY_COMPARE(activeProcess("pid"), QVariant(int(first->processId())));
        if (!registered)
            QVERIFY(Registry::write(UserHive + ActiveProcess, QStringLiteral("pid"), 0U));
        QProcess *second = start(m_steam, { QStringLiteral("-steaminstaller"), QStringLiteral("SteamNovaSetup.exe") });
        if (registered) {
            QVERIFY(second->waitForFinished(WaitMs));
            QCOMPARE(second->exitCode(), 0);
            QCOMPARE(activeProcess("pid"), QVariant(int(first->processId())));
        } else {
            QTRY_COMPARE(activeProcess("pid"), QVariant(int(second->processId())));
            QCOMPARE(second->state(), QProcess::Running);
        }
        QCOMPARE(first->state(), QProcess::Running);
    }

    void clientEndsWhenClosedOrItsTimeIsUp_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("pidCleared");
        QTest::addColumn<int>("activeUser");
        auto settings = [](int closeAfterMs, int runMs, int exitCode, int signInMs) {
            QJsonObject object { { QStringLiteral("signInMs"), signInMs }, { QStringLiteral("exitCode"), exitCode } };
            if (closeAfterMs >= 0)
                object.insert(QStringLiteral("closeAfterMs"), closeAfterMs);
            if (runMs >= 0)
                object.insert(QStringLiteral("runMs"), runMs);
            return object;
        };
        QTest::newRow("closed by the user") << settings(300, -1, 0, 0) << 0 << true << 140000001;
        QTest::newRow("closed before its time is up") << settings(300, 5000, 4, 0) << 4 << true << 140000001;
        QTest::newRow("closed before the sign-in") << settings(300, -1, 0, 5000) << 0 << true << 0;
        // An end that is not the user's leaves the registry as it was, as a crash would.
        QTest::newRow("time is up") << settings(-1, 300, 3, 0) << 3 << false << 140000001;
    }
    void clientEndsWhenClosedOrItsTimeIsUp()
    {
        QFETCH(QJsonObject, settings);
        QFETCH(bool, pidCleared);
        settings.insert(QStringLiteral("installMs"), 60000);
        m_machine->writeScenario({ { QStringLiteral("Steam.exe"), settings } });
        QProcess *steam = start(m_steam);
        const int pid = int(steam->processId());
        QVERIFY(steam->waitForFinished(WaitMs));
        QTEST(steam->exitCode(), "exitCode");
        QCOMPARE(activeProcess("pid"), QVariant(pidCleared ? 0 : pid));
        QTEST(activeProcess("ActiveUser").toInt(), "activeUser");
        QVERIFY(!Registry::read(SteamVRApp, QStringLiteral("Installed")).isValid());
    }

    void exitSteamEndsTheClientAndItsMonitor_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("ended");
        QTest::newRow("ends both") << QJsonObject() << 0 << true;
        QTest::newRow("own exit code") << QJsonObject { { QStringLiteral("exitCode"), 3 } } << 3 << true;
        QTest::newRow("client does not close")
            << QJsonObject { { QStringLiteral("leaveRunning"), true } } << 0 << false;
    }
    void exitSteamEndsTheClientAndItsMonitor()
    {
        QFETCH(QJsonObject, settings);
        QFETCH(bool, ended);
        const QJsonObject longRun { { QStringLiteral("runMs"), 20000 } };
        m_machine->writeScenario({ { QStringLiteral("ExitSteam.exe"), settings },
            { QStringLiteral("Steam.exe"), QJsonObject { { QStringLiteral("signInMs"), -1 } } },
            { QStringLiteral("vrmonitor.exe"), longRun }, { QStringLiteral("vrstartup.exe"), longRun } });
        const QString win32 = SteamVRBin + QStringLiteral("/win32");
        const int steam = int(start(m_steam)->processId());
        start(tool(win32, QStringLiteral("vrmonitor.exe")));
        start(tool(win32, QStringLiteral("vrstartup.exe")));
        QTRY_VERIFY(running(QStringLiteral("vrmonitor.exe")) && running(QStringLiteral("vrstartup.exe")));
        QTRY_COMPARE(activeProcess("pid"), QVariant(steam));

        QTEST(run(tool(ToolFolder, QStringLiteral("ExitSteam.exe")), { QStringLiteral("-CheckAndStopVRMonitor") }),
            "exitCode");
        QCOMPARE(running(QStringLiteral("Steam.exe")), !ended);
        QCOMPARE(running(QStringLiteral("vrmonitor.exe")), !ended);
        QVERIFY(running(QStringLiteral("vrstartup.exe"))); // not one of the two
        QCOMPARE(activeProcess("pid"), QVariant(ended ? 0 : steam));
    }

    void steamVRInitAnswersOnceSteamVRIsInAndItsClientRuns()
    {
        m_machine->writeScenario({ { QStringLiteral("Steam.exe"),
            QJsonObject { { QStringLiteral("installMs"), 1000 }, { QStringLiteral("sendSignal"), false } } } });
        const QString init = tool(ToolFolder, QStringLiteral("SteamVRInit.exe"));
        QCOMPARE(run(init, QStringList()), 1); // no client
        QProcess *steam = start(m_steam);
        QTRY_COMPARE(activeProcess("pid"), QVariant(int(steam->processId())));
        QCOMPARE(run(init, QStringList()), 1); // still installing
        QTRY_COMPARE_WITH_TIMEOUT(run(init, QStringList()), 0, WaitMs);
        steam->kill();
        QVERIFY(steam->waitForFinished(WaitMs));
        QCOMPARE(run(init, QStringList()), 1); // installed, but its client is gone

        m_machine->writeScenario(
            { { QStringLiteral("SteamVRInit.exe"), QJsonObject { { QStringLiteral("exitCode"), 7 } } } });
        QCOMPARE(run(init, QStringList()), 7);
    }

private:
    // Copies the stand-in into the sandbox as folder/name; the copy's path.
    QString tool(const QString &folder, const QString &name) const { return m_machine->installPeer(folder, name); }

    // Starts a program, which the clean-up ends; one that could not start is not running.
    QProcess *start(const QString &program, const QStringList &arguments = QStringList())
    {
        m_started.push_back(std::make_unique<QProcess>());
        QProcess *process = m_started.back().get();
        process->start(program, arguments);
        process->waitForStarted(WaitMs);
        return process;
    }

    // Runs a program to its end; its exit code, -1 when it did not end normally in time.
    static int run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        const bool ended = process.waitForFinished(WaitMs) && process.exitStatus() == QProcess::NormalExit;
        return ended ? process.exitCode() : -1;
    }

    // The line that GetReg prints for a value of the current user's hive.
    QString getReg(const QString &key, const QString &name, int *exitCode = nullptr) const
    {
        QProcess getReg;
        getReg.start(m_getReg, { QStringLiteral("HKEY_CURRENT_USER"), key, name });
        if (!getReg.waitForFinished(WaitMs))
            return QString();
        if (exitCode)
            *exitCode = getReg.exitCode();
        return QString::fromUtf8(getReg.readAllStandardOutput()).trimmed();
    }

    std::unique_ptr<SandboxMachine> m_machine;
    QString m_steam;
    QString m_getReg;
    std::vector<std::unique_ptr<QProcess>> m_started;
};

QTEST_GUILESS_MAIN(TestPeerSteam)
#include "tst_peer_steam.moc"
