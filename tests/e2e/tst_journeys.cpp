// Journeys through the installed wizard as a separate process on an X display of the
// test's own, driven by the keyboard alone and watched from outside: its log, its
// exit code, the sandbox's registry and the stand-in programs' starts.

#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardProcess.h"
#include "XKeyboard.h"
#include "XvfbDisplay.h"

#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

constexpr int PageTimeoutMs = 30000;
// A check whose list server never answers ends by the wizard's own download watchdog.
constexpr int SlowCheckTimeoutMs = 60000;
constexpr int EndTimeoutMs = 60000;

const QString MainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString RefusingListUrl = QStringLiteral("http://127.0.0.1:9/NovaCheckComp/comp.json");
const QString ChecksDone = QStringLiteral("[PageManager] Should skip pDriver? true");
const QString HealthLoaded = QStringLiteral("[PageManager] Loaded pHealth.qml");
const QString FolderLoaded = QStringLiteral("[PageManager] Loaded pFolder.qml");

// A PC that passes every check: a supported processor, graphics card and driver,
// memory and Windows, an administrator, .NET Framework 4.6, and the compatibility
// list from listUrl (by default refused at once, so the installed list counts).
void preparePassingPc(const SandboxMachine &machine, const QString &listUrl = RefusingListUrl)
{
    machine.writeProfile({ { QStringLiteral("cpu"), QStringLiteral("Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz") },
        { QStringLiteral("os"), QStringLiteral("Windows 10 Pro") }, { QStringLiteral("os64bit"), true },
        { QStringLiteral("windowsVersion"), QStringLiteral("10.0.19045") },
        { QStringLiteral("memoryBanks"), QJsonArray { 8.0 * 1024 * 1024 * 1024 } },
        { QStringLiteral("gpus"),
            QJsonArray { QJsonObject { { QStringLiteral("name"), QStringLiteral("NVIDIA GeForce GTX 1080") },
                { QStringLiteral("pnpDeviceId"),
                    QStringLiteral("PCI\\VEN_10DE&DEV_1B80&SUBSYS_85AA1043&REV_A1") } } } },
        { QStringLiteral("nvidiaDriver"), QStringLiteral("551.23") }, { QStringLiteral("administrator"), true },
        { QStringLiteral("compatibilityListUrl"), listUrl } });
    platform::Registry::write(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full"),
        QStringLiteral("Release"), 393295u);
}

// An earlier installation of the software with its guide, and Steam with SteamVR:
// what lets the folder page of the full mode offer "SKIP INSTALLATION". The guide
// sends guideMessages to its reply pipe.
void installEarlierSoftware(
    const SandboxMachine &machine, const WizardProcess &wizard, const QStringList &guideMessages)
{
    machine.writeScenario(
        { { QStringLiteral("NovaTundraGuide.exe"),
              QJsonObject { { QStringLiteral("messages"), QJsonArray::fromStringList(guideMessages) } } },
            // "SteamVR is installed in Steam"
            { QStringLiteral("GetReg.exe"), QJsonObject { { QStringLiteral("exitCode"), 1 } } } });
    const QString guide = machine.installPeer(
        QStringLiteral("opt/NOVA/Updater/App/NovaTundraGuide"), QStringLiteral("NovaTundraGuide.exe"));
    machine.installPeer(QStringLiteral("opt/NOVA/Updater"), QStringLiteral("Updater.exe"));
    machine.installPeer(QStringLiteral("opt/NOVA/Updater/App/OOBETool"), QStringLiteral("GetReg.exe"));
    machine.installPeer(QDir(machine.root()).relativeFilePath(wizard.programFolder() + QStringLiteral("/Updater")),
        QStringLiteral("Updater.exe"));
    machine.installPeer(QStringLiteral("opt/Steam"), QStringLiteral("Steam.exe"));
    platform::Registry::write(MainKey, QStringLiteral("SystemPath"), machine.path(QStringLiteral("opt/NOVA")));
    platform::Registry::write(MainKey + QStringLiteral("\\Updater"), QStringLiteral("AppPath"),
        machine.path(QStringLiteral("opt/NOVA/Updater")));
    platform::Registry::write(
        MainKey + QStringLiteral("\\NovaEyeGuide"), QStringLiteral("AppPath"), QFileInfo(guide).absolutePath());
    platform::Registry::write(MainKey + QStringLiteral("\\NovaEyeGuide"), QStringLiteral("LaunchPath"), guide);
    platform::Registry::write(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Valve\\Steam"),
        QStringLiteral("InstallPath"), machine.path(QStringLiteral("opt/Steam")));
}

// The arguments of each start of a stand-in program, from the sandbox's peers.log.
QList<QStringList> peerArguments(const SandboxMachine &machine, const QString &program)
{
    QFile log(machine.path(QStringLiteral("peers.log")));
    QList<QStringList> starts;
    if (!log.open(QIODevice::ReadOnly))
        return starts;
    while (!log.atEnd()) {
        const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
        if (start.value(QLatin1String("program")).toString() == program)
            starts.append(start.value(QLatin1String("arguments")).toVariant().toStringList());
    }
    return starts;
}

// count presses of Tab, then key.
QStringList afterTabs(int count, const QString &key)
{
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys.append(QStringLiteral("Tab"));
    return keys << key;
}

bool hasLineStartingWith(const QStringList &lines, const QString &prefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(prefix); });
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
        startOnHealthAndGoToFolder(wizard);
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
        QVERIFY2(linesInOrder(wizard.logLines(),
                     { QStringLiteral("[main] Close app from taskbar."),
                         QStringLiteral("[PageManager] prepareToQuit: normal"),
                         QStringLiteral("[Closer] closing start"), QStringLiteral("[Closer] closing done") },
                     &missing),
            qPrintable(missing));
    }

    // Next pressed while the PC check still waits for the online list: the page
    // leaves when the check has ended, with every page it made unnecessary skipped.
    void nextBeforeTheCheckEndsWaitsForIt()
    {
        QTcpServer silentListServer; // takes connections, never answers
        QVERIFY(silentListServer.listen(QHostAddress::LocalHost));
        SandboxMachine machine;
        preparePassingPc(
            machine, QStringLiteral("http://127.0.0.1:%1/NovaCheckComp/comp.json").arg(silentListServer.serverPort()));
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

        // Language, the terms, GET STARTED.
        press(afterTabs(2, QStringLiteral("space")));
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[DialogManager] Show dialog LE001")), PageTimeoutMs);
        press({ QStringLiteral("Return") }); // OK
        QTRY_VERIFY_WITH_TIMEOUT(
            hasLineStartingWith(wizard.logLines(), QStringLiteral("[DialogManager] Dialog [LE001")), PageTimeoutMs);
        // The closed dialog hands the keyboard back to the window: Minimize, Close,
        // language, the terms (ticked), GET STARTED.
        press(afterTabs(4, QStringLiteral("space")) + afterTabs(1, QStringLiteral("space")));
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
        startOnHealthAndGoToFolder(wizard);
        if (QTest::currentTestFailed())
            return;
        if (!hasLineStartingWith(wizard.logLines(), QStringLiteral("[PathManager]")))
            QSKIP("No path manager in this program: the folder page never offers SKIP INSTALLATION");
        QTRY_VERIFY_WITH_TIMEOUT(hasLineStartingWith(wizard.logLines(),
                                     QStringLiteral("[PathManager] decideSkipInstall(): Can skip install? [1]")),
            PageTimeoutMs);

        const qint64 pid = wizard.process().processId();
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

private:
    void press(const QStringList &keys) { QVERIFY2(m_keyboard->press(keys), qPrintable(m_keyboard->errorString())); }

    // Starts the wizard of the full mode and, once the PC check has ended, presses
    // Return on the health page.
    void startOnHealthAndGoToFolder(WizardProcess &wizard)
    {
        QVERIFY(wizard.install());
        QVERIFY2(wizard.startAndWaitForWindow(*m_keyboard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        press({ QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
    }

    XvfbDisplay m_display;
    std::unique_ptr<XKeyboard> m_keyboard;
};

QTEST_GUILESS_MAIN(TestJourneys)
#include "tst_journeys.moc"
