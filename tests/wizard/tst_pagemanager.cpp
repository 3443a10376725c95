// The page flow on the real window: moving and skipping, the ends of the program, the
// start-up checks, the blocking dialogs and what the analytics learn about each page.

#include "BiServer.h"
#include "LogCapture.h"
#include "SandboxMachine.h"
#include "TestPc.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "bi/BIService.h"
#include "platform/Registry.h"
#include "wizard/PageManager.h"

#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

Q_DECLARE_METATYPE(ModeFlags)

namespace {

const QString LayersPath = QStringLiteral("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers");
const QString UninstallKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\NOVA SOFTWARE");

ModeFlags softwareOnly()
{
    ModeFlags flags;
    flags.isSWOA = true;
    return flags;
}

// "page how helpClicks" of every page record in the analytics store.
QStringList pageRecords(const QString &folder)
{
    QStringList pages;
    for (const QJsonObject &record : storedRecords(folder)) {
        if (record.value(QLatin1String("category")).toString() != QLatin1String("oobe_page"))
            continue;
        pages << record.value(QLatin1String("a1")).toString() + QLatin1Char(' ')
                + record.value(QLatin1String("a4")).toString() + QLatin1Char(' ')
                + record.value(QLatin1String("a5")).toString();
    }
    return pages;
}

// A worker thread that asks the page manager for a blocking dialog.
class Asker {
public:
    Asker(CPageManager &pages, const QString &id)
        : m_pages(pages)
        , m_thread(QThread::create([this, id] { result = m_pages.showDialogInt(id); }))
    {
        m_thread->start();
    }
    ~Asker()
    {
        m_pages.closeDialogs(); // a failed test leaves no thread waiting
        m_thread->wait();
    }
    bool isWaiting() const { return m_thread->isRunning(); }
    bool finish() { return m_thread->wait(10000); }

    std::atomic<int> result { -2 };

private:
    CPageManager &m_pages;
    std::unique_ptr<QThread> m_thread;
};

} // namespace

class TestPageManager : public WizardTest {
    Q_OBJECT

private slots:
    void skippedPagesArePassedBothWays()
    {
        WizardFixture wizard;
        LogCapture log;
        wizard.pages().setSkipPCheck(true);
        wizard.pages().setSkipPDriver(true);
        QMetaObject::invokeMethod(wizard.root(), "setPCChecked");

        wizard.pressNext();
        QCOMPARE(wizard.currentPage(), QStringLiteral("pFolder.qml"));
        const QObject *footer = wizard.find(QStringLiteral("pageFooter"));
        QVERIFY(footer->property("backVisible").toBool());
        QCOMPARE(footer->property("nextText").toString(), QStringLiteral("INSTALL"));

        wizard.pressBack();
        QCOMPARE(wizard.currentPage(), QStringLiteral("pHealth.qml"));
        QCOMPARE(log.startingWith(QStringLiteral("[PageManager] Skip page")),
            QStringList({ QStringLiteral("[PageManager] Skip page 1 : pCheck.qml"),
                QStringLiteral("[PageManager] Skip page 2 : pDriver.qml"),
                QStringLiteral("[PageManager] Skip page 2 : pDriver.qml"),
                QStringLiteral("[PageManager] Skip page 1 : pCheck.qml") }));
    }

    void theLastPageEndsTheProgram_data()
    {
        QTest::addColumn<bool>("pastTheEnd");
        QTest::newRow("Next on the last page") << false;
        QTest::newRow("a jump past the last page") << true;
    }
    void theLastPageEndsTheProgram()
    {
        QFETCH(bool, pastTheEnd);
        WizardFixture wizard;
        wizard.pages().jump(QStringLiteral("pComplete.qml"));
        QCOMPARE(wizard.currentPage(), QStringLiteral("pComplete.qml"));
        LogCapture log;
        if (pastTheEnd)
            QMetaObject::invokeMethod(wizard.find(QStringLiteral("pageLoader")), "jumpNext");
        else
            wizard.pressNext();

        QCOMPARE(wizard.closeApp->count(), 1);
        const QStringList lines = log.startingWith(QStringLiteral("[PageManager] "));
        QStringList expected { QStringLiteral("[PageManager] prepareToQuit: done") };
        if (pastTheEnd) {
            // No guide is installed: the program ends directly.
            expected = QStringList { QStringLiteral("[PageManager] Quit on the final page: pComplete.qml"),
                QStringLiteral("[PageManager] startGuideToQuit: done"),
                QStringLiteral("[PageManager] Guide not launched, close directly") }
                + expected;
        }
        QCOMPARE(lines.mid(lines.size() - expected.size()), expected);
        QCOMPARE(log.contains(QStringLiteral("[Closer] Find guide path")), pastTheEnd);
    }

    void skippingTheInstallation_data()
    {
        QTest::addColumn<ModeFlags>("flags");
        QTest::addColumn<bool>("toTheLastPage");
        QTest::newRow("software only") << softwareOnly() << true;
        QTest::newRow("full") << ModeFlags() << false;
    }
    void skippingTheInstallation()
    {
        QFETCH(ModeFlags, flags);
        QFETCH(bool, toTheLastPage);
        WizardFixture wizard(flags);
        LogCapture log;
        QMetaObject::invokeMethod(wizard.root(), "skipInstall");
        QCOMPARE(wizard.currentPage() == QLatin1String("pComplete.qml"), toTheLastPage);
        QCOMPARE(log.contains(QStringLiteral("[PageManager] startGuideToQuit: done")), !toTheLastPage);
        QCOMPARE(wizard.closeApp->count(), toTheLastPage ? 0 : 1);
    }

    void closingACutShortInstallationStartsTheUninstaller_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("completed");
        QTest::addColumn<bool>("uninstalls");
        QTest::newRow("window closed") << "normal" << false << true;
        QTest::newRow("closed by the guide") << "closed by guide" << false << true;
        QTest::newRow("done") << "done" << false << false;
        QTest::newRow("installation complete") << "normal" << true << false;
    }
    void closingACutShortInstallationStartsTheUninstaller()
    {
        QFETCH(QString, reason);
        QFETCH(bool, completed);
        QFETCH(bool, uninstalls);
        const QString uninstaller
            = m_machine->installPeer(QStringLiteral("opt/NOVA/Uninstall"), QStringLiteral("Uninstaller.exe"));
        platform::Registry::write(UninstallKey, QStringLiteral("UninstallString"),
            QString(QLatin1Char('"') + uninstaller + QStringLiteral("\" /S")));
        WizardFixture wizard;
        wizard.pages().jump(QStringLiteral("pInstall.qml"));
        if (completed)
            QMetaObject::invokeMethod(wizard.find(QStringLiteral("pInstall")), "complete");
        LogCapture log;

        if (reason == QLatin1String("normal"))
            wizard.harness.window()->close(); // as the task bar does
        else
            QMetaObject::invokeMethod(wizard.root(), "prepareToQuit", Q_ARG(QString, reason));

        QCOMPARE(wizard.closeApp->count(), 1);
        QCOMPARE(
            log.contains(QStringLiteral("[PageManager] Install not finished, show uninstall window.")), uninstalls);
        if (uninstalls)
            QTRY_COMPARE(peerStarts(), QStringList { QStringLiteral("Uninstaller.exe /S") });
    }

    void startUpErrorsEndTheProgram_data()
    {
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("positive");
        QTest::newRow("not an administrator, no button") << false << "Init00Err1" << false;
        QTest::newRow("not an administrator, QUIT SETUP") << false << "Init00Err1" << true;
        QTest::newRow("compatibility mode") << true << "Init00Err5" << true;
    }
    void startUpErrorsEndTheProgram()
    {
        QFETCH(bool, administrator);
        QFETCH(QString, dialog);
        QFETCH(bool, positive);
        m_machine->writeProfile({ { QStringLiteral("administrator"), administrator },
            { QStringLiteral("compatibilityListUrl"), TestPc::RefusedListUrl } });
        const QString ownPath = QCoreApplication::applicationFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
        const QString userLayers = QStringLiteral("HKEY_CURRENT_USER") + LayersPath;
        const QString machineLayers = QStringLiteral("HKEY_LOCAL_MACHINE") + LayersPath;
        const QString other = QStringLiteral("C:\\Games\\other.exe");
        if (dialog == QLatin1String("Init00Err5")) {
            platform::Registry::writeLiteral(userLayers, other, QStringLiteral("~ WIN7RTM"));
            platform::Registry::writeLiteral(userLayers, ownPath, QStringLiteral("~ WIN7RTM"));
            platform::Registry::writeLiteral(machineLayers, ownPath.toUpper(), QStringLiteral("~ WIN8RTM"));
        }
        LogCapture log;
        WizardFixture wizard;

        QTRY_VERIFY(wizard.overlayShows(dialog));
        QVERIFY(wizard.find(QStringLiteral("pageDialog"))->property("full").toBool());
        QCOMPARE(log.contains(QStringLiteral("[PageManager] User is NOT Admin")), !administrator);
        QCOMPARE(platform::Registry::valueNames(userLayers),
            dialog == QLatin1String("Init00Err5") ? QStringList { other } : QStringList());
        QVERIFY(platform::Registry::valueNames(machineLayers).isEmpty());
        wizard.press(positive);

        QTRY_COMPARE(wizard.closeApp->count(), 1);
        const QStringList lines = log.startingWith(QStringLiteral("[PageManager] "));
        QVERIFY(lines.contains(
            QStringLiteral("[PageManager] Returned from dialog %1, result: %2").arg(dialog).arg(int(positive))));
        // The PC check's lines may come in between.
        QString missing;
        QVERIFY2(linesInOrder(lines,
                     { QStringLiteral("[PageManager] Quit"), QStringLiteral("[PageManager] prepareToQuit: error") },
                     &missing),
            qPrintable(missing));
        QCOMPARE(lines.count(QStringLiteral("[PageManager] prepareToQuit: error")), 1);
        if (dialog == QLatin1String("Init00Err5")) {
            QVERIFY(log.contains(
                QStringLiteral("[Pagemanager]checkCompatible()User Compatible is enable,remove this key")));
            QVERIFY(log.contains(
                QStringLiteral("[Pagemanager]checkCompatible()Global Compatible is enable,remove this key")));
            QVERIFY(log.contains(QStringLiteral("[Pagemanager]checkCompatible() HKEY_CURRENT_USER idx: 2")));
        }
    }

    void blockingDialogKeepsTheWindowResponsive_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("enhanced");
        QTest::newRow("negative") << "Sw01Err16"
                                  << "negative" << 0 << false;
        QTest::newRow("positive") << "BgdlInfo"
                                  << "positive" << 1 << true;
        QTest::newRow("abandoned") << "Sw01Err18"
                                   << "abandon" << -1 << false;
        QTest::newRow("abandon another dialog") << "Sw01Err18"
                                                << "abandon Sw01Err19" << 1 << false;
    }
    void blockingDialogKeepsTheWindowResponsive()
    {
        QFETCH(QString, id);
        QFETCH(QString, answer);
        QFETCH(int, result);
        QFETCH(bool, enhanced);
        WizardFixture wizard;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(10);
        Asker asker(wizard.pages(), id);

        QTRY_VERIFY(wizard.overlayShows(id));
        const int ticksWhenShown = ticks;
        // The event loop goes on turning while the worker waits.
        QTRY_VERIFY(ticks >= ticksWhenShown + 5);
        QVERIFY(asker.isWaiting());
        QCOMPARE(wizard.find(QStringLiteral("pageDialog"))->property("enhanced").toBool(), enhanced);

        QObject *loader = wizard.find(QStringLiteral("pageLoader"));
        if (answer == QLatin1String("abandon")) {
            QMetaObject::invokeMethod(loader, "abandonDialog", Q_ARG(QString, id));
            QVERIFY(!wizard.overlayShows(id));
        } else if (answer.startsWith(QLatin1String("abandon "))) {
            // Only the dialog that shows can be abandoned.
            QMetaObject::invokeMethod(loader, "abandonDialog", Q_ARG(QString, answer.mid(8)));
            QVERIFY(wizard.overlayShows(id));
            wizard.press(true);
        } else {
            wizard.press(answer == QLatin1String("positive"));
        }
        QVERIFY(asker.finish());
        QCOMPARE(asker.result, result);
    }

    void dialogsThatCannotBeAnsweredAreRefused()
    {
        WizardFixture wizard;
        LogCapture log;
        // On the user-interface thread the answer could never arrive.
        QCOMPARE(wizard.pages().showDialogInt(QStringLiteral("Sw01Err16")), -1);
        Asker asker(wizard.pages(), QStringLiteral("XX001"));
        QVERIFY(asker.finish());
        QCOMPARE(asker.result, -1);
        const QStringList warnings = log.lines(QtWarningMsg);
        QVERIFY(warnings.contains(
            QStringLiteral("[PageManager] ERROR: Dialog Sw01Err16 asked for on the user-interface thread, not shown")));
        QVERIFY(warnings.contains(QStringLiteral("[PageManager] ERROR: Unknown dialog ID XX001")));
    }

    void analyticsLearnEachPageVisit()
    {
        WizardFixture wizard;
        BIService &bi = *wizard.managers->biService;
        QTRY_VERIFY(bi.isLoggerReady());
        QSignalSpy pcCheck(&wizard.pages(), &CPageManager::setPCCheckReady);
        QMetaObject::invokeMethod(wizard.root(), "setPCChecked");
        QObject *footer = wizard.find(QStringLiteral("pageFooter"));

        wizard.pressNext();
        QCOMPARE(wizard.currentPage(), QStringLiteral("pCheck.qml"));
        footer->setProperty("nHelpClicked", 2);
        wizard.find(QStringLiteral("pCheck"))->setProperty("clicksReadyPC", 1);
        wizard.pressBack();
        footer->setProperty("nHelpClicked", 1);
        wizard.pressNext();
        wizard.harness.window()->close();
        bi.sendAndFlush();

        // The records are stored on the logger's own thread.
        QTRY_COMPARE(pageRecords(bi.tempFolder()),
            QStringList({ QStringLiteral("pHealth.qml next 0"), QStringLiteral("pCheck.qml back 2"),
                QStringLiteral("pHealth.qml next 1"), QStringLiteral("pCheck.qml quit 0") }));
        // Leaving the PC-check page hands over its link clicks, whichever way it is left.
        QCOMPARE(pcCheck.count(), 2);
        QCOMPARE(pcCheck.first(), QVariantList({ 0, 1 }));
        const QList<QJsonObject> records = storedRecords(bi.tempFolder());
        const auto session = std::find_if(records.cbegin(), records.cend(), [](const QJsonObject &record) {
            return record.value(QLatin1String("category")).toString() == QLatin1String("oobe_install_info");
        });
        QVERIFY(session != records.cend());
        QCOMPARE(session->value(QLatin1String("a8")).toString(), QStringLiteral("pCheck.qml"));
        QCOMPARE(session->value(QLatin1String("a9")).toString(), QStringLiteral("user close"));
    }

    void forcedTourTellsNobody()
    {
        WizardFixture wizard;
        QSignalSpy loadedCheck(&wizard.pages(), &CPageManager::loadedPCheck);
        wizard.pages().forceJumpNext(false);
        QCOMPARE(wizard.currentPage(), QStringLiteral("pCheck.qml"));
        wizard.pages().forceJumpNext(true);
        QCOMPARE(wizard.currentPage(), QStringLiteral("pCheck.qml"));
        QCOMPARE(loadedCheck.count(), 0);
        wizard.pages().jump(QStringLiteral("pComplete.qml"));
        wizard.pages().forceJumpNext(false);
        QCOMPARE(wizard.closeApp->count(), 1);
    }

    void outdatedGraphicsDriverClosesForTheUpdate()
    {
        WizardFixture wizard; // the sandbox has no graphics driver
        LogCapture log;
        wizard.pages().handleGpuUpdate();
        QVERIFY(log.contains(QStringLiteral("[CPageManager] Close app for updating GPU driver.")));
        QVERIFY(log.contains(QStringLiteral("[PageManager] prepareToQuit: GpuDriver")));
        QCOMPARE(wizard.closeApp->count(), 1);
    }
};

QTEST_MAIN(TestPageManager)
#include "tst_pagemanager.moc"
