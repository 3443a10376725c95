#include "SandboxMachine.h"

#include "platform/NamedPipe.h"
#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

namespace {

using platform::Processes;
using Status = platform::NamedPipeClient::Status;

const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString HandlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command");
const QString RequestPipe = QStringLiteral("\\\\.\\pipe\\UpdateRequester");
const QString Uninstaller = QStringLiteral("Uninstaller.exe");
constexpr int WizardPipeTimeoutMs = 500;

bool running(const QString &name)
{
    return !Processes::find(name, Processes::Match::Name).isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(Status)

// The helper tools of an installation that the wizard starts or waits for.
class TestPeerPrograms : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void detachedLaunchOutlivesItsStarter_data()
    {
        QTest::addColumn<bool>("programThere");
        QTest::addColumn<QJsonObject>("own"); // the starter's settings besides "launch"
        QTest::addColumn<int>("exitCode");
        QTest::newRow("started") << true << QJsonObject() << 0;
        QTest::newRow("started, own exit code") << true << QJsonObject { { QStringLiteral("exitCode"), 7 } } << 7;
        QTest::newRow("missing program") << false << QJsonObject() << 1;
    }
    void detachedLaunchOutlivesItsStarter()
    {
        QFETCH(bool, programThere);
        QFETCH(QJsonObject, own);
        const QString folder = QStringLiteral("opt/Old/NOVAPORT");
        const QString uninstall = m_machine->installPeer(folder, QStringLiteral("Uninstall.exe"));
        const QString uninstaller = programThere ? m_machine->installPeer(folder, Uninstaller)
                                                 : m_machine->path(folder + QLatin1Char('/') + Uninstaller);
        own.insert(QStringLiteral("launch"),
            QJsonObject { { QStringLiteral("program"), uninstaller }, { QStringLiteral("detach"), true },
                { QStringLiteral("arguments"), QJsonArray { QStringLiteral("-NoUI") } } });
        m_machine->writeScenario({ { QStringLiteral("Uninstall.exe"), own },
            { Uninstaller, QJsonObject { { QStringLiteral("runMs"), 3000 } } } });

        QProcess starter;
        starter.start(uninstall, { QStringLiteral("-NoUI") });
        QVERIFY(starter.waitForFinished(20000));
        QTEST(starter.exitCode(), "exitCode");
        if (!programThere)
            return;
        // The starter did not wait: what it started still runs, on its own, then ends.
        QTRY_VERIFY(running(Uninstaller));
        QTRY_VERIFY_WITH_TIMEOUT(!running(Uninstaller), 15000);
        QCOMPARE(m_machine->peerStarts(),
            QStringList({ QStringLiteral("Uninstall.exe -NoUI"), QStringLiteral("Uninstaller.exe -NoUI") }));
    }

    // Each name of the six tools plays the same role; the removal is left only on 0.
    void driverUninstallToolRecordsItsRemoval_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("removed") << QStringLiteral("uninstallWin10_64.exe") << QJsonObject() << QStringList() << 0
                                 << true;
        QTest::newRow("another name, any case")
            << QStringLiteral("UNINSTALLWIN7_32.EXE") << QJsonObject() << QStringList() << 0 << true;
        QTest::newRow("failed") << QStringLiteral("uninstallWin81_64.exe")
                                << QJsonObject { { QStringLiteral("exitCode"), 5 } } << QStringList() << 5 << false;
        QTest::newRow("arguments refused") << QStringLiteral("uninstallWin10_32.exe") << QJsonObject()
                                           << QStringList { QStringLiteral("/S") } << 2 << false;
    }
    void driverUninstallToolRecordsItsRemoval()
    {
        QFETCH(QString, program);
        QFETCH(QJsonObject, settings);
        QFETCH(QStringList, arguments);
        QFETCH(bool, recorded);
        m_machine->writeScenario({ { program, settings } });
        QProcess tool;
        tool.start(m_machine->installPeer(QStringLiteral("opt/OOBETool/RemoveDriver"), program), arguments);
        QVERIFY(tool.waitForFinished(20000));
        QTEST(tool.exitCode(), "exitCode");
        QFile record(m_machine->path(QStringLiteral("driver-removals.log")));
        QCOMPARE(record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray(),
            recorded ? program.toUtf8() + '\n' : QByteArray());
    }

    void driverUninstallToolHangsUntilKilled()
    {
        const QString program = QStringLiteral("uninstallWin10_64.exe");
        m_machine->writeScenario({ { program, QJsonObject { { QStringLiteral("hang"), true } } } });
        QProcess tool;
        tool.start(m_machine->installPeer(QStringLiteral("opt/OOBETool/RemoveDriver"), program), QStringList());
        QVERIFY(tool.waitForStarted());
        QVERIFY(!tool.waitForFinished(1500));
        tool.kill();
        QVERIFY(tool.waitForFinished(5000));
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("driver-removals.log"))));
    }

    void installHelperLeavesResultAndHandler_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<QVariant>("result"); // invalid: not written
        QTest::addColumn<bool>("handler");
        QTest::addColumn<int>("exitCode");
        const QString helper = QStringLiteral("UpdaterInstallHelper.exe");
        auto result = [](const QJsonValue &value) {
            return QJsonObject { { QStringLiteral("installHelper"), value } };
        };
        QTest::newRow("defaults") << helper << QJsonObject() << QVariant(QStringLiteral("NOVAPORT:0")) << true << 0;
        QTest::newRow("any name that starts so, any case")
            << QStringLiteral("updaterinstallhelper_2.4.EXE") << QJsonObject() << QVariant(QStringLiteral("NOVAPORT:0"))
            << true << 0;
        QTest::newRow("failed install") << helper << result(QStringLiteral("NOVAPORT:1603"))
                                        << QVariant(QStringLiteral("NOVAPORT:1603")) << true << 0;
        QJsonObject nothing = result(QJsonValue::Null);
        nothing.insert(QStringLiteral("registerProtocol"), false);
        nothing.insert(QStringLiteral("exitCode"), 5);
        QTest::newRow("nothing left, own exit code") << helper << nothing << QVariant() << false << 5;
    }
    void installHelperLeavesResultAndHandler()
    {
        QFETCH(QString, program);
        QFETCH(QJsonObject, settings);
        QFETCH(bool, handler);
        settings.insert(QStringLiteral("runMs"), 1000);
        m_machine->writeScenario({ { program, settings } });
        const QString folder = m_machine->path(QStringLiteral("opt/NOVA/NOVAPORT"));
        QProcess helper;
        helper.start(m_machine->installPeer(QStringLiteral("opt/NOVA/NOVAPORT"), program), QStringList());
        QVERIFY(helper.waitForStarted());
        // Nothing is there while it runs: the wizard looks only once it has ended.
        QVERIFY(!platform::Registry::read(MainKey, QStringLiteral("InstallHelper")).isValid());
        QVERIFY(!platform::Registry::read(HandlerKey, QStringLiteral("Default")).isValid());
        QVERIFY(helper.waitForFinished(20000));
        QTEST(helper.exitCode(), "exitCode");
        QTEST(platform::Registry::read(MainKey, QStringLiteral("InstallHelper")), "result");
        const QString storeApp = folder + QStringLiteral("/Nova.exe");
        QCOMPARE(platform::Registry::read(HandlerKey, QStringLiteral("Default")),
            handler ? QVariant(QStringLiteral("\"%1\" \"%2\"").arg(storeApp, QStringLiteral("%1"))) : QVariant());
        QCOMPARE(QFileInfo(storeApp).isFile(), handler);
    }

    void updateServiceAnswersAndRecordsRequests_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("defaults") << QJsonObject() << Status::Ok << QByteArray("OK");
        QTest::newRow("own reply") << QJsonObject { { QStringLiteral("reply"), QStringLiteral("BUSY") } } << Status::Ok
                                   << QByteArray("BUSY");
        QTest::newRow("silent") << QJsonObject { { QStringLiteral("silent"), true } } << Status::ReadFailed
                                << QByteArray();
    }
    void updateServiceAnswersAndRecordsRequests()
    {
        QFETCH(QJsonObject, settings);
        m_machine->writeScenario({ { QStringLiteral("NovaUpdateService.exe"), settings } });
        QProcess service;
        QVERIFY(startAndWaitForLine(service,
            m_machine->installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("NovaUpdateService.exe")),
            QStringList(), "ready"));
        const QByteArrayList requests { "UPDATE:NOVA_SOFTWARE", "UPDATE:NOVA_OOBE" };
        for (const QByteArray &request : requests) {
            QByteArray reply;
            QTEST(platform::NamedPipeClient(RequestPipe, WizardPipeTimeoutMs).call(request, &reply), "status");
            QTEST(reply, "reply");
        }
        QFile log(m_machine->path(QStringLiteral("UpdateRequester.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), requests.join('\n') + '\n');
        QCOMPARE(service.state(), QProcess::Running); // until it is killed
        service.kill();
        QVERIFY(service.waitForFinished(5000));
    }

    void updateServiceEndsAfterItsTime()
    {
        m_machine->writeScenario({ { QStringLiteral("NovaUpdateService.exe"),
            QJsonObject { { QStringLiteral("runMs"), 200 }, { QStringLiteral("exitCode"), 4 } } } });
        QProcess service;
        QVERIFY(startAndWaitForLine(service,
            m_machine->installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("NovaUpdateService.exe")),
            QStringList(), "ready"));
        QVERIFY(service.waitForFinished(10000));
        QCOMPARE(service.exitCode(), 4);
        QByteArray reply;
        QCOMPARE(
            platform::NamedPipeClient(RequestPipe, WizardPipeTimeoutMs).call("UPDATE", &reply), Status::OpenFailed);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestPeerPrograms)
#include "tst_peer_programs.moc"
