// Whole installations through the installed wizard on an X display of the test's own,
// driven by the keyboard: the steps run by the stand-in updater, the store app's
// installation waited for, the guide told how the background installation goes, and
// the wizard's end.

#include "Journey.h"
#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardProcess.h"
#include "XKeyboard.h"
#include "XvfbDisplay.h"

#include "platform/Processes.h"
#include "platform/Registry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

#include <memory>

namespace {

// Generous: each step's stand-in takes seconds, the store app's check ten.
constexpr int InstallTimeoutMs = 180000;
const QString StoreHandlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command");
const QString RunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

// The store app's installer is done: its result and the protocol handler it leaves.
void finishStoreInstaller(const SandboxMachine &machine, const QString &result)
{
    const QString app = machine.installPeer(QStringLiteral("opt/NOVAPORT"), QStringLiteral("Nova.exe"));
    platform::Registry::write(
        StoreHandlerKey, QStringLiteral("Default"), QStringLiteral("\"%1\" \"%2\"").arg(app, QStringLiteral("%1")));
    platform::Registry::write(MainKey, QStringLiteral("InstallHelper"), result);
}

// Every job of the stand-in updater takes about seconds at its speed.
QJsonObject updaterTaking(double seconds)
{
    const qint64 speed = 16 << 20;
    return { { QStringLiteral("speed"), speed }, { QStringLiteral("totalSize"), qint64(seconds * speed) },
        { QStringLiteral("intervalMs"), 200 } };
}

bool stillRuns(const QString &program)
{
    return !platform::Processes::find(program, platform::Processes::Match::Name).isEmpty();
}

void endAll(const QString &program)
{
    for (const auto &process : platform::Processes::find(program, platform::Processes::Match::Name))
        platform::Processes::terminate(process.pid);
}

QStringList pipeReports(const SandboxMachine &machine)
{
    QFile log(machine.path(QStringLiteral("bgi_pipe.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                         : QStringList();
}

} // namespace

class TestInstallJourneys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_display.start(), qPrintable(m_display.errorString()));
        m_keyboard = std::make_unique<XKeyboard>(m_display.name());
    }

    // CN mode without Steam: from the health page the updater, the headset tools (with
    // the firmware check), the guide, then the software beside standalone SteamVR. The
    // guide takes over and hears how it goes; the drivers are registered and the wizard
    // ends with "bg done", leaving no updater behind.
    void standaloneSteamVRInstallEndsInTheBackground()
    {
        SandboxMachine machine;
        preparePassingPc(machine, { { QStringLiteral("locale"), QStringLiteral("zh_CN") } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        QJsonObject updater = updaterTaking(1);
        // Long enough for the minutes-left reports to reach the guide.
        // The software's package starts the store app's installer, which runs on after it.
        QJsonObject softwareJob = updaterTaking(14);
        softwareJob.insert(QStringLiteral("storeInstaller"), true);
        updater.insert(QStringLiteral("tasks"),
            QJsonObject {
                { QStringLiteral("software"), softwareJob }, { QStringLiteral("steamvr"), updaterTaking(12) } });
        machine.writeScenario({ { QStringLiteral("Updater.exe"), updater },
            { QStringLiteral("UpdaterInstallHelper.exe"), QJsonObject { { QStringLiteral("runMs"), 3000 } } },
            { QStringLiteral("NovaTundraGuide.exe"),
                QJsonObject { { QStringLiteral("messages"), QJsonArray { QStringLiteral("DONE") } },
                    { QStringLiteral("runMs"), InstallTimeoutMs } } },
            { QStringLiteral("CheckIfRegOpenvrDriver.exe"),
                QJsonObject { { QStringLiteral("attempts"),
                    QJsonArray { QJsonObject { { QStringLiteral("exitCode"), 1 } }, QJsonObject {} } } } } });
        QVERIFY(!installIntoProgramFolder(
            machine, wizard, QStringLiteral("OOBETool"), QStringLiteral("CheckIfRegOpenvrDriver.exe"))
                     .isEmpty());
        QVERIFY(!machine.installPeer(QStringLiteral("opt/NOVA/SteamVR/bin/win64"), QStringLiteral("vrpathreg.exe"))
                     .isEmpty());

        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard, { QStringLiteral("-CN") }),
            qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[pFolder] Space required: 18.1 GB")), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL
        const int exitCode = wizard.waitForExit(InstallTimeoutMs);
        endAll(QStringLiteral("NovaTundraGuide.exe"));
        QCOMPARE(exitCode, 0);

        const QStringList lines = wizard.logLines();
        QString missing;
        QVERIFY2(
            linesInOrder(lines,
                { QStringLiteral("[PageManager] Loaded pInstall.qml"),
                    QStringLiteral("[InstallManager] Finished installing Updater"),
                    QStringLiteral("[InstallManager] Finished installing Hid_Manager"),
                    QStringLiteral("[OEMProcess] onCheckProc hmd"),
                    QStringLiteral("[InstallManager] Finished installing Guide"),
                    QStringLiteral("[InstallManager] FG has finished"),
                    QStringLiteral("[InstallManager] Guide has started"),
                    QStringLiteral("[InstallManager] Finished installing NOVA"),
                    QStringLiteral("[NovaportLauncher] NOVAPORT installation stopped"),
                    QStringLiteral("[InstallManager] NOVAPORT install exit code [0]"),
                    QStringLiteral("[InstallManager] Register drivers failed."),
                    QStringLiteral("[InstallManager] openvr driver is not registered success, continue to check."),
                    QStringLiteral("[InstallManager] Register drivers successed."),
                    QStringLiteral("[PageManager] prepareToQuit: bg done"),
                    QStringLiteral("[InstallManager] Stop running Updater"), QStringLiteral("[Closer] closing done") },
                &missing),
            qPrintable(missing));
        QVERIFY(lines.contains(QStringLiteral("[InstallManager] Download and install standalone SteamVR")));
        QVERIFY(lines.contains(QStringLiteral("[InstallManager] Finished installing Steam")));
        QCOMPARE(lines.filter(QStringLiteral("[DialogManager] Show dialog")), QStringList());

        // The guide, started for the background installation, heard it through.
        const QList<QStringList> guideStarts = peerArguments(machine, QStringLiteral("NovaTundraGuide.exe"));
        QCOMPARE(guideStarts.size(), 1);
        QVERIFY(guideStarts.at(0).contains(QStringLiteral("BGIPIPE:\\\\.\\pipe\\bgi_pipe")));
        const QStringList reports = pipeReports(machine);
        QCOMPARE(reports.value(0), QStringLiteral("BGI_STATUS:installing"));
        QCOMPARE(reports.value(reports.size() - 1), QStringLiteral("BGI_STATUS:done"));
        for (const char *prefix :
            { "INSTALL_INFO:NOVA Sw|", "INSTALL_INFO:SteamVR|", "EST_TIME:NOVA|", "EST_TIME:SteamVR|" })
            QVERIFY2(!reports.filter(QLatin1String(prefix)).isEmpty(), prefix);
        QCOMPARE(reports.count(QStringLiteral("INSTALL_DONE:NOVA")), 1);
        QCOMPARE(reports.count(QStringLiteral("INSTALL_DONE:SteamVR")), 1);
        QVERIFY(reports.filter(QStringLiteral("BGI_STATUS:error")).isEmpty());

        // Both drivers added with the standalone SteamVR's path tool, then checked until
        // the check answered.
        const QList<QStringList> added = peerArguments(machine, QStringLiteral("vrpathreg.exe"));
        QVERIFY(added.size() >= 4);
        const QString software = machine.path(QStringLiteral("opt/NOVA/Updater"));
        QCOMPARE(added.at(0), (QStringList { QStringLiteral("adddriver"), software + QStringLiteral("/nova_eyes") }));
        QCOMPARE(added.at(1), (QStringList { QStringLiteral("adddriver"), software + QStringLiteral("/NovaVR") }));
        QCOMPARE(peerArguments(machine, QStringLiteral("CheckIfRegOpenvrDriver.exe")).size(), 2);
        QVERIFY(!stillRuns(QStringLiteral("Updater.exe")));
    }

    void steamClientInstallEndsInTheBackground_data()
    {
        QTest::addColumn<QJsonObject>("steam");
        QTest::addColumn<bool>("asksToSignIn");
        QTest::addColumn<QString>("endReport"); // the guide's last report
        const QString done = QStringLiteral("BGI_STATUS:done");
        // SteamVR takes long enough for the minutes-left reports to reach the guide.
        QTest::newRow("the user signs in after a while")
            << QJsonObject { { QStringLiteral("signInMs"), 6000 }, { QStringLiteral("installMs"), 12000 } } << true
            << done;
        QTest::newRow("the user is signed in already")
            << QJsonObject { { QStringLiteral("signInMs"), 0 }, { QStringLiteral("installMs"), 12000 } } << false
            << done;
        QTest::newRow("the user closes Steam while SteamVR installs")
            << QJsonObject { { QStringLiteral("signInMs"), 0 }, { QStringLiteral("installMs"), InstallTimeoutMs },
                   { QStringLiteral("closeAfterMs"), 8000 } }
            << false << QStringLiteral("BGI_STATUS:error|IN005");
    }

    // The full mode from the health page: the updater, the headset tools and the guide,
    // then the software beside Steam, which is set up and asked for SteamVR. The page
    // asks for the Steam sign-in until the user is in; then the guide takes over and
    // hears how SteamVR's installation goes, and the wizard ends with "bg done" once
    // the drivers are registered. A Steam closed on the way is reported to the guide.
    void steamClientInstallEndsInTheBackground()
    {
        QFETCH(QJsonObject, steam);
        QFETCH(bool, asksToSignIn);
        QFETCH(QString, endReport);
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        QJsonObject updater = updaterTaking(1);
        updater.insert(QStringLiteral("tasks"), QJsonObject { { QStringLiteral("software"), updaterTaking(6) } });
        machine.writeScenario({ { QStringLiteral("Updater.exe"), updater }, { QStringLiteral("Steam.exe"), steam },
            { QStringLiteral("NovaTundraGuide.exe"),
                QJsonObject { { QStringLiteral("messages"), QJsonArray { QStringLiteral("DONE") } },
                    { QStringLiteral("runMs"), InstallTimeoutMs } } },
            { QStringLiteral("CheckIfRegOpenvrDriver.exe"), QJsonObject() } });
        QVERIFY(installSteamClientTools(machine, wizard));

        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            !wizard.logLines().filter(QStringLiteral("[pFolder] Space required: ")).isEmpty(), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL
        const QString signedIn = QStringLiteral("[pInstall] Steam sign-in state: 2");
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(signedIn), InstallTimeoutMs);
        QCOMPARE(wizard.logLines().contains(QStringLiteral("[pInstall] Steam sign-in state: 1")), asksToSignIn);
        QTRY_VERIFY_WITH_TIMEOUT(pipeReports(machine).contains(endReport), InstallTimeoutMs);

        const QStringList lines = wizard.logLines();
        QString missing;
        QVERIFY2(
            linesInOrder(lines,
                { QStringLiteral("[InstallManager] Finished installing Updater"),
                    QStringLiteral("[InstallManager] Finished installing Hid_Manager"),
                    QStringLiteral("[InstallManager] Finished installing Guide"),
                    QStringLiteral("[InstallManager] Trigger Steam update"),
                    asksToSignIn ? QStringLiteral("[pInstall] Steam sign-in state: 1")
                                 : QStringLiteral("[SteamMonitor] State change: Steam finds user signed in [case 1]"),
                    QStringLiteral("[InstallManager] FG has finished"), signedIn,
                    QStringLiteral("[InstallManager] Guide has started") },
                &missing),
            qPrintable(missing));
        QCOMPARE(lines.filter(QStringLiteral("[DialogManager] Show dialog")), QStringList());
        const QList<QStringList> guideStarts = peerArguments(machine, QStringLiteral("NovaTundraGuide.exe"));
        QCOMPARE(guideStarts.size(), 1);
        QVERIFY(guideStarts.at(0).contains(QStringLiteral("BGIPIPE:\\\\.\\pipe\\bgi_pipe")));
        const QStringList reports = pipeReports(machine);
        QVERIFY(!reports.filter(QStringLiteral("EST_TIME:SteamVR|")).isEmpty());
        if (endReport != QLatin1String("BGI_STATUS:done")) {
            // The guide shows the error; nothing else ends the installation.
            QVERIFY(!reports.contains(QStringLiteral("INSTALL_DONE:SteamVR")));
            QVERIFY(wizard.logLines().contains(QStringLiteral("[SteamMonitor] ERROR: No Steam process running")));
            wizard.kill();
            endAll(QStringLiteral("NovaTundraGuide.exe"));
            return;
        }
        const int exitCode = wizard.waitForExit(InstallTimeoutMs);
        endAll(QStringLiteral("NovaTundraGuide.exe"));
        endAll(QStringLiteral("Steam.exe"));
        QCOMPARE(exitCode, 0);
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[InstallManager] Finished installing Steam"),
                         QStringLiteral("[InstallManager] Register drivers successed."),
                         QStringLiteral("[PageManager] prepareToQuit: bg done") },
                     &missing),
            qPrintable(missing));
        QCOMPARE(pipeReports(machine).count(QStringLiteral("INSTALL_DONE:SteamVR")), 1);
        // Both drivers added with the path tool that came with SteamVR in Steam.
        const QList<QStringList> added = peerArguments(machine, QStringLiteral("vrpathreg.exe"));
        QCOMPARE(added.size(), 2);
        QCOMPARE(added.at(0).value(0), QStringLiteral("adddriver"));
    }

    void softwareOnlyEndsWithTheStoreApp_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("dialog"); // shown on "Installation completed"
        QTest::newRow("installed: its sign-in starts") << QStringLiteral("NOVAPORT:0") << QString();
        QTest::newRow("1603, then TRY AGAIN and installed")
            << QStringLiteral("NOVAPORT:1603") << QStringLiteral("IN012");
        QTest::newRow("3010: a restart is needed") << QStringLiteral("NOVAPORT:3010") << QStringLiteral("IN011");
    }

    // Software-only mode from the terms: the updater, the software, and the store app's
    // installation waited for; the page completes and its result decides the end.
    void softwareOnlyEndsWithTheStoreApp()
    {
        QFETCH(QString, result);
        QFETCH(QString, dialog);
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        machine.writeScenario({ { QStringLiteral("Updater.exe"), updaterTaking(1) } });
        QVERIFY(!installIntoProgramFolder(
            machine, wizard, QStringLiteral("OOBETool"), QStringLiteral("NOVAPORT_Signin.exe"))
                     .isEmpty());
        finishStoreInstaller(machine, result);

        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard, { QStringLiteral("-SWOA") }),
            qPrintable(m_keyboard->errorString()));
        press(afterTabs(2 + TermsLinks, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[DialogManager] Show dialog LE001")), PageTimeoutMs);
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().filter(QStringLiteral("[DialogManager] Dialog [LE001")).size() == 1, PageTimeoutMs);
        // The closed dialog hands the keyboard back to GET STARTED.
        press(afterBackTabs(1 + TermsLinks, QStringLiteral("space"))
            + afterTabs(1 + TermsLinks, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            !wizard.logLines().filter(QStringLiteral("[pFolder] Space required: ")).isEmpty(), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // INSTALL

        const QString signin = QStringLiteral("[NovaportLauncher] launchNovaport() launch NOVAPORT_Signin.exe");
        const QString shown = QStringLiteral("[DialogManager] Show dialog ") + dialog;
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(dialog.isEmpty() ? signin : shown), InstallTimeoutMs);
        QString missing;
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[InstallManager] Finished installing Updater"),
                         QStringLiteral("[InstallManager] Finished installing NOVA"),
                         QStringLiteral("[InstallManager] Start waiting for NOVAPORT installation"),
                         QStringLiteral("[NovaportLauncher] NOVAPORT installed successfully"),
                         QStringLiteral("[InstallManager] NOVAPORT install exit code [%1]")
                             .arg(result.section(QLatin1Char(':'), 1)),
                         QStringLiteral("[InstallManager] Stop timer"),
                         QStringLiteral("[InstallManager] Remove imei files.") },
                     &missing),
            qPrintable(missing));
        QCOMPARE(platform::Registry::read(MainKey, QStringLiteral("InstallPathPrefix")).toString(),
            machine.path(QStringLiteral("opt")).replace(QLatin1Char('/'), QLatin1Char('\\')));
        QVERIFY(!QFile::exists(machine.path(QStringLiteral("opt/NOVA/Updater/Config/imei.NOVA_SOFTWARE.ENC"))));
        if (result.endsWith(QLatin1String("3010")))
            QVERIFY(platform::Registry::read(RunKey, QStringLiteral("NovaportSignin"))
                        .toString()
                        .endsWith(QLatin1String("\\OOBETool\\NOVAPORT_Signin.exe")));
        if (dialog == QLatin1String("IN012")) {
            // TRY AGAIN waits for the store app once more; this time it is in.
            platform::Registry::write(MainKey, QStringLiteral("InstallHelper"), QStringLiteral("NOVAPORT:0"));
            QVERIFY2(m_keyboard->focusWindowOf(wizard.pid()), qPrintable(m_keyboard->errorString()));
            press({ QStringLiteral("Return") });
            QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(signin), InstallTimeoutMs);
            QVERIFY(wizard.logLines().contains(QStringLiteral("[InstallManager] Retry dowonload novaport.")));
            QCOMPARE(wizard.logLines().count(QStringLiteral("[InstallManager] Finished installing NOVAPORT")), 2);
        }
        if (dialog.isEmpty() || dialog == QLatin1String("IN012"))
            QTRY_COMPARE_WITH_TIMEOUT(
                peerArguments(machine, QStringLiteral("NOVAPORT_Signin.exe")).size(), 1, PageTimeoutMs);
        QCOMPARE(wizard.logLines().filter(QStringLiteral("[DialogManager] Show dialog IN")).size(),
            dialog.isEmpty() ? 0 : 1);
        wizard.kill();
    }

private:
    void press(const QStringList &keys) { QVERIFY2(m_keyboard->press(keys), qPrintable(m_keyboard->errorString())); }

    XvfbDisplay m_display;
    std::unique_ptr<XKeyboard> m_keyboard;
};

QTEST_GUILESS_MAIN(TestInstallJourneys)
#include "tst_installjourneys.moc"
