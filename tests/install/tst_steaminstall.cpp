#include "InstallRun.h"
#include "LogCapture.h"
#include "SandboxMachine.h"
#include "XvfbDisplay.h"

#include "core/Utils.h"
#include "install/flow/InstallManager.h"
#include "install/flow/SteamMonitor.h"
#include "platform/Registry.h"
#include "platform/Windows.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int StepsTimeoutMs = 90000;
const QString SignInLine = QStringLiteral("[SteamMonitor] State change: Steam starts to wait for user sign-in");

// The stand-in Steam's settings for its first start, and for the later ones.
QJsonObject steamStarts(const QJsonObject &first, const QJsonObject &later = {})
{
    return { { QStringLiteral("attempts"), QJsonArray { first, later } } };
}

QJsonObject failingOnce(const QJsonObject &first)
{
    return { { QStringLiteral("attempts"), QJsonArray { first, QJsonObject {} } } };
}

} // namespace

// SteamVR through the Steam client: closing Steam, its set-up, its installer request,
// the watch on its sign-in and SteamVR's installation, with the stand-ins as processes.
class tst_SteamInstall : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        setInstallMode(false);
        // A few passes stand for the half minute each limit gives the real client.
        SteamLimits::current() = { 3, 3, 3 };
    }

    void cleanup() { SteamLimits::current() = {}; }

    void steamInstallsSteamVR_data()
    {
        QTest::addColumn<QJsonObject>("steam");
        QTest::addColumn<QJsonObject>("steamVRInit");
        QTest::addColumn<bool>("asksToSignIn");
        QTest::addColumn<QString>("signedInLine");
        QTest::addColumn<QString>("installedLine");
        const QString case1 = QStringLiteral("[SteamMonitor] State change: Steam finds user signed in [case 1]");
        const QString case2 = QStringLiteral("[SteamMonitor] State change: Steam finds user signed in [case 2]");
        const QString answered = QStringLiteral("[SteamMonitor] connect SteamVR success, send finish signal.");
        QTest::newRow("the user signs in after a while")
            << QJsonObject { { QStringLiteral("signInMs"), 3500 }, { QStringLiteral("sendSignal"), false } }
            << QJsonObject() << true << case2 << answered;
        QTest::newRow("the user is signed in already")
            << QJsonObject { { QStringLiteral("signInMs"), 0 }, { QStringLiteral("sendSignal"), false } }
            << QJsonObject() << false << case1 << answered;
        QTest::newRow("Steam's signal ends it")
            << QJsonObject { { QStringLiteral("signInMs"), 0 } } << QJsonObject { { QStringLiteral("exitCode"), 1 } }
            << false << case1 << QStringLiteral("[SteamParser] Steam installation finished");
        QTest::newRow("SteamVR idle after the sign-in counts as installed")
            << QJsonObject { { QStringLiteral("signInMs"), 0 }, { QStringLiteral("sendSignal"), false } }
            << QJsonObject { { QStringLiteral("exitCode"), 1 } } << false << case1
            << QStringLiteral("[SteamMonitor] WARNING: SteamVR updating has stopped for 3 seconds. Assume it has "
                              "succeeded.");
    }

    // Steam is set up where the folder page put it and asked to install SteamVR; the
    // page asks for the sign-in while Steam waits for one, the guide takes over once
    // the user is in, and the installation ends when SteamVR is there.
    void steamInstallsSteamVR()
    {
        QFETCH(QJsonObject, steam);
        QFETCH(QJsonObject, steamVRInit);
        QFETCH(bool, asksToSignIn);
        QFETCH(QString, signedInLine);
        QFETCH(QString, installedLine);
        LogCapture log;
        InstallRun run({},
            { { QStringLiteral("Steam.exe"), steam }, { QStringLiteral("SteamVRInit.exe"), steamVRInit },
                { QStringLiteral("CheckIfRegOpenvrDriver.exe"), QJsonObject() } });
        QVERIFY(run.ready && run.prepareSteamClient());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        QVERIFY(!run.paths.shouldUseStandaloneSteamVR());
        run.installs.setSteamLanguageSource([] { return QStringLiteral("german"); });
        QSignalSpy guideStarts(&run.installs, &InstallManager::startGuide);
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();

        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
        QCOMPARE(quits.at(0).at(0).toString(), QStringLiteral("bg done"));
        QCOMPARE(run.dialogs.count(), 0);
        QCOMPARE(guideStarts.count(), 1);
        QCOMPARE(log.contains(SignInLine), asksToSignIn);
        QCOMPARE(run.page->downloadStates, (asksToSignIn ? QList<int> { 1, 2 } : QList<int> { 2 }));
        const QString steamFolder = run.machine.path(QStringLiteral("games/Steam"));
        QString missing;
        QVERIFY2(
            linesInOrder(log.lines(),
                { QStringLiteral("[InstallManager] Close running Steam/SteamVR"),
                    QStringLiteral("[InstallManager] No previous Steam installed on this PC, need Steam setup"),
                    QStringLiteral("[InstallManager] Steam setup: %1, /S /LANGUAGE=german /D=%2")
                        .arg(run.machine.path(InstallRunProgramFolder + QStringLiteral("/OOBETool/SteamNovaSetup.exe")),
                            steamFolder),
                    QStringLiteral("[InstallManager] Trigger Steam update"),
                    QStringLiteral("[TimeTeller] Steam client TimeTeller changes state to 3"), signedInLine,
                    QStringLiteral("[TimeTeller] Steam client TimeTeller changes state to 4"),
                    QStringLiteral("[TimeTeller] SteamVR TimeTeller changes state to 3"),
                    QStringLiteral("[InstallManager] FG has finished"), installedLine,
                    QStringLiteral("[InstallManager] Finished installing Steam"),
                    QStringLiteral("[InstallManager] BG installation has finished."),
                    QStringLiteral("[InstallManager] Register drivers successed.") },
                &missing),
            qPrintable(missing));
        // Steam came from its set-up, and SteamVR's path tool from Steam.
        QCOMPARE(Utils::readPath(Utils::RegSteamMachine, QStringLiteral("InstallPath")),
            Utils::withBackslashes(steamFolder));
        const QStringList starts = run.machine.peerStarts();
        QVERIFY(starts.contains(QStringLiteral("Steam.exe -steaminstaller SteamNovaSetup.exe")));
        QVERIFY(starts.contains(QStringLiteral("SendSignal.exe -register:steam_pipe:")));
        QVERIFY(starts.indexOf(QStringLiteral("ExitSteam.exe -CheckAndStopVRMonitor"))
            < starts.indexOf(QStringLiteral("Steam.exe -steaminstaller SteamNovaSetup.exe")));
        QCOMPARE(run.page->completions, 2);

        // Steam's signal and the monitor may both report the end: the first one wins.
        run.installs.onInstallSteamFinished();
        QVERIFY(log.contains(
            QStringLiteral("[InstallManager] WARNING: onInstallSteamFinished() has been invoked before, ignore.")));
        QCOMPARE(log.count(QStringLiteral("[InstallManager] Finished installing Steam")), 1);
        QCOMPARE(run.page->completions, 2);
        QCOMPARE(quits.count(), 1);
    }

    // While Steam waits for its user, its window is brought to the front now and then,
    // so that the sign-in is not hidden behind the wizard.
    void steamWindowComesToTheFrontWhileTheSignInWaits()
    {
        XvfbDisplay display;
        QVERIFY2(display.start() && display.startWindowManager(), qPrintable(display.errorString()));
        ScopedEnvironment environment;
        environment.set("DISPLAY", display.name().toUtf8());
        LogCapture log;
        // Long enough for twenty passes of the wait.
        InstallRun run({},
            { { QStringLiteral("Steam.exe"),
                  QJsonObject { { QStringLiteral("signInMs"), 27000 }, { QStringLiteral("sendSignal"), false } } },
                { QStringLiteral("CheckIfRegOpenvrDriver.exe"), QJsonObject() } });
        QVERIFY(run.ready && run.prepareSteamClient());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        run.installs.startInstall();

        const QString found = QStringLiteral("[SteamMonitor] Found Steam window? 1");
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(found), StepsTimeoutMs);
        QVERIFY(log.contains(QStringLiteral("[SteamMonitor] procEnumWindowCallback(). SetForegroundWindow succ? 1")));
        const platform::WindowInfo steam
            = platform::Windows::find(QStringLiteral("Steam"), QStringLiteral("Steam.exe"));
        QVERIFY(steam.id);
        QTRY_COMPARE_WITH_TIMEOUT(platform::Windows::active(), steam.id, StepsTimeoutMs);
        QVERIFY(!log.contains(QStringLiteral("[SteamMonitor] State change: Steam finds user signed in [case 2]")));
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Finished installing Steam")), StepsTimeoutMs);
    }

    void failureIsRaisedAndTryAgainResumes_data()
    {
        QTest::addColumn<QJsonObject>("programs");
        QTest::addColumn<QString>("dialogId");
        QTest::addColumn<QString>("failureLine");
        QTest::newRow("Steam's set-up fails") << QJsonObject {
            { QStringLiteral("SteamNovaSetup.exe"), failingOnce({ { QStringLiteral("exitCode"), 1 } }) }
        } << QStringLiteral("IN006") << QStringLiteral("[InstallManager] ERROR: Steam setup failed");
        QTest::newRow("Steam's signal cannot be registered")
            << QJsonObject { { QStringLiteral("SendSignal.exe"), failingOnce({ { QStringLiteral("exitCode"), 1 } }) } }
            << QStringLiteral("IN006") << QStringLiteral("[InstallManager] ERROR: Failed to register Steam signal");
        QTest::newRow("the user closes Steam before signing in")
            << QJsonObject { { QStringLiteral("Steam.exe"),
                   steamStarts({ { QStringLiteral("signInMs"), -1 }, { QStringLiteral("closeAfterMs"), 1500 } },
                       { { QStringLiteral("signInMs"), 0 } }) } }
            << QStringLiteral("IN005") << QStringLiteral("[SteamMonitor] ERROR: No Steam process running");
    }

    // Each failure of the Steam step shows its dialog with nothing left running that
    // holds the next try up; "try again" starts the step anew and it gets through.
    void failureIsRaisedAndTryAgainResumes()
    {
        QFETCH(QJsonObject, programs);
        QFETCH(QString, dialogId);
        QFETCH(QString, failureLine);
        LogCapture log;
        programs.insert(QStringLiteral("CheckIfRegOpenvrDriver.exe"), QJsonObject());
        InstallRun run({}, programs);
        QVERIFY(run.ready && run.prepareSteamClient());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();

        QTRY_COMPARE_WITH_TIMEOUT(run.dialogs.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.at(0).at(0).toString(), dialogId);
        QVERIFY(log.contains(failureLine));
        // A Steam gone counts once it has been missing for more passes than the limit.
        if (dialogId == QLatin1String("IN005"))
            QCOMPARE(log.startingWith(QStringLiteral("[SteamMonitor] No Steam process running: ")).size(),
                SteamLimits::current().passesWithoutSteam + 1);
        QVERIFY(!run.installs.flags().steamInstalling);
        run.installs.onReturnTryAgain(dialogId);
        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.count(), 1);
        QCOMPARE(log.count(QStringLiteral("[InstallManager] Trigger Steam update")),
            dialogId == QLatin1String("IN005") ? 2 : 1);
    }

    // A Steam that cannot be started is asked for a few times, then the step gives up
    // with its pipe closed, so that the next try can serve it again.
    void steamThatCannotStartIsGivenUp()
    {
        LogCapture log;
        InstallRun run({}, { { QStringLiteral("CheckIfRegOpenvrDriver.exe"), QJsonObject() } });
        QVERIFY(run.ready && run.prepareSteamClient());
        // Steam is there, but its program cannot run.
        const QString steamFolder = run.machine.path(QStringLiteral("games/Steam"));
        QVERIFY(QDir().mkpath(steamFolder));
        QFile steam(steamFolder + QStringLiteral("/Steam.exe"));
        QVERIFY(steam.open(QIODevice::WriteOnly) && steam.write("not a program") > 0);
        steam.close();
        platform::Registry::write(Utils::RegSteamMachine, QStringLiteral("InstallPath"), steamFolder);
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();

        QTRY_COMPARE_WITH_TIMEOUT(run.dialogs.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.at(0).at(0).toString(), QStringLiteral("IN004"));
        QCOMPARE(log.startingWith(QStringLiteral("[InstallManager] Failed to trigger Steam for ")),
            (QStringList { QStringLiteral("[InstallManager] Failed to trigger Steam for 1 times"),
                QStringLiteral("[InstallManager] Failed to trigger Steam for 2 times"),
                QStringLiteral("[InstallManager] Failed to trigger Steam for 3 times") }));
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Failed to trigger Steam update, abort.")));
        QVERIFY(
            !log.contains(QStringLiteral("[InstallManager] No previous Steam installed on this PC, need Steam setup")));

        // A Steam that runs now gets through on "try again".
        QVERIFY(QFile::remove(steamFolder + QStringLiteral("/Steam.exe")));
        QVERIFY(!run.machine.installPeer(QStringLiteral("games/Steam"), QStringLiteral("Steam.exe")).isEmpty());
        run.installs.onReturnTryAgain(QStringLiteral("IN004"));
        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
    }
};

QTEST_GUILESS_MAIN(tst_SteamInstall)
#include "tst_steaminstall.moc"
