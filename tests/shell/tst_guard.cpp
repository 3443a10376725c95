#include "BiServer.h"
#include "LogCapture.h"
#include "SandboxMachine.h"

#include "platform/NamedMutex.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "shell/Guard.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <cerrno>
#include <memory>

namespace {

const QString LockName = QStringLiteral("Global\\QOR_INSTALLER");
const QStringList OtherSetupPrograms = { QStringLiteral("NovaProInstall.exe"), QStringLiteral("NovaInstall.exe") };
const QString PidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\PID");
const QString UninstallPidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\UninstallPID");
const QString LookupPath = QStringLiteral("/api/whichcountry/v1/plain");
const QString LocationDone = QStringLiteral("[Guard]checkLocation() retry over 5 times");
const QString UserIsIn = QStringLiteral("[Guard]onWebServerReply() user is in");

bool lockIsHeldElsewhere()
{
    platform::NamedMutex probe(LockName);
    return !probe.tryLock();
}

// A stand-in program of the sandbox, running until the test ends it.
class Peer {
public:
    Peer(const SandboxMachine &machine, const QString &name, const QStringList &arguments = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(machine.installPeer(QStringLiteral("opt/Other"), name), arguments);
        m_process.waitForStarted();
    }
    ~Peer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    qint64 pid() const { return m_process.processId(); }
    bool waitForEnd(int ms) { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ms); }

private:
    QProcess m_process;
};

// A process id that no process has: one that ran and ended.
qint64 deadPid()
{
    QProcess process;
    process.start(QStringLiteral("true"), QStringList());
    process.waitForFinished();
    const qint64 pid = process.processId();
    return pid;
}

QStringList dialogs(const QSignalSpy &spy)
{
    QStringList ids;
    for (const QList<QVariant> &call : spy)
        ids.append(call.value(0).toString());
    return ids;
}

} // namespace

class tst_Guard : public QObject {
    Q_OBJECT

private slots:
    void runningUpdater_data()
    {
        QTest::addColumn<QStringList>("pidNames");
        QTest::addColumn<QStringList>("uninstallPidNames");
        QTest::addColumn<QList<qint64>>("updaters");
        QTest::addColumn<QList<qint64>>("uninstallers");
        QTest::addColumn<bool>("running");
        using Ids = QList<qint64>;
        QTest::newRow("nothing listed") << QStringList() << QStringList() << Ids { 10 } << Ids { 11 } << false;
        QTest::newRow("listed updater runs") << QStringList { QStringLiteral("7"), QStringLiteral("10") }
                                             << QStringList() << Ids { 10 } << Ids() << true;
        QTest::newRow("listed updater gone")
            << QStringList { QStringLiteral("7") } << QStringList() << Ids { 10 } << Ids() << false;
        QTest::newRow("listed uninstaller runs")
            << QStringList() << QStringList { QStringLiteral("11") } << Ids() << Ids { 11 } << true;
        QTest::newRow("uninstaller id under the updater's key")
            << QStringList { QStringLiteral("11") } << QStringList() << Ids { 10 } << Ids { 11 } << false;
        QTest::newRow("names that are no decimal ids")
            << QStringList { QStringLiteral("0xa"), QStringLiteral("10x"), QStringLiteral("") } << QStringList()
            << Ids { 10 } << Ids() << false;
    }
    void runningUpdater()
    {
        QFETCH(QStringList, pidNames);
        QFETCH(QStringList, uninstallPidNames);
        QFETCH(QList<qint64>, updaters);
        QFETCH(QList<qint64>, uninstallers);
        QTEST(Guard::isUpdaterRunning(pidNames, uninstallPidNames, updaters, uninstallers), "running");
    }

    // A second copy finds the lock held by another set-up program, is refused, and
    // takes the lock once "force to resume" has ended that program; its shutdown lets
    // the lock go again.
    void secondCopyIsRefusedUntilForcedToResume()
    {
        SandboxMachine machine;
        machine.writeScenario({ { QStringLiteral("NovaInstall.exe"),
            QJsonObject { { QStringLiteral("holdLock"), LockName }, { QStringLiteral("runMs"), 60000 } } } });
        Peer other(machine, QStringLiteral("NovaInstall.exe"));
        QTRY_VERIFY_WITH_TIMEOUT(lockIsHeldElsewhere(), 10000);

        LogCapture log;
        Guard guard(LockName, OtherSetupPrograms, false, true);
        QSignalSpy shown(&guard, &Guard::showDialog);
        QSignalSpy passed(&guard, &Guard::checkUpdaterPassed);
        guard.check();
        QCOMPARE(dialogs(shown), QStringList { QStringLiteral("CO001") });
        const QString refusal = QStringLiteral("[Guard] WARNING: Another instance of Global\\QOR_INSTALLER is already "
                                               "running. Handle NULL?0, error:%1")
                                    .arg(EWOULDBLOCK);
        QVERIFY(log.contains(refusal));
        // The refusal does not stop the other checks.
        QCOMPARE(passed.count(), 1);

        guard.killAnotherInstance();
        QVERIFY(other.waitForEnd(5000));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("[Guard] Acquired lock")), 5000);
        QCOMPARE(shown.count(), 1);
        QVERIFY(lockIsHeldElsewhere());

        guard.releaseLock();
        QVERIFY(log.contains(QStringLiteral("[Guard] Released single instance lock Global\\QOR_INSTALLER")));
        QVERIFY(!lockIsHeldElsewhere());
    }

    void updaterCheck_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("refused");
        QTest::newRow("no keys") << QStringLiteral("none") << false;
        QTest::newRow("the running updater lists itself") << QStringLiteral("updater") << true;
        QTest::newRow("a listed id that is dead, an updater running") << QStringLiteral("dead") << false;
        QTest::newRow("the running uninstaller is listed") << QStringLiteral("uninstaller") << true;
    }
    void updaterCheck()
    {
        QFETCH(QString, situation);
        QFETCH(bool, refused);
        SandboxMachine machine;
        machine.writeScenario(
            { { QStringLiteral("Updater.exe"), QJsonObject { { QStringLiteral("fault"), QStringLiteral("hang") } } },
                { QStringLiteral("da.exe"), QJsonObject { { QStringLiteral("runMs"), 60000 } } } });
        std::unique_ptr<Peer> peer;
        if (situation == QLatin1String("updater") || situation == QLatin1String("dead")) {
            peer = std::make_unique<Peer>(machine, QStringLiteral("Updater.exe"),
                QStringList { QStringLiteral("NOVA_EYE_SOFTWARE"),
                    QStringLiteral("com.kelt.windows.nova_eye.oobe_config"), QStringLiteral("-NP:guard_test") });
            // The updater lists its own id while it runs.
            const QString own = QString::number(peer->pid());
            QTRY_VERIFY_WITH_TIMEOUT(platform::Registry::valueNames(PidKey).contains(own), 10000);
            if (situation == QLatin1String("dead")) {
                platform::Registry::remove(PidKey, own);
                platform::Registry::write(PidKey, QString::number(deadPid()), QString());
            }
        } else if (situation == QLatin1String("uninstaller")) {
            peer = std::make_unique<Peer>(machine, QStringLiteral("da.exe"));
            platform::Registry::write(UninstallPidKey, QString::number(peer->pid()), QString());
        }

        LogCapture log;
        Guard guard(LockName, OtherSetupPrograms, false, true);
        QSignalSpy shown(&guard, &Guard::showDialog);
        QSignalSpy passed(&guard, &Guard::checkUpdaterPassed);
        guard.check();
        QCOMPARE(dialogs(shown), refused ? QStringList { QStringLiteral("CO002") } : QStringList());
        QCOMPARE(passed.count(), refused ? 0 : 1);
        QCOMPARE(log.contains(QStringLiteral("[Guard] WARNING: Found Updater running. Shouldn't proceed.")), refused);
        QCOMPARE(log.contains(QStringLiteral("[Guard] Passed Updater check")), !refused);
        // With nothing listed, no process is looked at.
        if (situation == QLatin1String("none"))
            QVERIFY(log.startingWith(QStringLiteral("[Utils] Find process of name")).isEmpty());
    }

    // The China edition asks the country service; after five failed answers the system
    // locale decides. Other editions and test mode ask nothing.
    void location_data()
    {
        QTest::addColumn<QStringList>("serverOptions"); // empty: nothing listens
        QTest::addColumn<bool>("isCN");
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("requests");
        const QString en = QStringLiteral("en_US");
        const QString zh = QStringLiteral("zh_CN");
        QTest::newRow("CN, trimmed and case ignored")
            << QStringList { QStringLiteral("--which-country"), QStringLiteral(" CN ") } << true << false << en << false
            << 1;
        QTest::newRow("cn in lower case") << QStringList { QStringLiteral("--which-country"), QStringLiteral(" cn ") }
                                          << true << false << en << false << 1;
        QTest::newRow("US") << QStringList { QStringLiteral("--which-country"), QStringLiteral("US") } << true << false
                            << zh << true << 1;
        QTest::newRow("204 without a code")
            << QStringList { QStringLiteral("--which-country-status"), QStringLiteral("204") } << true << false << zh
            << true << 1;
        QTest::newRow("500 five times, Chinese locale")
            << QStringList { QStringLiteral("--which-country-status"), QStringLiteral("500") } << true << false << zh
            << false << 5;
        QTest::newRow("500 five times, US locale")
            << QStringList { QStringLiteral("--which-country-status"), QStringLiteral("500") } << true << false << en
            << true << 5;
        QTest::newRow("unreachable, Chinese locale") << QStringList() << true << false << zh << false << 0;
        QTest::newRow("unreachable, US locale") << QStringList() << true << false << en << true << 0;
        QTest::newRow("never answers, Chinese locale")
            << QStringList { QStringLiteral("--which-country-silent") } << true << false << zh << false << 5;
        QTest::newRow("test mode asks nothing")
            << QStringList { QStringLiteral("--which-country"), QStringLiteral("US") } << true << true << en << false
            << 0;
        QTest::newRow("other editions ask nothing")
            << QStringList { QStringLiteral("--which-country"), QStringLiteral("US") } << false << false << en << false
            << 0;
    }
    void location()
    {
        QFETCH(QStringList, serverOptions);
        QFETCH(bool, isCN);
        QFETCH(bool, testMode);
        QFETCH(QString, locale);
        QFETCH(bool, refused);
        QFETCH(int, requests);
        SandboxMachine machine;
        BiServer server;
        QString host;
        if (serverOptions.isEmpty()) {
            // A port that was free a moment ago: connections are refused.
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            host = QStringLiteral("127.0.0.1:") + QString::number(closed.serverPort());
        } else {
            QVERIFY(server.start(serverOptions));
            host = server.host();
        }
        machine.writeProfile({ { QStringLiteral("countryServer"), host },
            { QStringLiteral("biCaFile"), BiServer::caFile() }, { QStringLiteral("locale"), locale } });

        LogCapture log;
        Guard guard(LockName, OtherSetupPrograms, isCN, testMode);
        guard.setLookupTimeout(1000);
        // The network manager comes with the first look-up, never with the guard.
        QVERIFY(guard.findChildren<QNetworkAccessManager *>().isEmpty());
        QSignalSpy shown(&guard, &Guard::showDialog);
        guard.check();
        if (isCN && !testMode) {
            QTRY_VERIFY_WITH_TIMEOUT(
                !log.startingWith(LocationDone).isEmpty() || !log.startingWith(UserIsIn).isEmpty(), 20000);
        } else {
            QTest::qWait(300);
            QVERIFY(log.startingWith(QStringLiteral("[Guard]checkLocation()")).isEmpty());
        }
        QCOMPARE(dialogs(shown), refused ? QStringList { QStringLiteral("CO003") } : QStringList());
        QCOMPARE(guard.findChildren<QNetworkAccessManager *>().size(), isCN && !testMode ? 1 : 0);
        if (!serverOptions.isEmpty())
            QCOMPARE(server.requests(LookupPath).size(), requests);
    }
};

QTEST_GUILESS_MAIN(tst_Guard)
#include "tst_guard.moc"
