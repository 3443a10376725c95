// Journeys through the installed wizard as a separate process on an X display of the
// test's own, driven by the keyboard alone and watched from outside: its log, its
// exit code, the sandbox's registry and the stand-in programs' starts.

#include "Journey.h"
#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "SandboxMachine.h"
#include "TestPc.h"
#include "WizardProcess.h"
#include "XKeyboard.h"
#include "XvfbDisplay.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpServer>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// A check whose list server never answers ends by the wizard's own download watchdog.
constexpr int SlowCheckTimeoutMs = 60000;
constexpr int EndTimeoutMs = 60000;

const QString DotNetLoaded = QStringLiteral("[PageManager] Loaded pDotNet.qml");
const QString NetFxInstaller = QStringLiteral("NDP46-KB3045560-Web.exe");
const QString UpdaterPidKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater\\PID");
const QString UpdaterRunning = QStringLiteral("[Guard] WARNING: Found Updater running. Shouldn't proceed.");
const QString ReadyPcPath = QStringLiteral("/us/ready-pc/");
const QString ShortcutMade = QStringLiteral("[ShortCut]create shortcut success");

// The same PC without .NET Framework, whose web installer waits in the wizard's
// program folder.
void prepareNetFxlessPc(const SandboxMachine &machine, const WizardProcess &wizard)
{
    preparePassingPc(machine);
    platform::Registry::remove(ReleaseKey, Release);
    installIntoProgramFolder(machine, wizard, QStringLiteral("dotNetFx"), NetFxInstaller);
}

// The value of key in a desktop entry, as written.
QString desktopEntryValue(const QString &path, const QString &key)
{
    QFile entry(path);
    if (!entry.open(QIODevice::ReadOnly))
        return QString();
    const QString prefix = key + QLatin1Char('=');
    for (const QString &line : QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

// The restarts the wizard asked the sandbox machine for.
int restartRequests(const SandboxMachine &machine)
{
    QFile log(machine.path(QStringLiteral("restarts.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
}

} // namespace

class TestJourneys : public QObject {
    Q_OBJECT

private slots:
    // One display for every journey: each wizard gets the keyboard focus in turn.
    void initTestCase()
    {
        QVERIFY2(m_display.start(), qPrintable(m_display.errorString()));
        m_keyboard = std::make_unique<XKeyboard>(m_display.name());
    }

    // Health, the checks' pages skipped, the folder; Back by Tab and Space, Next again,
    // and Escape ends the program.
    void keyboardTakesAPassingPcFromHealthToTheFolder()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[PageManager] Should skip pCheck? true"), ChecksDone,
                         QStringLiteral("[PageManager] Jump to next page"),
                         QStringLiteral("[PageManager] Skip page 1 : pCheck.qml"),
                         QStringLiteral("[PageManager] Skip page 2 : pDriver.qml"),
                         QStringLiteral("[PageManager] Jump to page 3 pFolder.qml"), FolderLoaded },
                     &missing),
            qPrintable(missing));

        // Tab from the page: Minimize, Close, CHANGE, BACK.
        press(afterTabs(4, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(HealthLoaded), PageTimeoutMs);
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { FolderLoaded, QStringLiteral("[PageManager] Jump to previous page"),
                         QStringLiteral("[PageManager] Skip page 2 : pDriver.qml"),
                         QStringLiteral("[PageManager] Skip page 1 : pCheck.qml"),
                         QStringLiteral("[PageManager] Jump to page 0 pHealth.qml"), HealthLoaded },
                     &missing),
            qPrintable(missing));
        press({ QStringLiteral("Return") });
        QTRY_COMPARE_WITH_TIMEOUT(wizard.logLines().count(FolderLoaded), 2, PageTimeoutMs);

        press({ QStringLiteral("Escape") });
        QCOMPARE(wizard.waitForExit(EndTimeoutMs), 0);
        QVERIFY2(
            linesInOrder(wizard.logLines(),
                { QStringLiteral("[main] Close app from taskbar."),
                    QStringLiteral("[PageManager] prepareToQuit: normal"), QStringLiteral("[Closer] closing start"),
                    QStringLiteral("[Guard] Released single instance lock Global\\QOR_INSTALLER"),
                    QStringLiteral("[Closer] closing done") },
                &missing),
            qPrintable(missing));

        // The lock went with the closed wizard: the next copy takes it.
        WizardProcess next(machine);
        QVERIFY2(next.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(next.logLines().contains(QStringLiteral("[Guard] Acquired lock")), PageTimeoutMs);
    }

    // Next pressed while the PC check still waits for the online list: the page
    // leaves when the check has ended, with every page it made unnecessary skipped.
    void nextBeforeTheCheckEndsWaitsForIt()
    {
        QTcpServer silentListServer; // takes connections, never answers
        QVERIFY(silentListServer.listen(QHostAddress::LocalHost));
        SandboxMachine machine;
        preparePassingPc(machine,
            { { QStringLiteral("compatibilityListUrl"),
                QStringLiteral("http://127.0.0.1:%1/NovaCheckComp/comp.json").arg(silentListServer.serverPort()) } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QVERIFY(!wizard.logLines().contains(ChecksDone));

        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            hasLineStartingWith(wizard.logLines(), QStringLiteral("[PageManager] Loaded p")), SlowCheckTimeoutMs);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[WebLoader] Http url download request time out, and abort request!!!"),
                         ChecksDone, QStringLiteral("[PageManager] Jump to next page"), FolderLoaded },
                     &missing),
            qPrintable(missing));
        QVERIFY(!wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pDriver.qml")));
    }

    // The software-only mode starts on the terms: the language selector has the
    // focus; without the tick the start button explains why not.
    void keyboardAcceptsTheTermsInSoftwareOnlyMode()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard, { QStringLiteral("-SWOA") }),
            qPrintable(m_keyboard->errorString()));

        // Language, the terms, their links, GET STARTED.
        press(afterTabs(2 + TermsLinks, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[DialogManager] Show dialog LE001")), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // OK
        QTRY_VERIFY_WITH_TIMEOUT(
            hasLineStartingWith(wizard.logLines(), QStringLiteral("[DialogManager] Dialog [LE001")), PageTimeoutMs);
        // The closed dialog hands the keyboard back to GET STARTED: back past the links
        // to the terms (ticked), then on to GET STARTED.
        press(afterBackTabs(1 + TermsLinks, QStringLiteral("space"))
            + afterTabs(1 + TermsLinks, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[PageManager] Should skip pDotNet? true"),
                         QStringLiteral("[PageManager] Skip page 1 : pDotNet.qml"),
                         QStringLiteral("[PageManager] Jump to page 2 pFolder.qml"), FolderLoaded },
                     &missing),
            qPrintable(missing));
        QCOMPARE(wizard.logLines().count(QStringLiteral("[DialogManager] Show dialog LE001")), 1);
    }

    // The folder page of the full mode shows where Steam goes and the space needed.
    // CHANGE opens the folder dialog, where a typed folder is taken and its space
    // counted; a folder named in other than plain Latin letters is refused with
    // "FL001" and the page stays usable; a cancelled dialog keeps the folder.
    void folderPageTakesATypedFolder()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.installUpdater());
        const QString games = machine.path(QStringLiteral("games"));
        const QStringList refused { machine.path(QStringLiteral("Caf\u00e9")),
            machine.path(QStringLiteral("\u6e38\u620f")) };
        for (const QString &folder : QStringList { games } + refused)
            QVERIFY(QDir().mkpath(folder));
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        const QString spaceShown = QStringLiteral("[pFolder] Space required: 18.1 GB");
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(spaceShown), PageTimeoutMs);
        QCOMPARE(wizard.logLines().filter(QStringLiteral("[pFolder] Folder: ")).last(),
            QStringLiteral("[pFolder] Folder: ") + machine.path(QStringLiteral("opt/Steam")));

        chooseFolder(wizard, games);
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[pFolder] Folder: ") + games + QStringLiteral("/Steam")),
            PageTimeoutMs);
        QVERIFY(wizard.logLines().contains(QStringLiteral("[PathManager] Calculate required space for [%1, Steam]")
                                               .arg(QString(games).replace(QLatin1Char('/'), QLatin1Char('\\')))));
        QCOMPARE(wizard.logLines().count(spaceShown), 2);

        for (const QString &folder : refused) {
            const int shown = wizard.logLines().count(QStringLiteral("[main] Show dialog FL001"));
            chooseFolder(wizard, folder);
            QTRY_COMPARE_WITH_TIMEOUT(
                wizard.logLines().count(QStringLiteral("[main] Show dialog FL001")), shown + 1, PageTimeoutMs);
            QVERIFY2(m_keyboard->focusWindowOf(wizard.pid()), qPrintable(m_keyboard->errorString()));
            press({ QStringLiteral("Return") }); // OK
            QTRY_COMPARE_WITH_TIMEOUT(wizard.logLines().filter(QStringLiteral("[DialogManager] Dialog [FL001")).size(),
                shown + 1, PageTimeoutMs);
        }
        chooseFolder(wizard, QString());
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PathManager] User didn't select path")), PageTimeoutMs);
        QCOMPARE(wizard.logLines().filter(QStringLiteral("[pFolder] Folder: ")).last(),
            QStringLiteral("[pFolder] Folder: ") + games + QStringLiteral("/Steam"));
        QCOMPARE(wizard.logLines().count(
                     QStringLiteral("[PathManager] Selected path contains bad characters. Can't use it.")),
            2);
    }

    // A volume with less room than the installation needs shows the no-space state.
    void folderPageShowsWhenTheRoomIsShort()
    {
        SandboxMachine machine;
        preparePassingPc(machine, { { QStringLiteral("freeBytes"), QJsonObject { { machine.root(), 1e9 } } } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.installUpdater());
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[pFolder] Space required: 18.1 GB, not enough free space")),
            PageTimeoutMs);
        QVERIFY(wizard.logLines().contains(
            QStringLiteral("[PathManager] %1 has 1000000000 Bytes available").arg(machine.root())));
        QVERIFY(wizard.logLines().contains(QStringLiteral("[PathManager] No enough space?[1]")));
    }

    // INSTALL on the folder page starts the installation: the updater installs
    // itself, the headset tools, the guide and the software one after another.
    void installRunsTheStepsInTurn()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.installUpdater());
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[pFolder] Space required: 18.1 GB")), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[InstallManager] Finished installing NOVA")), EndTimeoutMs);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[PageManager] Loaded pInstall.qml"),
                         QStringLiteral("[InstallManager] Finished installing Updater"),
                         QStringLiteral("[InstallManager] Finished installing Hid_Manager"),
                         QStringLiteral("[InstallManager] Finished installing Guide"),
                         QStringLiteral("[InstallManager] Finished installing NOVA") },
                     &missing),
            qPrintable(missing));
        QStringList pipes;
        for (const QStringList &arguments : peerArguments(machine, QStringLiteral("Updater.exe"))) {
            for (const QString &argument : arguments) {
                if (argument.startsWith(QLatin1String("-NP:")))
                    pipes.append(argument.mid(4));
            }
        }
        QCOMPARE(pipes.mid(pipes.indexOf(QStringLiteral("updater_pipe"))),
            (QStringList { QStringLiteral("updater_pipe"), QStringLiteral("HidRomCU_pipe"),
                QStringLiteral("guide_pipe"), QStringLiteral("nova_pipe") }));
        QVERIFY(QFile::exists(machine.path(QStringLiteral("opt/NOVA/Updater/Updater.exe"))));
    }

    // In CN mode without Steam, SteamVR comes on its own: once the guide is installed the
    // foreground part ends and the guide starts with the background pipe. Its "DONE"
    // sends the window to the background and the guide hears how the installation
    // goes; its "GUIDE_CLOSE" ends the wizard.
    void guideTakesOverTheBackgroundInstallation()
    {
        SandboxMachine machine;
        preparePassingPc(machine, { { QStringLiteral("locale"), QStringLiteral("zh_CN") } });
        machine.writeScenario({ { QStringLiteral("NovaTundraGuide.exe"),
            QJsonObject {
                { QStringLiteral("messages"), QJsonArray { QStringLiteral("DONE"), QStringLiteral("GUIDE_CLOSE") } },
                { QStringLiteral("intervalMs"), 1000 } } } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard, { QStringLiteral("-CN") }),
            qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[pFolder] Space required: 18.1 GB")), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL

        QCOMPARE(wizard.waitForExit(EndTimeoutMs), 0);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[PathManager] Should use standalone SteamVR"),
                         QStringLiteral("[InstallManager] Finished installing Guide"),
                         QStringLiteral("[InstallManager] FG has finished"), QStringLiteral("[Closer] Start Guide"),
                         QStringLiteral("[InstallManager] Guide has started"),
                         QStringLiteral("[InstallManager] UI starts BG mode"),
                         QStringLiteral("[PageManager] prepareToQuit: closed by guide"),
                         QStringLiteral("[Closer] closing done") },
                     &missing),
            qPrintable(missing));
        const QList<QStringList> guideStarts = peerArguments(machine, QStringLiteral("NovaTundraGuide.exe"));
        QCOMPARE(guideStarts.size(), 1);
        QVERIFY(guideStarts.at(0).contains(QStringLiteral("BGIPIPE:\\\\.\\pipe\\bgi_pipe")));
        QFile reports(machine.path(QStringLiteral("bgi_pipe.log")));
        QVERIFY(reports.open(QIODevice::ReadOnly));
        QVERIFY(reports.readAll().contains("BGI_STATUS:installing"));
    }

    void skipInstallationHandsOverToTheGuide_data()
    {
        QTest::addColumn<QStringList>("guideMessages");
        QTest::addColumn<QStringList>("ending");
        const QStringList closing
            = { QStringLiteral("[Closer] closing start"), QStringLiteral("[Closer] closing done") };
        QTest::newRow("guide started") << QStringList { QStringLiteral("DONE") }
                                       << QStringList { QStringLiteral("[GuideParser] Guide has started"),
                                              QStringLiteral("[PageManager] prepareToQuit: done") }
                + closing;
        QTest::newRow("guide closes the wizard")
            << QStringList { QStringLiteral("GUIDE_CLOSE") }
            << QStringList { QStringLiteral("[GuideParser] Guide is closing and forcing Installer to quit"),
                   QStringLiteral("[PageManager] prepareToQuit: closed by guide") }
                + closing;
        // The reply pipe's thread ends without a message for the parser.
        QTest::newRow("reply pipe stopped") << QStringList { QStringLiteral("PipeStop") }
                                            << QStringList { QStringLiteral("[PipeThreadWin] Pipe Stop!") } + closing;
    }

    void skipInstallationHandsOverToTheGuide()
    {
        QFETCH(QStringList, guideMessages);
        QFETCH(QStringList, ending);
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        installEarlierSoftware(machine, wizard, guideMessages);
        startOnHealthAndGoToFolder(wizard, *m_keyboard);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(hasLineStartingWith(wizard.logLines(),
                                     QStringLiteral("[PathManager] decideSkipInstall(): Can skip install? [1]")),
            PageTimeoutMs);

        const qint64 pid = wizard.pid();
        // Tab from the page: Minimize, Close, CHANGE, SKIP INSTALLATION.
        press(afterTabs(4, QStringLiteral("space")));
        QCOMPARE(wizard.waitForExit(EndTimeoutMs), 0);
        QString missing;
        QVERIFY2(
            linesInOrder(wizard.logLines(),
                QStringList { QStringLiteral("[PageManager] Skip software installation"),
                    QStringLiteral("[PageManager] startGuideToQuit: done"), QStringLiteral("[Closer] Start Guide") }
                    + ending,
                &missing),
            qPrintable(missing));
        const QList<QStringList> guideStarts = peerArguments(machine, QStringLiteral("NovaTundraGuide.exe"));
        QCOMPARE(guideStarts.size(), 1);
        QVERIFY(
            guideStarts.at(0).contains(QStringLiteral("DONE:\\\\.\\pipe\\installer_for_guide") + QString::number(pid)));
    }

    // Started by a set-up launcher whose folder marks test mode, on a PC without .NET
    // Framework: the installer asks for a restart, the wizard leaves a desktop entry
    // that resumes the set-up through the launcher, and RESTART COMPUTER asks the
    // machine for one restart while the wizard stays on its page.
    void netFxInstallerAsksForARestart()
    {
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        prepareNetFxlessPc(machine, wizard);
        const QString launcher = QStringLiteral("Downloads/NovaTundraSetupP2.exe");
        QVERIFY(QDir().mkpath(machine.path(QStringLiteral("Downloads"))));
        QVERIFY(QFile(machine.path(QStringLiteral("Downloads/Nova2Setup_Tests.ini"))).open(QIODevice::WriteOnly));
        const QJsonObject scenario { { NetFxInstaller, QJsonObject { { QStringLiteral("exitCode"), 3010 } } } };
        QVERIFY2(
            wizard.startThroughLauncherAndWaitForWindow(*m_keyboard, launcher, scenario, { QStringLiteral("-SWOA") }),
            qPrintable(m_keyboard->errorString()));
        QVERIFY(wizard.logLines().contains(QStringLiteral("[main] Enter test mode due to Launcher")));
        acceptTermsOnToNetFx(wizard);
        if (QTest::currentTestFailed())
            return;

        press({ QStringLiteral("Return") }); // INSTALL
        QTRY_VERIFY_WITH_TIMEOUT(
            hasLineStartingWith(wizard.logLines(), QStringLiteral("[ShortCut]create shortcut")), PageTimeoutMs);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[NetFxUtil] Installation finished, exit code: 3010"),
                         QStringLiteral("[NetFxUtil] A restart is required to complete the installation. This "
                                        "message indicates success."),
                         ShortcutMade },
                     &missing),
            qPrintable(missing));
        const QStringList unattended { QStringLiteral("/norestart"), QStringLiteral("/passive"),
            QStringLiteral("/showrmui") };
        QCOMPARE(peerArguments(machine, NetFxInstaller), QList<QStringList> { unattended });
        const QString entry = machine.path(QStringLiteral("Desktop/NovaTundraSetup.desktop"));
        QCOMPARE(QProcess::splitCommand(desktopEntryValue(entry, QStringLiteral("Exec"))),
            QStringList { machine.path(launcher) });
        QCOMPARE(desktopEntryValue(entry, QStringLiteral("Path")), machine.path(QStringLiteral("Downloads")));

        press({ QStringLiteral("Return") }); // RESTART COMPUTER
        QTRY_COMPARE_WITH_TIMEOUT(restartRequests(machine), 1, PageTimeoutMs);
        // The machine restarts under the wizard: it neither quits nor moves on itself.
        QTest::qWait(1000);
        QCOMPARE(restartRequests(machine), 1);
        QVERIFY(platform::Processes::isRunning(wizard.pid()));
        QVERIFY(!hasLineStartingWith(wizard.logLines(), QStringLiteral("[PageManager] prepareToQuit")));
        QCOMPARE(wizard.logLines().filter(QStringLiteral("[PageManager] Loaded ")).last(), DotNetLoaded);

        press({ QStringLiteral("Escape") });
        // The launchers end once the wizard has, passing its exit code on.
        QCOMPARE(wizard.waitForExit(EndTimeoutMs), 0);
        QVERIFY(wizard.logLines().contains(QStringLiteral("[Closer] closing done")));
        QVERIFY(!platform::Processes::isRunning(wizard.pid()));
    }

    // A cancelled installation offers another try; the installed framework lets the
    // page go on to the folder, with no restart and no desktop entry.
    void netFxInstallsOnTheSecondTry()
    {
        SandboxMachine machine;
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        prepareNetFxlessPc(machine, wizard);
        machine.writeScenario({ { NetFxInstaller,
            QJsonObject { { QStringLiteral("attempts"),
                QJsonArray { QJsonObject { { QStringLiteral("exitCode"), 1602 } },
                    QJsonObject { { QStringLiteral("exitCode"), 0 } } } } } } });
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard, { QStringLiteral("-SWOA") }),
            qPrintable(m_keyboard->errorString()));
        acceptTermsOnToNetFx(wizard);
        if (QTest::currentTestFailed())
            return;

        press({ QStringLiteral("Return") }); // INSTALL
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[NetFxUtil] The user canceled installation.")), PageTimeoutMs);
        QVERIFY(wizard.logLines().contains(QStringLiteral("[NetFxUtil] Installation finished, exit code: 1602")));
        QVERIFY(!platform::Registry::read(ReleaseKey, Release).isValid());

        press({ QStringLiteral("Return") }); // INSTALL REQUIRED SOFTWARE AGAIN
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[NetFxUtil] Installation completed successfully.")),
            PageTimeoutMs);
        QVERIFY(platform::Registry::read(ReleaseKey, Release).toUInt() >= Release46);
        QCOMPARE(peerArguments(machine, NetFxInstaller).size(), 2);

        press({ QStringLiteral("Return") }); // NEXT
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
        QVERIFY(!wizard.logLines().contains(ShortcutMade));
        QCOMPARE(restartRequests(machine), 0);
    }

    void checkPageLinkOpensThroughTheLinkChecker_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("opened"); // a path on the product site
        QTest::newRow("found") << 200 << ReadyPcPath;
        QTest::newRow("missing: the support page") << 404 << QStringLiteral("/support/");
    }

    // On 32-bit Windows the PC might not be ready: the check page stays, and its first
    // link is asked for on the product site before the browser opens an address.
    void checkPageLinkOpensThroughTheLinkChecker()
    {
        QFETCH(int, status);
        QFETCH(QString, opened);
        LoopbackHttpServer site;
        QVERIFY(site.listen());
        site.answer(status, QByteArrayLiteral("<html></html>"));
        SandboxMachine machine;
        preparePassingPc(
            machine, { { QStringLiteral("os64bit"), false }, { QStringLiteral("productSite"), site.url(QString()) } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        QVERIFY(wizard.logLines().contains(QStringLiteral("[PageManager] Should skip pCheck? false")));
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pCheck.qml")), PageTimeoutMs);

        // Tab from the page: Minimize, Close, "See NOVA-ready PCs".
        press(afterTabs(3, QStringLiteral("space")));
        QTRY_COMPARE_WITH_TIMEOUT(machine.openedUrls(), QStringList { site.url(opened) }, PageTimeoutMs);
        QCOMPARE(site.requestedPaths(), QStringList { ReadyPcPath });
    }

    // A second copy started while the first one's updater runs: refused with "CO002"
    // (after "CO001", answered with FORCE TO RESUME) while the updater's id is listed;
    // let through the updater check when only a dead id is.
    void secondCopyBesideARunningUpdater()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        // The first copy's pre-download runs until the test ends.
        machine.writeScenario({ { QStringLiteral("Updater.exe"),
            QJsonObject { { QStringLiteral("tasks"),
                QJsonObject { { QStringLiteral("config"),
                    QJsonObject { { QStringLiteral("fault"), QStringLiteral("hang") } } } } } } } });
        WizardProcess first(machine);
        QVERIFY(first.install());
        QVERIFY(first.installUpdater());
        QVERIFY(first.startAndWaitForWindow());
        QTRY_VERIFY_WITH_TIMEOUT(!platform::Registry::valueNames(UpdaterPidKey).isEmpty(), PageTimeoutMs);

        WizardProcess second(machine);
        QVERIFY2(second.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(second.logLines().contains(QStringLiteral("[main] Show dialog CO001")), PageTimeoutMs);
        QVERIFY(second.logLines().contains(UpdaterRunning));
        // The dialog has the keyboard once it has logged itself, on QUIT SETUP: Tab
        // moves to FORCE TO RESUME. The updater's dialog comes next either way.
        press(afterTabs(1, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(second.logLines().contains(QStringLiteral("[main] Show dialog CO002")), PageTimeoutMs);
        QVERIFY(second.logLines().contains(QStringLiteral(
            "[DialogManager] Dialog [CO001, NOVA Tundra is already running] returned, result: [0, FORCE TO RESUME]")));
        QVERIFY(!hasLineStartingWith(second.logLines(), QStringLiteral("[PageManager] prepareToQuit")));
        second.kill();

        // The updater still runs, but the key lists only an id that is dead.
        for (const QString &name : platform::Registry::valueNames(UpdaterPidKey))
            platform::Registry::remove(UpdaterPidKey, name);
        QProcess ended;
        ended.start(QStringLiteral("true"), QStringList());
        ended.waitForFinished();
        platform::Registry::write(UpdaterPidKey, QString::number(ended.processId()), QString());
        WizardProcess third(machine);
        QVERIFY(third.startAndWaitForWindow());
        QTRY_VERIFY_WITH_TIMEOUT(
            third.logLines().contains(QStringLiteral("[Guard] Passed Updater check")), PageTimeoutMs);
        QVERIFY(!third.logLines().contains(UpdaterRunning));
    }

private:
    void press(const QStringList &keys) { pressKeys(*m_keyboard, keys); }

    // Ticks the terms on the first page of the software-only mode and presses GET
    // STARTED (the language selector has the focus, the terms, their links and the
    // button follow), which on a PC without .NET Framework leads to its page.
    void acceptTermsOnToNetFx(WizardProcess &wizard)
    {
        press(afterTabs(1, QStringLiteral("space")) + afterTabs(1 + TermsLinks, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(DotNetLoaded), PageTimeoutMs);
        QVERIFY(wizard.logLines().contains(QStringLiteral("[PageManager] Should skip pDotNet? false")));
    }

    // On the folder page: CHANGE (Tab from the page: Minimize, Close, CHANGE), then in
    // the folder dialog the folder typed and taken, or (none) the dialog cancelled.
    void chooseFolder(WizardProcess &wizard, const QString &folder)
    {
        QVERIFY2(m_keyboard->focusWindowOf(wizard.pid()), qPrintable(m_keyboard->errorString()));
        press(afterTabs(3, QStringLiteral("space")));
        QVERIFY2(m_keyboard->focusWindowNamed(QStringLiteral("Please choose a folder")),
            qPrintable(m_keyboard->errorString()));
        if (folder.isEmpty()) {
            press({ QStringLiteral("Escape") });
            return;
        }
        press({ QStringLiteral("ctrl+a") });
        QVERIFY2(m_keyboard->type(folder), qPrintable(m_keyboard->errorString()));
        press({ QStringLiteral("Return") });
    }

    XvfbDisplay m_display;
    std::unique_ptr<XKeyboard> m_keyboard;
};

QTEST_GUILESS_MAIN(TestJourneys)
#include "tst_journeys.moc"
