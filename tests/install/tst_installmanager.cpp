#include "InstallRun.h"
#include "LogCapture.h"

#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "install/flow/InstallManager.h"
#include "install/flow/InstallSteps.h"
#include "platform/Registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

Q_DECLARE_METATYPE(InstallStep)

namespace {

const QString &ProgramFolder = InstallRunProgramFolder;
constexpr int StepsTimeoutMs = 60000;

using Steps = QList<InstallStep>;

} // namespace

class tst_InstallManager : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setInstallMode(false); }

    void nextSteps_data()
    {
        QTest::addColumn<QStringList>("done"); // flags that are set
        QTest::addColumn<bool>("isSWOA");
        QTest::addColumn<Steps>("steps");
        const QStringList throughGuide { QStringLiteral("init"), QStringLiteral("updater"), QStringLiteral("hid"),
            QStringLiteral("guide") };
        QTest::newRow("fresh") << QStringList() << false << Steps { InstallStep::Init };
        QTest::newRow("earlier installation to remove")
            << QStringList { QStringLiteral("needUninstall") } << false << Steps { InstallStep::Uninstall };
        QTest::newRow("prepared") << QStringList { QStringLiteral("init") } << false << Steps { InstallStep::Updater };
        QTest::newRow("updater done") << QStringList { QStringLiteral("init"), QStringLiteral("updater") } << false
                                      << Steps { InstallStep::HidRomCU };
        QTest::newRow("software-only: no headset tools, guide or Steam") << QStringList { QStringLiteral("init"),
            QStringLiteral("updater") } << true << Steps { InstallStep::NovaSw };
        QTest::newRow("after the guide, in parallel")
            << throughGuide << false << Steps { InstallStep::NovaSw, InstallStep::Steam };
        QTest::newRow("with preloaded content")
            << throughGuide + QStringList { QStringLiteral("preloadNeeded") } << false
            << Steps { InstallStep::NovaSw, InstallStep::Preload, InstallStep::Steam };
        QTest::newRow("running parts are not started again")
            << throughGuide + QStringList { QStringLiteral("novaInstalling"), QStringLiteral("steamInstalling") }
            << false << Steps();
        QTest::newRow("store app waited for: software not again") << throughGuide
                + QStringList { QStringLiteral("novaportNeeded"), QStringLiteral("novaDone"),
                      QStringLiteral("novaportWaiting"), QStringLiteral("steam") }
                                                                  << false << Steps();
        QTest::newRow("store app asked for again: software again") << throughGuide
                + QStringList { QStringLiteral("novaportNeeded"), QStringLiteral("novaDone"), QStringLiteral("steam") }
                                                                   << false << Steps { InstallStep::NovaSw };
    }

    // Which steps the dispatcher starts for each state of the installation.
    void nextSteps()
    {
        QFETCH(QStringList, done);
        QFETCH(bool, isSWOA);
        QFETCH(Steps, steps);
        InstallFlags flags;
        const QList<QPair<QString, bool *>> names { { QStringLiteral("needUninstall"), &flags.needUninstall },
            { QStringLiteral("init"), &flags.initDone }, { QStringLiteral("updater"), &flags.updaterDone },
            { QStringLiteral("hid"), &flags.hidRomCUDone }, { QStringLiteral("guide"), &flags.guideDone },
            { QStringLiteral("novaInstalling"), &flags.novaInstalling },
            { QStringLiteral("novaDone"), &flags.novaDone },
            { QStringLiteral("steamInstalling"), &flags.steamInstalling },
            { QStringLiteral("steam"), &flags.steamDone }, { QStringLiteral("preloadNeeded"), &flags.preloadNeeded },
            { QStringLiteral("novaportNeeded"), &flags.novaportNeeded },
            { QStringLiteral("novaportWaiting"), &flags.novaportWaiting } };
        for (const auto &name : names)
            *name.second = done.contains(name.first);
        QCOMPARE(InstallSteps::next(flags, isSWOA), steps);
    }

    // Preparation, then the updater, the headset tools and the guide one after another,
    // then the main software beside Steam; each step's end moves the page on.
    void stepsRunInTurn()
    {
        LogCapture log;
        InstallRun run({});
        QVERIFY(run.ready);
        run.installs.startInstall();
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Finished installing NOVA")), StepsTimeoutMs);
        QCOMPARE(run.pipes(),
            (QStringList { QStringLiteral("updater_pipe"), QStringLiteral("HidRomCU_pipe"),
                QStringLiteral("guide_pipe"), QStringLiteral("nova_pipe") }));
        QTRY_COMPARE(run.page->progress, (QList<double> { 10.0, 12.0, 50.0, 80.0 }));
        // Steam's step runs on the worker thread, beside the software.
        const QString steamStep = QStringLiteral("[InstallManager] installSteamImpl(");
        QTRY_VERIFY(!log.startingWith(steamStep).isEmpty());
        QVERIFY(log.threadOf(steamStep) != QThread::currentThread());
        QCOMPARE(run.dialogs.count(), 0);
        // The page got the minutes left and names what is being installed.
        QCOMPARE(log.count(QStringLiteral("[InstallManager] Init TimeTellers")), 1);
        QVERIFY(run.page->property("minutesToGuide").toInt() >= 1);
        QVERIFY(run.page->property("installMessageText").toString().startsWith(QLatin1String("Installing ")));

        // The software goes to the program files; the chosen folder is Steam's.
        const QString installFolder = run.machine.path(QStringLiteral("opt/NOVA"));
        QCOMPARE(platform::Registry::read(Utils::RegKeltNova, QStringLiteral("InstallPathPrefix")).toString(),
            Utils::withBackslashes(run.machine.path(QStringLiteral("opt"))));
        QCOMPARE(run.installs.steamFolder(), Utils::withBackslashes(run.machine.path(QStringLiteral("games/Steam"))));
        QVERIFY(QFile::exists(installFolder + QStringLiteral("/Updater/Updater.exe")));
        QCOMPARE(run.installs.updaterFolder(), Utils::withBackslashes(installFolder + QStringLiteral("/Updater")));
        // Registered with the copied updater before any step.
        QVERIFY(run.machine.peerStarts().first().startsWith(
            QStringLiteral("Updater.exe -install NOVA Software ") + installFolder + QStringLiteral(" NOVA_SOFTWARE")));
    }

    void softwareOnlyInstallsTheSoftwareAlone_data()
    {
        QTest::addColumn<bool>("storeAppInstalled");
        QTest::newRow("with the store app") << true;
        QTest::newRow("the store app missing: no dialog") << false;
    }

    // In software-only mode the software follows the updater, and the store app is
    // waited for. The page completes and the program stays; a store app that did not
    // come is no reason for a dialog.
    void softwareOnlyInstallsTheSoftwareAlone()
    {
        QFETCH(bool, storeAppInstalled);
        setInstallMode(true);
        LogCapture log;
        InstallRun run({});
        QVERIFY(run.ready);
        if (storeAppInstalled)
            run.registerStoreApp();
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();
        QTRY_COMPARE_WITH_TIMEOUT(run.page->completions, 1, StepsTimeoutMs);
        QCOMPARE(run.pipes(), (QStringList { QStringLiteral("updater_pipe"), QStringLiteral("nova_pipe") }));
        QVERIFY(run.machine.peerStarts().first().startsWith(QStringLiteral("Updater.exe -install NOVAPORT ")));
        QCOMPARE(log.contains(QStringLiteral("[InstallManager] Skip this NOVAPORT error")), !storeAppInstalled);
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Remove imei files.")));
        // The registration's identity files are gone once the software is in.
        QVERIFY(!QFile::exists(run.machine.path(QStringLiteral("games/NOVA/Updater/Config/imei.NOVA_OOBE.ENC"))));
        QVERIFY(QFile::exists(run.machine.path(QStringLiteral("games/NOVA/Updater/Config/ut.ini"))));
        QTest::qWait(200);
        QCOMPARE(quits.count(), 0);
        QCOMPARE(run.dialogs.count(), 0);
    }

    // Once the guide has taken over, a failure goes to it instead of a dialog; the
    // retry is announced to it and the installation ends as usual.
    void errorAfterTheGuideStartedGoesToTheGuide()
    {
        setInstallMode(false, true);
        LogCapture log;
        const QJsonArray attempts { QJsonObject { { QStringLiteral("exitCode"), 2 } }, QJsonObject {} };
        InstallRun run(updaterJob(QStringLiteral("steamvr"), { { QStringLiteral("attempts"), attempts } }),
            { { QStringLiteral("NovaTundraGuide.exe"),
                QJsonObject {
                    { QStringLiteral("messages"), QJsonArray() }, { QStringLiteral("runMs"), StepsTimeoutMs } } } });
        QVERIFY(run.ready && run.prepareStandaloneSteamVR());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        // The guide starts as the closer starts it, serves its pipe, and is reported
        // started once it does.
        QProcess guide;
        const QString guideProgram
            = run.machine.installPeer(QStringLiteral("guide"), QStringLiteral("NovaTundraGuide.exe"));
        const QString guidePipe = run.machine.path(QStringLiteral("pipes/bgi_pipe"));
        connect(&run.installs, &InstallManager::startGuide, &run.installs, [&] {
            guide.start(guideProgram, { QStringLiteral("BGIPIPE:") + InstallManager::BgiPipe });
            const bool serving = guide.waitForStarted() && QTest::qWaitFor([&] { return QFile::exists(guidePipe); });
            if (serving)
                QMetaObject::invokeMethod(&run.installs, &InstallManager::onGuideStarted, Qt::QueuedConnection);
            return serving;
        });
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Failed to install SteamVR, error")), StepsTimeoutMs);
        const auto reports = [&run] {
            QFile file(run.machine.path(QStringLiteral("bgi_pipe.log")));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))
                                                  : QStringList();
        };
        QTRY_VERIFY(reports().contains(QStringLiteral("BGI_STATUS:error|IN007")));
        QCOMPARE(run.dialogs.count(), 0);

        run.installs.onReturnTryAgain(QStringLiteral("IN007"));
        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
        const QStringList heard = reports();
        const int error = heard.indexOf(QStringLiteral("BGI_STATUS:error|IN007"));
        QVERIFY(heard.indexOf(QStringLiteral("BGI_STATUS:installing"), error) > error);
        QVERIFY(heard.indexOf(QStringLiteral("INSTALL_DONE:SteamVR"), error) > error);
        QVERIFY(heard.contains(QStringLiteral("BGI_STATUS:done")));
        QCOMPARE(run.dialogs.count(), 0);
        guide.kill();
        guide.waitForFinished();
    }

    // A download failure of the main software is retried three more times, then
    // "IN002" is raised; TRY AGAIN starts the step once more, with its counts where they
    // stood, and the installation goes on.
    void failedStepIsRetriedThenRaised()
    {
        QJsonArray attempts;
        for (int i = 0; i < 4; ++i)
            attempts.append(QJsonObject { { QStringLiteral("exitCode"), 5 } });
        attempts.append(QJsonObject {});
        LogCapture log;
        InstallRun run(updaterJob(QStringLiteral("software"), { { QStringLiteral("attempts"), attempts } }));
        QVERIFY(run.ready);
        run.installs.startInstall();
        QTRY_COMPARE_WITH_TIMEOUT(run.dialogs.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.at(0).at(0).toString(), QStringLiteral("IN002"));
        QCOMPARE(run.pipes().count(QStringLiteral("nova_pipe")), 4);
        QVERIFY(log.contains(QStringLiteral("[NovaParser] autoRetry Download 3 times.")));
        QTRY_VERIFY(run.page->stops >= 1);

        run.installs.onReturnTryAgain(QStringLiteral("IN002"));
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Finished installing NOVA")), StepsTimeoutMs);
        QCOMPARE(run.pipes().count(QStringLiteral("nova_pipe")), 5);
        // Another dialog's answer resumes nothing.
        run.installs.onReturnTryAgain(QStringLiteral("CO004"));
        QCOMPARE(log.count(QStringLiteral("[InstallManager] Dialog return asks to resume installation")), 1);
    }

    // In CN mode without Steam, SteamVR comes on its own once the firmware check has
    // run (here it failed, which holds nothing up); the guide takes over after its step,
    // and the store app is waited for before the installation ends with "bg done".
    void standaloneSteamVRInCN()
    {
        setInstallMode(false, true);
        LogCapture log;
        InstallRun run({});
        QVERIFY(run.ready && run.prepareStandaloneSteamVR());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        QVERIFY(run.paths.shouldUseStandaloneSteamVR());
        QSignalSpy guideStarts(&run.installs, &InstallManager::startGuide);
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Finished installing Steam")), StepsTimeoutMs);
        QVERIFY(run.pipes().contains(QStringLiteral("sasteamvr_pipe")));
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Hmd update Checked: Failed")));
        QCOMPARE(guideStarts.count(), 1);
        QCOMPARE(guideStarts.at(0).at(0).toString(), InstallManager::BgiPipe);
        QString missing;
        QVERIFY2(linesInOrder(log.lines(),
                     { QStringLiteral("[InstallManager] Finished installing Guide"),
                         QStringLiteral("[InstallManager] FG has finished") },
                     &missing),
            qPrintable(missing));
        QCOMPARE(run.dialogs.count(), 0);

        // The store app and SteamVR are in: the drivers are registered and the
        // installation ends.
        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
        QCOMPARE(quits.at(0).at(0).toString(), QStringLiteral("bg done"));
        QVERIFY2(linesInOrder(log.lines(),
                     { QStringLiteral("[NovaportLauncher] NOVAPORT installed successfully"),
                         QStringLiteral("[InstallManager] Finished installing NOVAPORT"),
                         QStringLiteral("[InstallManager] All parts of NOVA is done"),
                         QStringLiteral("[InstallManager] BG installation has finished."),
                         QStringLiteral("[InstallManager] Register drivers successed.") },
                     &missing),
            qPrintable(missing));
        QCOMPARE(run.page->completions, 2); // the foreground part, then the whole
    }

    void earlierInstallationIsRemovedFirst_data()
    {
        QTest::addColumn<bool>("withUninstaller");
        QTest::newRow("its uninstaller hands over to a remover") << true;
        QTest::newRow("no uninstaller: the installation goes on") << false;
    }

    // In software-only mode another folder than the earlier installation's removes that
    // installation first; the installation goes on, prepared once, when the remover
    // that the uninstaller handed over to has ended.
    void earlierInstallationIsRemovedFirst()
    {
        QFETCH(bool, withUninstaller);
        setInstallMode(true);
        LogCapture log;
        InstallRun run(
            {}, { { QStringLiteral("Uninstaller.exe"), QJsonObject { { QStringLiteral("runMs"), 4000 } } } });
        QVERIFY(run.ready);
        const QString earlier = run.machine.path(QStringLiteral("old/NOVA"));
        QVERIFY(QDir().mkpath(earlier));
        platform::Registry::write(Utils::RegKeltNova, QStringLiteral("SystemPath"), Utils::withBackslashes(earlier));
        run.registerStoreApp();
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        run.installs.decidePath(
            Utils::withBackslashes(run.machine.path(QStringLiteral("games"))), QStringLiteral("NOVA"));
        QVERIFY(run.installs.needUninstall());
        QProcess remover;
        if (withUninstaller) {
            QVERIFY(!run.machine.installPeer(QStringLiteral("old/NOVA/NOVAPORT"), QStringLiteral("Uninstall.exe"))
                         .isEmpty());
            remover.start(
                run.machine.installPeer(QStringLiteral("old/NOVA/NOVAPORT"), QStringLiteral("Uninstaller.exe")),
                QStringList());
            QVERIFY(remover.waitForStarted());
        }
        run.installs.startInstall();
        QTRY_VERIFY_WITH_TIMEOUT(
            log.contains(QStringLiteral("[InstallManager] Finished installing NOVA")), StepsTimeoutMs);
        QString missing;
        QVERIFY2(
            linesInOrder(log.lines(),
                { QStringLiteral("[InstallManager] Uninstall Nova"),
                    withUninstaller ? QStringLiteral("[InstallManager] onUninstallFinished() exitCode:0, exitStatus:0")
                                    : QStringLiteral("[InstallManager] Failed to start uninstall process, just "
                                                     "proceed to install"),
                    QStringLiteral("[InstallWorker] Start to check Uninstaller."),
                    QStringLiteral("[InstallWorker] Uninstaller.exe exist ? 0"),
                    QStringLiteral("[InstallManager] Uninstaller.exe finished."),
                    QStringLiteral("[InstallManager] Download Updater") },
                &missing),
            qPrintable(missing));
        QCOMPARE(log.count(QStringLiteral("[InstallWorker] Uninstaller.exe exist ? 1")) > 0, withUninstaller);
        QCOMPARE(log.startingWith(QStringLiteral("[InstallManager] Register Updater: ")).size(), 1);
        QCOMPARE(run.pipes().count(QStringLiteral("updater_pipe")), 1);
        if (withUninstaller)
            QVERIFY(run.machine.peerStarts().contains(QStringLiteral("Uninstall.exe -NoUI")));
        QCOMPARE(run.root.property("bIsUninstalling").toBool(), false);
        QCOMPARE(run.dialogs.count(), 0);
        remover.waitForFinished();
    }

    void preloadedContent_data()
    {
        QTest::addColumn<int>("installerExit");
        QTest::addColumn<bool>("withManifest");
        QTest::newRow("copied") << 0 << true;
        QTest::newRow("the copy fails: its content is removed") << 3 << true;
        QTest::newRow("SteamVR's manifest missing: nothing to copy") << 0 << false;
    }

    // Preloaded content is copied beside the software; a failed copy leaves nothing
    // behind and holds nothing up, and incomplete content is not copied at all.
    void preloadedContent()
    {
        QFETCH(int, installerExit);
        QFETCH(bool, withManifest);
        ModeFlags flags;
        flags.isSWOA = true;
        flags.isPreload = true;
        Mode::set(flags);
        LogCapture log;
        InstallRun run({},
            { { QStringLiteral("PreloadContentInstall.exe"),
                QJsonObject { { QStringLiteral("exitCode"), installerExit } } } });
        QVERIFY(run.ready);
        run.registerStoreApp();
        QVERIFY(!run.machine
                     .installPeer(
                         ProgramFolder + QStringLiteral("/NovaAppsImage"), QStringLiteral("PreloadContentInstall.exe"))
                     .isEmpty());
        const QString steamApps = run.machine.path(ProgramFolder + QStringLiteral("/SteamAppsImage/steamapps"));
        QVERIFY(QDir().mkpath(steamApps));
        if (withManifest) {
            QFile manifest(steamApps + QStringLiteral("/appmanifest_250820.acf"));
            QVERIFY(manifest.open(QIODevice::WriteOnly));
        }
        // What an earlier, cut-short copy left.
        const QString content = run.machine.path(QStringLiteral("games/NOVA/NovaApps"));
        QVERIFY(QDir().mkpath(content));

        run.installs.startInstall();
        QTRY_COMPARE_WITH_TIMEOUT(run.page->completions, 1, StepsTimeoutMs);
        QCOMPARE(
            log.contains(QStringLiteral("[InstallManager] Passed preload path checking. Need to copy.")), withManifest);
        const QStringList copies = run.machine.peerStarts().filter(QStringLiteral("PreloadContentInstall.exe "));
        QCOMPARE(copies,
            withManifest ? QStringList { QStringLiteral("PreloadContentInstall.exe ") + content } : QStringList());
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Check parallel installation status: NOVA?1, Steam?0; "
                                            "Preload?(%1,%1); NOVAPORT?(1,1)")
                                 .arg(int(withManifest))));
        const bool removed = installerExit != 0;
        QCOMPARE(log.contains(QStringLiteral(
                     "[InstallManager] ERROR: Preload installer failed with exit code 3, remove content folder.")),
            removed);
        QTRY_COMPARE(QFileInfo::exists(content), !removed);
        QCOMPARE(run.dialogs.count(), 0);
    }

    // Closing during a step ends the updater that runs it.
    void closingEndsEveryUpdater()
    {
        LogCapture log;
        InstallRun run(updaterJob(QStringLiteral("hidRom"), { { QStringLiteral("fault"), QStringLiteral("hang") } }));
        QVERIFY(run.ready);
        run.installs.startInstall();
        QTRY_VERIFY_WITH_TIMEOUT(run.pipes().contains(QStringLiteral("HidRomCU_pipe")), StepsTimeoutMs);
        QVERIFY(Utils::findProcessByName(QStringLiteral("Updater.exe")));
        run.installs.killUpdaterProc();
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Stop running Updater")));
        QTRY_VERIFY_WITH_TIMEOUT(!Utils::findProcessByName(QStringLiteral("Updater.exe")), 10000);
    }

    void vrDriverRegistration_data()
    {
        QTest::addColumn<QString>("service"); // the updater service's answer
        QTest::addColumn<bool>("fallback");
        QTest::newRow("the updater service registers the VR apps") << QStringLiteral("OK") << false;
        QTest::newRow("a silent service: the wizard's own tool") << QStringLiteral("silent") << true;
        QTest::newRow("no service: the wizard's own tool") << QString() << true;
    }

    // The VR driver is registered with its own tool; the VR apps by the updater
    // service, or by the wizard's tool when the service does not answer.
    void vrDriverRegistration()
    {
        QFETCH(QString, service);
        QFETCH(bool, fallback);
        LogCapture log;
        const bool silent = service == QLatin1String("silent");
        InstallRun run(
            {}, { { QStringLiteral("NovaUpdateService.exe"), QJsonObject { { QStringLiteral("silent"), silent } } } });
        QVERIFY(run.ready);
        const QString appPath = run.machine.path(QStringLiteral("opt/NOVA/Updater"));
        platform::Registry::write(Utils::RegUpdater, QStringLiteral("AppPath"), Utils::withBackslashes(appPath));
        QVERIFY(
            !run.machine
                 .installPeer(QStringLiteral("opt/NOVA/Updater/App/openvr_driver"), QStringLiteral("RegExtDriver.exe"))
                 .isEmpty());
        QVERIFY(!run.machine.installPeer(ProgramFolder + QStringLiteral("/OOBETool"), QStringLiteral("RegVRApps.exe"))
                     .isEmpty());
        QProcess updaterService;
        if (!service.isEmpty())
            QVERIFY(startAndWaitForLine(updaterService,
                run.machine.installPeer(QStringLiteral("opt/NOVA/PCClient"), QStringLiteral("NovaUpdateService.exe")),
                {}, "ready"));
        run.installs.onRegOpenVRDriver();
        const QString answered = fallback ? QStringLiteral("[InstallManager] RegVRApps.exe exit code: 0")
                                          : QStringLiteral("[InstallManager] Got named pipe ack: OK");
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(answered), StepsTimeoutMs);
        QStringList programs = run.machine.peerStarts();
        programs.removeAll(QStringLiteral("NovaUpdateService.exe"));
        QCOMPARE(programs,
            QStringList { QStringLiteral("RegExtDriver.exe adddriver ") + appPath + QStringLiteral("/nova_eyes") }
                + (fallback ? QStringList { QStringLiteral("RegVRApps.exe") } : QStringList()));
        QVERIFY(log.contains(QStringLiteral("[InstallManager] Register openvr driver success.")));
        QCOMPARE(
            log.contains(QStringLiteral("[InstallManager] PCClient has some problems. Register VR apps from OOBE.")),
            fallback);
        if (!service.isEmpty()) {
            QFile requests(run.machine.path(QStringLiteral("UpdateRequester.log")));
            QVERIFY(requests.open(QIODevice::ReadOnly));
            QCOMPARE(requests.readAll(), QByteArray("RegisterVRApp\n"));
            updaterService.kill();
            updaterService.waitForFinished();
        }
    }

    // The software and standalone SteamVR run side by side, each retried on its own
    // count: a failure of one neither uses up the other's retries nor leaves it
    // stopped.
    void sideBySideStepsRetryApart()
    {
        setInstallMode(false, true);
        LogCapture log;
        const QJsonArray once { QJsonObject { { QStringLiteral("exitCode"), 1 } }, QJsonObject {} };
        const QJsonArray twice { QJsonObject { { QStringLiteral("exitCode"), 5 } },
            QJsonObject { { QStringLiteral("exitCode"), 5 } }, QJsonObject {} };
        QJsonObject updater { { QStringLiteral("tasks"),
            QJsonObject { { QStringLiteral("steamvr"), QJsonObject { { QStringLiteral("attempts"), once } } },
                { QStringLiteral("software"), QJsonObject { { QStringLiteral("attempts"), twice } } } } } };
        InstallRun run(updater);
        QVERIFY(run.ready && run.prepareStandaloneSteamVR());
        run.paths.checkPath();
        QTRY_COMPARE_WITH_TIMEOUT(run.paths.sizeCheckStatus(), int(PathManager::SizesKnown), StepsTimeoutMs);
        QSignalSpy quits(&run.installs, &InstallManager::prepareToQuit);
        run.installs.startInstall();
        QTRY_COMPARE_WITH_TIMEOUT(quits.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.count(), 0);
        QCOMPARE(run.pipes().count(QStringLiteral("sasteamvr_pipe")), 2);
        QCOMPARE(run.pipes().count(QStringLiteral("nova_pipe")), 3);
        QVERIFY(log.contains(QStringLiteral("[NovaParser] autoRetry Update 1 times.")));
        QVERIFY(log.contains(QStringLiteral("[NovaParser] autoRetry Download 2 times.")));
    }

    // A preparation that cannot copy the updater raises "IN001" and starts no step.
    void failedPreparationRaisesIN001()
    {
        LogCapture log;
        InstallRun run({});
        QVERIFY(QDir(run.machine.path(ProgramFolder + QStringLiteral("/OOBETool"))).removeRecursively());
        run.installs.startInstall();
        QTRY_COMPARE_WITH_TIMEOUT(run.dialogs.count(), 1, StepsTimeoutMs);
        QCOMPARE(run.dialogs.at(0).at(0).toString(), QStringLiteral("IN001"));
        QVERIFY(log.contains(QStringLiteral("[INstallManager] ERROR: Failed to copy OOBETool")));
        QVERIFY(run.pipes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_InstallManager)
#include "tst_installmanager.moc"
