// The terms dialog agent on the real window, with a terms page of its own kind.

#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "wizard/DialogAgent.h"
#include "wizard/PageManager.h"

#include <QTest>

#include <memory>

class TestDialogAgent : public WizardTest {
    Q_OBJECT

private slots:
    void pageWithoutTermsOnlyLogsTheLookup()
    {
        ModeFlags softwareOnly;
        softwareOnly.isSWOA = true;
        WizardFixture wizard(softwareOnly);
        wizard.pages().jump(QStringLiteral("pDotNet.qml"));
        LogCapture log;
        wizard.pressBack(); // the terms page of this program is "pLegal.qml"

        QCOMPARE(wizard.currentPage(), QStringLiteral("pLegal.qml"));
        QCOMPARE(log.startingWith(QStringLiteral("[CDialogAgent]")),
            QStringList { QStringLiteral("[CDialogAgent] Cannot find the QML Object: pInit03") });
        QVERIFY(!wizard.find(QStringLiteral("pageDialog"))->property("visible").toBool());
    }

    void answeringTheTerms_data()
    {
        QTest::addColumn<bool>("positive");
        QTest::addColumn<bool>("leavePageFirst");
        QTest::addColumn<QString>("answerLine");
        QTest::addColumn<int>("quits");
        QTest::newRow("accepted") << true << false << "[CDialogAgent] User close terms and conditions dialog." << 0;
        QTest::newRow("declined") << false << false << "[CDialogAgent] User decline terms and conditions, quit OOBE."
                                  << 1;
        QTest::newRow("declined after the page changed")
            << false << true << "[CDialogAgent] User decline terms and conditions, quit OOBE." << 0;
    }
    void answeringTheTerms()
    {
        QFETCH(bool, positive);
        QFETCH(bool, leavePageFirst);
        QFETCH(QString, answerLine);
        QFETCH(int, quits);
        WizardFixture wizard;
        QObject *page
            = wizard.harness.load(QUrl::fromLocalFile(QStringLiteral(TEST_PAGES_DIR "/pInit03.qml")).toString());
        QVERIFY(page);
        wizard.managers->dialogAgent->loadedPInit03();
        LogCapture log;
        QMetaObject::invokeMethod(page, "askToAcceptPInit03");

        QTRY_VERIFY(wizard.overlayShows(QStringLiteral("Init03Info1")));
        QCOMPARE(wizard.find(QStringLiteral("pageDialog"))->property("title").toString(),
            QStringLiteral("Terms and conditions"));
        if (leavePageFirst)
            wizard.harness.load(QStringLiteral("pHealth.qml"));
        wizard.press(positive);

        QTRY_VERIFY(log.contains(answerLine));
        QCOMPARE(wizard.closeApp->count(), quits);
        QCOMPARE(log.contains(QStringLiteral("[PageManager] prepareToQuit: error")), quits > 0);
    }
};

QTEST_MAIN(TestDialogAgent)
#include "tst_dialogagent.moc"
