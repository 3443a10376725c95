// The PC check at start-up and the .NET Framework step with the program's managers on
// the real window: which of the check, .NET and driver pages a PC sees, what the check
// page shows, and the .NET installer run through its stand-in.

#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "TestPc.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "checks/flow/CheckManager.h"
#include "checks/flow/NetFxUtil.h"
#include "platform/Hardware.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "wizard/PageManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

using namespace TestPc;

const QString Installer = QStringLiteral("NDP46-KB3045560-Web.exe");

// A PC the installed list rates good, an administrator's, with a current NVIDIA driver;
// changes replace whole keys, a null value removes one.
QJsonObject goodPc(const QJsonObject &changes = {})
{
    QJsonObject settings { { QStringLiteral("administrator"), true },
        { QStringLiteral("compatibilityListUrl"), RefusedListUrl },
        { QStringLiteral("nvidiaDriver"), QStringLiteral("551.23") } };
    for (auto it = changes.begin(); it != changes.end(); ++it)
        settings.insert(it.key(), it.value());
    return supportedPc(16, settings);
}

void setRelease(quint32 release)
{
    platform::Registry::write(CNetFxUtil::ReleaseKey, QStringLiteral("Release"), release);
}

// The minimum NVIDIA driver the updater's configuration asks for, beside this program
// (the test runs from a folder of its own).
void writeDriverMinimum(const QByteArray &version)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Updater/App/OOBE_Config");
    QDir().mkpath(folder);
    QFile ini(folder + QStringLiteral("/gpu_driver_ver.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Nvidia]\nversion=" + version + "\n");
}

void removeDriverMinimum()
{
    QFile::remove(
        QCoreApplication::applicationDirPath() + QStringLiteral("/Updater/App/OOBE_Config/gpu_driver_ver.ini"));
}

// Whether some item of the page shows text (as plain or rich text).
bool pageShows(const QObject *page, const QString &text)
{
    const QList<QObject *> items = page->findChildren<QObject *>();
    return std::any_of(items.begin(), items.end(), [&text](const QObject *item) {
        return item->property("text").toString().contains(text) || item->property("html").toString().contains(text);
    });
}

// What Qt says when an object with timers or children is handled from a thread it does
// not live on, and the manager's line for a check thread that would not stop.
QStringList crossThreadLines(const QStringList &lines)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.contains(QLatin1String("from another thread")) || line.contains(QLatin1String("in a different thread"))
            || line.contains(QLatin1String("QObject::killTimer")) || line.contains(QLatin1String("QObject::startTimer"))
            || line.contains(QLatin1String("did not stop")))
            found.append(line);
    }
    return found;
}

// The software-only mode, the one with the .NET page.
ModeFlags softwareOnly()
{
    ModeFlags flags;
    flags.isSWOA = true;
    return flags;
}

} // namespace

class TestCheckFlow : public WizardTest {
    Q_OBJECT

private slots:
    void init()
    {
        WizardTest::init();
        m_log = std::make_unique<LogCapture>();
    }
    void cleanup()
    {
        removeDriverMinimum();
        // Each test ends its wizard, often with the check still running.
        const QStringList faults = crossThreadLines(m_log->lines());
        m_log.reset();
        WizardTest::cleanup();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void ranksDecideTheCheckPage_data()
    {
        QTest::addColumn<QJsonObject>("pc");
        QTest::addColumn<bool>("withList");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<bool>("skip");
        QTest::newRow("good") << goodPc() << true << QStringLiteral("RANK_GOOD") << true;
        QTest::newRow("no list: unchecked") << goodPc() << false << QStringLiteral("RANK_UNCHECKED") << true;
        QTest::newRow("unknown CPU") << goodPc({ { QStringLiteral("cpu"), QStringLiteral("Some Future CPU 9000") } })
                                     << true << QStringLiteral("RANK_UNKNOWN") << false;
        QTest::newRow("32-bit Windows") << goodPc({ { QStringLiteral("os64bit"), false } }) << true
                                        << QStringLiteral("RANK_BAD") << false;
    }

    void ranksDecideTheCheckPage()
    {
        QFETCH(QJsonObject, pc);
        QFETCH(bool, withList);
        QFETCH(QString, rank);
        QFETCH(bool, skip);
        m_machine->writeProfile(pc);
        LogCapture log;
        WizardFixture wizard(ModeFlags(), false, programFolder(withList));

        QTRY_VERIFY(log.contains(QStringLiteral("[CheckManager] checkPCFinished()")));
        QVERIFY(log.contains(QStringLiteral("[CheckManager] PC overall rank: ") + rank));
        QVERIFY(log.contains(
            QStringLiteral("[PageManager] Should skip pCheck? ") + QLatin1String(skip ? "true" : "false")));
        QVERIFY(wizard.root()->property("bPCChecked").toBool());
    }

    void gpuVendorDecidesTheDriverPage_data()
    {
        const QJsonValue noDriver(QJsonValue::Null);
        const QString gpus = QStringLiteral("gpus");
        const QString nvidiaDriver = QStringLiteral("nvidiaDriver");
        QTest::addColumn<QJsonObject>("pc");
        QTest::addColumn<QString>("gpuType"); // empty: the driver page is skipped
        QTest::addColumn<bool>("bypassed"); // skipped as neither vendor's
        QTest::newRow("current NVIDIA driver") << goodPc() << QString() << false;
        QTest::newRow("old NVIDIA driver")
            << goodPc({ { nvidiaDriver, QStringLiteral("388.13") } }) << QStringLiteral("nvidia") << false;
        QTest::newRow("NVIDIA id without its driver")
            << goodPc({ { nvidiaDriver, noDriver } }) << QStringLiteral("nvidia") << false;
        const QString lowerCaseId = QString(Gtx1080).replace(QStringLiteral("10DE"), QStringLiteral("10de"));
        QTest::newRow("lower-case NVIDIA id alone") << goodPc({ { nvidiaDriver, noDriver },
            { gpus, QJsonArray { gpu(QStringLiteral("NVIDIA GeForce GTX 1080"), lowerCaseId) } } })
                                                    << QString() << true;
        QTest::newRow("AMD adapter") << goodPc(
            { { nvidiaDriver, noDriver }, { gpus, QJsonArray { gpu(QStringLiteral("Radeon RX 480"), Rx480) } } })
                                     << QStringLiteral("amd") << false;
        QTest::newRow("Intel only") << goodPc({ { nvidiaDriver, noDriver },
            { gpus, QJsonArray { gpu(QStringLiteral("Intel(R) UHD Graphics 630"), Uhd630) } } })
                                    << QString() << true;
    }

    void gpuVendorDecidesTheDriverPage()
    {
        QFETCH(QJsonObject, pc);
        QFETCH(QString, gpuType);
        QFETCH(bool, bypassed);
        m_machine->writeProfile(pc);
        LogCapture log;
        WizardFixture wizard(ModeFlags(), false, programFolder());

        QTRY_VERIFY(log.contains(QStringLiteral("[CheckManager] checkPCFinished()")));
        QVERIFY(log.contains(QStringLiteral("[PageManager] Should skip pDriver? ")
            + QLatin1String(gpuType.isEmpty() ? "true" : "false")));
        QCOMPARE(log.contains(QStringLiteral("[CheckManager] GPU is not AMD nor NV, bypass it.")), bypassed);
        const QStringList types = log.startingWith(QStringLiteral("[main] Received gpu type:"));
        QCOMPARE(types,
            gpuType.isEmpty() ? QStringList() : QStringList { QStringLiteral("[main] Received gpu type: ") + gpuType });
    }

    void checkPageBeforeTheComparisonShowsUnchecked()
    {
        // The list server never answers: the comparison waits for its watchdog.
        LoopbackHttpServer server;
        QVERIFY(server.listen());
        server.stayQuiet();
        m_machine->writeProfile(goodPc(
            { { QStringLiteral("compatibilityListUrl"), server.url(QStringLiteral("/NovaCheckComp/comp.json")) } }));
        LogCapture log;
        WizardFixture wizard(ModeFlags(), false, programFolder());
        QTRY_VERIFY(log.contains(QStringLiteral("[NovaCheckLib] Download online json file")));

        wizard.pages().jump(QStringLiteral("pCheck.qml"));
        QTRY_COMPARE(wizard.currentPage(), QStringLiteral("pCheck.qml"));
        const QObject *page = wizard.harness.page();
        QVERIFY(!log.contains(QStringLiteral("[CheckManager] checkPCFinished()")));
        QVERIFY(pageShows(page, QStringLiteral("NVIDIA GeForce GTX 1080")));
        QVERIFY(pageShows(page, QStringLiteral("16.0 GB")));
        for (const char *row : { "gpu", "cpu", "memory", "os" }) {
            const QObject *result = page->findChild<QObject *>(QLatin1String(row));
            QVERIFY2(result, row);
            QCOMPARE(result->property("rank").toString(), QStringLiteral("RANK_UNCHECKED"));
        }
    }

    // The wizard closes while the list's server keeps the download waiting: the download
    // ends with the check thread, on that thread, and lets go of its connection.
    void closingMidDownloadIsClean()
    {
        QTcpServer quiet;
        QVERIFY(quiet.listen(QHostAddress::LocalHost));
        m_machine->writeProfile(goodPc({ { QStringLiteral("compatibilityListUrl"),
            QStringLiteral("http://127.0.0.1:%1/NovaCheckComp/comp.json").arg(quiet.serverPort()) } }));
        LogCapture log;
        auto wizard = std::make_unique<WizardFixture>(ModeFlags(), false, programFolder());
        QTRY_VERIFY_WITH_TIMEOUT(quiet.hasPendingConnections(), 15000);
        QTcpSocket *connection = quiet.nextPendingConnection();
        QVERIFY(log.contains(QStringLiteral("[NovaCheckLib] Download online json file")));

        wizard.reset();
        QVERIFY(!log.contains(QStringLiteral("[CheckManager] checkPCFinished()")));
        QCOMPARE(crossThreadLines(log.lines()), QStringList());
        QTRY_COMPARE(connection->state(), QAbstractSocket::UnconnectedState);
    }

    void checkPageShowsThisMachine()
    {
        // No profile facts, and the host's own hardware files.
        m_machine->writeProfile(
            { { QStringLiteral("administrator"), true }, { QStringLiteral("compatibilityListUrl"), RefusedListUrl } });
        QVERIFY(QFile::link(QStringLiteral("/"), m_machine->path(QStringLiteral("hw"))));
        LogCapture log;
        WizardFixture wizard(ModeFlags(), false, programFolder());
        QTRY_VERIFY(log.contains(QStringLiteral("[CheckManager] checkPCFinished()")));

        wizard.pages().jump(QStringLiteral("pCheck.qml"));
        QTRY_COMPARE(wizard.currentPage(), QStringLiteral("pCheck.qml"));
        const QObject *page = wizard.harness.page();
        const NovaCheckLib &lib = wizard.managers->checkManager->checkLib();
        QCOMPARE(lib.cpuName(), NovaCheckLib::cleanName(platform::SystemInfo::cpuBrand()));
        QCOMPARE(lib.osName(), NovaCheckLib::cleanName(platform::SystemInfo::osName()));
        const QList<platform::GpuAdapter> gpus = platform::Hardware::gpus();
        QCOMPARE(lib.gpuCount(), gpus.size());
        for (const QString &shown : { lib.cpuName(), lib.osName(), QString(lib.memorySize() + QStringLiteral(" GB")) })
            QVERIFY2(pageShows(page, shown), qPrintable(shown));
        if (!gpus.isEmpty())
            QVERIFY(pageShows(page, NovaCheckLib::cleanName(gpus.first().name)));
        QVERIFY(lib.memorySize().toDouble() > 0);
    }

    void netFxRelease_data()
    {
        QTest::addColumn<QVariant>("release");
        QTest::addColumn<bool>("installed");
        QTest::newRow("absent") << QVariant() << false;
        QTest::newRow("4.5.2") << QVariant(379893u) << false;
        QTest::newRow("393294") << QVariant(393294u) << false;
        QTest::newRow("4.6") << QVariant(393295u) << true;
        QTest::newRow("a later release") << QVariant(528040u) << true;
    }

    void netFxRelease()
    {
        QFETCH(QVariant, release);
        QFETCH(bool, installed);
        if (release.isValid())
            setRelease(release.toUInt());
        m_machine->writeProfile(goodPc());
        LogCapture log;
        WizardFixture wizard(softwareOnly(), false, programFolder());
        QCOMPARE(wizard.currentPage(), QStringLiteral("pLegal.qml"));

        QCOMPARE(wizard.managers->netFxUtil->isNetFxInstalled(), installed);
        QVERIFY(log.contains(
            QStringLiteral("[PageManager] Should skip pDotNet? ") + QLatin1String(installed ? "true" : "false")));
    }

    // From the health page on, the PC decides the next page the user sees.
    void healthPageLeadsTo_data()
    {
        QTest::addColumn<QJsonObject>("pc");
        QTest::addColumn<quint32>("release");
        QTest::addColumn<QString>("page");
        QTest::newRow("good PC with .NET") << goodPc() << 393295u << QStringLiteral("pFolder.qml");
        QTest::newRow("old GPU driver") << goodPc({ { QStringLiteral("nvidiaDriver"), QStringLiteral("388.13") } })
                                        << 393295u << QStringLiteral("pDriver.qml");
        QTest::newRow("32-bit Windows") << goodPc({ { QStringLiteral("os64bit"), false } }) << 393295u
                                        << QStringLiteral("pCheck.qml");
    }

    void healthPageLeadsTo()
    {
        QFETCH(QJsonObject, pc);
        QFETCH(quint32, release);
        QFETCH(QString, page);
        m_machine->writeProfile(pc);
        if (release)
            setRelease(release);
        writeDriverMinimum("441.20");
        WizardFixture wizard(ModeFlags(), false, programFolder());
        wizard.pages().jump(QStringLiteral("pHealth.qml"));
        QTRY_COMPARE(wizard.currentPage(), QStringLiteral("pHealth.qml"));

        wizard.pressNext();
        QTRY_COMPARE_WITH_TIMEOUT(wizard.currentPage(), page, 15000);
        if (page == QLatin1String("pDriver.qml")) {
            QCOMPARE(wizard.root()->property("driverVersionNv").toString(), QStringLiteral("441.20"));
            QVERIFY(pageShows(wizard.harness.page(), QStringLiteral("441.20")));
        }
    }

    // The .NET page runs the installer and moves on by its exit code; a cancelled
    // installation can be tried again.
    void netFxInstallation()
    {
        m_machine->writeProfile(goodPc());
        m_machine->writeScenario({ { Installer,
            QJsonObject { { QStringLiteral("attempts"),
                QJsonArray { QJsonObject { { QStringLiteral("exitCode"), 1602 } }, QJsonObject() } } } } });
        WizardFixture wizard(softwareOnly(), false, programFolder());
        goToDotNetPage(wizard);
        QSignalSpy account(wizard.managers->netFxUtil.get(), &CNetFxUtil::installAccount);

        wizard.pressNext();
        QTRY_COMPARE_WITH_TIMEOUT(wizard.root()->property("dotNetBtnState").toInt(), 1, 15000);
        QVERIFY(account.isEmpty());
        QVERIFY(!wizard.managers->netFxUtil->isNetFxInstalled());

        wizard.pressNext();
        QTRY_COMPARE_WITH_TIMEOUT(wizard.root()->property("dotNetBtnState").toInt(), 3, 15000);
        QCOMPARE(account.count(), 1);
        QVERIFY(wizard.managers->netFxUtil->isNetFxInstalled());
        const QString installerStart = Installer + QStringLiteral(" /norestart /passive /showrmui");
        QCOMPARE(peerStarts(), QStringList({ installerStart, installerStart }));

        wizard.pressNext();
        QTRY_COMPARE(wizard.currentPage(), QStringLiteral("pFolder.qml"));
    }

    void netFxRestart_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line");
        QTest::newRow("3010") << 3010
                              << QStringLiteral("[NetFxUtil] A restart is required to complete the installation. This "
                                                "message indicates success.");
        QTest::newRow("5100") << 5100
                              << QStringLiteral("[NetFxUtil] The user's computer does not meet system requirements.");
        QTest::newRow("installer missing") << -1 << QStringLiteral("[NetFxUtil] Unknown exit code");
    }

    // Outcomes that need a restart offer it; the restart is recorded, not carried out.
    void netFxRestart()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        m_machine->writeProfile(goodPc());
        m_machine->writeScenario({ { Installer, QJsonObject { { QStringLiteral("exitCode"), exitCode } } } });
        WizardFixture wizard(softwareOnly(), false, programFolder());
        goToDotNetPage(wizard);
        if (exitCode < 0)
            QVERIFY(QFile::remove(programFolder() + QStringLiteral("/dotNetFx/") + Installer));
        LogCapture log;

        wizard.pressNext();
        QTRY_COMPARE_WITH_TIMEOUT(wizard.root()->property("dotNetBtnState").toInt(), 2, 15000);
        QVERIFY(log.contains(line));
        QVERIFY(log.contains(QStringLiteral("[ShortCut] Create shortcut for Launcher")));

        wizard.pressNext();
        QFile restarts(m_machine->path(QStringLiteral("restarts.log")));
        QTRY_VERIFY(restarts.exists());
        QVERIFY(restarts.open(QIODevice::ReadOnly));
        const QByteArray requests = restarts.readAll();
        QCOMPARE(requests.count("restart"), 1);
        QVERIFY(requests.endsWith(" restart\n")); // at once, not after a delay
        QCOMPARE(wizard.currentPage(), QStringLiteral("pDotNet.qml"));
    }

    void quitFromTheDotNetPage_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::newRow("QUIT SETUP") << true;
        QTest::newRow("BACK") << false;
    }

    void quitFromTheDotNetPage()
    {
        QFETCH(bool, quit);
        m_machine->writeProfile(goodPc());
        WizardFixture wizard(softwareOnly(), false, programFolder());
        goToDotNetPage(wizard);
        LogCapture log;

        QMetaObject::invokeMethod(wizard.harness.page(), "closeSetup");
        QTRY_VERIFY(wizard.overlayShows(QStringLiteral("CommonError")));
        wizard.press(!quit); // "QUIT SETUP" is the negative button
        if (quit) {
            QTRY_COMPARE(wizard.closeApp->count(), 1);
            QVERIFY(log.contains(QStringLiteral("[PageManager] prepareToQuit: normal")));
        } else {
            QTest::qWait(200);
            QCOMPARE(wizard.closeApp->count(), 0);
            QCOMPARE(wizard.currentPage(), QStringLiteral("pDotNet.qml"));
        }
    }

private:
    // A program folder in the sandbox with the installed compatibility list (or none)
    // and the stand-in .NET installer.
    QString programFolder(bool withList = true) const
    {
        const QString folder = m_machine->path(QStringLiteral("opt/NovaTundraSetup"));
        if (withList && QDir().mkpath(folder + QStringLiteral("/comp")))
            QFile::link(qEnvironmentVariable("NOVA_BIN_DIR") + QStringLiteral("/comp/compDefault.json"),
                folder + QStringLiteral("/comp/compDefault.json"));
        if (!QFile::exists(folder + QStringLiteral("/dotNetFx/") + Installer))
            m_machine->installPeer(QStringLiteral("opt/NovaTundraSetup/dotNetFx"), Installer);
        return folder;
    }

    // Shows the .NET page once the PC check is done.
    static void goToDotNetPage(WizardFixture &wizard)
    {
        QTRY_VERIFY(wizard.root()->property("bPCChecked").toBool());
        wizard.pages().jump(QStringLiteral("pDotNet.qml"));
        QTRY_COMPARE(wizard.currentPage(), QStringLiteral("pDotNet.qml"));
    }

    std::unique_ptr<LogCapture> m_log;
};

QTEST_MAIN(TestCheckFlow)
#include "tst_checkflow.moc"
