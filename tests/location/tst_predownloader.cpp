#include "LogCapture.h"
#include "SandboxMachine.h"

#include "install/UpdaterLauncher.h"
#include "location/Predownloader.h"
#include "platform/Processes.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Success = QStringLiteral("[Predownloader] download success!");
const QString Failure = QStringLiteral("[Predownloader] download fail!");

const QString ProgramFolder = QStringLiteral("opt/NovaTundraSetup");

// The pre-download wired to the real launcher as the program wires them, in a sandbox
// machine whose stand-in updater (when given settings) plays them.
struct PredownloadRun {
    explicit PredownloadRun(const QJsonObject &updaterSettings)
        : predownloader(machine.path(ProgramFolder))
        , finished(&predownloader, &Predownloader::downloadFinished)
    {
        if (!updaterSettings.isEmpty()) {
            machine.writeScenario({ { QStringLiteral("Updater.exe"), updaterSettings } });
            updaterInstalled
                = !machine.installPeer(ProgramFolder + QStringLiteral("/Updater"), QStringLiteral("Updater.exe"))
                       .isEmpty();
        }
        QObject::connect(&predownloader, &Predownloader::updaterPredownload, &launcher, &UpdaterLauncher::predownload,
            Qt::DirectConnection);
    }

    SandboxMachine machine;
    UpdaterLauncher launcher { false };
    Predownloader predownloader;
    QSignalSpy finished;
    bool updaterInstalled = false;
};

} // namespace

// Pre-downloads with the stand-in updater started by the real launcher, as the
// program wires them.
class tst_Predownloader : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<QJsonObject>("settings"); // the stand-in updater's; empty: no updater
        QTest::addColumn<QString>("outcome"); // the Predownloader's line, or empty for none
        QTest::newRow("report 0") << QJsonObject { { QStringLiteral("exitCode"), 0 } } << Success;
        QTest::newRow("report 3") << QJsonObject { { QStringLiteral("exitCode"), 3 } } << Failure;
        QTest::newRow("crash without a report")
            << QJsonObject { { QStringLiteral("fault"), QStringLiteral("crash") } } << Failure;
        QTest::newRow("no updater to start") << QJsonObject() << Failure;
        QTest::newRow("normal end without a report")
            << QJsonObject { { QStringLiteral("fault"), QStringLiteral("silent") } } << QString();
    }
    void outcomes()
    {
        QFETCH(QJsonObject, settings);
        QFETCH(QString, outcome);
        if (!settings.isEmpty())
            settings.insert(QStringLiteral("intervalMs"), 20);
        LogCapture log;
        PredownloadRun run(settings);
        QVERIFY(run.updaterInstalled == !settings.isEmpty());
        QSignalSpy &finished = run.finished;
        emit run.predownloader.predownload();

        const QString silentEnd = QStringLiteral("[DownloadParser] Updater process normal exit");
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0 || log.contains(silentEnd), 20000);
        // A second outcome would come within a moment.
        QTest::qWait(500);
        QCOMPARE(finished.count(), outcome.isEmpty() ? 0 : 1);
        QCOMPARE(log.count(Success) + log.count(Failure), outcome.isEmpty() ? 0 : 1);
        if (!outcome.isEmpty())
            QVERIFY(log.contains(outcome));
    }

    // The updater is started once per request, as the pre-download job, and its
    // progress lines are read but decide nothing.
    void startsThePredownloadJob()
    {
        LogCapture log;
        PredownloadRun run(QJsonObject { { QStringLiteral("totalSize"), 4096 }, { QStringLiteral("speed"), 8192 },
            { QStringLiteral("intervalMs"), 50 } });
        QVERIFY(run.updaterInstalled);
        QSignalSpy &finished = run.finished;
        emit run.predownloader.predownload();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);

        const QString pid = QString::number(platform::Processes::currentPid());
        const QString expected
            = QStringLiteral(
                  "Updater.exe NOVAEYE_SOFTWARE com.kelt.windows.nova_eye.oobe_config -SkipAdditionTasks -NoUI "
                  "-NP:predownload_pipe -OOBE -ExitWhenParentDie:")
            + pid;
        QCOMPARE(run.machine.peerStarts(), QStringList { expected });
        const QStringList received = log.startingWith(QStringLiteral("[DownloadParser] Received message: "));
        QVERIFY(received.size() > 1);
        QVERIFY(received.first().endsWith(QLatin1String("Size:0/4096")));
        QCOMPARE(received.last(), QStringLiteral("[DownloadParser] Received message: ExitCode:0"));
        QVERIFY(log.contains(QStringLiteral("[DownloadParser] Successful exit")));
    }
};

QTEST_GUILESS_MAIN(tst_Predownloader)
#include "tst_predownloader.moc"
