#include "PipeRun.h"
#include "SandboxMachine.h"

#include "install/NovaParser.h"
#include "install/UpdaterLauncher.h"

#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <memory>

// One install step as the install manager runs it: the stand-in updater started by
// the launcher, reporting over a real pipe into NovaParser, watched through its process.
class TestUpdaterRun : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        qRegisterMetaType<QProcess::ProcessError>();
    }

    void stepEndsWithExactlyOneOutcome_data()
    {
        QTest::addColumn<QJsonObject>("scenario");
        QTest::addColumn<int>("downloadRetries");
        QTest::addColumn<QString>("outcome");
        const QJsonObject download { { QStringLiteral("totalSize"), 4 * 1024 * 1024 },
            { QStringLiteral("speed"), 32 * 1024 * 1024 }, { QStringLiteral("intervalMs"), 20 } };
        const auto with = [&download](const char *key, const QJsonValue &value) {
            QJsonObject settings = download;
            settings.insert(QLatin1String(key), value);
            return settings;
        };
        QTest::newRow("success") << download << 0 << "installFinished";
        QTest::newRow("crash mid-download") << with("fault", QStringLiteral("crash")) << 0 << "installError";
        QTest::newRow("download failure retried") << with("exitCode", 5) << 0 << "autoRetry";
        QTest::newRow("download failure after three retries") << with("exitCode", 5) << 3 << "installError";
        QTest::newRow("garbage then success") << with("fault", QStringLiteral("garbage")) << 0 << "installFinished";
    }
    void stepEndsWithExactlyOneOutcome()
    {
        QFETCH(QJsonObject, scenario);
        QFETCH(int, downloadRetries);
        QFETCH(QString, outcome);
        SandboxMachine machine;
        machine.writeScenario({ { QStringLiteral("Updater.exe"), scenario } });
        const QString updater = machine.installPeer(QStringLiteral("opt/Updater"), QStringLiteral("Updater.exe"));

        SignalRecorder recorder;
        auto *parser = new NovaParser(
            QStringLiteral("NOVA Sw"), QStringLiteral("NOVA Software"), 0, downloadRetries, false, false);
        QProcess process;
        connect(&process, &QProcess::errorOccurred, parser, &NovaParser::onProcError);
        connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), parser,
            &NovaParser::onProcFinished);
        PipeRun run(parser, QStringLiteral("nova_pipe"));
        connect(parser, &NovaParser::closePipe, run.thread(), &PipeThreadWin::closePipe);
        for (const auto &[signal, name] : { std::pair { &NovaParser::installError, "installError" },
                 { &NovaParser::installFinished, "installFinished" }, { &NovaParser::autoRetry, "autoRetry" } })
            recorder.watch(parser, signal, QLatin1String(name));
        recorder.watch(parser, &NovaParser::reportDownload, QStringLiteral("reportDownload"));
        QVERIFY(run.start());

        UpdaterLauncher launcher(false);
        launcher.installNovaSw(&process, QFileInfo(updater).absolutePath(), QStringLiteral("nova_pipe"));
        QVERIFY(process.waitForFinished(20000));
        QVERIFY(run.waitUntilGone()); // no thread or parser left behind
        QTest::qWait(200); // late queued reports would arrive now

        QCOMPARE(
            recorder.eventsWithout(QStringLiteral("reportDownload")), QStringList { outcome + QStringLiteral("()") });
        QVERIFY(!recorder.arguments(QStringLiteral("reportDownload")).isEmpty()); // progress came before the end
    }
};

QTEST_GUILESS_MAIN(TestUpdaterRun)
#include "tst_updaterrun.moc"
