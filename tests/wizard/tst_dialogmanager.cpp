// The general dialogs on the real window: each answer and what it leads to.

#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "core/Utils.h"
#include "platform/Registry.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(ModeFlags)

namespace {

// The actions of the dialog manager, as "signal(argument)", in order.
class ActionRecorder : public QObject {
public:
    explicit ActionRecorder(DialogManager &dialogs)
    {
        connect(&dialogs, &DialogManager::killAnotherInstance, this, [this] { record("killAnotherInstance"); });
        connect(&dialogs, &DialogManager::prepareToQuit, this,
            [this](const QString &reason) { record("prepareToQuit", reason); });
        connect(&dialogs, &DialogManager::returnTryAgain, this,
            [this](const QString &id) { record("returnTryAgain", id); });
        connect(&dialogs, &DialogManager::jumpNext, this, [this] { record("jumpNext"); });
        connect(&dialogs, &DialogManager::installAccount, this, [this] { record("installAccount"); });
        connect(&dialogs, &DialogManager::clickedDialogCtr03, this, [this] { record("clickedDialogCtr03"); });
        connect(&dialogs, &DialogManager::showDialog, this, [this](const QString &id) { record("showDialog", id); });
    }
    QStringList actions;

private:
    void record(const char *name, const QString &argument = QString())
    {
        actions << QLatin1String(name) + QLatin1Char('(') + argument + QLatin1Char(')');
    }
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestDialogManager : public WizardTest {
    Q_OBJECT

private slots:
    void answersLeadToTheirActions_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("page"); // loaded before the dialog shows
        QTest::addColumn<bool>("positive");
        QTest::addColumn<QString>("actions");
        QTest::newRow("CO001 FORCE TO RESUME") << "CO001"
                                               << "" << false << "killAnotherInstance()";
        QTest::newRow("CO001 QUIT SETUP") << "CO001"
                                          << "" << true << "prepareToQuit(error)";
        QTest::newRow("CO002") << "CO002"
                               << "" << true << "prepareToQuit(error)";
        QTest::newRow("IN001 QUIT SETUP") << "IN001"
                                          << "" << false << "prepareToQuit(error)";
        QTest::newRow("IN001 TRY AGAIN") << "IN001"
                                         << "" << true << "returnTryAgain(IN001)";
        QTest::newRow("IN003") << "IN003"
                               << "" << false << "returnTryAgain(IN003)";
        QTest::newRow("IN011 RESTART LATER") << "IN011"
                                             << "pInstall.qml" << false << "prepareToQuit(done)";
        QTest::newRow("IN011 RESTART NOW") << "IN011"
                                           << "pInstall.qml" << true << "prepareToQuit(done)";
        QTest::newRow("IN012 CANCEL") << "IN012"
                                      << "pInstall.qml" << false << "prepareToQuit(done)";
        QTest::newRow("IN013 RETRY") << "IN013"
                                     << "pInstall.qml" << true << "returnTryAgain(IN013)";
        QTest::newRow("FL001") << "FL001"
                               << "" << true << "";
        QTest::newRow("DR001 CANCEL") << "DR001"
                                      << "" << false << "";
        QTest::newRow("DR001 CONTINUE ANYWAY") << "DR001"
                                               << "" << true << "jumpNext()";
        QTest::newRow("HMD004 SKIP ANYWAY") << "HMD004"
                                            << "" << false << "jumpNext()";
        QTest::newRow("SN001 QUIT SETUP") << "SN001"
                                          << "" << false << "prepareToQuit(error)";
        QTest::newRow("SN001 TRY AGAIN") << "SN001"
                                         << "" << true << "installAccount()";
        QTest::newRow("CO005 QUIT SETUP") << "CO005"
                                          << "" << false << "prepareToQuit(normal)";
        QTest::newRow("CO005 BACK") << "CO005"
                                    << "" << true << "";
        QTest::newRow("DR002 CONTINUE") << "DR002"
                                        << "pDriver.qml" << true << "prepareToQuit(error)";
        QTest::newRow("CTR002") << "CTR002"
                                << "" << true << "clickedDialogCtr03()";
        QTest::newRow("FIN003 CANCEL") << "FIN003"
                                       << "" << false << "showDialog(FIN004)";
        QTest::newRow("FIN005 QUIT") << "FIN005"
                                     << "" << true << "prepareToQuit(error)";
        QTest::newRow("LE001, no action") << "LE001"
                                          << "" << true << "";
    }
    void answersLeadToTheirActions()
    {
        QFETCH(QString, id);
        QFETCH(QString, page);
        QFETCH(bool, positive);
        QFETCH(QString, actions);
        WizardFixture wizard;
        if (!page.isEmpty())
            wizard.pages().jump(page);
        LogCapture log;
        wizard.showDialog(id);
        QTRY_VERIFY(wizard.overlayShows(id));
        ActionRecorder recorder(wizard.dialogs());
        wizard.press(positive);

        const QString entry = QStringLiteral("[DialogManager] Dialog [%1, ").arg(id);
        QTRY_VERIFY(!log.startingWith(entry).isEmpty());
        QCOMPARE(recorder.actions.join(QLatin1Char(' ')), actions);
        QCOMPARE(wizard.closeApp->count(), actions.startsWith(QLatin1String("prepareToQuit")) ? 1 : 0);
        QCOMPARE(log.contains(QStringLiteral("[DialogManager] Do nothing")), id == QLatin1String("FL001"));
        QCOMPARE(log.contains(QStringLiteral("[DialogManager] ERROR: Un-handled dialog ID. Shouldn't happen.")),
            id == QLatin1String("LE001"));
        if (page == QLatin1String("pInstall.qml"))
            QVERIFY(wizard.find(QStringLiteral("pInstall"))->property("bDialogReturned").toBool());
        // Only "RESTART NOW" restarts the computer (a sandbox machine records it).
        QCOMPARE(
            QFile::exists(m_machine->path(QStringLiteral("restarts.log"))), id == QLatin1String("IN011") && positive);
        // ... 6 seconds later, once the wizard has quit.
        QFile restarts(m_machine->path(QStringLiteral("restarts.log")));
        if (restarts.open(QIODevice::ReadOnly))
            QVERIFY(restarts.readAll().endsWith(" restart after 6 s\n"));
        // The driver page opens in the desktop user's browser, which a sandbox records.
        QCOMPARE(m_machine->openedUrls().size(), id == QLatin1String("DR002") ? 1 : 0);
        if (id == QLatin1String("FIN003"))
            QTRY_VERIFY(wizard.overlayShows(QStringLiteral("FIN004")));
    }

    void quittingStartsTheCompanionApps_data()
    {
        QTest::addColumn<ModeFlags>("flags");
        QTest::addColumn<QStringList>("started");
        ModeFlags softwareOnly;
        softwareOnly.isSWOA = true;
        ModeFlags otherDevice;
        otherDevice.isOtherDev = true;
        const QString controlUnit = QStringLiteral("ControlUnit.exe");
        const QString storeApp = QStringLiteral("NovaportHelper.exe novaport://launchnovaport");
        QTest::newRow("full") << ModeFlags() << QStringList { controlUnit, storeApp };
        QTest::newRow("software only") << softwareOnly << QStringList();
        QTest::newRow("other device") << otherDevice << QStringList { storeApp };
    }
    void quittingStartsTheCompanionApps()
    {
        QFETCH(ModeFlags, flags);
        QFETCH(QStringList, started);
        const QString controlUnit = m_machine->installPeer(QStringLiteral("opt/CU"), QStringLiteral("ControlUnit.exe"));
        platform::Registry::write(Utils::RegControlUnit, Utils::ValueAppPath, QFileInfo(controlUnit).absolutePath());
        platform::Registry::write(Utils::RegControlUnit, Utils::ValueLaunchPath, controlUnit);
        const QString helper
            = m_machine->installPeer(QStringLiteral("opt/NOVAPORT"), QStringLiteral("NovaportHelper.exe"));
        platform::Registry::write(QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command"),
            QStringLiteral("Default"), QString(QLatin1Char('"') + helper + QStringLiteral("\" \"%1\"")));
        WizardFixture wizard(flags);
        LogCapture log;
        wizard.showDialog(QStringLiteral("CO004"));
        QTRY_VERIFY(wizard.overlayShows(QStringLiteral("CO004")));
        const QString title = wizard.find(QStringLiteral("pageDialog"))->property("title").toString();
        QCOMPARE(title.contains(QLatin1String("NOVAPORT")), flags.isSWOA || flags.isOtherDev);
        wizard.press(false); // QUIT SETUP

        QTRY_COMPARE(wizard.closeApp->count(), 1);
        QVERIFY(log.contains(QStringLiteral("[PageManager] prepareToQuit: normal")));
        if (started.isEmpty())
            QVERIFY(log.startingWith(QStringLiteral("[Utils] Launch")).isEmpty());
        else
            QTRY_COMPARE(sorted(peerStarts()), started);
    }

    void cancelKeepsTheUserOnTheCheckPage_data()
    {
        QTest::addColumn<bool>("positive");
        QTest::addColumn<QString>("page");
        QTest::newRow("CANCEL") << false << "pCheck.qml";
        // The sandbox PC has no graphics adapter, so no driver page follows.
        QTest::newRow("CONTINUE ANYWAY") << true << "pFolder.qml";
    }
    void cancelKeepsTheUserOnTheCheckPage()
    {
        QFETCH(bool, positive);
        QFETCH(QString, page);
        WizardFixture wizard;
        QTRY_VERIFY(wizard.root()->property("bPCChecked").toBool());
        wizard.pages().jump(QStringLiteral("pCheck.qml"));
        LogCapture log;
        wizard.pressNext();
        QTRY_VERIFY(wizard.overlayShows(QStringLiteral("CH001")));
        wizard.press(positive);
        QTRY_VERIFY(!log.startingWith(QStringLiteral("[DialogManager] Dialog [CH001, ")).isEmpty());
        QCOMPARE(wizard.currentPage(), page);
    }

    void unknownDialogsAreIgnored()
    {
        WizardFixture wizard;
        LogCapture log;
        wizard.showDialog(QStringLiteral("XX001"));
        wizard.showDialog(QStringLiteral("FL001"));
        QTRY_VERIFY(wizard.overlayShows(QStringLiteral("FL001")));
        QVERIFY(log.contains(QStringLiteral("[DialogManager] ERROR: Unknown dialog ID. Shouldn't happen.")));
        emit wizard.dialogs().dialogReturn(QStringLiteral("XX002"), 1);
        QVERIFY(
            log.contains(QStringLiteral("[DialogManager] ERROR: Unknown dialog ID XX002 returned. Shouldn't happen.")));
        wizard.press(true);
        QTRY_VERIFY(log.contains(QStringLiteral("[DialogManager] Do nothing")));
    }
};

QTEST_MAIN(TestDialogManager)
#include "tst_dialogmanager.moc"
