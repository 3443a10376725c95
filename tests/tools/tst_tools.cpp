#include "SandboxMachine.h"

#include "platform/NamedPipe.h"
#include "platform/Registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(builtProgram(tool), arguments);
    if (!process.waitForFinished(20000))
        return { -1, {}, {} };
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError() };
}

QStringList split(const char *words)
{
    return QString::fromUtf8(words).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

} // namespace

class TestTools : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void malformedArgumentsGetAUsageLine_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        const QString reg = QStringLiteral("nova-reg");
        const QString pipe = QStringLiteral("nova-pipe");
        QTest::newRow("reg: nothing") << reg << QStringList();
        QTest::newRow("reg: unknown verb") << reg << split("copy|HKLM\\A");
        QTest::newRow("reg: no key") << reg << split("query");
        QTest::newRow("reg: /v without name") << reg << split("query|HKLM\\A|/v");
        QTest::newRow("reg: /d on query") << reg << split("query|HKLM\\A|/d|x");
        QTest::newRow("reg: delete without value") << reg << split("delete|HKLM\\A|/f");
        QTest::newRow("reg: list with a value") << reg << split("list|HKLM\\A|/v|x");
        QTest::newRow("reg: stray word") << reg << split("add|HKLM\\A|/v|x|extra");
        QTest::newRow("pipe: nothing") << pipe << QStringList();
        QTest::newRow("pipe: send without message") << pipe << split("send|p");
        QTest::newRow("pipe: bad timeout") << pipe << split("send|p|hello|--timeout|soon");
        QTest::newRow("pipe: negative count") << pipe << split("serve|p|--count|-3");
        QTest::newRow("pipe: unknown option") << pipe << split("serve|p|--forever");
    }
    void malformedArgumentsGetAUsageLine()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const Run result = run(tool, arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains("usage: " + tool.toUtf8()), result.err.constData());
        QVERIFY(result.out.isEmpty());
        QVERIFY(!QFile::exists(m_machine->path(QStringLiteral("registry"))));
    }

    void regAddsQueriesAndDeletesLikeRegExe()
    {
        const QString key = QStringLiteral("HKLM\\Software\\KeltNova");
        QCOMPARE(
            run(QStringLiteral("nova-reg"),
                { QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("PID"), QStringLiteral("/t"),
                    QStringLiteral("REG_DWORD"), QStringLiteral("/d"), QStringLiteral("0x1F"), QStringLiteral("/f") })
                .exitCode,
            0);
        QCOMPARE(platform::Registry::read(key, QStringLiteral("pid")), QVariant(31));

        QVERIFY(platform::Registry::write(key, QStringLiteral("AppPath"), QStringLiteral("C:\\Nova")));
        const Run query = run(QStringLiteral("nova-reg"), { QStringLiteral("query"), key });
        QCOMPARE(query.exitCode, 0);
        QVERIFY(query.out.contains("    AppPath    REG_SZ    C:\\Nova\n"));
        QVERIFY(query.out.contains("    PID    REG_DWORD    0x1f\n"));

        const Run bad = run(QStringLiteral("nova-reg"),
            { QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("PID"), QStringLiteral("/t"),
                QStringLiteral("REG_DWORD"), QStringLiteral("/d"), QStringLiteral("lots") });
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.err.contains("invalid data"));
        QCOMPARE(platform::Registry::read(key, QStringLiteral("PID")), QVariant(31)); // nothing lost

        QCOMPARE(run(QStringLiteral("nova-reg"),
                     { QStringLiteral("delete"), key, QStringLiteral("/v"), QStringLiteral("pid") })
                     .exitCode,
            0);
        QCOMPARE(run(QStringLiteral("nova-reg"), { QStringLiteral("list"), key }).out, QByteArray("AppPath\n"));
        QCOMPARE(run(QStringLiteral("nova-reg"),
                     { QStringLiteral("query"), key, QStringLiteral("/v"), QStringLiteral("PID") })
                     .exitCode,
            1);
    }

    void pipeSendsToAServerAndFailsOnAMissingOne()
    {
        platform::NamedPipeServer server(QStringLiteral("tool_pipe"));
        QVERIFY(server.listen());
        QThread *serving = QThread::create([&server] {
            QByteArray message;
            if (server.waitForClient(10000) && server.readMessage(&message, 5000))
                server.writeReply("OK:" + message);
        });
        serving->start();
        const Run sent = run(QStringLiteral("nova-pipe"),
            { QStringLiteral("send"), QStringLiteral("\\\\.\\pipe\\tool_pipe"), QStringLiteral("hello") });
        serving->wait();
        delete serving;
        QCOMPARE(sent.exitCode, 0);
        QCOMPARE(sent.out, QByteArray("OK:hello\n"));

        const Run missing = run(QStringLiteral("nova-pipe"),
            { QStringLiteral("send"), QStringLiteral("nobody"), QStringLiteral("hello"), QStringLiteral("--timeout"),
                QStringLiteral("200") });
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("nobody"));
    }

    void peerPlaysItsScenarioPerAttempt()
    {
        m_machine->writeScenario({ { QStringLiteral("talker.exe"),
            QJsonObject { { QStringLiteral("pipe"), QStringLiteral("talk_pipe") },
                { QStringLiteral("messages"), QJsonArray { QStringLiteral("Size:1/2"), QStringLiteral("ExitCode:0") } },
                { QStringLiteral("exitCode"), 0 },
                { QStringLiteral("attempts"),
                    QJsonArray { QJsonObject { { QStringLiteral("exitCode"), 5 } }, QJsonObject {} } } } } });
        const QString talker = m_machine->installPeer(QStringLiteral("opt/Tool"), QStringLiteral("Talker.exe"));

        platform::NamedPipeServer server(QStringLiteral("talk_pipe"));
        QVERIFY(server.listen());
        QStringList received;
        QThread *serving = QThread::create([&server, &received] {
            for (int i = 0; i < 4 && server.waitForClient(10000); ++i) {
                QByteArray message;
                if (server.readMessage(&message, 5000) && server.writeReply("OK"))
                    received.append(platform::pipeMessageText(message));
            }
        });
        serving->start();
        QCOMPARE(QProcess::execute(talker, { QStringLiteral("-first") }), 5);
        QCOMPARE(QProcess::execute(talker, { QStringLiteral("-second") }), 0);
        serving->wait();
        delete serving;
        QCOMPARE(received,
            (QStringList { QStringLiteral("Size:1/2"), QStringLiteral("ExitCode:0"), QStringLiteral("Size:1/2"),
                QStringLiteral("ExitCode:0") }));

        QFile log(m_machine->path(QStringLiteral("peers.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        const QJsonObject second = QJsonDocument::fromJson(lines.at(1)).object();
        QCOMPARE(second.value(QStringLiteral("program")).toString(), QStringLiteral("Talker.exe"));
        QCOMPARE(second.value(QStringLiteral("attempt")).toInt(), 2);
        QCOMPARE(second.value(QStringLiteral("arguments")).toArray(), QJsonArray { QStringLiteral("-second") });
    }

    void peerWithoutAScenarioExitsAtOnce()
    {
        const QString plain = m_machine->installPeer(QStringLiteral("opt"), QStringLiteral("Unknown.exe"));
        QCOMPARE(QProcess::execute(plain, {}), 0);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
