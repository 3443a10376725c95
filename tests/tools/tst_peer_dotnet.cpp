#include "SandboxMachine.h"

#include "platform/Registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

namespace {

const QString Installer = QStringLiteral("NDP46-KB3045560-Web.exe");
const QString FullKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full");
const QStringList Arguments { QStringLiteral("/norestart"), QStringLiteral("/passive"), QStringLiteral("/showrmui") };

} // namespace

class TestPeerDotNet : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_installer = m_machine->installPeer(QStringLiteral("opt/NOVA/dotNetFx"), Installer);
        QVERIFY(!m_installer.isEmpty());
    }
    void cleanup() { m_machine.reset(); }

    void releaseIsWrittenOnSuccessOnly_data()
    {
        QTest::addColumn<QJsonObject>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QVariant>("release");
        QTest::newRow("defaults: 4.6") << QJsonObject() << 0 << QVariant(393295);
        QTest::newRow("newer framework") << QJsonObject { { QStringLiteral("release"), 528040 } } << 0
                                         << QVariant(528040);
        QTest::newRow("failed") << QJsonObject { { QStringLiteral("exitCode"), 5 } } << 5 << QVariant();
        // Linux keeps only the low eight bits of an exit code: 3010 arrives as 194.
        QTest::newRow("restart needed") << QJsonObject { { QStringLiteral("exitCode"), 3010 } } << (3010 & 0xff)
                                        << QVariant();
    }
    void releaseIsWrittenOnSuccessOnly()
    {
        QFETCH(QJsonObject, settings);
        m_machine->writeScenario({ { Installer, settings } });
        QProcess installer;
        installer.start(m_installer, Arguments);
        QVERIFY(installer.waitForFinished(20000));
        QTEST(installer.exitCode(), "exitCode");
        QTEST(platform::Registry::read(FullKey, QStringLiteral("Release")), "release");

        QFile log(m_machine->path(QStringLiteral("peers.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
        QCOMPARE(start.value(QLatin1String("program")).toString(), Installer);
        QCOMPARE(start.value(QLatin1String("arguments")).toArray(), QJsonArray::fromStringList(Arguments));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
    QString m_installer;
};

QTEST_GUILESS_MAIN(TestPeerDotNet)
#include "tst_peer_dotnet.moc"
